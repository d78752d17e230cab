#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include "playlist/SongFileIndex.h"

class PlaylistEntries;
struct PlaylistEntry;

// Builds the display lines of playlist entries: "3. Song [0:00.00] [歌詞]".
// One builder serves one rebuild of the entries first..last: it reads the
// lyric folder once and the song folders through a SongFileIndex, so a
// rebuild of 32,767 lines costs at most one look at each song file and no
// look at the lyric folder per line.
class PlaylistLineBuilder {
public:
    PlaylistLineBuilder(const QString& lyricsFolder, const PlaylistEntries& entries, int first, int last);

    // The entry number (index + 1), ". ", the file title, " [length]" or
    // " [檔案不存在]", and " [歌詞]" when the title has a lyric file.
    QString line(int index, const PlaylistEntry& entry) const;
    bool hasLyric(const QString& songTitle) const;
    // What the playlist shows as the entry's title (the file title); the
    // playlist formats that store titles write this.
    static QString displayTitle(const QString& path);

    // The page label's text: every line behind two spaces, joined by CR LF.
    static QString pageText(const QStringList& lines);

private:
    QSet<QString> lyricFiles_;
    SongFileIndex songFiles_;
};
