#include "browser/FileRows.h"

#include <QSet>

#include <algorithm>

void FileRows::setNames(QStringList names, bool keepSelection) {
    QSet<QString> wasSelected;
    const QString wasFocused = keepSelection ? name(focused_) : QString();
    if (keepSelection)
        for (const int row : selected_) wasSelected.insert(names_.at(row));
    names_ = std::move(names);
    selected_.clear();
    focused_ = -1;
    if (!keepSelection) return;
    for (int row = 0; row < ListCount(); ++row)
        if (wasSelected.contains(names_.at(row))) selected_.append(row);
    if (!wasFocused.isEmpty()) focused_ = static_cast<int>(names_.indexOf(wasFocused));
}

bool FileRows::setSelection(QList<int> rows, int focused) {
    rows.removeIf([this](int row) { return row < 0 || row >= ListCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (focused < 0 || focused >= ListCount()) focused = -1;
    if (sameRows(rows, selected_) && focused == focused_) return false;
    selected_ = std::move(rows);
    focused_ = focused;
    return true;
}

void FileRows::selectAll() {
    selected_.clear();
    for (int row = 0; row < ListCount(); ++row) selected_.append(row);
}

void FileRows::invertSelection() {
    QList<int> flipped;
    for (int row = 0, next = 0; row < ListCount(); ++row) {
        const bool wasSelected = next < selected_.size() && selected_.at(next) == row;
        if (wasSelected)
            ++next;
        else
            flipped.append(row);
    }
    selected_ = std::move(flipped);
}

bool FileRows::sameRows(const QList<int>& a, const QList<int>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
