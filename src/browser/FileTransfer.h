#pragma once

#include <QString>

class FileOperations;

// Moving or copying one file without ever losing it. A copy goes to a
// hidden temporary name in the destination first, so a half-copied file
// never takes the target's name; an existing target is replaced in one
// step only once the new copy is whole. A move within one file system is a
// rename; across file systems the source goes only after the copy is
// complete. Whatever fails, the source stays where it was.
class FileTransfer {
public:
    enum class Kind { Move = 0, Copy = 1 };

    explicit FileTransfer(FileOperations& files) : files_(files) {}

    // `replace`: the target is an existing file the user agreed to replace.
    // False when the file could not be moved or copied; a temporary copy
    // left by the failure is removed.
    bool transfer(Kind kind, const QString& source, const QString& target, bool replace);

private:
    bool copyThenPlace(const QString& source, const QString& target, bool replace);
    QString freeTemporaryName(const QString& folder) const;

    FileOperations& files_;
};
