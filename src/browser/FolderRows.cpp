#include "browser/FolderRows.h"

#include <QDir>
#include <QFileInfo>

#include "common/PathText.h"

FolderRows::FolderRows(const QString& folder, QStringList subfolderNames)
    : levels_(levelsOf(folder)), names_(std::move(subfolderNames)) {}

QString FolderRows::entry(int index) const {
    if (isLevel(index)) return levels_.at(levelCount() + index);
    if (index >= 0 && index < ListCount()) return childPath(path(), names_.at(index));
    return {};
}

QString FolderRows::displayName(int index) const {
    const QString full = entry(index);
    if (full.isEmpty()) return {};
    if (index >= 0) return names_.at(index);
    if (full.size() == 1) return full;  // the root
    return full.mid(full.lastIndexOf(kPathSeparator) + 1);
}

QString FolderRows::cleanFolder(const QString& folder) {
    if (folder.isEmpty()) return {};
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString FolderRows::childPath(const QString& folder, const QString& name) {
    return folder.endsWith(kPathSeparator) ? folder + name : folder + kPathSeparator + name;
}

QStringList FolderRows::levelsOf(const QString& folder) {
    const QString clean = cleanFolder(folder);
    if (clean.isEmpty()) return {};
    QStringList levels{QString(kPathSeparator)};
    QString walked;
    const QStringList parts = clean.split(kPathSeparator, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        walked += kPathSeparator + part;
        levels.append(walked);
    }
    return levels;
}
