#include "browser/FileTypeOpener.h"

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "browser/FileCommandTexts.h"
#include "lyrics/LyricEditorOpener.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"

FileTypeOpener::FileTypeOpener(AppState& state, StatusLine& status, Dialogs& dialogs, Launcher& launcher,
                               SongStarter& songs, LyricEditorOpener& lyricEditor)
    : state_(state), status_(status), dialogs_(dialogs), launcher_(launcher), songs_(songs), lyricEditor_(lyricEditor) {}

void FileTypeOpener::openFile(const QString& path, OpenGroup group) {
    switch (group) {
    case OpenGroup::Missing:
    case OpenGroup::Playlist: return;  // reported, or loaded, before this
    case OpenGroup::Media: songs_.SongStarted(path); return;
    case OpenGroup::Text:
        state_.OpenLyricLink = path;
        lyricEditor_.showLyricEditor();
        return;
    case OpenGroup::Picture:
    case OpenGroup::Program: openWithDesktop(path); return;
    case OpenGroup::Other: break;
    }
    const int answer =
        dialogs_.messageBox(FileCommandTexts::kForceMediaQuestion, MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgResult::Yes)
        songs_.SongStarted(path);
    else if (answer == MsgResult::No)
        openWithDesktop(path);
}

void FileTypeOpener::openWithDesktop(const QString& path) {
    if (!launcher_.openPath(path)) status_.setStatus(FileCommandTexts::cannotOpen(path));
}
