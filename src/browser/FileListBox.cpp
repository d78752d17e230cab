#include "browser/FileListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
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
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit selectionMoved(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { emit selectionMoved(); });
}

void FileListBox::setNames(const QStringList& names) {
    names_ = names;
    model_->setStringList(names_);
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

void FileListBox::setSelection(const QList<int>& rows, int focused) {
    // One range per run of neighbouring rows: "select all" on a big folder
    // stays one range.
    QItemSelection selection;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype last = i;
        while (last + 1 < rows.size() && rows.at(last + 1) == rows.at(last) + 1) ++last;
        if (rows.at(i) >= 0 && rows.at(last) < names_.size())
            selection.select(model_->index(rows.at(i)), model_->index(rows.at(last)));
        i = last + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    setListIndex(focused);
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
