#include "playlist/CopySongPicture.h"

#include <QPainter>

#include <algorithm>

#include "ui/widgets/ClipboardBoard.h"

namespace CopySongPicture {

QPixmap draw(QSize sizePx) {
    QPixmap pixmap(sizePx);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = sizePx.width();
    const qreal h = sizePx.height();

    // A wider board than the path box's pictures, to hold the note.
    drawClipboardBoard(p, QRectF(w * 0.10, h * 0.14, w * 0.80, h * 0.80), QRectF(w * 0.32, h * 0.06, w * 0.36, h * 0.16),
                       w, h);

    // A note: its head low on the paper, the stem and flag up to the right.
    const QColor note(170, 40, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(note);
    p.drawEllipse(QRectF(w * 0.30, h * 0.64, w * 0.26, h * 0.16));
    p.setPen(QPen(note, std::max(1.0, w * 0.08)));
    p.drawLine(QPointF(w * 0.54, h * 0.72), QPointF(w * 0.54, h * 0.36));
    p.drawLine(QPointF(w * 0.54, h * 0.36), QPointF(w * 0.70, h * 0.46));
    return pixmap;
}

}  // namespace CopySongPicture
