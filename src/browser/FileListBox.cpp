#include "browser/FileListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <QStringListModel>

#include <algorithm>

#include "browser/ListRowDelegate.h"

FileListBox::FileListBox(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setItemDelegate(new ListRowDelegate(kRowHeightPx, -1, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setSpacing(0);
    // Dragging would start a move the program does not offer.
    setDragEnabled(false);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit rowClicked(); });
}

void FileListBox::setNames(const QStringList& names, bool keepSelection) {
    QSet<QString> selected;
    QString focused;
    if (keepSelection) {
        for (const int row : selectedRowNumbers()) selected.insert(names_.at(row));
        focused = name(ListIndex());
    }
    names_ = names;
    model_->setStringList(names_);
    if (!keepSelection) return;
    QItemSelection reselect;
    for (int row = 0; row < names_.size(); ++row) {
        if (!selected.contains(names_.at(row))) continue;
        const QModelIndex index = model_->index(row);
        reselect.select(index, index);
    }
    selectionModel()->select(reselect, QItemSelectionModel::Select);
    if (!focused.isEmpty()) {
        const int row = static_cast<int>(names_.indexOf(focused));
        if (row >= 0) selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::NoUpdate);
    }
}

int FileListBox::ListIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListBox::setListIndex(int row) {
    if (row < 0 || row >= names_.size()) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::NoUpdate);
    scrollTo(model_->index(row));
}

bool FileListBox::isRowSelected(int row) const {
    return row >= 0 && row < names_.size() && selectionModel()->isSelected(model_->index(row));
}

void FileListBox::setRowSelected(int row, bool selected) {
    if (row < 0 || row >= names_.size()) return;
    selectionModel()->select(model_->index(row),
                             selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QList<int> FileListBox::selectedRowNumbers() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListBox::selectAllRows() {
    if (names_.isEmpty()) return;
    selectionModel()->select(QItemSelection(model_->index(0), model_->index(ListCount() - 1)),
                             QItemSelectionModel::Select);
}

void FileListBox::invertSelection() {
    if (names_.isEmpty()) return;
    selectionModel()->select(QItemSelection(model_->index(0), model_->index(ListCount() - 1)),
                             QItemSelectionModel::Toggle);
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    // The right button asks for a filter; it leaves the selection alone.
    if (event->button() != Qt::RightButton) QListView::mousePressEvent(event);
    event->accept();
    emit mousePressed(event->button(), event->modifiers());
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key(), event->modifiers());
    const int before = ListIndex();
    QListView::keyPressEvent(event);
    if (ListIndex() != before && ListIndex() >= 0) emit rowClicked();
}
