#pragma once

#include <QLabel>

// A label or picture that answers mouse clicks (the browser's count label and
// clipboard pictures, the playlist's detail labels): `clicked` for a left
// click released over it, `released` for every button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
