#pragma once

#include "browser/FileOpener.h"

class OpenGroupHandler;
class SongStarter;
class StatusLine;

// Opening a path by its type: a path that is no file is reported on the
// status line, a song is started, and every other kind of file goes to
// the handler of the file commands.
class OpenDispatch final : public FileOpener {
public:
    OpenDispatch(StatusLine& status, SongStarter& songs, OpenGroupHandler& others);

    void openByType(const QString& path) override;

private:
    StatusLine& status_;
    SongStarter& songs_;
    OpenGroupHandler& others_;
};
