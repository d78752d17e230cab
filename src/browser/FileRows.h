#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rows of the file list (File1): the names in list order, which of them
// are selected (several may be) and which one has the focus (ListIndex).
class FileRows {
public:
    // Replaces the names. Nothing is selected or focused afterwards unless
    // `keepSelection`, which selects and focuses the same names again (a
    // re-read of the same folder).
    void setNames(QStringList names, bool keepSelection = false);
    const QStringList& names() const { return names_; }
    QString name(int row) const { return row >= 0 && row < ListCount() ? names_.at(row) : QString(); }
    int ListCount() const { return static_cast<int>(names_.size()); }

    // The focused row; -1 when none is.
    int ListIndex() const { return focused_; }
    // Selected rows in list order.
    const QList<int>& selectedRows() const { return selected_; }

    // Takes the selection and focus as the user left them; rows outside the
    // list are dropped. False when nothing changed.
    bool setSelection(QList<int> rows, int focused);
    void selectAll();
    void invertSelection();

    // Compared element by element: Qt's own comparison of two empty lists of
    // numbers hands a null pointer to memcmp when only one of them was ever
    // allocated.
    static bool sameRows(const QList<int>& a, const QList<int>& b);

private:
    QStringList names_;
    QList<int> selected_;
    int focused_ = -1;
};
