#include "browser/FolderReader.h"

#include <QDirIterator>
#include <QFileInfo>

#include "browser/FilePattern.h"
#include "browser/NaturalOrder.h"

namespace {

// Without QDir::Hidden, dot names are left out; without QDir::System,
// broken links are too.
QStringList namesOf(const QString& folder, QDir::Filters kind) {
    QStringList names;
    QDirIterator it(folder, kind | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}

}  // namespace

bool FolderReader::canShow(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

std::optional<QStringList> FolderReader::subfolders(const QString& folder) {
    if (!canShow(folder)) return std::nullopt;
    QStringList names = namesOf(folder, QDir::Dirs);
    NaturalOrder::sort(names);
    return names;
}

std::optional<QStringList> FolderReader::files(const QString& folder, const FilePattern& pattern) {
    if (!canShow(folder)) return std::nullopt;
    QStringList names = namesOf(folder, QDir::Files);
    if (!pattern.matchesAll())
        names.removeIf([&](const QString& name) { return !pattern.matches(name); });
    NaturalOrder::sort(names);
    return names;
}
