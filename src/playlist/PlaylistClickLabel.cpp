#include "playlist/PlaylistClickLabel.h"

#include <QMouseEvent>

void PlaylistClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
