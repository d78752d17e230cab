#include "playlist/PlaylistListView.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

#include "playlist/PlaylistViewEvents.h"

PlaylistListView::PlaylistListView(PlaylistViewEvents& events, QWidget* parent)
    : QListView(parent), events_(events) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);  // keeps 32,767 lines cheap to lay out
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PlaylistListView::showSelection(int row) {
    if (!selectionModel()) return;
    settingSelection_ = true;
    if (row < 0 || !model() || row >= model()->rowCount()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = model()->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
    settingSelection_ = false;
}

void PlaylistListView::userSelected(int row) {
    if (!settingSelection_) events_.listClick(row);
}

int PlaylistListView::rowAtOrLast(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (index.isValid()) return index.row();
    // Below the last line a list box keeps its last line selected.
    const int rows = model() ? model()->rowCount() : 0;
    if (rows == 0) return -1;
    const QRect last = visualRect(model()->index(rows - 1, 0));
    return pos.y() >= last.bottom() ? rows - 1 : -1;
}

void PlaylistListView::mousePressEvent(QMouseEvent* event) {
    const int before = currentIndex().row();
    QListView::mousePressEvent(event);
    const int row = currentIndex().isValid() ? currentIndex().row() : -1;
    if (row != before) userSelected(row);
    events_.listMouseDown(event->button());
}

void PlaylistListView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QListView::mouseMoveEvent(event);
        return;
    }
    const int row = rowAtOrLast(event->position().toPoint());
    if (row >= 0 && row != currentIndex().row()) {
        showSelection(row);
        userSelected(row);
    }
}

void PlaylistListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    events_.listMouseUp();
}

void PlaylistListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) events_.listDoubleClick();
}

void PlaylistListView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter && (event->modifiers() & Qt::ControlModifier)) || key == Qt::Key_Delete) {
        events_.listKeyDown(key, event->modifiers());
        event->accept();
        return;
    }
    const int before = currentIndex().row();
    QListView::keyPressEvent(event);
    const int row = currentIndex().isValid() ? currentIndex().row() : -1;
    if (row != before) userSelected(row);
}
