#include <QToolButton>
#include <QtCore/qtestsupport_core.h>

#include "MediaGen.h"
#include "PlaylistFixture.h"
#include "common/IntervalTimer.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/GstMciEngine.h"
#include "playlist/PlaylistClickLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

// The playlist panel in a window of its own on the real media engine. Songs
// start as the player starts them (open under "ZELSong", play from 0) and a
// watch closes the device when a song has played to its end, as the
// transport's timer does; the scheduler notices the closed device itself.
class PlaylistWindow final : public QWidget, public SongStarter {
public:
    explicit PlaylistWindow(AppServices& services) : media(services.mci) {
        state.TotalPLRep = 2;
        panel = new PlaylistPanel(this, state, services, status, media, *this);
        songEnd.onTick = [this] {
            if (media.MMGetMode(QString()) == MultiMedia::kModeStopped) media.MMClose(QString(), false);
        };
        songEnd.set(100, true);
    }
    ~PlaylistWindow() override {
        songEnd.set(0, false);
        media.MMClose(QString(), true);
    }
    void SongStarted(const QString& path) override {
        started.append(QFileInfo(path).completeBaseName());
        media.MMOpen(path, QStringLiteral("ZELSong"), true);
        media.MMPlay(QString(), 0);
    }

    AppState state;
    RecordingStatusLine status;
    MultiMedia media;
    IntervalTimer songEnd;
    PlaylistPanel* panel = nullptr;
    QStringList started;
};

struct RealEnginePlaylistTest : ::testing::Test {
    ScopedDataFolder data;
    FakeServices fakes;
    SystemClock clock;
    ProcessWaveOut waveOut;
    GstMciEngine engine{waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, waveOut};
    TempDir dir;
};

TEST_F(RealEnginePlaylistTest, PlaysTheListInOrderTwiceThenStops) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    QByteArray list;
    for (const char* name : {"one", "two", "three"}) {
        const QString song = dir.path(QString::fromLatin1(name) + QStringLiteral(".wav"));
        ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1})) << name;
        list += song.toUtf8() + "\r\n";
    }
    PlaylistWindow window(services);
    window.show();
    ASSERT_TRUE(window.panel->PLLoadFile(dir.writeFile("three.ini", list), false));
    // The length test measures one song per tick on the real engine.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.panel->SongLenTimer().isRunning(); }, 10000)) << "length test";
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(window.panel->playlist().entries().lengthMs(i), 1000, 30) << "entry " << i;
    EXPECT_EQ(window.panel->lblPLDetails(1)->text(), "PlayList 名稱: three.ini  [0:03.00]");

    window.findChild<QToolButton*>(QStringLiteral("cmdStartPlayList_1"))->click();
    ASSERT_EQ(window.started, QStringList{"one"}) << "the first song starts at once";
    // Look for the end of each song more often than every two seconds, so
    // the test takes seconds rather than half a minute.
    window.panel->PlayListTimer().setIntervalMs(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.panel->PlayListTimer().isRunning(); }, 30000))
        << "played: " << window.started.join(u' ').toStdString();
    EXPECT_EQ(window.started, (QStringList{"one", "two", "three", "one", "two", "three"}));
    EXPECT_EQ(window.status.status(), "PlayList 已被中止或已經完成播放!");
    EXPECT_EQ(window.state.PlayNo, -1);
}

}  // namespace
