#pragma once

#include <QString>
#include <QStringList>

// The rows of a folder list: first one row per level of the current path,
// from the root down to the current folder itself, then one row per
// subfolder. Rows are addressed by index as the list answers: level rows
// -1 (the current folder), -2 (its parent) ... up to the root; subfolders
// 0 .. ListCount() - 1. A view shows them top to bottom, root first.
class FolderRows {
public:
    FolderRows() = default;
    // `folder` is an absolute path; it is cleaned ("/a/b/" -> "/a/b").
    FolderRows(const QString& folder, QStringList subfolderNames);

    // The current folder ("/" for the root); empty before a folder is set.
    QString path() const { return levels_.isEmpty() ? QString() : levels_.last(); }
    int levelCount() const { return static_cast<int>(levels_.size()); }
    int ListCount() const { return static_cast<int>(names_.size()); }
    int rowCount() const { return levelCount() + ListCount(); }

    // The path of the row at `index`; empty for an index outside the list
    // (so index -2 is empty exactly when the current folder is a root).
    QString entry(int index) const;
    // The text a view shows for the row: the folder's own name, "/" for the root.
    QString displayName(int index) const;
    bool isLevel(int index) const { return index < 0 && index >= -levelCount(); }

    // View row (0 = the root) <-> index.
    int indexOfRow(int row) const { return row - levelCount(); }
    int rowOfIndex(int index) const { return index + levelCount(); }

    // Replaces the subfolders, keeping the levels (a re-read of the folder).
    void setSubfolders(QStringList subfolderNames) { names_ = std::move(subfolderNames); }
    const QStringList& subfolderNames() const { return names_; }

    // The chain of folders from the root down to `folder`, root first.
    static QStringList levelsOf(const QString& folder);
    // Absolute and cleaned, no trailing separator except for the root.
    static QString cleanFolder(const QString& folder);
    // `folder` + separator + `name`, with one separator also at the root.
    static QString childPath(const QString& folder, const QString& name);

private:
    QStringList levels_;
    QStringList names_;
};
