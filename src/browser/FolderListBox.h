#pragma once

#include <QListWidget>

#include "browser/FolderRows.h"

// A folder list (Dir1, Dir2): the level rows of the current path, indented
// by depth under open-folder icons, then the subfolders. Only the left
// button moves the highlight; every button's release is reported, and the
// second release of a double click is swallowed so that a double click
// opens one folder, not the one that lands under the pointer afterwards.
class FolderListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FolderListBox(QWidget* parent = nullptr);

    // Shows `rows` and highlights the current folder's row.
    void setRows(FolderRows rows);
    void setSubfolders(QStringList names);
    const FolderRows& rows() const { return rows_; }

    QString path() const { return rows_.path(); }
    QString entry(int index) const { return rows_.entry(index); }
    int ListCount() const { return rows_.ListCount(); }
    // Index of the highlighted row; -1 (the current folder) when none is.
    int ListIndex() const;
    void setListIndex(int index);

    static constexpr int kRowHeightPx = 14;

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void rebuild();

    FolderRows rows_;
    bool swallowRelease_ = false;
    QIcon openIcon_;
    QIcon closedIcon_;
};
