#include <QHash>

#include "PlaylistFixture.h"

namespace {

// The length test over a media engine that knows a length per file; a file
// it does not know cannot be opened and measures 0.
class SongLengthTestTest : public PlaylistFixture {
protected:
    SongLengthTestTest() {
        fakes.mci.onCommand = [this](const QString& command, MciReply& reply) {
            if (command.startsWith(QStringLiteral("Open \""))) opened = command.section(u'"', 1, 1);
            if (command == QStringLiteral("Status tmpFile length")) {
                reply.text = lengths.contains(opened) ? QString::number(lengths.value(opened)) : QString();
                ++measured;
            }
        };
    }
    SongLengthTest& test() { return playlist->lengthTest(); }
    // Runs ticks until the test ends; bounded, in case it never does.
    int ticksUntilDone(int limit = 100) {
        int ticks = 0;
        while (test().isRunning() && ticks < limit) {
            test().tick();
            ++ticks;
        }
        return ticks;
    }

    QHash<QString, qint32> lengths;
    QString opened;
    int measured = 0;
};

TEST_F(SongLengthTestTest, CompleteTestMeasuresOneEntryPerTickThenRebuilds) {
    const QStringList files = makeSongs({"a.mp3", "b.mp3", "c.mp3"});
    lengths = {{files[0], 1000}, {files[1], 61234}, {files[2], 2000}};
    addEntries(files, 5);
    playlist->display().PLRefreshItems(true, QStringLiteral("-1"), false);
    EXPECT_EQ(test().SongLenTimer().intervalMs(), 500);
    EXPECT_EQ(status.status(), QStringLiteral("準備進行歌曲長度測試中..."));

    test().tick();
    EXPECT_EQ(measured, 1);
    EXPECT_EQ(status.status(), QStringLiteral("歌曲長度測試中..(0/2)"));
    EXPECT_EQ(state.ChkSongLen, 1);
    test().tick();
    test().tick();
    EXPECT_EQ(status.status(), QStringLiteral("歌曲長度測試中..(2/2)"));
    EXPECT_TRUE(test().isRunning()) << "the end is noticed on the next tick";
    test().tick();
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(test().SongLenTimer().intervalMs(), 0);
    EXPECT_EQ(status.status(), QStringLiteral("已經完成歌曲長度測試."));
    EXPECT_EQ(playlist->display().lines().line(1), QStringLiteral("2. b [1:01.23]"));
    EXPECT_EQ(playlist->labels().nameCaption(), QStringLiteral("PlayList 名稱: 未命名  [1:04.23]"));
}

TEST_F(SongLengthTestTest, UnopenableFileTakesTheLoadedSongsLength) {
    const QStringList files = makeSongs({"playing.mp3"});
    addEntries(files);
    state.PSongLenL = 4321;
    playlist->display().PLRefreshItems(true, QStringLiteral("-1"), false);
    ticksUntilDone();
    EXPECT_EQ(playlist->entries().lengthMs(0), 4321);
}

TEST_F(SongLengthTestTest, QuickTestOverAMeasuredListEndsInOneTick) {
    addEntries(makeSongs({"a.mp3", "b.mp3", "c.mp3", "d.mp3"}), 1000);
    playlist->commands().mnuRefresh(1);
    EXPECT_TRUE(test().isRunning());
    EXPECT_EQ(state.ChkSongLenQuick, -1);
    test().tick();
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(measured, 0);
    EXPECT_EQ(status.status(), QStringLiteral("已經完成歌曲長度測試."));
}

TEST_F(SongLengthTestTest, QuickTestMeasuresOnlyUnmeasuredEntries) {
    const QStringList files = makeSongs({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    lengths = {{files[1], 7000}, {files[3], 9000}};
    addEntries(files, 1000);
    playlist->entries().setLength(1, 0);
    playlist->entries().setLength(3, 0);
    playlist->commands().mnuRefresh(1);
    EXPECT_EQ(ticksUntilDone(), 3) << "two measuring ticks and the closing one";
    EXPECT_EQ(measured, 2);
    EXPECT_EQ(playlist->entries().lengthMs(1), 7000);
    EXPECT_EQ(playlist->entries().lengthMs(3), 9000);
    EXPECT_EQ(playlist->entries().lengthMs(0), 1000);
}

TEST_F(SongLengthTestTest, CompleteTestRemeasuresEveryEntry) {
    const QStringList files = makeSongs({"a.mp3", "b.mp3"});
    lengths = {{files[0], 3000}, {files[1], 4000}};
    addEntries(files, 1000);
    playlist->commands().mnuRefresh(2);
    ticksUntilDone();
    EXPECT_EQ(measured, 2);
    EXPECT_EQ(playlist->entries().lengthMs(0), 3000);
}

TEST_F(SongLengthTestTest, StopMenuEndsTheTestAndRebuilds) {
    addEntries(makeSongs({"a.mp3", "b.mp3"}));
    playlist->commands().mnuRefresh(2);
    test().tick();
    playlist->commands().mnuRefresh(3);
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
    test().tick();
    EXPECT_EQ(measured, 1) << "a stopped test measures nothing more";
}

TEST_F(SongLengthTestTest, EntriesRemovedDuringTheTestEndIt) {
    addEntries(makeSongs({"a.mp3", "b.mp3", "c.mp3"}));
    playlist->commands().mnuRefresh(2);
    test().tick();
    playlist->entries().clear();
    test().tick();
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(status.status(), QStringLiteral("已經完成歌曲長度測試."));
}

TEST_F(SongLengthTestTest, EmptyPlaylistStartsNoTest) {
    playlist->commands().mnuRefresh(2);
    EXPECT_FALSE(test().isRunning());
}

TEST_F(SongLengthTestTest, PageViewMeasuresTheShownPage) {
    QStringList names;
    for (int i = 1; i <= 20; ++i) names.append(QStringLiteral("s%1.mp3").arg(i));
    addEntries(makeSongs(names));
    state.WindowMode = 2;
    state.lblPLItemNo = 15;
    state.lblPLpage = 1;
    playlist->commands().mnuRefresh(2);
    EXPECT_EQ(state.ChkSongLen, 15);
    EXPECT_EQ(state.ChkSongLenEND, 19);
}

}  // namespace
