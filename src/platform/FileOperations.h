#pragma once

#include <QString>

// The file system as the player changes it. Every step that can fail says
// so, and nothing overwrites: a target that exists is a failure, never a
// replaced file. Tests hand in a fake that can fail any chosen step, because
// a test running as root cannot be stopped by read-only folders.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // True when a file or folder of that path exists.
    virtual bool exists(const QString& path) const = 0;
    // Whether `name` can be the name of an entry of `folder` on its file
    // system (no separator, not "." or "..", not too long).
    virtual bool isValidFileName(const QString& folder, const QString& name) const = 0;
    // Renames `from` to `to`; false, with nothing changed, when `to` exists
    // or the file system refuses.
    virtual bool rename(const QString& from, const QString& to) = 0;
};
