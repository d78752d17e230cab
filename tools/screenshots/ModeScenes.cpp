// The main window in its three modes, each with a playlist that plays and a
// background picture of the demo data folder (copied there by the script):
// the full mode on "Afternoon.jpg", the lyric-viewing mode on "Night.jpg"
// and the simple mode on "Morning.jpg", whose colours differ the most.
#include <QDir>
#include <QFile>

#include "Scene.h"
#include "app/AppState.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "platform/SilentDialogs.h"
#include "platform/mci/MciEngine.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"
#include "ui/WindowModeController.h"

namespace {

// A song standing still at 0:42.17 of 3:05.40, whatever the machine plays.
class PausedClockEngine final : public MciEngine {
public:
    MciReply sendString(const QString& command, int) override {
        const QString c = command.toLower();
        if (c.endsWith(QLatin1String(" mode"))) return {0, QStringLiteral("playing")};
        if (c.endsWith(QLatin1String(" position"))) return {0, QStringLiteral("42170")};
        if (c.endsWith(QLatin1String(" length"))) return {0, QStringLiteral("185400")};
        if (c.endsWith(QLatin1String(" speed"))) return {0, QStringLiteral("1000")};
        return {};
    }
    bool errorText(quint32, QString&) const override { return false; }
};

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
    return paths;
}

void fillPlaylist(PlayerAssembly& a, const QStringList& paths) {
    for (int i = 0; i < paths.size(); ++i) a.playlist().entries().append(paths.at(i), 150000 + i * 13370);
    a.state().UPlayList = DataFolder::defaultPlaylist();
    a.playlist().PLRefreshItems(false, QStringLiteral("-1"), false);
}

QWidget* modeWindow(AppServices& services, int mode, qint16 background) {
    static PausedClockEngine engine;
    static SilentDialogs dialogs;
    static AppServices playing{dialogs, services.clipboard, services.launcher, services.clock,
                               services.screen, engine, services.waveOut, services.files};
    const QStringList songs = makeSongs();
    auto* window = new Frm_Main(playing);
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
