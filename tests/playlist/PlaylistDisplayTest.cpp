#include "PlaylistFixture.h"

namespace {

using PlaylistDisplayTest = PlaylistFixture;

// A line shows number, title, length or a missing file, and a lyric mark. The name label's total is marked while
// any entry is unmeasured; a total stops at the largest length instead of wrapping.
TEST_F(PlaylistDisplayTest, LinesShowEachEntryAndTotalsMarkUnmeasuredOnes) {
    for (const char* name : {"a.mp3", "b.wav", "Song.mp3", "d.e.mp3"}) songs.writeFile(name, "x");
    for (const char* lyric : {"Lyrics/Song.lyr", "Lyrics/d.e.lyr"}) dataDir.writeFile(lyric, "line");
    const struct { QString path; qint32 lengthMs; QString expected; } cases[] = {
        {songs.path("a.mp3"), 61234, "1. a [1:01.23]"}, {songs.path("b.wav"), 3600000, "2. b [60:00.00]"},
        {songs.path("Song.mp3"), 0, "3. Song [0:00.00] [歌詞]"}, {songs.path("d.e.mp3"), 5, "4. d.e [0:00.00] [歌詞]"},
        {songs.path("missing.mp3"), 1000, "5. missing [檔案不存在]"}, {QString(), 0, "6.  [檔案不存在]"},
        {songs.path(), 0, "7. " + QFileInfo(songs.path()).completeBaseName() + " [檔案不存在]"},
    };
    for (const auto& c : cases) playlist.entries().append(c.path, c.lengthMs);
    refresh();
    ASSERT_EQ(playlist.display().lines().count(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < playlist.display().lines().count(); ++i)
        EXPECT_EQ(playlist.display().lines().line(i), std::data(cases)[i].expected) << "line " << i;
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名  [＞61:02.23]");
    playlist.entries().clear();
    addEntries({"/a.mp3", "/b.mp3"}, 30000);
    EXPECT_EQ(playlist.entries().PLCountLengthS(), "1:00.00") << "every entry measured";
    addEntries(QStringList(1000, "/long.mp3"), 3'600'000);
    EXPECT_EQ(playlist.entries().PLCountLength(0, 1001), std::numeric_limits<qint32>::max()) << "no wrap";
}

// The page after a full page is empty; the buttons never go past it. On page 1 of 30 entries (indexes 27 to 29 in
// rows of 180 twips below a 15-twip edge) a point below the last row is no entry, the last one when clamped, or
// the row number when only the row is asked for. The scheduler turns to the page of the entry it starts.
TEST_F(PlaylistDisplayTest, PagesFollowTheButtonsAndTheSchedulerAndPointsMapToEntries) {
    const struct { int entries, lastPage; QString lastPageText; } cases[] = {
        {0, 0, ""}, {27, 1, ""}, {30, 1, "  28. s28 [0:01.00]\r\n  29. s29 [0:01.00]\r\n  30. s30 [0:01.00]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entries << " entries");
        playlist.entries().clear();
        addEntries(makeSongs(c.entries), 1000);
        enterPageView(1);
        refresh();
        for (int click = 0; click < 3; ++click) playlist.display().cmdlblPLPage_Click(1);
        EXPECT_TRUE(state.lblPLpage == c.lastPage && playlist.display().pageText() == c.lastPageText);
        EXPECT_EQ(playlist.display().lines().count(), 0) << "the hidden list box is left alone";
        for (int click = 0; click < 3; ++click) playlist.display().cmdlblPLPage_Click(0);
        EXPECT_EQ(state.lblPLpage, 0);
    }
    state.lblPLpage = 1;
    const struct { double y; bool clamp, rowOnly; int expected; } points[] = {
        {0, false, false, 27},   {194, false, false, 27}, {195, false, false, 28}, {375, false, false, 29},
        {555, false, false, -1}, {555, true, false, 29},  {555, false, true, 3},   {1e9, true, false, 29},
    };
    for (const auto& p : points)
        EXPECT_EQ(playlist.display().lblPLListIndex(p.y, p.clamp, p.rowOnly), p.expected)
            << "y " << p.y << " clamp " << p.clamp << " rowOnly " << p.rowOnly;
    playlist.scheduler().Start(1);  // no song device answers, so every tick starts the next entry
    for (int i = 0; i < 26; ++i) playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 26 && state.lblPLpage == 0 && playlist.display().markerTopTwips() == 26 * 180 + 375);
    playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 27 && state.lblPLpage == 1) << "entry 28 is on page 1";
    EXPECT_TRUE(playlist.display().markerTopTwips() == 375 && playlist.display().pageText().startsWith("  28. s28"));
}

// Left picks a row, right plays it, Ctrl+right removes it; Shift+right and presses below the last row do nothing.
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
        playlist.events().pageMouseDown(button, modifiers, 15 + row * 180 + 90);
        playlist.events().pageMouseUp(15 + releaseRow * 180 + 90);
    };
    press(Qt::LeftButton, Qt::NoModifier, 1, 1);
    EXPECT_TRUE(fileLink == files[1] && playlist.display().markerTopTwips() == 180 + 1695) << "marker on row 1";
    press(Qt::RightButton, Qt::NoModifier, 2, 2);
    press(Qt::RightButton, Qt::ShiftModifier, 0, 0);
    press(Qt::LeftButton, Qt::NoModifier, 7, 1);  // below the last row, released on a row
    press(Qt::RightButton, Qt::ControlModifier, 9, 9);
    EXPECT_TRUE(opened == QStringList{files[2]} && entryPaths() == files && fileLink.isEmpty()) << "path box emptied";
    press(Qt::RightButton, Qt::ControlModifier, 0, 0);
    EXPECT_TRUE(entryPaths() == files.mid(1) && playlist.display().pageText().startsWith("  1. s2"));
    state.WindowMode = 0;
    playlist.display().PLRefreshItems(false, "1%1", false);
    EXPECT_TRUE(playlist.display().lines().count() == 3 && playlist.display().lines().line(0).startsWith("1. s2"))
        << "the full mode keeps no line of a removed entry";
}

