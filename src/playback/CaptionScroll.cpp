#include "playback/CaptionScroll.h"

QString scrollCaption(const QString& caption, quint8 titleDirection) {
    const qsizetype n = caption.size();
    if (n < 2) return caption;
    if (titleDirection == 1) {
        const qsizetype head = caption.at(0).isHighSurrogate() ? 2 : 1;
        return caption.mid(head) + caption.left(head);
    }
    if (titleDirection == 2) {
        const qsizetype tail = (caption.at(n - 1).isLowSurrogate() && n >= 2) ? 2 : 1;
        return caption.right(tail) + caption.left(n - tail);
    }
    return caption;
}
