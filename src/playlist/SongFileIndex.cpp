#include "playlist/SongFileIndex.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

#include "common/PathText.h"
#include "playlist/PlaylistEntries.h"

namespace {

QString nameOf(const QString& path) { return path.mid(path.lastIndexOf(kPathSeparator) + 1); }

bool impossiblePath(const QString& path) { return path.isEmpty() || path.contains(QChar(0)); }

}  // namespace

SongFileIndex::SongFileIndex(const PlaylistEntries& entries, int first, int last) {
    QHash<QString, int> uses;
    for (int i = std::max(first, 0); i <= std::min(last, entries.count() - 1); ++i) {
        const QString& path = entries.at(i).path;
        if (impossiblePath(path)) continue;
        const QString folder = GetParentPath(path);
        if (!folder.isEmpty()) ++uses[folder];
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
        if (it.value() < kListThreshold) continue;
        // A folder that may be searched but not read is left to direct
        // look-ups, which still work there.
        const QFileInfo folderInfo(it.key());
        if (!folderInfo.isDir() || !folderInfo.isReadable()) continue;
        QSet<QString> names;
        QDirIterator files(it.key(), QDir::Files | QDir::Hidden);
        while (files.hasNext()) {
            files.next();
            names.insert(files.fileName());
        }
        folders_.insert(it.key(), std::move(names));
    }
}

bool SongFileIndex::isFile(const QString& path) const {
    // A NUL can never be part of a real path; asking the file system about
    // one only produces warnings.
    if (impossiblePath(path)) return false;
    const auto folder = folders_.constFind(GetParentPath(path));
    if (folder != folders_.cend()) return folder->contains(nameOf(path));
    // isFile() alone answers with a single look at the file system.
    return QFileInfo(path).isFile();
}
