#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class PlaylistEntries;

// Answers "is there a regular file at this path" for a range of playlist
// entries. A folder that holds many of them is read once instead of asking
// about each file on its own, which keeps a rebuild of 32,767 lines quick;
// any other path is looked up directly.
class SongFileIndex {
public:
    // Folders named by at least this many entries are read as a whole.
    static constexpr int kListThreshold = 16;

    SongFileIndex() = default;
    SongFileIndex(const PlaylistEntries& entries, int first, int last);

    bool isFile(const QString& path) const;

private:
    QHash<QString, QSet<QString>> folders_;  // folder (with separator) -> regular file names
};
