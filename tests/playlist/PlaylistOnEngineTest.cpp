// The scheduler starting songs through the player's own song start on the
// real media engine, with generated songs playing into a fake sink.
#include <QRegularExpression>
#include <QtCore/qtestsupport_core.h>

#include "MediaGen.h"
#include "PlaylistFixture.h"
#include "common/IntervalTimer.h"
#include "platform/Clock.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/LyricHook.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "playback/WindowCaption.h"

namespace {

using namespace Qt::StringLiterals;

struct PlainCaption final : WindowCaption {
    QString caption() const override { return text; }
    void setCaption(const QString& t) override { text = t; }
    QString text;
};

// Song start as the main window has it, on the real engine. The scheduler
// itself notices that a song has stopped, so no transport is needed.
class PlaylistOnEngineTest : public ::testing::Test, protected PlaylistWorld {
protected:
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    MultiMedia engineMedia{engine};
    PlainCaption caption;
    TransportModel display;
    IntervalTimer transportTimer;
    NullLyricHook lyric;
    TransportListeners listeners;
    PlaybackContext context{state,   fakes.dialogs, clock,          fakes.waveOut, engineMedia, status,
                            caption, display,       transportTimer, lyric,         listeners};
    SongPlayer player{context};
    Playlist playlist{state, fakes.dialogs, clock, status, engineMedia,
                      {player, browser, opener, pathBox, info, passCount, fakes.clipboard}};
};

}  // namespace

// The middle of three entries is a letter under a song's name: the first and the third play, the middle one says
// with the engine's words why it cannot be played, and the playlist ends as it always does.
TEST_F(PlaylistOnEngineTest, AnEntryTheEngineCannotOpenSaysWhyAndThePlaylistGoesOn) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    const QString one = songs.path(QStringLiteral("one.wav")), three = songs.path(QStringLiteral("three.wav"));
    ASSERT_TRUE(MediaGen::writeWave(one, MediaGen::Tone{800, 22050, 1}));
    ASSERT_TRUE(MediaGen::writeWave(three, MediaGen::Tone{800, 22050, 1}));
    const QString two = songs.writeFile(QStringLiteral("two.mp3"), "Dear friend,\r\nthis is not a song.\r\n");
    const QString list = songs.writeFile("list.ini", (one + "\r\n" + two + "\r\n" + three).toUtf8());
    ASSERT_TRUE(playlist.PLLoadFile(list, false));
    IntervalTimer& lengthTimer = playlist.lengthTest().SongLenTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lengthTimer.isRunning(); }, 10000)) << "length test";
    status.history.clear();

    playlist.Start(1);
    // Looking for a song's end more often than every two seconds keeps the test to seconds.
    IntervalTimer& tickTimer = playlist.scheduler().PlayListTimer();
    tickTimer.setIntervalMs(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tickTimer.isRunning(); }, 20000))
        << status.history.join(u'\n').toStdString();

    const QStringList starts = status.history.filter(QRegularExpression(u"^(播放中|無法播放)"_s));
    const QString why = engineMedia.MMGetErrorText(MciError::CannotPlay);
    const QStringList expected{u"播放中...(one)"_s, u"無法播放. (two) "_s + why, u"播放中...(three)"_s};
    EXPECT_EQ(starts, expected);
    EXPECT_EQ(status.status(), u"PlayList 已被中止或已經完成播放!"_s);
    EXPECT_EQ(state.FileHist[2], two) << "the entry that could not be played is still among the recent files";
}
