#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

struct PlaylistEntry;

// Builds the display lines of playlist entries: "3. Song [0:00.00] [歌詞]".
// One builder serves one rebuild: it lists the lyric folder once when made,
// so a rebuild of 32,767 lines costs one look at each song file and no look
// at the lyric folder per line.
class PlaylistLineBuilder {
public:
    explicit PlaylistLineBuilder(const QString& lyricsFolder);

    // The entry number (index + 1), ". ", the file title, " [length]" or
    // " [檔案不存在]", and " [歌詞]" when the title has a lyric file.
    QString line(int index, const PlaylistEntry& entry) const;
    bool hasLyric(const QString& songTitle) const;

    // A regular file (or a link to one) exists at the path.
    static bool songFileExists(const QString& path);
    // The page label's text: every line behind two spaces, joined by CR LF.
    static QString pageText(const QStringList& lines);

private:
    QSet<QString> lyricFiles_;
};
