#include "ui/widgets/LineControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/Twips.h"

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int y = height() / 2;
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawLine(0, y + 1, width() - 1, y + 1);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawLine(0, y, width() - 1, y);
}

void LineControl::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().x() * Twips::kPerPixel);
}

void LineControl::mouseMoveEvent(QMouseEvent*) { emit hovered(); }
