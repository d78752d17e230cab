#include "PlaylistFixture.h"

namespace {

using PlaylistDisplayTest = PlaylistFixture;

// A line shows number, title, length or a missing file, and a lyric mark; the name label's total is marked while
// any entry is unmeasured and stops at the largest length instead of wrapping. A double click or Ctrl+Enter plays
// the selected entry. A click shows the entry's details and path only while the details are open. A refresh
// refreshes the browser first and selects the kept line again, which acts as a click on it. Delete removes the selected entry; when that was the last line, the new last is selected.
TEST_F(PlaylistDisplayTest, TheFullListShowsPlaysRefreshesAndRemovesEntries) {
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
    playlist.events().listClick(1);
    EXPECT_TRUE(info.details.isEmpty()) << "the details are closed: a click shows none";
    EXPECT_TRUE(pathBox.history.isEmpty()) << "the details are closed: the path box stays";
    playlist.events().listDoubleClick();
    playlist.events().listKeyDown(Qt::Key_Return, Qt::NoModifier);  // Enter alone plays nothing
    playlist.events().listKeyDown(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(starter.started, QStringList(2, songs.path("b.wav")));
    playlist.display().selectRow(3);
    info.open = InfoSection::Details;
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(playlist.display().selectedRow(), 3);
    EXPECT_EQ(browser.calls, QStringList{"refresh"});
    EXPECT_EQ(info.details, QStringList{songs.path("d.e.mp3")}) << "the kept selection shows its details";
    EXPECT_EQ(pathBox.value, songs.path("d.e.mp3")) << "and puts its path in the path box";
    for (int row : {6, 5, 4, 3}) playlist.entries().remove(row);
    playlist.commands().mnuRefresh(0);
    EXPECT_EQ(playlist.display().selectedRow(), 2) << "the list got shorter";
    playlist.events().listKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(entryPaths(), (QStringList{songs.path("a.mp3"), songs.path("b.wav")}));
    EXPECT_EQ(playlist.display().selectedRow(), 1) << "the new last line";
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名  [61:01.23]") << "every entry measured: no ＞";
    addEntries(QStringList(1000, "/long.mp3"), 3'600'000);
    EXPECT_EQ(playlist.entries().PLCountLength(0, 999), std::numeric_limits<qint32>::max()) << "no wrap";
}

// The page after a full page is empty; the buttons never go past it. On page 1 of 30 entries (indexes 27 to 29 in
// rows of 180 twips below a 15-twip edge) a point below the last row is no entry, the last one when clamped, or
// the row number when only the row is asked for. The scheduler turns to the page of the entry it starts.
TEST_F(PlaylistDisplayTest, PagesFollowTheButtonsAndTheSchedulerAndPointsMapToEntries) {
    const struct { int entries, lastPage; QString lastPageText; } cases[] = {
        {0, 0, ""}, {27, 1, ""}, {30, 1, "  28. s28 [0:01.00]\r\n  29. s29 [0:01.00]\r\n  30. s30 [0:01.00]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entries << " entries");
        addEntries(makeSongs(c.entries).mid(playlist.entries().count()), 1000);  // the songs not in the list yet
        enterPageView(1);
        refresh();
        for (int click = 0; click < 3; ++click) playlist.display().cmdlblPLPage_Click(1);
        EXPECT_EQ(std::tuple(state.lblPLpage, playlist.display().pageText()), std::tuple(c.lastPage, c.lastPageText));
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
    const auto playing = [&] { return std::tuple(state.PlayNo, state.lblPLpage, playlist.display().markerTopTwips()); };
    EXPECT_EQ(playing(), std::tuple(26, 0, 26 * 180 + 375)) << "entry 27: number, page, marker";
    playlist.scheduler().tick();
    EXPECT_EQ(playing(), std::tuple(27, 1, 375)) << "entry 28 is on page 1";
    EXPECT_TRUE(playlist.display().pageText().startsWith("  28. s28")) << playlist.display().pageText().toStdString();
}

}  // namespace
