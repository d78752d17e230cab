// The information area below the browser: the details of the MP3 now
// playing, and the lyric section in the middle of that song.
#include <QDir>
#include <QFile>

#include "Scene.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "id3/Id3Tag.h"
#include "platform/SilentDialogs.h"
#include "platform/mci/MciEngine.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"

namespace {

// A song that stands still at 1:23.45 of 3:45.12, so every run draws the
// same picture.
class MidSongEngine final : public MciEngine {
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

QString makeTaggedSong() {
    const QString folder = DataFolder::root() + QStringLiteral("Scene songs/");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("Morning Rain.mp3");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.resize(225120 * 16);
    file.close();
    SilentDialogs dialogs;
    WriteID3Tag(dialogs, Id3::Append, path, QStringLiteral("Morning Rain"), QStringLiteral("Corvane Demo Band"),
                QStringLiteral("示範歌曲"), QStringLiteral("2004"), QStringLiteral("雨後的早晨"), 13);
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
    static MidSongEngine engine;
    static SilentDialogs dialogs;
    static AppServices playing{dialogs, services.clipboard, services.launcher, services.clock,
                               services.screen, engine, services.waveOut, services.files};
    auto* window = new Frm_Main(playing);
    window->Form_Load(makeTaggedSong());
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
