#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include "platform/FileOperations.h"

// A file system in memory: a set of paths. Renames move a path, refuse an
// existing target as the real one does, and any chosen step can be made to
// fail: the n-th renames (counted from 1), or every rename to or from a path.
// Every rename asked for is kept in `renames` as "from -> to", with
// " (failed)" when it was refused.
class FakeFileOperations final : public FileOperations {
public:
    bool exists(const QString& path) const override { return paths.contains(path); }
    bool isValidFileName(const QString& folder, const QString& name) const override;
    bool rename(const QString& from, const QString& to) override;

    // Adds `names` inside `folder` (which ends with a separator).
    void addFiles(const QString& folder, const QStringList& names);
    // The names inside `folder`, sorted.
    QStringList namesIn(const QString& folder) const;

    QSet<QString> paths;
    // The renames of these numbers (1 for the first) fail.
    QSet<int> failRenameNumbers;
    // Renames whose source or target is one of these paths fail.
    QSet<QString> failPaths;
    // Names longer than this are not valid.
    int longestName = 255;
    QStringList renames;
};
