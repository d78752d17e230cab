#include "PlaylistFixture.h"
#include "playlist/PlaylistShuffle.h"

namespace {

// A song device driven by the test: an entry starts "playing" and plays
// until the test finishes it; stopping a song ends it at once.
class ScriptedHost final : public SchedulerHost {
public:
    quint8 songMode() override { return mode; }
    qint32 songPositionMs() override { return positionMs; }
    void playEntry(int index) override {
        played.append(index + 1);  // as numbered on screen
        mode = 1;
    }
    void stopSong() override {
        ++stops;
        mode = 0;
    }
    void showEntry(int index) override { shown.append(index); }
    void shuffle() override { ++shuffles; }

    void finishSong() { mode = 0; }

    quint8 mode = 0;
    qint32 positionMs = 0;
    QList<int> played;
    QList<int> shown;
    int stops = 0;
    int shuffles = 0;
};

class PlaylistSchedulerTest : public ::testing::Test {
protected:
    PlaylistSchedulerTest() : scheduler(entries, labels, state, status, dialogs, host) {
        state.TotalPLRep = 1;
    }
    void addEntries(int count, qint32 lengthMs = 60000) {
        for (int i = 1; i <= count; ++i) entries.append(QStringLiteral("/s%1.mp3").arg(i), lengthMs);
    }
    // Lets the current song end and the scheduler's next tick come; bounded.
    void playThrough(int songs) {
        for (int i = 0; i < songs && scheduler.isRunning(); ++i) {
            host.finishSong();
            scheduler.tick();
        }
    }

