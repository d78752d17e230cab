#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The answer to "jump to a time" in milliseconds. Accepted forms:
// "M:SS.HH", "M:SS", "S.HH" and "S"; each part is read as a leading number
// (none reads as 0) and rounded to a 16-bit whole number; the part after "."
// counts hundredths ("1:23.5" is 83,050 ms). Nothing for an empty answer or
// a part out of the 16-bit range. The result may be negative.
std::optional<qint32> parseJumpTime(const QString& answer);
