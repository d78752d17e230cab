// Scenes of the lyrics: the lyric editor opened on the playing song's
// lyric, with another lyric beside it in the folder's list.
#include <QDir>

#include "Scene.h"
#include "app/AppState.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "lyrics/Frm_Lyric.h"
#include "lyrics/LyricFiles.h"
#include "lyrics/LyricPaths.h"

namespace {

SceneRegistrar scenes{{
    {QStringLiteral("lyric-editor"),
     [](AppServices& services) -> QWidget* {
         QDir().mkpath(DataFolder::lyricsFolder());
         const QString song = QStringLiteral("/music/Blue Sky.mp3");
         TextFile::write(LyricPaths::autoPath(song),
                         QStringLiteral("Ann - Blue Sky\r\n\r\n藍色的天空　沒有雲\r\n風吹過　我們的夏天\r\n\r\n"
                                        "Blue sky, no clouds today\r\nthe wind goes by, our summer stays\r\n"));
         TextFile::write(DataFolder::lyricFileFor(QStringLiteral("Rain")), QStringLiteral("雨一直下\r\n"));
         static DiskLyricFiles files;
         static AppState state;
         state.PSongLink = song;
         state.PLyricLink = LyricPaths::autoPath(song);
         auto* window = new Frm_Lyric({services.dialogs, services.clock, files, state});
         window->editor().openFromPlayer(LyricEditor::Request::Lyric, true);
         return window;
     }},
}};

}  // namespace
