// Scenes of the ID3 tags: the tag editor with a tagged song loaded from the
// folder the browser shows, the playlist copy beside it.
#include <QFile>
#include <QTemporaryDir>

#include "Scene.h"
#include "app/AppState.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "id3/Frm_ID3Tag.h"
#include "id3/Id3Tag.h"
#include "platform/Dialogs.h"
#include "playback/MultiMedia.h"
#include "playback/Transport.h"
#include "playback/WindowCaption.h"
#include "playlist/PlaylistAccess.h"
#include "support/QuietSeams.h"

namespace {

// The editor reads only the last 128 bytes, so the audio can be anything.
void makeSong(Dialogs& dialogs, const QString& path, const QStringList& fields, quint8 genre) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(QByteArray(2000, '\x55'));
    file.close();
    if (fields.isEmpty()) return;
    WriteID3Tag(dialogs, Id3::Append, path, fields.value(0), fields.value(1), fields.value(2), fields.value(3),
                fields.value(4), genre);
}

SceneRegistrar scenes{{
    {QStringLiteral("tag-editor"),
     [](AppServices& services) -> QWidget* {
         static QTemporaryDir folder;
         const QString root = folder.path() + u'/';
         makeSong(services.dialogs, root + QStringLiteral("Ann - Blue Sky.mp3"), {QStringLiteral("Blue Sky"), QStringLiteral("Ann")}, 17);
         makeSong(services.dialogs, root + QStringLiteral("藍天 - 安.mp3"),
                  {QStringLiteral("藍天"), QStringLiteral("安"), QStringLiteral("夏天的歌"), QStringLiteral("2004")}, 13);
         makeSong(services.dialogs, root + QStringLiteral("Rain.mp3"), {}, 0);
         // The player around the editor: a folder of three songs, a playlist
         // of two and no song playing.
         static QuietSeams seams;
         seams.folder = folder.path();
         seams.selected = {root + QStringLiteral("藍天 - 安.mp3")};
         seams.entries = {root + QStringLiteral("Ann - Blue Sky.mp3"), root + QStringLiteral("藍天 - 安.mp3")};
         static AppState state;
         static MultiMedia media(services.mci);
         auto* window = new Frm_ID3Tag({services.dialogs, services.clipboard, services.clock, state},
                                       {seams, seams, seams, media, seams, seams});
         // A comment typed too long: its counter turns dark red.
         window->editor().txtInput_Change(4, QStringLiteral("一二三四五六七八九十一二三四五六"));
         return window;
     }},
}};

}  // namespace
