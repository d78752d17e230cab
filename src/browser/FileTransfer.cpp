#include "browser/FileTransfer.h"

#include "common/PathText.h"
#include "platform/FileOperations.h"

bool FileTransfer::transfer(Kind kind, const QString& source, const QString& target, bool replace) {
    if (files_.isFolder(target)) return false;
    const QString folder = GetParentPath(target);
    if (kind == Kind::Move && files_.sameFileSystem(source, folder))
        return replace ? files_.replaceFile(source, target) : files_.rename(source, target);
    if (!copyThenPlace(source, target, replace)) return false;
    // A source that cannot go leaves two whole copies: nothing is lost.
    return kind == Kind::Copy || files_.removeFile(source);
}

bool FileTransfer::copyThenPlace(const QString& source, const QString& target, bool replace) {
    const QString temporary = freeTemporaryName(GetParentPath(target));
    if (temporary.isEmpty()) return false;
    const bool placed = files_.copyFile(source, temporary) &&
                        (replace ? files_.replaceFile(temporary, target) : files_.rename(temporary, target));
    if (!placed && files_.exists(temporary)) files_.removeFile(temporary);
    return placed;
}

QString FileTransfer::freeTemporaryName(const QString& folder) const {
    // Short names: a long target name plus a suffix could pass the file
    // system's limit.
    for (int n = 1; n < 1000; ++n) {
        const QString name = folder + QStringLiteral(".corvane-part-%1").arg(n);
        if (!files_.exists(name)) return name;
    }
    return {};
}
