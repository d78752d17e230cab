#include "PlaylistFixture.h"
#include "common/DataFolder.h"

namespace {

class PlaylistDisplayTest : public PlaylistFixture {
protected:
    PlaylistDisplay& display() { return playlist->display(); }
    PlaylistViewEvents& events() { return playlist->events(); }
    void writeLyric(const QString& title) { data.dir().writeFile(QStringLiteral("Lyrics/") + title + ".lyr", "line"); }
    // A compact mode as the window-mode code sets it up.
    void enterPageView(int mode) {
        state.WindowMode = static_cast<quint8>(mode);
        state.lblPLItemNo = mode == 1 ? 27 : 15;
        state.ShiftConst[1] = mode == 1 ? 375 : 1695;
        state.lblPLpage = 0;
    }
    QStringList numberedSongs(int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i) names.append(QStringLiteral("s%1.mp3").arg(i));
        return makeSongs(names);
    }
    QStringList titlesInOrder() {
        QStringList titles;
        for (const QString& p : entryPaths()) titles.append(QFileInfo(p).completeBaseName());
        return titles;
    }
    // y (twips from the page label's top) of a row's middle.
    static double rowY(int row) { return 15 + row * 180 + 90; }
};

TEST_F(PlaylistDisplayTest, DisplayLineShowsNumberTitleLengthAndLyricMark) {
    const QStringList files = makeSongs({"a.mp3", "b.wav", "Song.mp3", "d.e.mp3"});
    writeLyric(QStringLiteral("Song"));
    writeLyric(QStringLiteral("d.e"));
    struct Case {
        QString path;
        qint32 lengthMs;
        QString expected;
    } cases[] = {
        {files[0], 61234, "1. a [1:01.23]"},
        {files[1], 3600000, "2. b [60:00.00]"},
        {files[2], 0, "3. Song [0:00.00] [歌詞]"},
        {files[3], 5, "4. d.e [0:00.00] [歌詞]"},
        {songs.path("missing.mp3"), 1000, "5. missing [檔案不存在]"},
        {songs.path(), 0, "6. " + QFileInfo(songs.path()).completeBaseName() + " [檔案不存在]"},
        {QString(), 0, "7.  [檔案不存在]"},
    };
    for (const Case& c : cases) playlist->entries().append(c.path, c.lengthMs);
    refresh();
    ASSERT_EQ(display().lines().count(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < display().lines().count(); ++i)
        EXPECT_EQ(display().lines().line(i), std::data(cases)[i].expected) << "line " << i;
}

TEST_F(PlaylistDisplayTest, TotalsMarkUnmeasuredEntries) {
    addEntries({"/a.mp3", "/b.mp3"}, 30000);
    EXPECT_EQ(playlist->entries().PLCountLengthS(), QStringLiteral("1:00.00"));
    playlist->entries().append(QStringLiteral("/c.mp3"), 0);
    EXPECT_EQ(playlist->entries().PLCountLengthS(), QStringLiteral("＞1:00.00"));
    EXPECT_EQ(playlist->entries().PLCountLength(1, 0), 0);
    EXPECT_EQ(playlist->entries().PLCountLength(1, 2), 30000);
    state.UPlayList.clear();
    refresh();
    EXPECT_EQ(playlist->labels().nameCaption(), QStringLiteral("PlayList 名稱: 未命名  [＞1:00.00]"));
}

TEST_F(PlaylistDisplayTest, TotalStaysAtTheLimitInsteadOfWrapping) {
    for (int i = 0; i < 1000; ++i) playlist->entries().append(QStringLiteral("/long.mp3"), 3'600'000);
    EXPECT_EQ(playlist->entries().PLCountLength(0, 999), std::numeric_limits<qint32>::max());
}

TEST_F(PlaylistDisplayTest, PageViewShowsOnePageWithTwoSpaceRows) {
    addEntries(numberedSongs(3), 1000);
    enterPageView(1);
    refresh();
    EXPECT_EQ(display().pageText(),
              QStringLiteral("  1. s1 [0:01.00]\r\n  2. s2 [0:01.00]\r\n  3. s3 [0:01.00]"));
    EXPECT_EQ(display().lines().count(), 0) << "the hidden list box is left alone";
}

TEST_F(PlaylistDisplayTest, PageButtonsStopAtTheLastPage) {
    struct Case {
        int entries;
        int lastPage;
        QString firstRowOfLastPage;
    } cases[] = {{30, 1, "  28. s28"}, {27, 1, ""}, {26, 0, "  1. s1"}, {0, 0, ""}};
    for (const Case& c : cases) {
        playlist->entries().clear();
        addEntries(numberedSongs(c.entries), 1000);
        enterPageView(1);
        refresh();
        for (int click = 0; click < 3; ++click) display().cmdlblPLPage_Click(1);
        EXPECT_EQ(state.lblPLpage, c.lastPage) << c.entries << " entries";
        EXPECT_EQ(display().pageText().left(c.firstRowOfLastPage.size()), c.firstRowOfLastPage)
            << c.entries << " entries";
        if (c.entries == 30) {
            EXPECT_EQ(display().pageText().count(QStringLiteral("\r\n")), 2) << "rows 28 to 30";
        }
        if (c.entries == 27) {
            EXPECT_TRUE(display().pageText().isEmpty()) << "the page after a full page is empty";
        }
        for (int click = 0; click < 3; ++click) display().cmdlblPLPage_Click(0);
        EXPECT_EQ(state.lblPLpage, 0) << c.entries << " entries";
    }
}

TEST_F(PlaylistDisplayTest, PointerRowsMapToEntries) {
    addEntries(numberedSongs(30));
    enterPageView(1);
    state.lblPLpage = 1;
    struct Case {
        double y;
        bool clamp;
        bool rowOnly;
        int expected;
    } cases[] = {
        {0, false, false, 27},     {15, false, false, 27},  {194, false, false, 27}, {195, false, false, 28},
        {375, false, false, 29},   {555, false, false, -1}, {555, true, false, 29},  {555, false, true, 3},
        {1e9, false, false, -1},   {1e9, true, false, 29},  {375, false, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(display().lblPLListIndex(c.y, c.clamp, c.rowOnly), c.expected)
            << "y " << c.y << " clamp " << c.clamp << " rowOnly " << c.rowOnly;
}

TEST_F(PlaylistDisplayTest, PageViewPointerBelowTheLastRowDoesNothing) {
    const QStringList files = numberedSongs(5);
    addEntries(files);
    enterPageView(2);
    refresh();
    QString fileLink = QStringLiteral("untouched");
    playlist->hooks().setFileLink = [&](const QString& t) { fileLink = t; };
    events().pageMouseDown(Qt::LeftButton, Qt::NoModifier, rowY(7));
    EXPECT_EQ(state.PLPressed, -1);
    EXPECT_TRUE(fileLink.isEmpty()) << "the path box is emptied";
    events().pageMouseUp(rowY(1));
    EXPECT_EQ(entryPaths(), files) << "releasing moves nothing";
    events().pageMouseDown(Qt::RightButton, Qt::ControlModifier, rowY(9));
    events().pageMouseUp(rowY(9));
    EXPECT_EQ(entryPaths(), files) << "Ctrl with the right button removes nothing";
}

TEST_F(PlaylistDisplayTest, PageViewButtonsPickPlayAndRemove) {
    const QStringList files = numberedSongs(4);
    addEntries(files);
    enterPageView(2);
    refresh();
    QString fileLink;
    QStringList opened;
    playlist->hooks().setFileLink = [&](const QString& t) { fileLink = t; };
    playlist->hooks().openByType = [&](const QString& p) { opened.append(p); };

    events().pageMouseDown(Qt::LeftButton, Qt::NoModifier, rowY(1));
    EXPECT_EQ(fileLink, files[1]);
    EXPECT_EQ(display().markerTopTwips(), 180 + 1695) << "marker on row 1";
    events().pageMouseUp(rowY(1));

    events().pageMouseDown(Qt::RightButton, Qt::NoModifier, rowY(2));
    EXPECT_EQ(opened, QStringList{files[2]});
    events().pageMouseUp(rowY(2));

    events().pageMouseDown(Qt::RightButton, Qt::ShiftModifier, rowY(0));
    events().pageMouseUp(rowY(0));
    EXPECT_EQ(entryPaths(), files) << "Shift+right does nothing";

    events().pageMouseDown(Qt::RightButton, Qt::ControlModifier, rowY(0));
    events().pageMouseUp(rowY(0));
    EXPECT_EQ(entryPaths(), files.mid(1));
    EXPECT_TRUE(display().pageText().startsWith(QStringLiteral("  1. s2")));
}

TEST_F(PlaylistDisplayTest, DraggingMovesTheEntryAndItsLength) {
    const QStringList files = numberedSongs(7);
    for (int i = 0; i < files.size(); ++i) playlist->entries().append(files[i], (i + 1) * 1000);
    refresh();
    struct Case {
        const char* name;
        int from;
        int to;
        QStringList order;
    } cases[] = {
        {"5 onto 2", 4, 1, {"s1", "s5", "s2", "s3", "s4", "s6", "s7"}},
        {"back down", 1, 4, {"s1", "s2", "s3", "s4", "s5", "s6", "s7"}},
        {"plain click", 3, 3, {"s1", "s2", "s3", "s4", "s5", "s6", "s7"}},
        {"first to last", 0, 6, {"s2", "s3", "s4", "s5", "s6", "s7", "s1"}},
    };
    for (const Case& c : cases) {
        display().selectRow(c.from);
        events().listMouseDown(Qt::LeftButton);
        events().listClick(c.to);  // the selection follows the pointer
        events().listMouseUp();
        EXPECT_EQ(titlesInOrder(), c.order) << c.name;
        EXPECT_EQ(display().selectedRow(), c.to) << c.name;
        for (int i = 0; i < files.size(); ++i)
            EXPECT_EQ(playlist->entries().lengthMs(i), c.order[i].mid(1).toInt() * 1000) << c.name << " entry " << i;
        EXPECT_TRUE(display().lines().line(c.to).startsWith(QString::number(c.to + 1) + ". " + c.order[c.to]))
            << c.name;
    }
}

TEST_F(PlaylistDisplayTest, ReleaseAfterARightClickMovesNothing) {
    addEntries(numberedSongs(5));
    refresh();
    display().selectRow(4);
    events().listMouseDown(Qt::LeftButton);
    events().listClick(1);
    events().listMouseUp();
    const QStringList after = entryPaths();
    events().listMouseDown(Qt::RightButton);
    events().listClick(3);
    events().listMouseUp();
    EXPECT_EQ(entryPaths(), after) << "the earlier press is not used twice";
}

TEST_F(PlaylistDisplayTest, RefreshKeepsTheSelectionOrTakesTheLastLine) {
    addEntries(numberedSongs(6));
    QStringList clicked;
    playlist->hooks().entryClicked = [&](const QString& p) { clicked.append(p); };
    refresh();
    display().selectRow(3);
    clicked.clear();
    playlist->commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), 3);
    EXPECT_EQ(clicked, QStringList{entryPaths()[3]}) << "reselecting acts as a click";
    playlist->entries().remove(5);
    playlist->entries().remove(4);
    playlist->entries().remove(3);
    playlist->commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), 2) << "the list got shorter";
    playlist->entries().clear();
    playlist->commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), -1);
}

