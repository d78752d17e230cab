#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// The file list (File1): names in the order given, several rows selectable
// at once (Ctrl and Shift as in a file manager) and one focused row
// (ListIndex). It reports the events the browser acts on and leaves the
// decisions to it; what it shows is drawn from the browser's FileRows.
class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Replaces the names; nothing is selected or focused afterwards.
    void setNames(const QStringList& names);
    const QStringList& names() const { return names_; }
    QString name(int row) const { return row >= 0 && row < names_.size() ? names_.at(row) : QString(); }

    int ListCount() const { return static_cast<int>(names_.size()); }
    int ListIndex() const;  // -1: none
    void setListIndex(int row);

    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    QList<int> selectedRowNumbers() const;  // in list order
    // Selects exactly `rows` and focuses `focused` (-1: none).
    void setSelection(const QList<int>& rows, int focused);

    static constexpr int kRowHeightPx = 12;

signals:
    // After the press has moved the selection.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A left click on a row, or the keyboard moving the focused row.
    void rowClicked();
    // Before the list handles the key.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // The selected rows or the focused row changed.
    void selectionMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringListModel* model_;
    QStringList names_;
};
