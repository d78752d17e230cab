// The information area below the browser: the details of the MP3 now
// playing, and the lyric section in the middle of that song.
#include <QDir>

#include "Scene.h"
#include "StillSong.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"

namespace {

// The tagged song with its lyric file.
QString makeSongWithLyric() {
    const QString path = makeTaggedSong(QStringLiteral("Morning Rain"), QStringLiteral("雨後的早晨"), 225120);
    QStringList lines{QStringLiteral("Corvane Demo Band - Morning Rain")};
    for (int verse = 1; verse <= 4; ++verse) {
        lines << QStringLiteral("第%1段  窗外的雨輕輕落下").arg(verse) << QStringLiteral("街燈還亮著 一個人走過")
              << QStringLiteral("把昨天的話 留在傘下") << QStringLiteral("等太陽出來 再說一次") << QString();
    }
    QDir().mkpath(DataFolder::lyricsFolder());
    TextFile::writeLines(DataFolder::lyricFileFor(QStringLiteral("Morning Rain")), lines);
    return path;
}

QWidget* playingWindow(AppServices& services, bool lyric) {
    auto* window = new Frm_Main(stillSongServices(services, 83450, 225120));
    window->Form_Load(makeSongWithLyric());
    PlayerAssembly& parts = window->assembly();
    parts.transport().MMTimer_Timer();
    if (lyric)
        parts.lyricDisplay().lblLyricSwt_Click();
    else
        parts.infoArea().lblDetailsSwt_Click();
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("info-details"), [](AppServices& services) { return playingWindow(services, false); }},
    {QStringLiteral("info-lyric"), [](AppServices& services) { return playingWindow(services, true); }},
}};

}  // namespace