// In the full list a double click or Ctrl+Enter plays the selected entry. A drag moves an entry with its length
// (entry n is s<n> with n seconds). A refresh refreshes the browser first and selects the kept line again, which
// acts as a click on it. Delete removes the selected entry; when that was the last line, the new last is selected.
TEST_F(PlaylistDisplayTest, TheFullListPlaysDragsRefreshesAndRemoves) {
    const QStringList files = makeSongs(6);
    for (int i = 0; i < files.size(); ++i) playlist.entries().append(files[i], (i + 1) * 1000);
    refresh();
    playlist.events().listClick(1);
    playlist.events().listDoubleClick();
    playlist.events().listKeyDown(Qt::Key_Return, Qt::NoModifier);  // Enter alone plays nothing
    playlist.events().listKeyDown(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(starter.started, (QStringList{files[1], files[1]}));
    const struct { const char* name; int from, to; QString order; } cases[] = {
        {"5 onto 2", 4, 1, "152346"}, {"plain click", 3, 3, "152346"}, {"first to last", 0, 5, "523461"}};
    for (const auto& c : cases) {
        playlist.display().selectRow(c.from);
        playlist.events().listMouseDown(Qt::LeftButton);
        playlist.events().listClick(c.to);  // the selection follows the pointer
        playlist.events().listMouseUp();
        for (int i = 0; i < files.size(); ++i)
            EXPECT_EQ(playlist.display().lines().line(i), QString("%1. s%2 [0:0%2.00]").arg(i + 1).arg(c.order[i]))
                << c.name;
        EXPECT_EQ(playlist.display().selectedRow(), c.to) << c.name;
    }
    QStringList clicked;
    playlist.hooks().entryClicked = [&](const QString& p) { clicked.append(p); };
    playlist.hooks().refreshBrowser = [&] { clicked.append("browser"); };
    playlist.display().selectRow(3);
    clicked.clear();
    playlist.commands().mnuRefresh(0);
    EXPECT_TRUE(playlist.display().selectedRow() == 3 && clicked == (QStringList{"browser", entryPaths()[3]}));
    for (int row : {5, 4, 3}) playlist.entries().remove(row);
    playlist.commands().mnuRefresh(9);  // only the browser
    EXPECT_EQ(playlist.display().lines().count(), 6);
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(playlist.display().selectedRow(), 2) << "the list got shorter";
    playlist.events().listKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(entryPaths() == (QStringList{files[4], files[1]}) && playlist.display().selectedRow() == 1);
    for (int i = 0; i < 3; ++i) playlist.events().removeSelected();  // the last finds nothing selected
    playlist.commands().mnuRefresh(0);
    EXPECT_TRUE(playlist.entries().isEmpty() && playlist.display().selectedRow() == -1);
}

}  // namespace
