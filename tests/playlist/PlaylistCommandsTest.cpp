#include "PlaylistFixture.h"
#include "common/DataFolder.h"

namespace {

class PlaylistCommandsTest : public PlaylistFixture {
protected:
    PlaylistCommands& commands() { return playlist.commands(); }
};

TEST_F(PlaylistCommandsTest, FileCommandsWorkInTheDataFolder) {
    addEntries({"/a.mp3", "/b.mp3"});
    commands().mnuPLEvents(1);
    EXPECT_EQ(readWholeFile(DataFolder::defaultPlaylist()), "/a.mp3\r\n/b.mp3\r\n");
    playlist.entries().clear();
    commands().mnuPLEvents(0);
    EXPECT_EQ(state.UPlayList, DataFolder::defaultPlaylist());
    fakes.dialogs.openAnswers = {{}, {songs.writeFile("x.m3u", "/x.mp3\r\n")}};
    commands().mnuPLEvents(2);  // cancelled: nothing changes
    commands().mnuPLEvents(5);
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b.mp3", "/x.mp3"}));
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 2);
    EXPECT_EQ(fakes.dialogs.openRequests[1].title, "開啟PlayList");
    EXPECT_EQ(fakes.dialogs.openRequests[1].initialFolder, DataFolder::displayName());
}

TEST_F(PlaylistCommandsTest, SaveOnAnUnnamedPlaylistAsksLikeSaveAs) {
    addEntries({"/a.mp3"});
    const QString target = songs.path("chosen.ini");
    fakes.dialogs.saveAnswers = {target};
    commands().mnuPLEvents(3);
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, "儲存PlayList");
    EXPECT_EQ(fakes.dialogs.saveRequests[0].initialFolder, DataFolder::displayName());
    EXPECT_EQ(readWholeFile(target), "/a.mp3\r\n");
    EXPECT_EQ(state.UPlayList, target);
    commands().mnuPLEvents(3);
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 1) << "a named playlist saves without asking";
    commands().mnuPLEvents(4);
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 2) << "save as always asks; cancelled here";
    EXPECT_EQ(state.UPlayList, target);
}

// The browser's mp3 and wav files start a new playlist or join the open one;
// only the entries that came in are measured.
TEST_F(PlaylistCommandsTest, FolderSongsStartANewPlaylistOrJoinIt) {
    addEntries({"/a.mp3"});
    refresh();
    state.UPlayList = "/x.ini";
    commands().mnuOpenNewPL(0);
    EXPECT_TRUE(playlist.entries().isEmpty() && playlist.display().lines().count() == 0);
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名");
    QStringList folder = {"/f/a.MP3", "/f/b.wav", "/f/c.txt", "/f/d.mp3.bak"};
    playlist.hooks().browserFiles = [&] { return folder; };
    addEntries({"/old.mp3"});
    commands().mnuOpenNewPL(1);
    EXPECT_EQ(entryPaths(), (QStringList{"/f/a.MP3", "/f/b.wav"}));
    commands().cmdAddItem1();
    EXPECT_EQ(playlist.entries().count(), 4);
    EXPECT_EQ(playlist.display().lines().line(2), "3. a [檔案不存在]");
    EXPECT_TRUE(state.ChkSongLen == 2 && state.ChkSongLenEND == 3) << state.ChkSongLen << "%" << state.ChkSongLenEND;
    status.history.clear();
    folder = {"/f/c.txt"};
    commands().cmdAddItem1();
    EXPECT_TRUE(status.history.isEmpty()) << "nothing added, nothing rebuilt";
    commands().addPaths({"/f/x.txt"});
    EXPECT_EQ(playlist.entries().path(4), "/f/x.txt") << "selected files go in whatever their type";
    EXPECT_EQ(state.ChkSongLen, 4);
}

TEST_F(PlaylistCommandsTest, DetailsClickStepsThePassOption) {
    const int after[] = {2, 3, 4, 5, 6, 1};
    for (int entry = 1; entry <= 6; ++entry) {
        state.options.passEntry = entry;
        commands().lblPLDetails_Click();
        EXPECT_EQ(state.options.passEntry, after[entry - 1]) << "from entry " << entry;
        EXPECT_EQ(state.TotalPLRep, after[entry - 1] == 6 ? -1 : after[entry - 1]) << "from entry " << entry;
    }
    QList<int> chosen;
    playlist.hooks().selectPassEntry = [&](int e) { chosen.append(e); };
    commands().lblPLDetails_Click();
    EXPECT_EQ(chosen, QList<int>{2}) << "the option menu makes the choice when it is there";
}

TEST_F(PlaylistCommandsTest, ListEventsPlayAndRemove) {
    const QStringList files = makeSongs(3);
    addEntries(files);
    refresh();
    PlaylistViewEvents& events = playlist.events();
    events.listClick(1);
    events.listDoubleClick();
    events.listKeyDown(Qt::Key_Return, Qt::NoModifier);  // Enter alone plays nothing
    events.listKeyDown(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(starter.started, (QStringList{files[1], files[1]}));
    events.listClick(2);
    events.listKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(entryPaths(), files.mid(0, 2));
    EXPECT_EQ(playlist.display().selectedRow(), 1) << "the new last line";
    events.listClick(0);
    events.removeSelected();
    events.removeSelected();
    EXPECT_TRUE(playlist.entries().isEmpty());
    EXPECT_EQ(playlist.display().selectedRow(), -1);
    events.removeSelected();  // nothing selected: nothing happens
}

// No song device answers here, so every tick starts the next entry.
TEST_F(PlaylistCommandsTest, SchedulerShowsThePlayingEntryInEitherView) {
    addEntries(makeSongs(2));
    refresh();
    playlist.scheduler().Start(1);
    playlist.scheduler().tick();
    EXPECT_EQ(playlist.display().selectedRow(), 1) << "the full mode selects the playing line";
    playlist.scheduler().Stop();
    playlist.entries().clear();
    addEntries(makeSongs(20));
    enterPageView(2);
    refresh();
    playlist.scheduler().Start(1);
    for (int i = 0; i < 14; ++i) playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 14 && state.lblPLpage == 0);
    EXPECT_EQ(playlist.display().markerTopTwips(), 14 * 180 + 1695);
    playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 15 && state.lblPLpage == 1) << "entry 16 is on page 1";
    EXPECT_EQ(playlist.display().markerTopTwips(), 1695) << "first row of page 1";
    EXPECT_TRUE(playlist.display().pageText().startsWith("  16. s16"));
}

TEST_F(PlaylistCommandsTest, ShuffleMenuKeepsTheEntries) {
    playlist.mnuRandomizePL();
    EXPECT_TRUE(playlist.entries().isEmpty());
    QStringList many;
    for (int i = 0; i < 50; ++i) many.append(QStringLiteral("/%1.mp3").arg(i));
    addEntries(many);
    playlist.mnuRandomizePL();
    QStringList shuffled = entryPaths();
    EXPECT_NE(shuffled, many) << "50 entries in the same order after a shuffle";
    shuffled.sort();
    many.sort();
    EXPECT_EQ(shuffled, many) << "the same entries";
}

}  // namespace
