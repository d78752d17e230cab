#pragma once

#include <QString>

#include <functional>

#include "playlist/PlaylistFile.h"

class Clock;
class Dialogs;
class PlaylistEntries;
class PlaylistLabels;
class StatusLine;
struct AppState;

// The playlist's files: loading (replacing or inserting), saving with a
// rotating backup of the old file ($BackUp1..$BackUp5), and renaming or
// deleting the file that is open (UPlayList). The file's extension chooses
// its format (PlaylistFormat); backups are always in the own format. A failed
// or refused load and a failed save leave the playlist and the file on disk
// as they were.
class PlaylistStore {
public:
    PlaylistStore(PlaylistEntries& entries, PlaylistLabels& labels, AppState& state, StatusLine& status,
                  Dialogs& dialogs, Clock& clock);

    // Trims `path` in place (as the caller sees it) and loads it; true on
    // success.
    bool PLLoadFile(QString& path, bool insert);
    bool PLLoadFile(const QString& path, bool insert);
    bool PLSaveFile(const QString& path);
    // Copies an existing file at path into the next backup slot, in the own
    // format (an M3U or PLS file is converted).
    bool PLBackUpFile(const QString& path);
    void renameOpenPlaylist();
    void deleteOpenPlaylist();

    // Rebuilds the display and measures the new entries (after a load).
    std::function<void()> onLoaded;

private:
    void loadFailed(const QString& path, const PlaylistFile::ReadResult& file = {});
    void saveFailed(const QString& path);
    bool openPlaylistExists() const;
    QString stamped(const QString& text, const QString& path) const;

    PlaylistEntries& entries_;
    PlaylistLabels& labels_;
    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    Clock& clock_;
};
