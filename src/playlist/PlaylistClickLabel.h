#pragma once

#include <QLabel>

// A label that reports a left click (the playlist detail labels step the
// pass option when clicked).
class PlaylistClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
