#include "playlist/PlaylistTime.h"

#include "common/Numbers.h"

namespace PlaylistTime {

QString text(qint32 ms, bool withHundredths) {
    // Whole-number divisions cut toward zero, so a negative time keeps its
    // sign on each part; only the minutes show it.
    const qint32 seconds = ms / 1000;
    const qint32 hundredths = (ms % 1000) / 10;
    QString result = QString::number(seconds / 60) + u':' + zeroPadded(seconds % 60, 2);
    if (withHundredths) result += u'.' + zeroPadded(hundredths, 2);
    return result;
}

}  // namespace PlaylistTime
