#pragma once

#include <QListView>

class PlaylistViewEvents;

// The full mode's list box (listPLItemName). Besides the usual selection it
// reports presses, releases, double-clicks and the Ctrl+Enter and Delete
// keys; holding the left button and moving drags the selection along, so
// releasing on another line moves the pressed entry there.
class PlaylistListView : public QListView {
    Q_OBJECT
public:
    PlaylistListView(PlaylistViewEvents& events, QWidget* parent = nullptr);

    // Selects a row for the logic (no click is reported back).
    void showSelection(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int rowAtOrLast(const QPoint& pos) const;
    void userSelected(int row);

    PlaylistViewEvents& events_;
    bool settingSelection_ = false;
};
