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
    SongLengthTest& test() { return playlist.lengthTest(); }
    // Runs ticks until the test ends; bounded, in case it never does.
    int ticksUntilDone(int limit = 100) {
        int ticks = 0;
        for (; test().isRunning() && ticks < limit; ++ticks) test().tick();
        return ticks;
    }

    QHash<QString, qint32> lengths;
    QString opened;
    int measured = 0;
};

TEST_F(SongLengthTestTest, CompleteTestMeasuresOneEntryPerTickThenRebuilds) {
    const QStringList files = makeSongs(3);
    lengths = {{files[0], 1000}, {files[1], 61234}, {files[2], 2000}};
    addEntries(files, 5);
    playlist.display().PLRefreshItems(true, "-1", false);
    EXPECT_EQ(status.status(), "準備進行歌曲長度測試中...");
    test().tick();
    EXPECT_EQ(measured, 1);
    EXPECT_EQ(status.status(), "歌曲長度測試中..(0/2)");
    test().tick();
    test().tick();
    EXPECT_EQ(status.status(), "歌曲長度測試中..(2/2)");
    EXPECT_TRUE(test().isRunning()) << "the end is noticed on the next tick";
    test().tick();
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(status.status(), "已經完成歌曲長度測試.");
    EXPECT_EQ(playlist.display().lines().line(1), "2. s2 [1:01.23]");
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名  [1:04.23]");
}

// s4 cannot be opened (it is the song loaded for play) and takes that song's length.
TEST_F(SongLengthTestTest, QuickTestMeasuresOnlyUnmeasuredEntries) {
    const QStringList files = makeSongs(4);
    lengths = {{files[0], 6000}, {files[1], 7000}, {files[2], 8000}};
    state.PSongLenL = 4321;
    const struct {
        const char* name;
        int menu;
        QList<int> unmeasured;
        int ticks;  // one per measured entry and the closing one
        QList<qint32> lengthsMs;
    } cases[] = {
        {"quick over a measured list", 1, {}, 1, {1000, 1000, 1000, 1000}},
        {"quick", 1, {1, 3}, 3, {1000, 7000, 1000, 4321}},
        {"complete", 2, {1, 3}, 5, {6000, 7000, 8000, 4321}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        playlist.entries().clear();
        addEntries(files, 1000);
        for (int i : c.unmeasured) playlist.entries().setLength(i, 0);
        measured = 0;
        status.history.clear();
        playlist.commands().mnuRefresh(c.menu);
        EXPECT_EQ(ticksUntilDone(), c.ticks);
        EXPECT_EQ(measured, c.ticks - 1);
        EXPECT_EQ(status.status(), "已經完成歌曲長度測試.");
        for (int i = 0; i < files.size(); ++i) EXPECT_EQ(playlist.entries().lengthMs(i), c.lengthsMs[i]) << i;
    }
}

TEST_F(SongLengthTestTest, StopMenuOrAnEmptiedPlaylistEndsTheTest) {
    playlist.commands().mnuRefresh(2);
    EXPECT_FALSE(test().isRunning()) << "an empty playlist starts no test";
    addEntries(makeSongs(3));
    playlist.commands().mnuRefresh(2);
    test().tick();
    playlist.commands().mnuRefresh(3);
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(status.status(), "已經全部完成歌曲長度測試!");
    test().tick();
    EXPECT_EQ(measured, 1) << "a stopped test measures nothing more";
    playlist.commands().mnuRefresh(2);
    test().tick();
    playlist.entries().clear();
    test().tick();
    EXPECT_FALSE(test().isRunning());
    EXPECT_EQ(status.status(), "已經完成歌曲長度測試.");
}

TEST_F(SongLengthTestTest, PageViewMeasuresTheShownPage) {
    addEntries(makeSongs(20));
    enterPageView(2);
    state.lblPLpage = 1;
    playlist.commands().mnuRefresh(2);
    EXPECT_TRUE(state.ChkSongLen == 15 && state.ChkSongLenEND == 19) << state.ChkSongLen << "%" << state.ChkSongLenEND;
}

}  // namespace
