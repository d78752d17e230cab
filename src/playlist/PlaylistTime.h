#pragma once

#include <QString>
#include <QtGlobal>

namespace PlaylistTime {

// Minutes (any number of digits, no hours), ":", two-digit seconds and,
// with hundredths, "." and two digits; every part cut, never rounded
// (61234 -> "1:01.23", 599999 without hundredths -> "9:59"). The same form
// the transport shows, so playlist totals read like song lengths.
QString text(qint32 ms, bool withHundredths);

}  // namespace PlaylistTime
