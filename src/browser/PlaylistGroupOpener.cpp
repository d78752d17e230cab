#include "browser/PlaylistGroupOpener.h"

#include "platform/Dialogs.h"
#include "playlist/PlaylistAccess.h"

PlaylistGroupOpener::PlaylistGroupOpener(Dialogs& dialogs, PlaylistAccess& playlist, OpenGroupHandler& others)
    : dialogs_(dialogs), playlist_(playlist), others_(others) {}

void PlaylistGroupOpener::openFile(const QString& path, OpenGroup group) {
    if (group != OpenGroup::Playlist) {
        others_.openFile(path, group);
        return;
    }
    const int answer =
        dialogs_.messageBox(QStringLiteral("要載入PlayList?\r\n") + path, MsgButtons::YesNo, MsgIcon::Question);
    if (answer == MsgResult::Yes) playlist_.PLLoadFile(path, false);
}
