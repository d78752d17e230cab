#include "browser/ListRowDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTextGapPx = 3;
// CJK characters sit from 0.88 em above the baseline to 0.12 em below it:
// their middle is 0.38 em above the baseline.
constexpr double kMiddleAboveBaselineEm = 0.38;

}  // namespace

ListRowDelegate::ListRowDelegate(int rowHeightPx, int depthRole, QObject* parent)
    : QStyledItemDelegate(parent), rowHeightPx_(rowHeightPx), depthRole_(depthRole) {}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeightPx_};
}

void ListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const int depth = depthRole_ < 0 ? 0 : index.data(depthRole_).toInt();
    opt.rect.adjust(std::min(kMaxIndentPx, depth * kIndentPx), 0, 0, 0);

    // The selection background, as the style draws it.
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QString text = opt.text;
    const QIcon icon = opt.icon;
    opt.text.clear();
    opt.icon = QIcon();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    painter->save();
    int x = opt.rect.left() + 2;
    if (!icon.isNull()) {
        const int size = std::min(opt.decorationSize.height(), rowHeightPx_ - 2);
        icon.paint(painter, QRect(x, opt.rect.top() + (rowHeightPx_ - size) / 2, size, size));
        x += size + kTextGapPx;
    }
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    const QFontMetrics metrics(opt.font);
    const int pixelSize = opt.font.pixelSize() > 0 ? opt.font.pixelSize() : metrics.height() * 3 / 4;
    const int baseline =
        opt.rect.top() + rowHeightPx_ / 2 + static_cast<int>(std::lround(kMiddleAboveBaselineEm * pixelSize));
    const QString shown = metrics.elidedText(text, Qt::ElideRight, opt.rect.right() - x);
    painter->drawText(QPoint(x, baseline), shown);
    painter->restore();
}
