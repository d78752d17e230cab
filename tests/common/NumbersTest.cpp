#include <gtest/gtest.h>

#include <limits>

#include "common/Numbers.h"

namespace {

TEST(Numbers, HalvesRoundToEven) {
    const std::pair<double, double> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-0.5, 0}, {3.5, 4}, {2.4999, 2}, {2.5001, 3}, {-1.5, -2},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(Numbers, WidthsAndOverflow) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // halves to even stay in range
    EXPECT_THROW(toInt16(32767.5), NumberOverflow);
    EXPECT_THROW(toInt16(-32769), NumberOverflow);
    EXPECT_EQ(toByte(255.49), 255);
    EXPECT_THROW(toByte(-1), NumberOverflow);
    EXPECT_THROW(toByte(255.5), NumberOverflow);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), NumberOverflow);
    EXPECT_THROW(toInt32(std::numeric_limits<double>::quiet_NaN()), NumberOverflow);
    EXPECT_THROW(toInt32(std::numeric_limits<double>::infinity()), NumberOverflow);
    EXPECT_FALSE(tryRoundTo<qint16>(40000).has_value());
    EXPECT_EQ(tryRoundTo<qint16>(2.5).value(), 2);
}

TEST(Numbers, LeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12}, {"abc", 0}, {" -3.5", -3.5}, {"", 0},    {"+7", 7}, {"1:30", 1}, {".5", 0.5}, {"-", 0},
        {"-.", 0},     {"3.", 3},  {"1e5", 1},      {"\t8", 8}, {"１２", 0},  // full-width digits are not digits
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(Numbers, FixedFormats) {
    EXPECT_EQ(formatFixed(2.0, 1), QStringLiteral("2.0"));
    EXPECT_EQ(formatFixed(1.234, 2), QStringLiteral("1.23"));
    EXPECT_EQ(formatFixed(-0.01, 1), QStringLiteral("0.0"));
    EXPECT_EQ(formatFixed(-1.26, 1), QStringLiteral("-1.3"));
    EXPECT_EQ(zeroPadded(5, 2), QStringLiteral("05"));
    EXPECT_EQ(zeroPadded(123, 2), QStringLiteral("123"));
    EXPECT_EQ(zeroPadded(-3, 2), QStringLiteral("-03"));
    EXPECT_EQ(shortestNumberText(12), QStringLiteral("12"));
    EXPECT_EQ(shortestNumberText(2.9), QStringLiteral("2.9"));
    EXPECT_EQ(shortestNumberText(-0.0), QStringLiteral("0"));
}

}  // namespace
