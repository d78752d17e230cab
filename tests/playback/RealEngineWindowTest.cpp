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

// The transport panel in a window of its own, on the real media engine and the real clock: what the main
// window does with a two-second song, without the rest.
TEST(RealEngine, DoubleSpeedPauseResumeAndTheSongEndsByItself) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    FakeServices fakes;
    SystemClock clock;
    ProcessWaveOut waveOut;
    GstMciEngine engine{waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, waveOut};
    PlaybackRig rig{&services};
    QWidget window;  // destroyed before the rig its panel draws
    const QString song = rig.dir.path(QStringLiteral("song.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{2000, 44100, 2}));
    new TransportPanel(rig.transport, rig.display, &window);
    window.show();
    const auto click = [&](int button) {
        window.findChild<QToolButton*>(QStringLiteral("cmdMMControl(%1)").arg(button))->click();
    };
    const auto waitForState = [&](const char* text) {
        return QTest::qWaitFor([&] { return rig.display.stateText() == QString::fromUtf8(text); }, 3000);
    };

    rig.player.SongStarted(song);
    EXPECT_NEAR(rig.state.PSongLenL, 2000, 30);
    ASSERT_TRUE(waitForState("Playing")) << rig.display.stateText().toStdString();
    click(TransportController::ApplySpeed);
    EXPECT_TRUE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.media.MMGetSpeed(QString()), 2000);
    ASSERT_TRUE(waitForState("Playing × 2.0")) << rig.display.stateText().toStdString();

    click(TransportController::Pause);
    ASSERT_TRUE(waitForState("Paused")) << rig.display.stateText().toStdString();
    const qint32 devicePosition = rig.media.MMGetPosition(QString());
    const qint32 clockPosition = rig.state.AccTimePos;
    QTest::qWait(800);
    EXPECT_NEAR(rig.media.MMGetPosition(QString()), devicePosition, 30);
    EXPECT_EQ(rig.state.AccTimePos, clockPosition);

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
