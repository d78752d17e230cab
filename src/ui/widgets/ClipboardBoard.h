#pragma once

#include <QPainter>
#include <QRectF>

// The clipboard of the small pictures beside the path box: a board, its
// paper and its clip, in one look for every such picture. `w` and `h` are the
// picture's size; the paper keeps the same margins inside any board.
inline void drawClipboardBoard(QPainter& p, const QRectF& board, const QRectF& clip, qreal w, qreal h) {
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(205, 160, 100));
    p.drawRoundedRect(board, 1.5, 1.5);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(board.adjusted(w * 0.10, h * 0.14, -w * 0.10, -h * 0.08));
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(clip);
}
