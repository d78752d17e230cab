// The main window in its three modes, each with a playlist that plays and a
// background picture of the demo data folder (copied there by the script):
// the full mode on "Afternoon.jpg", the lyric-viewing mode on "Night.jpg"
// and the simple mode on "Morning.jpg", whose colours differ the most.
#include <QDir>
#include <QFile>

#include "Scene.h"
#include "StillSong.h"
#include "app/AppState.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"
#include "ui/WindowModeController.h"

namespace {

QStringList makeSongs() {
    const char* titles[] = {"01 晴天", "02 雨夜", "03 Blue Sky", "04 海風", "05 夏夜", "06 星光",
                            "07 Morning Light", "08 城市", "09 一路向北", "10 再見", "11 Bonus Track",
                            "12 月光", "13 Daybreak", "14 回家", "15 流星雨", "16 Midnight Train",
                            "17 青春", "18 Finale", "19 Encore", "20 晚安"};
    const QString folder = DataFolder::root() + QStringLiteral("Mode songs/");
    QDir().mkpath(folder);
    QStringList paths;
    for (const char* title : titles) {
        const QString path = folder + QString::fromUtf8(title) + QStringLiteral(".mp3");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write("x");
        paths << path;
    }
    // The playing song has a lyric, for the lyric-viewing mode.
    QStringList lyric;
    for (int verse = 1; verse <= 3; ++verse)
        lyric << QStringLiteral("第%1段  藍色的天空").arg(verse) << QStringLiteral("風吹過山頂 雲慢慢散開")
              << QStringLiteral("我們走在 回家的路上") << QStringLiteral("把今天的歌 唱給明天");
    QDir().mkpath(DataFolder::lyricsFolder());
    TextFile::writeLines(DataFolder::lyricFileFor(QStringLiteral("03 Blue Sky")), lyric);
    return paths;
}

void fillPlaylist(PlayerAssembly& a, const QStringList& paths) {
    for (int i = 0; i < paths.size(); ++i) a.playlist().entries().append(paths.at(i), 150000 + i * 13370);
    a.state().UPlayList = DataFolder::defaultPlaylist();
    a.playlist().PLRefreshItems(false, QStringLiteral("-1"), false);
    a.playlist().labels().setInfoCaption(a.playlist().scheduler().infoLine());
}

QWidget* modeWindow(AppServices& services, int mode, qint16 background) {
    const QStringList songs = makeSongs();
    auto* window = new Frm_Main(stillSongServices(services, 42170, 185400));
    window->Form_Load(songs.at(2));
    PlayerAssembly& a = window->assembly();
    fillPlaylist(a, songs);
    a.appearance().SetBackground(background, QString());
    if (mode != 0) window->windowModes().mnuZELMode_Click(mode);
    a.playlist().display().showPlayingEntry(2);
    a.transport().MMTimer_Timer();
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("mode-full"), [](AppServices& s) { return modeWindow(s, 0, 4); }},
    {QStringLiteral("mode-lyricview"), [](AppServices& s) { return modeWindow(s, 1, 5); }},
    {QStringLiteral("mode-simple"), [](AppServices& s) { return modeWindow(s, 2, 2); }},
}};

}  // namespace
