#include "browser/FolderListBox.h"

#include <QMouseEvent>

#include "browser/FolderIcon.h"
#include "browser/ListRowDelegate.h"

namespace {

constexpr int kDepthRole = Qt::UserRole;

}  // namespace

FolderListBox::FolderListBox(QWidget* parent)
    : QListWidget(parent), openIcon_(FolderIcon::open()), closedIcon_(FolderIcon::closed()) {
    setItemDelegate(new ListRowDelegate(kRowHeightPx, kDepthRole, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(12, 12));
    // One pixel of frame each side: the fitted heights leave exactly that.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setSpacing(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FolderListBox::setRows(FolderRows rows) {
    rows_ = std::move(rows);
    rebuild();
}

void FolderListBox::setSubfolders(QStringList names) {
    rows_.setSubfolders(std::move(names));
    rebuild();
}

void FolderListBox::rebuild() {
    clear();
    const int levels = rows_.levelCount();
    for (int row = 0; row < rows_.rowCount(); ++row) {
        const int index = rows_.indexOfRow(row);
        auto* item = new QListWidgetItem(index < 0 ? openIcon_ : closedIcon_, rows_.displayName(index));
        item->setData(kDepthRole, index < 0 ? row : levels);
        addItem(item);
    }
    setListIndex(-1);
}

int FolderListBox::ListIndex() const {
    const int row = currentRow();
    return row < 0 ? -1 : rows_.indexOfRow(row);
}

void FolderListBox::setListIndex(int index) {
    const int row = rows_.rowOfIndex(index);
    if (row >= 0 && row < count()) {
        setCurrentRow(row);
        scrollToItem(item(row));
    }
}

void FolderListBox::mousePressEvent(QMouseEvent* event) {
    swallowRelease_ = false;
    if (event->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(event);
    else
        event->accept();
}

void FolderListBox::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: the highlight stays on the row that was pressed.
    event->accept();
}

void FolderListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    swallowRelease_ = true;
    event->accept();
}

void FolderListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) QListWidget::mouseReleaseEvent(event);
    event->accept();
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    emit mouseReleased(event->button(), event->modifiers());
}
