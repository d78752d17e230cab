#include "browser/FolderListBox.h"

#include <algorithm>

#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kIndentPx = 7;
constexpr int kMaxIndentPx = 70;
constexpr int kDepthRole = Qt::UserRole;

// Draws each row shifted right by its depth in the tree.
class FolderRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted = option;
        const int indent = std::min(kMaxIndentPx, index.data(kDepthRole).toInt() * kIndentPx);
        shifted.rect.adjust(indent, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), FolderListBox::kRowHeightPx};
    }
};

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FolderRowDelegate(this));
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
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const int levels = rows_.levelCount();
    for (int row = 0; row < rows_.rowCount(); ++row) {
        const int index = rows_.indexOfRow(row);
        auto* item = new QListWidgetItem(index < 0 ? openIcon : closedIcon, rows_.displayName(index));
        item->setData(kDepthRole, index < 0 ? row : levels);
        item->setToolTip(QString());
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
