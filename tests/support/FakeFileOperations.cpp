#include "support/FakeFileOperations.h"

#include <algorithm>

namespace {

const QString kFailed = QStringLiteral(" (failed)");

// The folder holding `path`; "/" for an entry of the root.
QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

}  // namespace

bool FakeFileOperations::isValidFileName(const QString&, const QString& name) const {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    if (name.contains(u'/') || name.contains(QChar(0))) return false;
    return name.size() <= longestName;
}

bool FakeFileOperations::rename(const QString& from, const QString& to) {
    const QString step = from + QStringLiteral(" -> ") + to;
    if (beforeStep) beforeStep(QStringLiteral("rename ") + step);
    const bool injected = failRenameNumbers.contains(int(renames.size()) + 1) || failPaths.contains(from) || failPaths.contains(to);
    if (injected || !paths.contains(from) || paths.contains(to)) {
        renames << step + kFailed;
        return false;
    }
    renames << step;
    movePath(from, to);
    return true;
}

bool FakeFileOperations::begin(const QString& kind, const QString& text, std::initializer_list<QString> touched) {
    const QString step = kind + u' ' + text;
    if (beforeStep) beforeStep(step);
    const int number = ++counts_[kind];
    bool fails = failKinds.contains(kind) || failNumbers.value(kind).contains(number);
    for (const QString& path : touched) fails = fails || failPaths.contains(path);
    steps << step;
    if (fails) refuse();
    return !fails;
}

void FakeFileOperations::refuse() { steps.last() += kFailed; }

void FakeFileOperations::movePath(const QString& from, const QString& to) {
    paths.remove(from);
    paths.insert(to);
    if (folders.remove(from)) folders.insert(to);
    if (bytes.contains(from)) bytes.insert(to, bytes.take(from));
}

bool FakeFileOperations::replaceFile(const QString& from, const QString& to) {
    if (!begin(QStringLiteral("replace"), from + QStringLiteral(" -> ") + to, {from, to})) return false;
    if (!isFile(from) || folders.contains(to) || volumeOf(from) != volumeOf(to)) {
        refuse();
        return false;
    }
    bytes.remove(to);
    movePath(from, to);
    return true;
}

bool FakeFileOperations::copyFile(const QString& from, const QString& to) {
    const bool allowed = begin(QStringLiteral("copy"), from + QStringLiteral(" -> ") + to, {from, to});
    if (!isFile(from) || paths.contains(to) || !folders.contains(parentOf(to))) {
        if (allowed) refuse();
        return false;
    }
    if (!allowed) {
        if (copiesFailHalfWay) {
            paths.insert(to);
            bytes.insert(to, bytes.value(from).left(bytes.value(from).size() / 2));
        }
        return false;
    }
    paths.insert(to);
    bytes.insert(to, bytes.value(from));
    return true;
}

bool FakeFileOperations::removeFile(const QString& path) {
    if (!begin(QStringLiteral("remove"), path, {path})) return false;
    if (!isFile(path)) {
        refuse();
        return false;
    }
    paths.remove(path);
    bytes.remove(path);
    return true;
}

bool FakeFileOperations::canMoveToTrash(const QString& path) const {
    return trashExists && std::none_of(untrashable.begin(), untrashable.end(),
                                       [&](const QString& prefix) { return path.startsWith(prefix); });
}

bool FakeFileOperations::moveToTrash(const QString& path) {
    if (!begin(QStringLiteral("trash"), path, {path})) return false;
    if (!isFile(path) || !canMoveToTrash(path)) {
        refuse();
        return false;
    }
    paths.remove(path);
    trashed << path;
    return true;
}

bool FakeFileOperations::makeFolder(const QString& path) {
    if (!begin(QStringLiteral("mkdir"), path, {path})) return false;
    if (paths.contains(path) || !folders.contains(parentOf(path))) {
        refuse();
        return false;
    }
    addFolder(path);
    return true;
}

bool FakeFileOperations::removeFolder(const QString& path) {
    if (!begin(QStringLiteral("rmdir"), path, {path})) return false;
    const bool empty = std::none_of(paths.begin(), paths.end(),
                                    [&](const QString& p) { return p.startsWith(path + u'/'); });
    if (!folders.contains(path) || !empty) {
        refuse();
        return false;
    }
    paths.remove(path);
    folders.remove(path);
    return true;
}

bool FakeFileOperations::sameFileSystem(const QString& path, const QString& folder) const {
    return paths.contains(path) && isFolder(folder) && volumeOf(path) == volumeOf(bare(folder));
}

QString FakeFileOperations::bare(const QString& path) {
    return path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
}

int FakeFileOperations::volumeOf(const QString& path) const {
    for (int i = 0; i < otherVolumes.size(); ++i)
        if (path.startsWith(otherVolumes.at(i))) return i + 1;
    return 0;
}

void FakeFileOperations::addFiles(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        paths.insert(folder + name);
        bytes.insert(folder + name, name.toUtf8());
    }
}

void FakeFileOperations::addFolder(const QString& path) {
    paths.insert(path);
    folders.insert(path);
}

QStringList FakeFileOperations::namesIn(const QString& folder) const {
    QStringList names;
    for (const QString& path : paths)
        if (path.startsWith(folder) && !path.mid(folder.size()).contains(u'/')) names << path.mid(folder.size());
    std::sort(names.begin(), names.end());
    return names;
}
