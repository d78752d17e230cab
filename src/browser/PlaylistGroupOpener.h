#pragma once

#include "browser/OpenGroupHandler.h"

class Dialogs;
class PlaylistAccess;

// Opens playlist files (m3u, m3u8, pls, ini or no extension) from the
// browser: after a yes to "要載入PlayList?" the file replaces the open
// playlist. Every other kind of file goes on to `others`.
class PlaylistGroupOpener final : public OpenGroupHandler {
public:
    PlaylistGroupOpener(Dialogs& dialogs, PlaylistAccess& playlist, OpenGroupHandler& others);

    void openFile(const QString& path, OpenGroup group) override;

private:
    Dialogs& dialogs_;
    PlaylistAccess& playlist_;
    OpenGroupHandler& others_;
};
