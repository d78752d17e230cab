#include "ui/widgets/ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    emit released(event->button(), event->modifiers());
    if (inside && event->button() == Qt::LeftButton) emit clicked();
}
