#pragma once

#include <QString>
#include <QtGlobal>

// The text form of a time in milliseconds: minutes (any number of digits,
// no hours), ":", two-digit seconds and, with hundredths, "." and two
// digits. Every part is cut, not rounded: 61234 gives "1:01.23". A negative
// time (the software clock stepped back before the start) gets one leading
// minus sign: -61234 gives "-1:01.23" (but -5 shows as "0:00.00").
QString PositionToTime(qint32 InputTime, bool WithMiliSec);
