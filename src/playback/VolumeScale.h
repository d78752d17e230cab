#pragma once

#include <QString>
#include <QtGlobal>

// The volume slider works in units 0..1000; the output level is one 32-bit
// value, the left channel in the low 16 bits and the right channel in the
// high 16 bits, each 0..0xFFFF.
namespace VolumeScale {

inline constexpr int kUnits = 1000;

// The slider position of an output level, from its left channel.
int unitsFromLevel(quint32 level);
// The slider position of a click at x units: below 25 snaps to 0, above
// 950 to full.
int unitsFromClick(double xUnits);
// The output level with both channels at the slider's position.
quint32 levelFromUnits(int units);
// "75.5%": the units as a percentage.
QString percentText(int units);
// "Volume: 755/ 1000": the slider's tool tip.
QString toolTip(int units);

}  // namespace VolumeScale
