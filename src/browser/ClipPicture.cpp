#include "browser/ClipPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "ui/widgets/ClipboardBoard.h"

QPixmap ClipPicture::draw(int index, QSize sizePx) {
    QPixmap pixmap(sizePx);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = sizePx.width();
    const qreal h = sizePx.height();

    drawClipboardBoard(p, QRectF(w * 0.08, h * 0.14, w * 0.62, h * 0.80), QRectF(w * 0.24, h * 0.06, w * 0.30, h * 0.16),
                       w, h);

    // The arrow: into the board for copying, out of it for pasting.
    const QColor arrowColor = index == 0 ? QColor(30, 110, 200) : QColor(30, 150, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(arrowColor);
    const qreal y = h * 0.58;
    const qreal tipX = index == 0 ? w * 0.40 : w * 0.98;
    const qreal tailX = index == 0 ? w * 0.98 : w * 0.40;
    const qreal dir = tipX < tailX ? 1.0 : -1.0;
    const qreal head = w * 0.26;
    QPolygonF arrow;
    arrow << QPointF(tipX, y) << QPointF(tipX + dir * head, y - h * 0.20) << QPointF(tipX + dir * head, y - h * 0.07)
          << QPointF(tailX, y - h * 0.07) << QPointF(tailX, y + h * 0.07) << QPointF(tipX + dir * head, y + h * 0.07)
          << QPointF(tipX + dir * head, y + h * 0.20);
    p.drawPolygon(arrow);
    return pixmap;
}
