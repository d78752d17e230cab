#include "PlaylistFixture.h"
#include "common/DataFolder.h"

namespace {

class PlaylistCommandsTest : public PlaylistFixture {
protected:
    PlaylistCommands& commands() { return playlist->commands(); }
};

TEST_F(PlaylistCommandsTest, CaptionsNameTheRealDataFolder) {
    const QStringList captions = PlaylistCommands::mnuPLEventsCaptions();
    ASSERT_EQ(captions.size(), 8);
    const QString folder = DataFolder::root();
    EXPECT_EQ(captions[0], QStringLiteral("載入預設PlayList (") + folder + QStringLiteral("playlist.ini)"));
    EXPECT_EQ(captions[1], QStringLiteral("儲存成預設PlayList (") + folder + QStringLiteral("playlist.ini)"));
    EXPECT_EQ(captions[2], QStringLiteral("載入PlayList (") + folder + QStringLiteral("...)"));
    EXPECT_EQ(captions[4], QStringLiteral("另存PlayList (") + folder + QStringLiteral("...)"));
    EXPECT_EQ(captions[7], QStringLiteral("刪除播放中的PlayList"));
}

TEST_F(PlaylistCommandsTest, DefaultPlaylistSavesAndLoads) {
    addEntries({"/a.mp3", "/b.mp3"});
    commands().mnuPLEvents(1);
    EXPECT_EQ(readWholeFile(DataFolder::defaultPlaylist()), QByteArray("/a.mp3\r\n/b.mp3\r\n"));
    playlist->entries().clear();
    commands().mnuPLEvents(0);
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b.mp3"}));
    EXPECT_EQ(state.UPlayList, DataFolder::defaultPlaylist());
}

TEST_F(PlaylistCommandsTest, DialogsOpenInTheDataFolderAndCancelDoesNothing) {
    const QString file = songs.writeFile(QStringLiteral("x.m3u"), "/x.mp3\r\n");
    fakes.dialogs.openAnswers = {{}, {file}, {file}};
    commands().mnuPLEvents(2);  // cancelled
    EXPECT_TRUE(playlist->entries().isEmpty());
    commands().mnuPLEvents(2);
    commands().mnuPLEvents(5);
    EXPECT_EQ(entryPaths(), (QStringList{"/x.mp3", "/x.mp3"}));
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 3);
    for (const FileDialogRequest& r : fakes.dialogs.openRequests) {
        EXPECT_EQ(r.title, QStringLiteral("開啟PlayList"));
        EXPECT_EQ(r.initialFolder, DataFolder::displayName());
        EXPECT_TRUE(r.filter.isEmpty());
        EXPECT_FALSE(r.multiSelect);
    }
}

TEST_F(PlaylistCommandsTest, SaveOnAnUnnamedPlaylistAsksLikeSaveAs) {
    addEntries({"/a.mp3"});
    const QString target = songs.path(QStringLiteral("chosen.ini"));
    fakes.dialogs.saveAnswers = {target};
    commands().mnuPLEvents(3);
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("儲存PlayList"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].initialFolder, DataFolder::displayName());
    EXPECT_EQ(state.UPlayList, target);
    commands().mnuPLEvents(3);
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 1) << "a named playlist saves without asking";
    commands().mnuPLEvents(4);
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 2) << "save as always asks; cancelled here";
    EXPECT_EQ(state.UPlayList, target);
}

TEST_F(PlaylistCommandsTest, NewPlaylistEmptiesEverythingAndCanTakeTheFolder) {
    addEntries({"/a.mp3"});
    refresh();
    state.UPlayList = QStringLiteral("/x.ini");
    commands().mnuOpenNewPL(0);
    EXPECT_TRUE(playlist->entries().isEmpty());
    EXPECT_EQ(playlist->display().lines().count(), 0);
    EXPECT_TRUE(state.UPlayList.isEmpty());
    EXPECT_EQ(playlist->labels().nameCaption(), QStringLiteral("PlayList 名稱: 未命名"));

    playlist->hooks().browserFiles = [] {
        return QStringList{"/f/a.MP3", "/f/b.wav", "/f/c.txt", "/f/d.mp3.bak", "/f/e.Wav"};
    };
    addEntries({"/old.mp3"});
    commands().mnuOpenNewPL(1);
    EXPECT_EQ(entryPaths(), (QStringList{"/f/a.MP3", "/f/b.wav", "/f/e.Wav"}));
    EXPECT_EQ(state.ChkSongLen, 0);
    EXPECT_EQ(state.ChkSongLenEND, 2);
}

TEST_F(PlaylistCommandsTest, AddFolderSongsMeasuresOnlyTheNewEntries) {
    addEntries({"/1.mp3", "/2.mp3", "/3.mp3", "/4.mp3", "/5.mp3"});
    refresh();
    playlist->hooks().browserFiles = [] { return QStringList{"/f/a.mp3", "/f/b.wav", "/f/c.wav"}; };
    commands().cmdAddItem1();
    EXPECT_EQ(playlist->entries().count(), 8);
    EXPECT_EQ(playlist->display().lines().line(5), QStringLiteral("6. a [檔案不存在]"));
    EXPECT_EQ(state.ChkSongLen, 5);
    EXPECT_EQ(state.ChkSongLenEND, 7);
    status.history.clear();
    playlist->hooks().browserFiles = [] { return QStringList{"/f/c.txt"}; };
    commands().cmdAddItem1();
    EXPECT_TRUE(status.history.isEmpty()) << "nothing added, nothing rebuilt";
    commands().addPaths({"/f/x.txt"});
    EXPECT_EQ(playlist->entries().path(8), QStringLiteral("/f/x.txt")) << "selected files go in whatever their type";
    EXPECT_EQ(state.ChkSongLen, 8);
    EXPECT_EQ(state.ChkSongLenEND, 8);
}

