#include <QFile>

#include "PlaylistFixture.h"
#include "playlist/SongFileIndex.h"

namespace {

class PlaylistDisplayTest : public PlaylistFixture {
protected:
    PlaylistDisplay& display() { return playlist.display(); }
    PlaylistViewEvents& events() { return playlist.events(); }
    QStringList titlesInOrder() {
        QStringList titles;
        for (const QString& p : entryPaths()) titles.append(QFileInfo(p).completeBaseName());
        return titles;
    }
    // y (twips from the page label's top) of a row's middle.
    static double rowY(int row) { return 15 + row * 180 + 90; }
};

TEST_F(PlaylistDisplayTest, DisplayLineShowsNumberTitleLengthAndLyricMark) {
    for (const char* name : {"a.mp3", "b.wav", "Song.mp3", "d.e.mp3"}) songs.writeFile(name, "x");
    for (const char* lyric : {"Lyrics/Song.lyr", "Lyrics/d.e.lyr"}) data.dir().writeFile(lyric, "line");
    const struct {
        QString path;
        qint32 lengthMs;
        QString expected;
    } cases[] = {
        {songs.path("a.mp3"), 61234, "1. a [1:01.23]"},
        {songs.path("b.wav"), 3600000, "2. b [60:00.00]"},
        {songs.path("Song.mp3"), 0, "3. Song [0:00.00] [歌詞]"},
        {songs.path("d.e.mp3"), 5, "4. d.e [0:00.00] [歌詞]"},
        {songs.path("missing.mp3"), 1000, "5. missing [檔案不存在]"},
        {songs.path(), 0, "6. " + QFileInfo(songs.path()).completeBaseName() + " [檔案不存在]"},
        {QString(), 0, "7.  [檔案不存在]"},
    };
    for (const auto& c : cases) playlist.entries().append(c.path, c.lengthMs);
    refresh();
    ASSERT_EQ(display().lines().count(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < display().lines().count(); ++i)
        EXPECT_EQ(display().lines().line(i), std::data(cases)[i].expected) << "line " << i;
}

TEST_F(PlaylistDisplayTest, TotalsMarkUnmeasuredEntriesAndStopAtTheLimit) {
    addEntries({"/a.mp3", "/b.mp3"}, 30000);
    EXPECT_EQ(playlist.entries().PLCountLengthS(), "1:00.00");
    addEntries({"/c.mp3"}, 0);
    refresh();
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名  [＞1:00.00]");
    EXPECT_EQ(playlist.entries().PLCountLength(1, 2), 30000);
    addEntries(QStringList(1000, "/long.mp3"), 3'600'000);
    EXPECT_EQ(playlist.entries().PLCountLength(0, 1002), std::numeric_limits<qint32>::max()) << "no wrap";
}

TEST_F(PlaylistDisplayTest, PageButtonsStopAtTheLastPage) {
    const struct {
        int entries;
        int lastPage;
        QString lastPageText;
    } cases[] = {
        {30, 1, "  28. s28 [0:01.00]\r\n  29. s29 [0:01.00]\r\n  30. s30 [0:01.00]"},
        {27, 1, ""},  // the page after a full page is empty
        {3, 0, "  1. s1 [0:01.00]\r\n  2. s2 [0:01.00]\r\n  3. s3 [0:01.00]"},
        {0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entries << " entries");
        playlist.entries().clear();
        addEntries(makeSongs(c.entries), 1000);
        enterPageView(1);
        refresh();
        for (int click = 0; click < 3; ++click) display().cmdlblPLPage_Click(1);
        EXPECT_EQ(state.lblPLpage, c.lastPage);
        EXPECT_EQ(display().pageText(), c.lastPageText);
        EXPECT_EQ(display().lines().count(), 0) << "the hidden list box is left alone";
        for (int click = 0; click < 3; ++click) display().cmdlblPLPage_Click(0);
        EXPECT_EQ(state.lblPLpage, 0);
    }
}

TEST_F(PlaylistDisplayTest, PointerRowsMapToEntries) {
    addEntries(makeSongs(30));
    enterPageView(1);
    state.lblPLpage = 1;
    const struct {
        double y;
        bool clamp, rowOnly;
        int expected;
    } cases[] = {
        {0, false, false, 27},   {15, false, false, 27},  {194, false, false, 27}, {195, false, false, 28},
        {375, false, false, 29}, {555, false, false, -1}, {555, true, false, 29},  {555, false, true, 3},
        {1e9, false, false, -1}, {1e9, true, false, 29},  {375, false, true, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(display().lblPLListIndex(c.y, c.clamp, c.rowOnly), c.expected)
            << "y " << c.y << " clamp " << c.clamp << " rowOnly " << c.rowOnly;
}

TEST_F(PlaylistDisplayTest, PageViewPressesPickPlayOrRemove) {
    const QStringList files = makeSongs(4);
    addEntries(files);
    refresh();  // the full mode's lines, left behind when the view changes
    enterPageView(2);
    refresh();
    QString fileLink;
    QStringList opened;
    playlist.hooks().setFileLink = [&](const QString& t) { fileLink = t; };
    playlist.hooks().openByType = [&](const QString& p) { opened.append(p); };
    const auto press = [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int row, int releaseRow) {
        events().pageMouseDown(button, modifiers, rowY(row));
        events().pageMouseUp(rowY(releaseRow));
    };
    press(Qt::LeftButton, Qt::NoModifier, 1, 1);
    EXPECT_EQ(fileLink, files[1]);
    EXPECT_EQ(display().markerTopTwips(), 180 + 1695) << "marker on row 1";
    press(Qt::RightButton, Qt::NoModifier, 2, 2);
    EXPECT_EQ(opened, QStringList{files[2]});
    press(Qt::RightButton, Qt::ShiftModifier, 0, 0);
    press(Qt::LeftButton, Qt::NoModifier, 7, 1);  // below the last row, released on a row
    EXPECT_TRUE(fileLink.isEmpty()) << "the path box is emptied";
    press(Qt::RightButton, Qt::ControlModifier, 9, 9);
    EXPECT_EQ(entryPaths(), files) << "Shift+right and presses below the last row change nothing";
    press(Qt::RightButton, Qt::ControlModifier, 0, 0);
    EXPECT_EQ(entryPaths(), files.mid(1));
    EXPECT_TRUE(display().pageText().startsWith("  1. s2"));
    state.WindowMode = 0;
    display().PLRefreshItems(false, "1%1", false);
    EXPECT_EQ(display().lines().count(), 3) << "the full mode keeps no line of a removed entry";
    EXPECT_TRUE(display().lines().line(0).startsWith("1. s2"));
}

TEST_F(PlaylistDisplayTest, DraggingMovesTheEntryAndItsLength) {
    const QStringList files = makeSongs(7);
    for (int i = 0; i < files.size(); ++i) playlist.entries().append(files[i], (i + 1) * 1000);
    refresh();
    const struct {
        const char* name;
        int from, to;
        QStringList order;
    } cases[] = {
        {"5 onto 2", 4, 1, {"s1", "s5", "s2", "s3", "s4", "s6", "s7"}},
        {"back down", 1, 4, {"s1", "s2", "s3", "s4", "s5", "s6", "s7"}},
        {"plain click", 3, 3, {"s1", "s2", "s3", "s4", "s5", "s6", "s7"}},
        {"first to last", 0, 6, {"s2", "s3", "s4", "s5", "s6", "s7", "s1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        display().selectRow(c.from);
        events().listMouseDown(Qt::LeftButton);
        events().listClick(c.to);  // the selection follows the pointer
        events().listMouseUp();
        EXPECT_EQ(titlesInOrder(), c.order);
        EXPECT_EQ(display().selectedRow(), c.to);
        for (int i = 0; i < files.size(); ++i)
            EXPECT_EQ(playlist.entries().lengthMs(i), c.order[i].mid(1).toInt() * 1000) << "entry " << i;
        EXPECT_TRUE(display().lines().line(c.to).startsWith(QString::number(c.to + 1) + ". " + c.order[c.to]));
    }
    // A right press starts no drag, and the last left press is not used twice.
    events().listMouseDown(Qt::RightButton);
    events().listClick(3);
    events().listMouseUp();
    EXPECT_EQ(titlesInOrder(), std::data(cases)[3].order) << "right press";
}

TEST_F(PlaylistDisplayTest, RefreshKeepsTheSelectionOrTakesTheLastLine) {
    addEntries(makeSongs(6));
    QStringList clicked;
    playlist.hooks().entryClicked = [&](const QString& p) { clicked.append(p); };
    playlist.hooks().refreshBrowser = [&] { clicked.append("browser"); };
    refresh();
    display().selectRow(3);
    clicked.clear();
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), 3);
    EXPECT_EQ(clicked, (QStringList{"browser", entryPaths()[3]})) << "the browser first; reselecting acts as a click";
    for (int row : {5, 4, 3}) playlist.entries().remove(row);
    playlist.commands().mnuRefresh(9);  // only the browser
    EXPECT_EQ(display().lines().count(), 6);
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), 2) << "the list got shorter";
    playlist.entries().clear();
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(display().selectedRow(), -1);
}

// A folder read whole must give the same answers as asking about each file,
// for every kind of entry a folder can hold.
TEST(SongFileIndexTest, FolderReadAgreesWithDirectLookups) {
    TempDir dir;
    for (const char* name : {"s0.mp3", "s3.mp3", ".hidden.mp3", "空白 名.mp3"}) dir.writeFile(name, "x");
    dir.makeDir("sub.mp3");
    QFile::link(dir.path("s0.mp3"), dir.path("link.mp3"));
    QFile::link(dir.path("gone.mp3"), dir.path("broken.mp3"));
    const QStringList names = {"s0.mp3",     ".hidden.mp3", "空白 名.mp3", "sub.mp3", "link.mp3",
                               "broken.mp3", "missing.mp3", "S0.MP3",      ""};
    PlaylistEntries entries;
    for (int i = 0; i < SongFileIndex::kListThreshold; ++i)
        for (const QString& name : names) entries.append(dir.path() + u'/' + name);
    for (const QString& odd : {dir.path() + "//s0.mp3", QChar(0) + dir.path("s0.mp3"), QString()}) entries.append(odd);
    const SongFileIndex index(entries, 0, entries.count() - 1);
    for (const QString& path : entries.paths()) {
        const bool expected = !path.contains(QChar(0)) && !path.isEmpty() && QFileInfo(path).isFile();
        EXPECT_EQ(index.isFile(path), expected) << path.toStdString();
    }
    EXPECT_TRUE(index.isFile(dir.path("s3.mp3"))) << "a file no entry names";
}

}  // namespace
