#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "MediaGen.h"
#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/StatusLine.h"
#include "common/IntervalTimer.h"
#include "platform/Clock.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportModel.h"
#include "playback/TransportPanel.h"
#include "playback/WindowCaption.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

namespace {

// The transport panel in a window of its own, on the real media engine and
// the real clock: what the main window does with a song, without the rest.
class SongWindow final : public QWidget, public StatusLine, public WindowCaption {
public:
    explicit SongWindow(AppServices& services) : media(services.mci), context{state, services, media, *this, *this, model, timer} {
        panel = new TransportPanel(transport, model, this);
        resize(800, 200);
    }
    ~SongWindow() override {
        timer.set(0, false);
        media.MMClose(QString(), true);
    }
    void setStatus(const QString& text) override { statusText = text; }
    QString status() const override { return statusText; }
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& text) override { setWindowTitle(text); }

    void click(int button) { findChild<QToolButton*>(QStringLiteral("cmdMMControl(%1)").arg(button))->click(); }

    AppState state;
    MultiMedia media;
    TransportModel model;
    IntervalTimer timer;
    PlaybackContext context;
    SongPlayer player{context};
    TransportController transport{context, player};
    TransportPanel* panel = nullptr;
    QString statusText;
};

struct RealEngine : ::testing::Test {
    FakeServices fakes;
    SystemClock clock;
    ProcessWaveOut waveOut;
    GstMciEngine engine{waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, waveOut};
    TempDir dir;
    QString song;

    void SetUp() override {
        if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
        song = dir.path(QStringLiteral("song.wav"));
        ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::ToneSpec{2000, 44100, 2}));
    }
};

TEST_F(RealEngine, DoubleSpeedPauseResumeAndTheSongEndsByItself) {
    SongWindow window(services);
    window.show();
    window.player.SongStarted(song);
    EXPECT_EQ(window.statusText, QStringLiteral("播放中...(song)"));
    EXPECT_NEAR(window.state.PSongLenL, 2000, 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.model.stateText() == QLatin1String("Playing"); }, 3000))
        << window.model.stateText().toStdString();

    window.click(TransportController::ApplySpeed);
    EXPECT_TRUE(window.state.DoTimeAccumulate);
    EXPECT_EQ(window.media.MMGetSpeed(QString()), 2000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.model.stateText() == QStringLiteral("Playing × 2.0"); }, 2000))
        << window.model.stateText().toStdString();

    window.click(TransportController::Pause);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.model.stateText() == QLatin1String("Paused"); }, 2000))
        << window.model.stateText().toStdString();
    const qint32 devicePosition = window.media.MMGetPosition(QString());
    const qint32 clockPosition = window.state.AccTimePos;
    QTest::qWait(800);
    EXPECT_NEAR(window.media.MMGetPosition(QString()), devicePosition, 30);
    EXPECT_EQ(window.state.AccTimePos, clockPosition);
    EXPECT_EQ(window.media.MMGetMode(QString()), MultiMedia::kModePaused);

    window.click(TransportController::Play);
    EXPECT_FALSE(window.state.DoTimeAccumulate);
    EXPECT_EQ(window.media.MMGetSpeed(QString()), 1000);
    EXPECT_NEAR(window.media.MMGetPosition(QString()), clockPosition, 100);

    ASSERT_TRUE(QTest::qWaitFor([&] { return window.statusText == QStringLiteral("播放完畢!..(song)"); }, 6000))
        << window.statusText.toStdString();
    EXPECT_EQ(window.model.stateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(window.model.timeText(), window.state.PSongLenS + QLatin1Char('/') + window.state.PSongLenS);
    EXPECT_EQ(window.model.timeMarkerLeft(), window.state.ShiftConst[0] + 2000);
    EXPECT_FALSE(window.timer.isRunning());
    EXPECT_EQ(window.media.MMGetMode(QString()), MultiMedia::kModeNone);
}

TEST_F(RealEngine, AMissingFileLeavesThePlayingSongAlone) {
    SongWindow window(services);
    window.player.SongStarted(song);
    ASSERT_EQ(window.media.MMGetMode(QString()), MultiMedia::kModePlaying);
    window.player.SongStarted(dir.path(QStringLiteral("gone/Other Song.mp3")));
    EXPECT_EQ(window.statusText, QStringLiteral("檔案不存在. (Other Song)"));
    EXPECT_EQ(window.media.MMGetMode(QString()), MultiMedia::kModePlaying);
    EXPECT_EQ(window.state.PSongLink, song);
}

}  // namespace
