#include "support/FakeFileOperations.h"

#include <algorithm>

bool FakeFileOperations::isValidFileName(const QString&, const QString& name) const {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    if (name.contains(u'/') || name.contains(QChar(0))) return false;
    return name.size() <= longestName;
}

bool FakeFileOperations::rename(const QString& from, const QString& to) {
    const QString step = from + QStringLiteral(" -> ") + to;
    const bool injected = failRenameNumbers.contains(int(renames.size()) + 1) || failPaths.contains(from) || failPaths.contains(to);
    if (injected || !paths.contains(from) || paths.contains(to)) {
        renames << step + QStringLiteral(" (failed)");
        return false;
    }
    renames << step;
    paths.remove(from);
    paths.insert(to);
    return true;
}

void FakeFileOperations::addFiles(const QString& folder, const QStringList& names) {
    for (const QString& name : names) paths.insert(folder + name);
}

QStringList FakeFileOperations::namesIn(const QString& folder) const {
    QStringList names;
    for (const QString& path : paths)
        if (path.startsWith(folder) && !path.mid(folder.size()).contains(u'/')) names << path.mid(folder.size());
    std::sort(names.begin(), names.end());
    return names;
}
