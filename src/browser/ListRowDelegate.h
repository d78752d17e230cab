#pragma once

#include <QStyledItemDelegate>

// Paints the rows of the browser's lists at the fixed heights the fitting
// counts on (14 px a folder row, 12 px a file row). The text is set on a
// baseline of its own, so that the tall line spacing of CJK fonts does not
// clip the characters in rows this short.
class ListRowDelegate final : public QStyledItemDelegate {
public:
    // `depthRole`: the item role that holds the row's indentation level, or
    // -1 for no indentation.
    ListRowDelegate(int rowHeightPx, int depthRole, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int kIndentPx = 7;
    static constexpr int kMaxIndentPx = 70;

private:
    int rowHeightPx_;
    int depthRole_;
};
