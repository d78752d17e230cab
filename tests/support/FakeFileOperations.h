#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

#include "platform/FileOperations.h"

// A file system in memory: a set of paths, the folders among them, and the
// bytes of the files. Steps refuse what the real one refuses (an existing
// target, a missing source, a folder with something in it), and any chosen
// step can be made to fail: the n-th step of a kind (counted from 1), every
// step of a kind, or every step that touches a path. Every rename asked for
// is kept in `renames` as "from -> to", every other change in `steps` as
// "kind path" or "kind from -> to"; both add " (failed)" when refused.
class FakeFileOperations final : public FileOperations {
public:
    bool exists(const QString& path) const override { return paths.contains(path); }
    bool isFile(const QString& path) const override { return paths.contains(path) && !folders.contains(path); }
    bool isFolder(const QString& path) const override { return folders.contains(bare(path)); }
    bool isValidFileName(const QString& folder, const QString& name) const override;
    bool rename(const QString& from, const QString& to) override;
    bool replaceFile(const QString& from, const QString& to) override;
    bool copyFile(const QString& from, const QString& to) override;
    bool removeFile(const QString& path) override;
    bool canMoveToTrash(const QString& path) const override;
    bool moveToTrash(const QString& path) override;
    bool makeFolder(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool sameFile(const QString& a, const QString& b) const override { return a == b && paths.contains(a); }
    bool sameFileSystem(const QString& path, const QString& folder) const override;

    // Adds `names` inside `folder` (which ends with a separator); each file
    // holds its own name as its bytes.
    void addFiles(const QString& folder, const QStringList& names);
    void addFolder(const QString& path);
    // The names inside `folder`, sorted.
    QStringList namesIn(const QString& folder) const;

    QSet<QString> paths;
    QSet<QString> folders;
    QHash<QString, QByteArray> bytes;
    // The renames of these numbers (1 for the first) fail.
    QSet<int> failRenameNumbers;
    // Steps of a kind ("copy", "replace", "remove", "trash", "mkdir",
    // "rmdir") that fail: these numbers of that kind, or all of them.
    QHash<QString, QSet<int>> failNumbers;
    QSet<QString> failKinds;
    // Steps whose source or target is one of these paths fail.
    QSet<QString> failPaths;
    // A failed copy leaves the first half of the file at its target, as a
    // full disk or a pulled stick would.
    bool copiesFailHalfWay = false;
    // Paths starting with one of these lie on a second file system.
    QStringList otherVolumes;
    // False: no trash anywhere; else paths starting with one of
    // `untrashable` have none.
    bool trashExists = true;
    QStringList untrashable;
    // Runs before every change step, given its text (a file vanishing
    // while a run goes on).
    std::function<void(const QString& step)> beforeStep;
    // Names longer than this are not valid.
    int longestName = 255;
    QStringList renames;
    QStringList steps;
    QStringList trashed;

    // A folder path without its final separator ("/" stays).
    static QString bare(const QString& path);

private:
    // Records the step; false when it is to fail.
    bool begin(const QString& kind, const QString& text, std::initializer_list<QString> touched);
    void refuse();
    void movePath(const QString& from, const QString& to);
    int volumeOf(const QString& path) const;
    QHash<QString, int> counts_;
};
