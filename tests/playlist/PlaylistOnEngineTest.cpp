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
    void SetUp() override {
        if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    }
    // Songs of a second each, a letter for any name in `letters`; loaded as the playlist and measured.
    void loadSongs(const QStringList& names, const QStringList& letters = {}) {
        QByteArray list;
        for (const QString& name : names) {
            const QString path = songs.path(name);
            if (letters.contains(name))
                songs.writeFile(name, "Dear friend,\r\nthis is not a song.\r\n");
            else
                ASSERT_TRUE(MediaGen::writeWave(path, MediaGen::Tone{1000, 22050, 1})) << name.toStdString();
            list += path.toUtf8() + "\r\n";
        }
        ASSERT_TRUE(playlist.PLLoadFile(songs.writeFile("list.ini", list), false));
        IntervalTimer& lengthTimer = playlist.lengthTest().SongLenTimer();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !lengthTimer.isRunning(); }, 10000)) << "length test";
        status.history.clear();
    }
    // Waits for the playlist to end; looking for a song's end more often than every two seconds keeps it to seconds.
    void waitForTheEnd(int timeoutMs) {
        IntervalTimer& tickTimer = playlist.scheduler().PlayListTimer();
        tickTimer.setIntervalMs(200);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tickTimer.isRunning(); }, timeoutMs)) << starts().join(u' ').toStdString();
    }
    QStringList starts() const { return status.history.filter(QRegularExpression(u"^(播放中|無法播放)"_s)); }

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

// Started from the panel's button, two passes over three songs, then the stop: the list follows the playing entry,
// and the last one played stays selected.
TEST_F(PlaylistOnEngineTest, PlaysTheListInOrderTwiceThenStops) {
    QWidget window;
    new PlaylistPanel(&window, playlist, state);
    window.show();
    ASSERT_NO_FATAL_FAILURE(loadSongs({"one.wav", "two.wav", "three.wav"}));
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(playlist.entries().lengthMs(i), 1000, 30) << "entry " << i;
    state.TotalPLRep = 2;
    window.findChild<QToolButton*>(QStringLiteral("cmdStartPlayList_1"))->click();
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd(30000));
    const QString one = u"播放中...(one)"_s, two = u"播放中...(two)"_s, three = u"播放中...(three)"_s;
    EXPECT_EQ(starts(), (QStringList{one, two, three, one, two, three}));
    EXPECT_EQ(playlist.display().selectedRow(), 2);
    EXPECT_EQ(status.status(), "PlayList 已被中止或已經完成播放!");
    EXPECT_EQ(state.PlayNo, -1);
}

// The middle of three entries is a letter under a song's name: the first and the third play, the middle one says
// with the engine's words why it cannot be played, and the playlist ends as it always does.
TEST_F(PlaylistOnEngineTest, AnEntryTheEngineCannotOpenSaysWhyAndThePlaylistGoesOn) {
    ASSERT_NO_FATAL_FAILURE(loadSongs({"one.wav", "two.mp3", "three.wav"}, {"two.mp3"}));
    playlist.Start(1);
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd(20000));
    const QString why = engineMedia.MMGetErrorText(MciError::CannotPlay);
    EXPECT_EQ(starts(), (QStringList{u"播放中...(one)"_s, u"無法播放. (two) "_s + why, u"播放中...(three)"_s}));
    EXPECT_EQ(status.status(), u"PlayList 已被中止或已經完成播放!"_s);
    EXPECT_EQ(state.FileHist[2], songs.path("two.mp3")) << "the entry that could not be played is still among the recent files";
}
