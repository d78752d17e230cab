#pragma once

#include <QString>

// Opens a path by its type, as the browser's open button does: a song is
// played, a playlist file loaded, a lyric edited, a picture or any other
// file handed to the desktop. The browser, the playlist and the file
// commands open files through it. The command line and the remote's "play"
// start songs through SongStarter instead, so a path given there is never
// loaded as a playlist nor run.
class FileOpener {
public:
    virtual ~FileOpener() = default;
    virtual void openByType(const QString& path) = 0;
};
