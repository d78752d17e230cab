#include "playlist/PlaylistLineBuilder.h"

#include <QDir>

#include "common/PathText.h"
#include "playlist/PlaylistEntries.h"
#include "playback/PositionToTime.h"

PlaylistLineBuilder::PlaylistLineBuilder(const QString& lyricsFolder, const PlaylistEntries& entries, int first,
                                         int last)
    : songFiles_(entries, first, last) {
    const QDir dir(lyricsFolder);
    if (!dir.exists()) return;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    lyricFiles_ = QSet<QString>(names.begin(), names.end());
}

bool PlaylistLineBuilder::hasLyric(const QString& songTitle) const {
    return lyricFiles_.contains(songTitle + QStringLiteral(".lyr"));
}

QString PlaylistLineBuilder::displayTitle(const QString& path) { return GetFileTitle(path); }

QString PlaylistLineBuilder::line(int index, const PlaylistEntry& entry) const {
    const QString title = displayTitle(entry.path);
    QString text = QString::number(index + 1) + QStringLiteral(". ") + title;
    if (songFiles_.isFile(entry.path))
        text += QStringLiteral(" [") + PositionToTime(entry.lengthMs, true) + u']';
    else
        text += QStringLiteral(" [檔案不存在]");
    if (hasLyric(title)) text += QStringLiteral(" [歌詞]");
    return text;
}

QString PlaylistLineBuilder::pageText(const QStringList& lines) {
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) text += QStringLiteral("\r\n");
        text += QStringLiteral("  ") + lines.at(i);
    }
    return text;
}