TEST_F(PlaylistCommandsTest, RestoreShowsTheDataFolderAndExplains) {
    QString shown;
    playlist->hooks().changeDirPath = [&](const QString& f) { shown = f; };
    commands().mnuRestorePlayList();
    EXPECT_EQ(shown, DataFolder::root());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("要回復PlayList, 只需在檔案$BackUp1-$BackUp5上雙擊就就行了!不過請記緊另存新檔!"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Information);
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
    playlist->hooks().selectPassEntry = [&](int e) { chosen.append(e); };
    state.options.passEntry = 6;
    commands().lblPLDetails_Click();
    EXPECT_EQ(chosen, QList<int>{1}) << "the option menu makes the choice when it is there";
}

TEST_F(PlaylistCommandsTest, RefreshMenuAlwaysRefreshesTheBrowserFirst) {
    int browserRefreshes = 0;
    playlist->hooks().refreshBrowser = [&] { ++browserRefreshes; };
    addEntries({"/a.mp3"});
    commands().mnuRefresh(9);
    EXPECT_EQ(browserRefreshes, 1);
    EXPECT_EQ(playlist->display().lines().count(), 0) << "index 9 refreshes only the browser";
    commands().mnuRefresh(0);
    EXPECT_EQ(browserRefreshes, 2);
    EXPECT_EQ(playlist->display().lines().count(), 1);
}

TEST_F(PlaylistCommandsTest, ListEventsPlayAndRemove) {
    const QStringList files = makeSongs({"a.mp3", "b.mp3", "c.mp3"});
    addEntries(files);
    refresh();
    QString fileLink;
    playlist->hooks().setFileLink = [&](const QString& t) { fileLink = t; };
    playlist->events().listClick(1);
    playlist->events().listDoubleClick();
    EXPECT_EQ(fileLink, files[1]);
    EXPECT_EQ(starter.started, QStringList{files[1]});
    playlist->events().listKeyDown(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(starter.started.size(), 2);
    playlist->events().listKeyDown(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(starter.started.size(), 2) << "Enter alone plays nothing";

    playlist->events().listClick(2);
    playlist->events().listKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(entryPaths(), files.mid(0, 2));
    EXPECT_EQ(playlist->display().selectedRow(), 1) << "the new last line";
    playlist->events().listClick(0);
    playlist->events().removeSelected();
    playlist->events().removeSelected();
    EXPECT_TRUE(playlist->entries().isEmpty());
    EXPECT_EQ(playlist->display().selectedRow(), -1);
    playlist->events().removeSelected();  // nothing selected: nothing happens
}

TEST_F(PlaylistCommandsTest, SchedulerTurnsThePageToThePlayingEntry) {
    QStringList names;
    for (int i = 1; i <= 20; ++i) names.append(QStringLiteral("s%1.mp3").arg(i));
    addEntries(makeSongs(names));
    state.WindowMode = 2;
    state.lblPLItemNo = 15;
    state.ShiftConst[1] = 1695;
    refresh();
    // No song device answers, so every tick starts the next entry.
    playlist->scheduler().Start(1);
    for (int i = 0; i < 14; ++i) playlist->scheduler().tick();
    EXPECT_EQ(state.PlayNo, 14);
    EXPECT_EQ(state.lblPLpage, 0);
    EXPECT_EQ(playlist->display().markerTopTwips(), 14 * 180 + 1695);
    playlist->scheduler().tick();
    EXPECT_EQ(state.PlayNo, 15);
    EXPECT_EQ(state.lblPLpage, 1);
    EXPECT_EQ(playlist->display().markerTopTwips(), 1695) << "first row of page 1";
    EXPECT_TRUE(playlist->display().pageText().startsWith(QStringLiteral("  16. s16")));
    EXPECT_EQ(starter.started.last(), entryPaths()[15]);
}

TEST_F(PlaylistCommandsTest, SchedulerSelectsThePlayingLineInTheFullMode) {
    addEntries(makeSongs({"a.mp3", "b.mp3"}));
    refresh();
    playlist->scheduler().Start(1);
    EXPECT_EQ(playlist->display().selectedRow(), 0);
    playlist->scheduler().tick();
    EXPECT_EQ(playlist->display().selectedRow(), 1);
}

TEST_F(PlaylistCommandsTest, ShuffleKeepsOneEntryAndIgnoresAnEmptyList) {
    playlist->mnuRandomizePL();
    EXPECT_TRUE(playlist->entries().isEmpty());
    addEntries({"/only.mp3"}, 1234);
    playlist->mnuRandomizePL();
    EXPECT_EQ(entryPaths(), QStringList{"/only.mp3"});
    EXPECT_EQ(playlist->entries().lengthMs(0), 1234);
    QStringList many;
    for (int i = 0; i < 50; ++i) many.append(QStringLiteral("/%1.mp3").arg(i));
    playlist->entries().clear();
    addEntries(many);
    playlist->mnuRandomizePL();
    QStringList shuffled = entryPaths();
    EXPECT_NE(shuffled, many) << "50 entries in the same order after a shuffle";
    shuffled.sort();
    many.sort();
    EXPECT_EQ(shuffled, many) << "the same entries";
}

}  // namespace
