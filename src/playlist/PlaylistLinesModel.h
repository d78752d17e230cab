#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The lines of the playlist list box (listPLItemName). A model rather than
// one item object per line keeps a 32,767-line playlist quick to rebuild and
// to show.
class PlaylistLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    // A line longer than this is cut for display only (a path of megabytes
    // would otherwise stall the list's text measuring).
    static constexpr int kMaxShownChars = 1000;

    using QAbstractListModel::QAbstractListModel;

    int count() const { return static_cast<int>(lines_.size()); }
    QString line(int row) const { return row >= 0 && row < count() ? lines_.at(row) : QString(); }
    const QStringList& lines() const { return lines_; }

    void setLines(QStringList lines);
    // Replaces line `row`, or appends when row is the line count.
    void putLine(int row, const QString& text);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList lines_;
};
