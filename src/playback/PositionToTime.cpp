#include "playback/PositionToTime.h"

#include "common/Numbers.h"

QString PositionToTime(qint32 InputTime, bool WithMiliSec) {
    // 64 bits, so the magnitude of the most negative time still fits.
    const qint64 magnitude = InputTime < 0 ? -static_cast<qint64>(InputTime) : InputTime;
    const qint64 seconds = magnitude / 1000;
    const qint64 hundredths = (magnitude % 1000) / 10;
    QString text = QString::number(seconds / 60) + QLatin1Char(':') + zeroPadded(seconds % 60, 2);
    if (WithMiliSec) text += QLatin1Char('.') + zeroPadded(hundredths, 2);
    // A time that shows as zero gets no sign.
    const bool shownAsZero = seconds == 0 && (!WithMiliSec || hundredths == 0);
    return InputTime < 0 && !shownAsZero ? QLatin1Char('-') + text : text;
}
