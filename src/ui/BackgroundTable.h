#pragma once

#include <QString>

#include <optional>

#include "ui/AppearanceWindow.h"

// The background modes: 0 picks a fixed picture by the hour of the day, 1 is
// a picture the user chose, 2..7 are the six fixed pictures of the
// background folder, each with its list colours.
namespace BackgroundTable {

inline constexpr int kByHour = 0;
inline constexpr int kChosenPicture = 1;
inline constexpr int kFirstFixed = 2;
inline constexpr int kLastFixed = 7;

struct FixedBackground {
    QString fileName;  // in the background folder
    ListColours colours;
};

// The fixed mode (2..7) shown at `hour` (0..23): the pictures repeat every
// six hours.
int modeForHour(int hour);
// The picture and colours of a fixed mode; nothing for any other mode.
std::optional<FixedBackground> fixed(int mode);

}  // namespace BackgroundTable
