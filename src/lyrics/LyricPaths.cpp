#include "lyrics/LyricPaths.h"

#include "common/DataFolder.h"
#include "common/PathText.h"

namespace LyricPaths {

QString autoPath(const QString& path) { return DataFolder::lyricFileFor(GetFileTitle(path)); }

QString savePath(const QString& path) {
    if (TrimSpaces(path).isEmpty()) return QString();
    if (GetParentPath(path).isEmpty()) return DataFolder::lyricsFolder() + path;
    return path;
}

}  // namespace LyricPaths
