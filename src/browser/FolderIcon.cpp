#include "browser/FolderIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

constexpr int kSizePx = 24;  // drawn large, scaled down smoothly

QPixmap folder(bool open) {
    QPixmap pixmap(kSizePx, kSizePx);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor edge(150, 110, 20);
    p.setPen(QPen(edge, 1.5));
    // Back with its tab.
    QPolygonF back;
    back << QPointF(2, 5) << QPointF(9, 5) << QPointF(11, 8) << QPointF(22, 8) << QPointF(22, 21) << QPointF(2, 21);
    p.setBrush(QColor(235, 190, 70));
    p.drawPolygon(back);
    // Front flap: lies flat when closed, tilts forward when open.
    QPolygonF front;
    if (open)
        front << QPointF(5, 11) << QPointF(23, 11) << QPointF(20, 21) << QPointF(2, 21);
    else
        front << QPointF(2, 10) << QPointF(22, 10) << QPointF(22, 21) << QPointF(2, 21);
    p.setBrush(open ? QColor(255, 225, 120) : QColor(250, 210, 95));
    p.drawPolygon(front);
    return pixmap;
}

}  // namespace

QIcon FolderIcon::open() { return QIcon(folder(true)); }

QIcon FolderIcon::closed() { return QIcon(folder(false)); }
