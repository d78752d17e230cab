#pragma once

#include "platform/FileOperations.h"

// The file system through QFile and QFileInfo.
class QtFileOperations final : public FileOperations {
public:
    bool exists(const QString& path) const override;
    bool isValidFileName(const QString& folder, const QString& name) const override;
    bool rename(const QString& from, const QString& to) override;
};
