#include <gtest/gtest.h>

#include "LyricTestWorld.h"
#include "support/QStringPrinter.h"

namespace {

class LyricDisplayTest : public ::testing::Test, protected LyricTestWorld {
protected:
    // A song of 200,000 ms with a lyric of 40 lines.
    void loadSong(qint32 startMs = 0, qint16 dlsm = 0) {
        state.PSongLenL = 200000;
        state.DLSM = dlsm;
        writeLyric(QStringLiteral("Blue Sky"), numberedLines(40));
        display.LoadLyricFile(startMs);
    }
    QString statusNow() const { return status.status(); }
    IntervalTimer& timer() { return display.LyricTimer(); }
};

// The interval is the song length over the lines, cut, minus DLSM; the first
// tick comes at once with the lead-in above line 1.
TEST_F(LyricDisplayTest, LoadFromTheStartSpreadsTheLinesOverTheSong) {
    const struct {
        qint16 dlsm;
        int intervalMs;
        const char* details;
    } rows[] = {
        {0, 5000, "更新速率: 5000 (ms) [0] 行數: 1/40"},
        {300, 4700, "更新速率: 4700 (ms) [300] 行數: 1/40"},
        {-200, 5200, "更新速率: 5200 (ms) [-200] 行數: 1/40"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dlsm);
        loadSong(0, row.dlsm);
        EXPECT_EQ(display.listLyricContainer().size(), 46);
        EXPECT_EQ(state.LyricNoTotal, 40);
        EXPECT_EQ(timer().intervalMs(), row.intervalMs);
        EXPECT_TRUE(timer().isEnabled());
        EXPECT_EQ(display.detailsText(), QString::fromUtf8(row.details));
        EXPECT_EQ(display.viewerText(),
                  QStringLiteral("倒數 --- {3}\r\n倒數 --- {2}\r\n倒數 --- {1}\r\nline 1\r\nline 2\r\nline 3\r\nline 4"));
        EXPECT_EQ(state.LyricNo, 4) << "the next tick shows line 2";
    }
}

// Loaded mid-song the display starts at the share of the song played, over
// all 46 entries; a position at or past the last line ends it at once.
TEST_F(LyricDisplayTest, LoadMidSongStartsAtTheMatchingLine) {
    loadSong(100000);
    EXPECT_EQ(statusNow(), QStringLiteral("動態化歌詞列已從歌詞檔內的第23行插播."));
    EXPECT_EQ(middleLine(), QStringLiteral("line 24"));
    EXPECT_EQ(display.detailsText(), QStringLiteral("更新速率: 5000 (ms) [0] 行數: 24/40"));
    EXPECT_EQ(state.LyricNo, 27);

    loadSong(199000);
    EXPECT_EQ(display.detailsText(), QStringLiteral("更新速率: 0 (ms)   行數: 40/40"));
    EXPECT_FALSE(timer().isEnabled());
    EXPECT_EQ(timer().intervalMs(), 0);
}

// After the last line the next tick shows the end and stops the timer; the
// last line stands above the lead-out.
TEST_F(LyricDisplayTest, TheTickAfterTheLastLineEndsTheDisplay) {
    loadSong();
    for (int tick = 2; tick <= 40; ++tick) display.LyricTimer_Timer();
    EXPECT_EQ(display.viewerText(),
              QStringLiteral("line 37\r\nline 38\r\nline 39\r\nline 40\r\n倒數 --- {1}\r\n倒數 --- {2}\r\n倒數 --- {3}"));
    EXPECT_TRUE(timer().isEnabled());
    display.LyricTimer_Timer();
    EXPECT_EQ(display.detailsText(), QStringLiteral("更新速率: 0 (ms)   行數: 40/40"));
    EXPECT_EQ(std::pair(timer().intervalMs(), timer().isEnabled()), std::pair(0, false));
    EXPECT_EQ(middleLine(), QStringLiteral("line 40")) << "the viewer keeps its last lines";
}

// Missing and blank lyric files leave the cursor alone but stop the old
// song's display; an unreadable one is reported and changes nothing.
TEST_F(LyricDisplayTest, MissingEmptyAndUnreadableLyricFiles) {
    const struct {
        const char* name;
        bool exists;
        QByteArray bytes;
        QString status;
        bool stillRunning;
        int entries;
    } rows[] = {
        {"missing", false, {}, "此歌曲沒有歌詞檔! [Blue Sky.lyr]", false, 46},
        {"blank lines only", true, "\r\n   \r\n", "歌詞檔內沒有歌詞. [Blue Sky.lyr]", false, 6},
        {"unreadable", true, QByteArray("x\0y", 3), "無法讀取歌詞檔! [Blue Sky.lyr] ", true, 46},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        loadSong(100000);
        const qint16 no = state.LyricNo;
        if (row.exists)
            writeLyric(QStringLiteral("Blue Sky"), row.bytes);
        else
            QFile::remove(state.PLyricLink);
        display.LoadLyricFile(0);
        EXPECT_TRUE(statusNow().startsWith(row.status)) << statusNow().toStdString();
        EXPECT_EQ(timer().isEnabled(), row.stillRunning);
        EXPECT_EQ(display.listLyricContainer().size(), row.entries);
        EXPECT_EQ(std::pair(state.LyricNo, state.LyricNoTotal), std::pair(no, qint16(40)));
    }
    state.PLyricLink.clear();
    display.LoadLyricFile(0);
    EXPECT_EQ(statusNow(), QStringLiteral("此歌曲沒有歌詞檔! [.lyr]"));
}

// Back and forward at the bounds; the mouse on the viewer steps too; after
// the end the steps keep working on the last lyric.
TEST_F(LyricDisplayTest, StepButtonsAndViewerClicksMoveOneLine) {
    loadSong();  // line 1 in the middle, LyricNo 4
    display.cmdLyricPos_Click(0);
    EXPECT_EQ(middleLine(), QStringLiteral("line 1")) << "back from line 1 stays on line 1";
    EXPECT_EQ(state.LyricNo, 4);
    display.lblLyricViewer_MouseDown(Qt::LeftButton);
    display.lblLyricViewer_MouseDown(Qt::LeftButton);
    EXPECT_EQ(middleLine(), QStringLiteral("line 3"));
    display.lblLyricViewer_MouseDown(Qt::RightButton);
    EXPECT_EQ(middleLine(), QStringLiteral("line 2"));
    display.lblLyricViewer_MouseDown(Qt::MiddleButton);
    EXPECT_EQ(middleLine(), QStringLiteral("line 2"));
    EXPECT_EQ(timer().intervalMs(), 5000) << "a step does not touch the timer";

    state.LyricNo = 3;
    display.cmdLyricPos_Click(0);
    EXPECT_EQ(state.LyricNo, 3) << "back while LyricNo <= 3";
    state.LyricNo = 39;  // LyricNoTotal - 1
    display.cmdLyricPos_Click(1);
    EXPECT_EQ(state.LyricNo, 39) << "forward while LyricNo = LyricNoTotal - 1";

    state.LyricNo = 43;
    display.LyricTimer_Timer();  // ends
    display.cmdLyricPos_Click(1);
    EXPECT_EQ(display.detailsText(), QStringLiteral("更新速率: 0 (ms)   行數: 40/40"));
    display.cmdLyricPos_Click(0);
    EXPECT_EQ(middleLine(), QStringLiteral("line 39"));
    EXPECT_FALSE(timer().isEnabled());
}

// A step on a cursor the list does not hold (a blank lyric replaced a long
// one) says so and ends the display instead of reading past the list.
TEST_F(LyricDisplayTest, AStepOutsideTheListIsReported) {
    loadSong(100000);
    writeLyric(QStringLiteral("Blue Sky"), "\r\n");
    display.LoadLyricFile(0);
    display.cmdLyricPos_Click(1);
    EXPECT_EQ(statusNow(), QStringLiteral("顯示歌詞時出現不知名的錯誤."));
    EXPECT_EQ(display.detailsText(), QStringLiteral("更新速率: 0 (ms)   行數: 40/40"));
}

// Intervals below 1 ms are raised to 1; long ones are kept. Start entries of
// odd positions stay inside the list.
TEST(LyricDisplayRules, IntervalAndStartEntryAtTheEdges) {
    EXPECT_EQ(LyricDisplay::intervalFor(1000, 10, 500), 1);
    EXPECT_EQ(LyricDisplay::intervalFor(1000, 10, 100), 1);
    EXPECT_EQ(LyricDisplay::intervalFor(3600000, 1, -200), 3600200);
    EXPECT_EQ(LyricDisplay::intervalFor(10, 3, 0), 3);
    EXPECT_EQ(LyricDisplay::startEntryFor(5000, 0, 46), 0) << "length 0 (not measured): line 1";
    EXPECT_EQ(LyricDisplay::startEntryFor(-5, 1000, 46), 0) << "negative position";
    EXPECT_EQ(LyricDisplay::startEntryFor(5000, 1000, 46), 46) << "past the end";
}

// Opening the section while the song plays loads at its position; while
// nothing plays it only opens; closing stops the timer. The song start and
// seek callers see the flag.
TEST_F(LyricDisplayTest, SectionSwitchStartsAndStopsTheDisplay) {
    state.PSongLenL = 200000;
    writeLyric(QStringLiteral("Blue Sky"), numberedLines(40));
    display.lblLyricSwt_Click();
    EXPECT_EQ(info.open, InfoSection::Lyric);
    EXPECT_TRUE(display.lyricSectionOpen());
    EXPECT_FALSE(timer().isEnabled()) << "nothing plays";

    display.lblLyricSwt_Click();
    EXPECT_EQ(info.open, InfoSection::None);
    EXPECT_FALSE(display.lyricSectionOpen());

    song.mode = 1;
    song.positionMs = 100000;
    display.lblLyricSwt_Click();
    EXPECT_EQ(middleLine(), QStringLiteral("line 24"));
    EXPECT_TRUE(timer().isEnabled());
    display.lblLyricSwt_Click();
    EXPECT_EQ(std::pair(timer().intervalMs(), timer().isEnabled()), std::pair(0, false));

    // Paused: the section opens without loading.
    song.mode = 3;
    display.lblLyricSwt_Click();
    EXPECT_FALSE(timer().isEnabled());
}

}  // namespace
