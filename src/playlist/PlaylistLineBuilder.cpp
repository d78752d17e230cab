#include "playlist/PlaylistLineBuilder.h"

#include <QDir>
#include <QFileInfo>

#include "common/PathText.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistTime.h"

PlaylistLineBuilder::PlaylistLineBuilder(const QString& lyricsFolder) {
    const QDir dir(lyricsFolder);
    if (!dir.exists()) return;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    lyricFiles_ = QSet<QString>(names.begin(), names.end());
}

bool PlaylistLineBuilder::hasLyric(const QString& songTitle) const {
    return lyricFiles_.contains(songTitle + QStringLiteral(".lyr"));
}

bool PlaylistLineBuilder::songFileExists(const QString& path) {
    // A NUL can never be part of a real path; asking the file system about
    // one only produces warnings.
    if (path.isEmpty() || path.contains(QChar(0))) return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString PlaylistLineBuilder::line(int index, const PlaylistEntry& entry) const {
    const QString title = GetFileTitle(entry.path);
    QString text = QString::number(index + 1) + QStringLiteral(". ") + title;
    if (songFileExists(entry.path))
        text += QStringLiteral(" [") + PlaylistTime::text(entry.lengthMs, true) + u']';
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