    PlaylistEntries entries;
    PlaylistLabels labels;
    AppState state;
    RecordingStatusLine status;
    FakeDialogs dialogs;
    ScriptedHost host;
    PlaylistScheduler scheduler;
};

TEST_F(PlaylistSchedulerTest, TwoPassesOverThreeEntriesThenStop) {
    addEntries(3);
    state.TotalPLRep = 2;
    EXPECT_EQ(scheduler.infoLine(), QStringLiteral("PlayList共有3首歌曲 (0/2)"));
    scheduler.Start(0);
    EXPECT_EQ(scheduler.PlayListTimer().intervalMs(), 2000);
    EXPECT_EQ(host.played, QList<int>{1}) << "an idle player starts the first entry at once";
    EXPECT_TRUE(status.history.contains(QStringLiteral("PlayList播放正在排程.")));
    QStringList passCounts;
    for (int i = 0; i < 10 && scheduler.isRunning(); ++i) {
        passCounts.append(scheduler.infoLine().right(5));
        scheduler.tick();  // still playing: nothing happens
        host.finishSong();
        scheduler.tick();
    }
    EXPECT_EQ(host.played, (QList<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(passCounts, (QStringList{"(1/2)", "(1/2)", "(1/2)", "(2/2)", "(2/2)", "(2/2)"}));
    EXPECT_FALSE(scheduler.isRunning());
    EXPECT_EQ(scheduler.PlayListTimer().intervalMs(), 0);
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 已被中止或已經完成播放!"));
    EXPECT_EQ(state.PlayNo, -1);
    EXPECT_EQ(state.PlayNextNo, 0);
}

TEST_F(PlaylistSchedulerTest, InformationLineFollowsThePlay) {
    addEntries(3, 60000);
    scheduler.Start(1);
    host.positionMs = 5000;
    EXPECT_EQ(scheduler.infoLine(), QStringLiteral("播放中:1/3  下一首:2/3  [0:05] (1/1)"));
    host.finishSong();
    scheduler.tick();
    EXPECT_EQ(entries.playedBeforeMs(), 60000);
    EXPECT_EQ(scheduler.infoLine(), QStringLiteral("播放中:2/3  下一首:3/3  [1:05] (1/1)"));
    playThrough(1);
    EXPECT_EQ(scheduler.infoLine(), QStringLiteral("播放中:3/3  下一首: --/3  [2:05] (1/1)"));
    state.PlayNextNo = 0;
    EXPECT_EQ(scheduler.infoLine(), QStringLiteral("播放中: -- /3  下一首:1/3  [2:05] (1/1)"));
    scheduler.updateInfo();
    EXPECT_EQ(labels.infoCaption(), scheduler.infoLine());
    EXPECT_EQ(scheduler.PLInfoTimer().intervalMs(), 1000);
    EXPECT_TRUE(scheduler.PLInfoTimer().isEnabled());
}

TEST_F(PlaylistSchedulerTest, EndlessPlayNeverStops) {
    addEntries(2);
    state.TotalPLRep = -1;
    scheduler.Start(1);
    playThrough(20);
    EXPECT_TRUE(scheduler.isRunning());
    EXPECT_EQ(host.played.size(), 21);
    EXPECT_EQ(state.PLRep, 11);
    EXPECT_TRUE(scheduler.infoLine().endsWith(QStringLiteral(" (11/-1)"))) << scheduler.infoLine().toStdString();
}

TEST_F(PlaylistSchedulerTest, PausedSongHoldsTheScheduler) {
    addEntries(2);
    scheduler.Start(1);
    host.mode = 3;
    scheduler.tick();
    host.mode = 2;  // a stopped device is as good as none
    scheduler.tick();
    EXPECT_EQ(host.played, (QList<int>{1, 2}));
}

TEST_F(PlaylistSchedulerTest, SequenceCommandsMoveWhatComesNext) {
    struct Case {
        const char* name;
        int command;
        QString answer;
        QList<int> played;  // after the command, until the end of the pass
        int stops;
    } cases[] = {
        {"repeat while 4 plays", 0, {}, {1, 2, 3, 4, 4, 5, 6}, 0},
        {"skip the next", 1, {}, {1, 2, 3, 4, 6}, 0},
        {"jump after this song", 2, "6", {1, 2, 3, 4, 6}, 0},
        {"previous now", 3, {}, {1, 2, 3, 4, 3, 4, 5, 6}, 1},
        {"next now", 4, {}, {1, 2, 3, 4, 5, 6}, 1},
        {"jump now, decimals cut", 5, " 2.9 ", {1, 2, 3, 4, 2, 3, 4, 5, 6}, 1},
    };
    for (const Case& c : cases) {
        host = ScriptedHost();
        entries.clear();
        addEntries(6);
        scheduler.Start(1);
        playThrough(3);
        ASSERT_EQ(state.PlayNo, 3) << c.name;
        dialogs.inputAnswers = {c.answer};
        scheduler.mnuPLSequence(c.command);
        EXPECT_EQ(host.stops, c.stops) << c.name;
        playThrough(20);
        EXPECT_EQ(host.played, c.played) << c.name;
    }
}

TEST_F(PlaylistSchedulerTest, NumberBoxAsksAtItsPlaceAndRejectsBadNumbers) {
    addEntries(5);
    scheduler.Start(1);
    const struct {
        QString answer;
        QString shown;
    } bad[] = {{"0", "0"}, {"-3", "-3"}, {"6", "6"}, {"abc", "0"}, {"", "0"}, {"5.5", "5.5"}};
    for (const auto& c : bad) {
        dialogs.inputAnswers = {c.answer};
        scheduler.mnuPLSequence(2);
        EXPECT_EQ(status.status(), QStringLiteral("沒有效的編號. (") + c.shown + u')') << c.answer.toStdString();
        EXPECT_EQ(state.PlayNextNo, 1) << c.answer.toStdString();
    }
    ASSERT_FALSE(dialogs.inputs.isEmpty());
    EXPECT_EQ(dialogs.inputs[0].prompt, QStringLiteral("請輸入歌曲編號(1 至 5首)"));
    EXPECT_EQ(dialogs.inputs[0].positionTwips, QPoint(2500, 2000));
    EXPECT_EQ(dialogs.inputs[0].defaultAnswer, QStringLiteral("1")) << "the number of the song now playing";
    dialogs.inputAnswers = {QStringLiteral("1 2")};
    scheduler.mnuPLSequence(2);
    EXPECT_EQ(status.status(), QStringLiteral("沒有效的編號. (12)")) << "spaces inside are ignored";
    dialogs.inputAnswers = {QStringLiteral("5")};
    scheduler.mnuPLSequence(2);
    EXPECT_EQ(state.PlayNextNo, 4);
}

TEST_F(PlaylistSchedulerTest, PreviousOnTheFirstEntryPlaysItAgain) {
    addEntries(3);
    scheduler.Start(1);
    scheduler.mnuPLSequence(3);
    EXPECT_EQ(state.PlayNextNo, 0);
    scheduler.tick();
    EXPECT_EQ(host.played, (QList<int>{1, 1}));
}

TEST_F(PlaylistSchedulerTest, StopLetsTheSongFinishUnlessTheOptionSaysOtherwise) {
    addEntries(3);
    scheduler.Start(1);
    scheduler.Stop();
    EXPECT_EQ(host.stops, 0) << "the song plays on";
    EXPECT_EQ(host.mode, 1);
    host.finishSong();
    scheduler.tick();  // a tick that slipped through starts nothing
    EXPECT_EQ(host.played, QList<int>{1});
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 已被中止或已經完成播放!"));

    state.options.optCheck[4] = true;
    scheduler.Start(1);
    scheduler.Stop();
    EXPECT_EQ(host.stops, 1);
    scheduler.Stop();
    EXPECT_EQ(status.status(), QStringLiteral("沒有PlayList播放中."));
}

TEST_F(PlaylistSchedulerTest, StartOptionsShuffleAndStopTheCurrentSong) {
    addEntries(3);
    host.mode = 1;  // a song plays already
    scheduler.Start(0);
    EXPECT_TRUE(host.played.isEmpty()) << "waits for the song";
    EXPECT_EQ(host.shuffles, 0);
    scheduler.Stop();

    state.options.optCheck[3] = true;
    state.options.optCheck[5] = true;
    scheduler.Start(1);
    EXPECT_EQ(host.shuffles, 0) << "play in order never shuffles";
    EXPECT_EQ(host.played, QList<int>{1}) << "the song was stopped and the first entry started";
    scheduler.Start(0);
    EXPECT_EQ(host.shuffles, 1);
}

TEST_F(PlaylistSchedulerTest, StartWhileRunningKeepsThePassCount) {
    addEntries(2);
    state.TotalPLRep = 3;
    scheduler.Start(1);
    playThrough(2);
    EXPECT_EQ(state.PLRep, 2);
    scheduler.Start(1);
    EXPECT_EQ(state.PLRep, 2);
    EXPECT_EQ(state.PlayNextNo, 0) << "still playing: the restart waits";
}

TEST_F(PlaylistSchedulerTest, EmptyPlaylistDoesNotStart) {
    scheduler.Start(0);
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 內沒有歌曲項目."));
    EXPECT_FALSE(scheduler.isRunning());
}

TEST(PlaylistShuffleTest, ForwardPassOfSwapsWithTheWholeList) {
    struct Case {
        const char* name;
        int count;
        std::vector<float> draws;
        QStringList order;
    } cases[] = {
        {"empty", 0, {}, {}},
        {"one entry", 1, {0.9f}, {"1"}},
        {"identity", 3, {0.0f, 0.5f, 0.99f}, {"1", "2", "3"}},
        // 1234 -> (i0,j2) 3214 -> (i1,j0) 2314 -> (i2,j3) 2341 -> (i3,j2: 1.5 to even) 2314
        {"halves to even", 4, {0.5f, 0.1f, 0.999f, 0.5f}, {"2", "3", "1", "4"}},
    };
    for (const Case& c : cases) {
        PlaylistEntries entries;
        for (int i = 1; i <= c.count; ++i) entries.append(QString::number(i), i * 10);
        size_t next = 0;
        PlaylistShuffle::shuffle(entries, [&] { return c.draws.at(next++); });
        EXPECT_EQ(entries.paths(), c.order) << c.name;
        EXPECT_EQ(next, c.draws.size()) << c.name << ": one draw per entry";
        for (int i = 0; i < entries.count(); ++i)
            EXPECT_EQ(entries.lengthMs(i), entries.path(i).toInt() * 10) << c.name << ": lengths travel";
    }
}

TEST(PlaylistShuffleTest, DrawsStayBelowOne) {
    PlaylistShuffle::SeededDraw draw(12345);
    float highest = 0;
    for (int i = 0; i < 100000; ++i) highest = std::max(highest, draw());
    EXPECT_LT(highest, 1.0f);
    EXPECT_GT(highest, 0.99f);
}

}  // namespace
