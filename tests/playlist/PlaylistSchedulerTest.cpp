#include "PlaylistFixture.h"
#include "playlist/PlaylistShuffle.h"

namespace {

// A song device driven by the test: an entry plays until the test sets another mode; a stop ends it at once.
struct ScriptedHost final : SchedulerHost {
    quint8 songMode() override { return mode; }
    qint32 songPositionMs() override { return positionMs; }
    void playEntry(int index) override { played.append(index + 1); mode = 1; }  // numbered as on screen
    void stopSong() override { ++stops; mode = 0; }
    void showEntry(int) override {}
    void shuffle() override { ++shuffles; }

    quint8 mode = 0;
    qint32 positionMs = 0;
    QList<int> played;
    int stops = 0, shuffles = 0;
};

class PlaylistSchedulerTest : public ::testing::Test, protected PlaylistWorld {
protected:
    void addEntries(int count) {
        for (int i = 1; i <= count; ++i) entries.append(QStringLiteral("/s%1.mp3").arg(i), 60000);
    }
    // Lets the current song end and the next tick come, at most `songs` times.
    void playThrough(int songs) {
        for (int i = 0; i < songs && scheduler.isRunning(); ++i) {
            host.mode = 0;
            scheduler.tick();
        }
    }

    PlaylistEntries entries;
    PlaylistLabels labels;
    ScriptedHost host;
    PlaylistScheduler scheduler{entries, labels, state, status, fakes.dialogs, host};
};

// Two passes over three entries, then the stop; endless play never stops, and a start while playing keeps the count.
TEST_F(PlaylistSchedulerTest, PassesCountToTheirNumberOrForever) {
    addEntries(3);
    state.TotalPLRep = 2;
    EXPECT_EQ(scheduler.infoLine(), "PlayList共有3首歌曲 (0/2)");
    scheduler.Start(0);
    EXPECT_EQ(host.played, QList<int>{1}) << "started at once";
    EXPECT_TRUE(status.history.contains("PlayList播放正在排程.")) << status.history.join(u'|').toStdString();
    host.positionMs = 5000;
    QStringList lines;
    for (int i = 0; i < 10 && scheduler.isRunning(); ++i) {
        lines.append(scheduler.infoLine());
        host.mode = i % 2 ? 1 : 3;  // playing or paused: the tick waits
        scheduler.tick();
        host.mode = i % 2 ? 0 : 2;  // a stopped device is as good as none
        scheduler.tick();
    }
    EXPECT_EQ(host.played, (QList<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(lines, (QStringList{"播放中:1/3  下一首:2/3  [0:05] (1/2)", "播放中:2/3  下一首:3/3  [1:05] (1/2)",
                                  "播放中:3/3  下一首: --/3  [2:05] (1/2)", "播放中:1/3  下一首:2/3  [0:05] (2/2)",
                                  "播放中:2/3  下一首:3/3  [1:05] (2/2)", "播放中:3/3  下一首: --/3  [2:05] (2/2)"}));
    EXPECT_FALSE(scheduler.isRunning());
    EXPECT_EQ(state.PlayNo, -1);
    EXPECT_EQ(status.status(), "PlayList 已被中止或已經完成播放!");
    host = ScriptedHost();
    state.TotalPLRep = -1;
    scheduler.Start(1);
    playThrough(20);
    EXPECT_TRUE(scheduler.isRunning()) << "endless play";
    EXPECT_EQ(host.played.size(), 21);
    EXPECT_TRUE(scheduler.infoLine().endsWith(" (7/-1)")) << scheduler.infoLine().toStdString();
    scheduler.Start(1);
    EXPECT_EQ(std::tuple(state.PLRep, state.PlayNextNo), std::tuple(7, 0)) << "still playing: the restart waits";
}

// finished: songs played before the command; played: to the end of the pass. The number box offers the song playing
// and turns down numbers outside the list ("" is also a cancelled box's answer); spaces inside are ignored.
TEST_F(PlaylistSchedulerTest, SequenceCommandsMoveWhatComesNext) {
    const struct { const char* name; int finished, command; QString answer; QList<int> played; int stops; } cases[] = {
        {"repeat while 4 plays", 3, 0, {}, {1, 2, 3, 4, 4, 5, 6}, 0}, {"skip the next", 3, 1, {}, {1, 2, 3, 4, 6}, 0},
        {"jump after this song", 3, 2, "6", {1, 2, 3, 4, 6}, 0}, {"next now", 3, 4, {}, {1, 2, 3, 4, 5, 6}, 1},
        {"previous now", 3, 3, {}, {1, 2, 3, 4, 3, 4, 5, 6}, 1},
        {"previous on the first", 0, 3, {}, {1, 1, 2, 3, 4, 5, 6}, 1},
        {"jump now, decimals cut", 3, 5, " 2.9 ", {1, 2, 3, 4, 2, 3, 4, 5, 6}, 1},
    };
    addEntries(6);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host = ScriptedHost();
        scheduler.Start(1);
        playThrough(c.finished);
        fakes.dialogs.inputAnswers = {c.answer};
        scheduler.mnuPLSequence(c.command);
        EXPECT_EQ(host.stops, c.stops);
        playThrough(20);
        EXPECT_EQ(host.played, c.played);
    }
    scheduler.Start(1);
    fakes.dialogs.inputs.clear();
    const struct { QString answer, shown; } refused[] = {
        {"0", "0"}, {"-3", "-3"}, {"7", "7"}, {"abc", "0"}, {"", "0"}, {"6.5", "6.5"}, {"1 2", "12"}};
    for (const auto& c : refused) {
        fakes.dialogs.inputAnswers = {c.answer};
        scheduler.mnuPLSequence(2);
        EXPECT_EQ(status.status(), "沒有效的編號. (" + c.shown + u')') << "answer " << c.answer.toStdString();
        EXPECT_EQ(state.PlayNextNo, 1) << "answer " << c.answer.toStdString();
    }
    EXPECT_EQ(fakes.dialogs.inputs.value(0).prompt, "請輸入歌曲編號(1 至 6首)");
    EXPECT_EQ(fakes.dialogs.inputs.value(0).defaultAnswer, "1") << "the number of the song now playing";
}

// A song that ends while a jump number is asked starts nothing: after the answer the chosen entry is the next to
// play, with nothing else started in between.
TEST_F(PlaylistSchedulerTest, ASongEndingWhileTheNumberIsAskedWaitsForTheAnswer) {
    const struct { const char* name; int command; QList<int> played; } cases[] = {
        {"jump now", PlaylistScheduler::JumpNow, {1, 2, 5, 6}},
        {"jump after this song", PlaylistScheduler::JumpAfterThis, {1, 2, 5, 6}},
    };
    addEntries(6);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host = ScriptedHost();
        scheduler.Start(1);
        playThrough(1);
        fakes.dialogs.whileInputOpen = [this] {
            host.mode = 0;  // the song ends while the box is open, and the timer ticks
            scheduler.tick();
            scheduler.tick();
        };
        fakes.dialogs.inputAnswers = {QStringLiteral("5")};
        scheduler.mnuPLSequence(c.command);
        fakes.dialogs.whileInputOpen = nullptr;
        EXPECT_EQ(host.played, (QList<int>{1, 2})) << "nothing started while asking";
        scheduler.tick();
        playThrough(1);
        EXPECT_EQ(host.played, c.played);
    }
}

// Start waits for a playing song and Stop lets it finish, unless their options say to stop it.
TEST_F(PlaylistSchedulerTest, StartAndStopFollowTheirOptions) {
    addEntries(3);
    host.mode = 1;  // a song plays already
    state.options.optCheck[5] = true;
    scheduler.Start(1);
    const auto seen = [this] { return std::tuple(host.played, host.shuffles, host.stops); };  // started, shuffles, stops
    EXPECT_EQ(seen(), std::tuple(QList<int>{}, 0, 0)) << "waits for the song; play in order never shuffles";
    state.options.optCheck[3] = true;
    scheduler.Start(0);
    EXPECT_EQ(seen(), std::tuple(QList<int>{1}, 1, 1)) << "stopped, then the first";
    scheduler.Stop();
    EXPECT_EQ(std::tuple(host.stops, host.mode), std::tuple(1, quint8{1})) << "the song plays on";
    host.mode = 0;
    scheduler.tick();  // a tick that slipped through starts nothing
    EXPECT_EQ(host.played, QList<int>{1});
    EXPECT_EQ(status.status(), "PlayList 已被中止或已經完成播放!");
    state.options.optCheck[4] = true;
    scheduler.Start(1);
    scheduler.Stop();
    EXPECT_EQ(host.stops, 3) << "the start and the stop both stopped the song";
}

TEST(PlaylistShuffleTest, ForwardPassOfSwapsWithTheWholeList) {
    const struct { const char* name; int count; std::vector<float> draws; QStringList order; } cases[] = {
        {"empty", 0, {}, {}}, {"one entry", 1, {0.9f}, {"1"}},
        // 1234 -> (i0,j2) 3214 -> (i1,j0) 2314 -> (i2,j3) 2341 -> (i3,j2: 1.5 to even) 2314
        {"halves to even", 4, {0.5f, 0.1f, 0.999f, 0.5f}, {"2", "3", "1", "4"}},
    };
    for (const auto& c : cases) {
        PlaylistEntries entries;
        for (int i = 1; i <= c.count; ++i) entries.append(QString::number(i), i * 10);
        size_t next = 0;
        PlaylistShuffle::shuffle(entries, [&] { return c.draws.at(next++); });
        EXPECT_EQ(entries.paths(), c.order) << c.name;
        EXPECT_EQ(next, c.draws.size()) << c.name << ": one draw per entry";
        for (int i = 0; i < entries.count(); ++i)
            EXPECT_EQ(entries.lengthMs(i), entries.path(i).toInt() * 10) << c.name << ": lengths travel";
    }
    PlaylistShuffle::SeededDraw draw(12345);
    float highest = 0;
    for (int i = 0; i < 100000; ++i) highest = std::max(highest, draw());
    EXPECT_LT(highest, 1.0f) << "the seeded draws stay below one";
    EXPECT_GT(highest, 0.99f) << "and reach near it";
}

}  // namespace
