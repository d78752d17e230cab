#pragma once

#include "browser/OpenGroupHandler.h"

class Dialogs;
class Launcher;
class LyricEditorOpener;
class SongStarter;
class StatusLine;
struct AppState;

// Opens the files that are neither songs nor playlists: pictures, programs
// and anything else go to the desktop's default program for them (nothing
// is run directly), text and lyric files to the lyric editor; for an
// unknown type the user may play it as media instead.
class FileTypeOpener final : public OpenGroupHandler {
public:
    FileTypeOpener(AppState& state, StatusLine& status, Dialogs& dialogs, Launcher& launcher, SongStarter& songs,
                   LyricEditorOpener& lyricEditor);

    void openFile(const QString& path, OpenGroup group) override;

private:
    void openWithDesktop(const QString& path);

    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    Launcher& launcher_;
    SongStarter& songs_;
    LyricEditorOpener& lyricEditor_;
};
