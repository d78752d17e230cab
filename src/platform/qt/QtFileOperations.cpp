#include "platform/qt/QtFileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <optional>

namespace {

// The longest name the folder's file system takes, in encoded bytes.
qsizetype longestNameBytes(const QString& folder) {
    const long answer = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return answer > 0 ? answer : NAME_MAX;
}

std::optional<struct stat> statOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return info;
}

// The device of `path`, or of its nearest existing folder when it does not
// exist yet (a trash folder not made so far).
std::optional<dev_t> deviceOf(QString path) {
    for (;;) {
        if (const auto info = statOf(path)) return info->st_dev;
        const QString up = QFileInfo(path).path();
        if (up == path || up.isEmpty()) return std::nullopt;
        path = up;
    }
}

bool isUsableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

// The trash folder QFile::moveToTrash would use for `path`: on a volume
// other than the home folder's, the volume's own trash when it has one or
// can have one; else the home trash under the data home.
QString trashFolderFor(const QString& path) {
    const QStorageInfo volume(path);
    if (volume.isValid() && volume != QStorageInfo(QDir::home())) {
        const QString top = volume.rootPath();
        const QString uid = QString::number(::getuid());
        const QString shared = top + QStringLiteral("/.Trash/") + uid;
        if (isUsableFolder(shared)) return shared;
        const QString own = top + QStringLiteral("/.Trash-") + uid;
        if (isUsableFolder(own) || ::access(QFile::encodeName(top).constData(), W_OK) == 0) return own;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
}

}  // namespace

bool QtFileOperations::exists(const QString& path) const {
    // A dangling link still takes the name.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool QtFileOperations::isFile(const QString& path) const { return QFileInfo(path).isFile(); }

bool QtFileOperations::isFolder(const QString& path) const { return QFileInfo(path).isDir(); }

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

bool QtFileOperations::replaceFile(const QString& from, const QString& to) {
    if (QFileInfo(to).isDir() || !isFile(from)) return false;
    // rename(2) swaps the name over in one step, and refuses other volumes.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool QtFileOperations::copyFile(const QString& from, const QString& to) {
    if (exists(to) || !isFile(from)) return false;
    return QFile::copy(from, to);
}

bool QtFileOperations::removeFile(const QString& path) {
    if (QFileInfo(path).isDir()) return false;
    return QFile::remove(path);
}

bool QtFileOperations::canMoveToTrash(const QString& path) const {
    const auto file = deviceOf(QFileInfo(path).absolutePath());
    const auto trash = deviceOf(trashFolderFor(QFileInfo(path).absoluteFilePath()));
    return file && trash && *file == *trash;
}

bool QtFileOperations::moveToTrash(const QString& path) { return QFile::moveToTrash(path); }

bool QtFileOperations::makeFolder(const QString& path) {
    if (exists(path)) return false;
    return QDir().mkdir(path);
}

bool QtFileOperations::removeFolder(const QString& path) {
    // rmdir(2) refuses a folder with anything in it.
    return QFileInfo(path).isDir() && QDir().rmdir(path);
}

bool QtFileOperations::sameFile(const QString& a, const QString& b) const {
    const auto first = statOf(a);
    const auto second = statOf(b);
    return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

bool QtFileOperations::sameFileSystem(const QString& path, const QString& folder) const {
    const auto first = statOf(path);
    const auto second = statOf(folder);
    return first && second && first->st_dev == second->st_dev;
}
