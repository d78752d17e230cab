#include "platform/qt/QtFileOperations.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <climits>

namespace {

// The longest name the folder's file system takes, in encoded bytes.
qsizetype longestNameBytes(const QString& folder) {
    const long answer = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return answer > 0 ? answer : NAME_MAX;
}

}  // namespace

bool QtFileOperations::exists(const QString& path) const {
    // A dangling link still takes the name.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool QtFileOperations::isValidFileName(const QString& folder, const QString& name) const {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    if (name.contains(u'/') || name.contains(QChar(0))) return false;
    return QFile::encodeName(name).size() <= longestNameBytes(folder);
}

bool QtFileOperations::rename(const QString& from, const QString& to) {
    // QFile::rename refuses an existing target instead of replacing it.
    if (exists(to)) return false;
    return QFile::rename(from, to);
}
