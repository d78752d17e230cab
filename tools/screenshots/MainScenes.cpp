#include <QDir>
#include <QFile>

#include "Scene.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "id3/Id3Tag.h"
#include "platform/SilentDialogs.h"
#include "platform/mci/MciEngine.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"
#include "ui/StateInspectorPanel.h"

namespace {

// A song that stands still at 1:23.45 of 3:45.12, so the picture is the same
// on every run whatever media engine the machine has; the transport timer
// keeps running, as it does while a song plays.
class StillSongEngine final : public MciEngine {
public:
    MciReply sendString(const QString& command, int) override {
        const QString c = command.toLower();
        if (c.endsWith(QLatin1String(" mode"))) return {0, QStringLiteral("playing")};
        if (c.endsWith(QLatin1String(" position"))) return {0, QStringLiteral("83450")};
        if (c.endsWith(QLatin1String(" length"))) return {0, QStringLiteral("225120")};
        if (c.endsWith(QLatin1String(" speed"))) return {0, QStringLiteral("1000")};
        return {};
    }
    bool errorText(quint32, QString&) const override { return false; }
};


// A tagged MP3 of the size a 128 kbps song of that length has.
QString makeSongFile() {
    const QString folder = DataFolder::root() + QStringLiteral("Scene songs/");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("Blue Sky.mp3");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.resize(225120 * 16);
    file.close();
    SilentDialogs dialogs;
    WriteID3Tag(dialogs, Id3::Append, path, QStringLiteral("Blue Sky"), QStringLiteral("Corvane Demo Band"),
                QStringLiteral("示範歌曲"), QStringLiteral("2004"), QString(), 13);
    return path;
}

QWidget* playingWindow(AppServices& services, bool withInspector) {
    static StillSongEngine engine;
    static SilentDialogs dialogs;
    static AppServices playing{dialogs, services.clipboard, services.launcher, services.clock,
                               services.screen, engine, services.waveOut, services.files};
    auto* window = new Frm_Main(playing);
    window->Form_Load(makeSongFile());
    window->assembly().transport().MMTimer_Timer();
    if (withInspector) window->findChild<StateInspectorPanel*>()->mnuHelp0_Click();
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("main"),
     [](AppServices& services) -> QWidget* {
         auto* window = new Frm_Main(services);
         window->Form_Load(QString());
         return window;
     }},
    {QStringLiteral("main-playing"), [](AppServices& services) { return playingWindow(services, false); }},
    {QStringLiteral("main-inspector"), [](AppServices& services) { return playingWindow(services, true); }},
}};

}  // namespace
