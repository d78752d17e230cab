// The scheduler starting songs through the player's own song start on the
// real media engine, with generated songs playing into a fake sink.
#include <QRegularExpression>
#include <QToolButton>
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
#include "playlist/PlaylistPanel.h"

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

// Started from the panel's button, two passes over three entries whose middle one is a letter under a song's name:
// the first and the third play, the middle one says with the engine's words why it cannot be played (and is still
// filed among the recent files), and the playlist goes on and ends as it always does, the last entry played still
// selected.
TEST_F(PlaylistOnEngineTest, PlaysTheListTwiceSayingWhyAnEntryCannotBePlayedThenStops) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    QWidget window;
    new PlaylistPanel(&window, playlist, state);
    window.show();
    const QString one = songs.path(u"one.wav"_s), two = songs.path(u"two.mp3"_s), three = songs.path(u"three.wav"_s);
    for (const QString& song : {one, three}) ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1}));
    songs.writeFile(u"two.mp3"_s, "Dear friend,\r\nthis is not a song.\r\n");
    const QByteArray list = (one + "\r\n" + two + "\r\n" + three).toUtf8();
    ASSERT_TRUE(playlist.PLLoadFile(songs.writeFile("list.ini", list), false));
    IntervalTimer& lengthTimer = playlist.lengthTest().SongLenTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lengthTimer.isRunning(); }, 10000)) << "length test";
    for (int i : {0, 2}) EXPECT_NEAR(playlist.entries().lengthMs(i), 1000, 30) << "entry " << i;
    status.history.clear();

    state.TotalPLRep = 2;
    window.findChild<QToolButton*>(QStringLiteral("cmdStartPlayList_1"))->click();
    // Looking for a song's end more often than every two seconds keeps the test to seconds.
    IntervalTimer& tickTimer = playlist.scheduler().PlayListTimer();
    tickTimer.setIntervalMs(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tickTimer.isRunning(); }, 30000))
        << status.history.join(u'\n').toStdString();

    const QStringList pass{u"播放中...(one)"_s, u"無法播放. (two) "_s + engineMedia.MMGetErrorText(MciError::CannotPlay),
                           u"播放中...(three)"_s};
    EXPECT_EQ(status.history.filter(QRegularExpression(u"^(播放中|無法播放)"_s)), pass + pass);
    EXPECT_EQ(status.status(), u"PlayList 已被中止或已經完成播放!"_s);
    EXPECT_EQ(state.PlayNo, -1);
    EXPECT_EQ(playlist.display().selectedRow(), 2);
    EXPECT_EQ(state.FileHist[2], two) << "the entry that could not be played is among the recent files";
}
