#pragma once

#include <QString>

// The one folder that holds all of the player's files: $CORVANE_DATA_DIR
// when set, else "<XDG data home>/Corvane Player/". Every path returned here
// is absolute; folder paths end with the path separator.
namespace DataFolder {

QString root();             // ".../Corvane Player/"
QString optionFile();       // Option.ini
QString defaultPlaylist();  // playlist.ini
QString dirFavFile();       // DirFav.ini
QString lyricsFolder();     // Lyrics/
QString backgroundFolder(); // Back/
QString backupFile(int slot);  // $BackUp1 ... $BackUp5
// The lyric file of a song title: Lyrics/<title>.lyr
QString lyricFileFor(const QString& songTitle);
// The folder as shown in texts: the root without its final separator.
QString displayName();

}  // namespace DataFolder