TEST_F(PlaylistDisplayTest, RangeRebuildTouchesOnlyItsLinesAndMeasuresOnlyThem) {
    const QStringList files = numberedSongs(5);
    addEntries(files.mid(0, 3));
    refresh();
    addEntries(files.mid(3));
    playlist->entries().setPath(0, QStringLiteral("/renamed.mp3"));
    display().PLRefreshItems(true, QStringLiteral("3%4"), false);
    EXPECT_EQ(display().lines().count(), 5);
    EXPECT_EQ(display().lines().line(0), QStringLiteral("1. s1 [0:00.00]")) << "outside the range: unchanged";
    EXPECT_EQ(display().lines().line(4), QStringLiteral("5. s5 [0:00.00]"));
    EXPECT_EQ(state.ChkSongLen, 3);
    EXPECT_EQ(state.ChkSongLenEND, 4);
    EXPECT_EQ(status.status(), QStringLiteral("準備進行歌曲長度測試中..."));
}

TEST_F(PlaylistDisplayTest, FullModeNeverShowsLinesLeftFromThePageView) {
    addEntries(numberedSongs(4));
    refresh();
    enterPageView(2);
    playlist->events().pageMouseDown(Qt::RightButton, Qt::ControlModifier, rowY(0));
    state.WindowMode = 0;
    display().PLRefreshItems(false, QStringLiteral("1%1"), false);
    ASSERT_EQ(display().lines().count(), 3);
    EXPECT_TRUE(display().lines().line(0).startsWith(QStringLiteral("1. s2")));
}

}  // namespace
