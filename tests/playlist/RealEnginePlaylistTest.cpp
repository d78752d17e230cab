#include <QToolButton>
#include <QtCore/qtestsupport_core.h>

#include "MediaGen.h"
#include "PlaylistFixture.h"
#include "common/IntervalTimer.h"
#include "platform/mci/GstMciEngine.h"
#include "playlist/PlaylistClickLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

// Starts songs as the player does (open under "ZELSong", play from 0), and a watch closes the device at a song's
// end as the transport's timer does; the scheduler notices the closed device itself.
struct EngineStarter final : SongStarter {
    explicit EngineStarter(MultiMedia& media) : media(media) {
        songEnd.onTick = [this] {
            if (this->media.MMGetMode(QString()) == MultiMedia::kModeStopped) this->media.MMClose(QString(), false);
        };
        songEnd.set(100, true);
    }
    ~EngineStarter() override { songEnd.set(0, false); media.MMClose(QString(), true); }
    void SongStarted(const QString& path) override {
        started.append(QFileInfo(path).completeBaseName());
        media.MMOpen(path, QStringLiteral("ZELSong"), true);
        media.MMPlay(QString(), 0);
    }

    MultiMedia& media;
    IntervalTimer songEnd;
    QStringList started;
};

TEST(RealEnginePlaylistTest, PlaysTheListInOrderTwiceThenStops) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    PlaylistWorld world;
    FakeServices& fakes = world.fakes;
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, fakes.waveOut};
    MultiMedia media(engine);
    EngineStarter starter(media);
    QWidget window;
    auto* panel = new PlaylistPanel(&window, world.state, services, world.status, media, starter);
    window.show();
    QByteArray list;
    for (const char* name : {"one", "two", "three"}) {
        const QString song = world.songs.path(QString::fromLatin1(name) + QStringLiteral(".wav"));
        ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1})) << name;
        list += song.toUtf8() + "\r\n";
    }
    ASSERT_TRUE(panel->PLLoadFile(world.songs.writeFile("three.ini", list), false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->SongLenTimer().isRunning(); }, 10000)) << "length test";
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(panel->playlist().entries().lengthMs(i), 1000, 30) << "entry " << i;
    EXPECT_EQ(panel->lblPLDetails(1)->text(), "PlayList 名稱: three.ini  [0:03.00]");
    world.state.TotalPLRep = 2;
    window.findChild<QToolButton*>(QStringLiteral("cmdStartPlayList_1"))->click();
    ASSERT_EQ(starter.started, QStringList{"one"}) << "the first song starts at once";
    // Looking for a song's end more often than every two seconds keeps the test to seconds.
    panel->PlayListTimer().setIntervalMs(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->PlayListTimer().isRunning(); }, 30000))
        << "played: " << starter.started.join(u' ').toStdString();
    EXPECT_EQ(starter.started, (QStringList{"one", "two", "three", "one", "two", "three"}));
    EXPECT_EQ(world.status.status(), "PlayList 已被中止或已經完成播放!");
    EXPECT_EQ(world.state.PlayNo, -1);
}

}  // namespace
