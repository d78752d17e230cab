#pragma once

#include "platform/FileOperations.h"

// The file system through QFile, QDir and, where Qt has no word for it,
// the POSIX calls (device numbers, a replacing rename).
class QtFileOperations final : public FileOperations {
public:
    bool exists(const QString& path) const override;
    bool isFile(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool isValidFileName(const QString& folder, const QString& name) const override;
    bool rename(const QString& from, const QString& to) override;
    bool replaceFile(const QString& from, const QString& to) override;
    bool copyFile(const QString& from, const QString& to) override;
    bool removeFile(const QString& path) override;
    bool canMoveToTrash(const QString& path) const override;
    bool moveToTrash(const QString& path) override;
    bool makeFolder(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool sameFile(const QString& a, const QString& b) const override;
    bool sameFileSystem(const QString& path, const QString& folder) const override;
};
