#include "ui/BackgroundTable.h"

namespace BackgroundTable {

namespace {

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kMidnight{0, 0, 64};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kLavender{128, 128, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};

}  // namespace

int modeForHour(int hour) { return ((hour % 6) + 6) % 6 + kFirstFixed; }

std::optional<FixedBackground> fixed(int mode) {
    switch (mode) {
    case 2: return FixedBackground{QStringLiteral("Morning.jpg"), {kNavy, kLavender, kRed}};
    case 3: return FixedBackground{QStringLiteral("Noon.jpg"), {kMidnight, kLavender, kYellow}};
    case 4: return FixedBackground{QStringLiteral("Afternoon.jpg"), {kBlue, kWhite, kYellow}};
    case 5: return FixedBackground{QStringLiteral("Night.jpg"), {kNavy, kLavender, kYellow}};
    case 6: return FixedBackground{QStringLiteral("Daybreak.jpg"), {kNavy, kLavender, kYellow}};
    case 7: return FixedBackground{QStringLiteral("Midday.jpg"), {kBlue, kWhite, kYellow}};
    default: return std::nullopt;
    }
}

}  // namespace BackgroundTable
