#pragma once

#include <QWidget>

// A thin horizontal line that takes clicks along its length: the time line
// and the volume line of the transport. Positions are reported in the
// line's units, one unit per twip from its left end.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);

signals:
    // A mouse button went down at xUnits from the line's left end.
    void pressed(double xUnits);
    // The pointer moved over the line (to refresh its tool tip).
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
