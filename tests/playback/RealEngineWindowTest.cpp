#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "MediaGen.h"
#include "PlaybackRig.h"
#include "platform/Clock.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/TransportPanel.h"

namespace {

// The transport panel in a window of its own, on the real media engine and
// the real clock: what the main window does with a song, without the rest.
struct RealEngine : ::testing::Test {
    FakeServices fakes;
    SystemClock clock;
    ProcessWaveOut waveOut;
    GstMciEngine engine{waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, waveOut};
    PlaybackRig rig{&services};
    QWidget window;  // destroyed before the rig its panel draws
    TempDir dir;
    QString song;

    void SetUp() override {
        if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
        song = dir.path(QStringLiteral("song.wav"));
        ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{2000, 44100, 2}));
        new TransportPanel(rig.transport, rig.display, &window);
        window.resize(800, 200);
        window.show();
    }
    void click(int button) {
        window.findChild<QToolButton*>(QStringLiteral("cmdMMControl(%1)").arg(button))->click();
    }
    bool waitForState(const char* text, int timeoutMs) {
        return QTest::qWaitFor([&] { return rig.display.stateText() == QString::fromUtf8(text); }, timeoutMs);
    }
};

TEST_F(RealEngine, AMissingFileDoubleSpeedPauseResumeAndTheSongEndsByItself) {
    rig.player.SongStarted(song);
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放中...(song)"));
    EXPECT_NEAR(rig.state.PSongLenL, 2000, 30);
    ASSERT_TRUE(waitForState("Playing", 3000)) << rig.display.stateText().toStdString();
    rig.player.SongStarted(dir.path(QStringLiteral("gone/Other Song.mp3")));
    EXPECT_EQ(rig.status.status(), QStringLiteral("檔案不存在. (Other Song)"));
    EXPECT_EQ(rig.media.MMGetMode(QString()), MultiMedia::kModePlaying) << "the song goes on";

    click(TransportController::ApplySpeed);
    EXPECT_TRUE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.media.MMGetSpeed(QString()), 2000);
    ASSERT_TRUE(waitForState("Playing × 2.0", 2000)) << rig.display.stateText().toStdString();

    click(TransportController::Pause);
    ASSERT_TRUE(waitForState("Paused", 2000)) << rig.display.stateText().toStdString();
    const qint32 devicePosition = rig.media.MMGetPosition(QString());
    const qint32 clockPosition = rig.state.AccTimePos;
    QTest::qWait(800);
    EXPECT_NEAR(rig.media.MMGetPosition(QString()), devicePosition, 30);
    EXPECT_EQ(rig.state.AccTimePos, clockPosition);
    EXPECT_EQ(rig.media.MMGetMode(QString()), MultiMedia::kModePaused);

    click(TransportController::Play);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.media.MMGetSpeed(QString()), 1000);
    EXPECT_NEAR(rig.media.MMGetPosition(QString()), clockPosition, 100);

    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.status.status() == QStringLiteral("播放完畢!..(song)"); }, 6000))
        << rig.status.status().toStdString();
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(rig.display.timeText(), rig.state.PSongLenS + QLatin1Char('/') + rig.state.PSongLenS);
    EXPECT_EQ(rig.display.timeMarkerLeft(), rig.state.ShiftConst[0] + 2000);
    EXPECT_FALSE(rig.timer.isRunning());
    EXPECT_EQ(rig.media.MMGetMode(QString()), MultiMedia::kModeNone);
}

}  // namespace
