#include "playlist/PlaylistLinesModel.h"

void PlaylistLinesModel::setLines(QStringList lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void PlaylistLinesModel::putLine(int row, const QString& text) {
    if (row < 0 || row > count()) return;
    if (row == count()) {
        beginInsertRows({}, row, row);
        lines_.append(text);
        endInsertRows();
        return;
    }
    lines_[row] = text;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void PlaylistLinesModel::clear() { setLines({}); }

int PlaylistLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant PlaylistLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const QString& text = lines_.at(index.row());
    if (text.size() <= kMaxShownChars) return text;
    return text.left(kMaxShownChars) + QStringLiteral("…");
}
