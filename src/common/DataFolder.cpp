#include "common/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

#include "common/PathText.h"

namespace DataFolder {

QString root() {
    QString base = qEnvironmentVariable("CORVANE_DATA_DIR");
    if (base.trimmed().isEmpty()) {
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
        base = AddBackslash(base) + QStringLiteral("Corvane Player");
    }
    base = QDir::cleanPath(QDir(base).absolutePath());
    return AddBackslash(base);
}

QString optionFile() { return root() + QStringLiteral("Option.ini"); }
QString defaultPlaylist() { return root() + QStringLiteral("playlist.ini"); }
QString dirFavFile() { return root() + QStringLiteral("DirFav.ini"); }
QString lyricsFolder() { return root() + QStringLiteral("Lyrics") + kPathSeparator; }
QString backgroundFolder() { return root() + QStringLiteral("Back") + kPathSeparator; }
QString backupFile(int slot) { return root() + QStringLiteral("$BackUp") + QString::number(slot); }
QString lyricFileFor(const QString& songTitle) { return lyricsFolder() + songTitle + QStringLiteral(".lyr"); }

QString displayName() {
    QString r = root();
    if (r.size() > 1 && r.endsWith(kPathSeparator)) r.chop(1);
    return r;
}

}  // namespace DataFolder
