#include <QHash>

#include "PlaylistFixture.h"
#include "common/DataFolder.h"

namespace {

// The media engine knows a length per file for the length test; a file it does not know cannot be opened and
// measures 0.
class PlaylistCommandsTest : public PlaylistFixture {
protected:
    PlaylistCommandsTest() {
        fakes.mci.onCommand = [this](const QString& command, MciReply& reply) {
            if (command.startsWith(QStringLiteral("Open \""))) opened = command.section(u'"', 1, 1);
            if (command == QStringLiteral("Status tmpFile length")) {
                reply.text = lengths.contains(opened) ? QString::number(lengths.value(opened)) : QString();
                ++measured;
            }
        };
    }
    SongLengthTest& test() { return playlist.lengthTest(); }

    QHash<QString, qint32> lengths;
    QString opened;
    int measured = 0;
};

// Saving asks for a name only while the playlist has none; the file boxes start in the data folder.
TEST_F(PlaylistCommandsTest, FileCommandsWorkInTheDataFolder) {
    addEntries({"/a.mp3"});
    const QString target = songs.path("chosen.ini");
    fakes.dialogs.saveAnswers = {target};
    playlist.commands().mnuPLEvents(3);
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, "儲存PlayList");
    EXPECT_EQ(fakes.dialogs.saveRequests[0].initialFolder, DataFolder::displayName());
    EXPECT_TRUE(readWholeFile(target) == "/a.mp3\r\n" && state.UPlayList == target);
    addEntries({"/b.mp3"});
    playlist.commands().mnuPLEvents(3);
    EXPECT_TRUE(fakes.dialogs.saveRequests.size() == 1 && readWholeFile(target) == "/a.mp3\r\n/b.mp3\r\n") << "named";
    playlist.commands().mnuPLEvents(4);
    EXPECT_TRUE(fakes.dialogs.saveRequests.size() == 2 && state.UPlayList == target) << "save as asks; cancelled";
    playlist.commands().mnuPLEvents(1);
    playlist.entries().clear();
    playlist.commands().mnuPLEvents(0);
    EXPECT_TRUE(state.UPlayList == DataFolder::defaultPlaylist() && entryPaths().size() == 2) << "the default list";
    fakes.dialogs.openAnswers = {{}, {songs.writeFile("x.m3u", "/x.mp3\r\n")}};
    playlist.commands().mnuPLEvents(2);  // cancelled: nothing changes
    playlist.commands().mnuPLEvents(5);
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b.mp3", "/x.mp3"}));
    EXPECT_EQ(fakes.dialogs.openRequests.value(1).title, "開啟PlayList");
}

// The browser's mp3 and wav files start a new playlist or join the open one; only the newcomers are measured.
TEST_F(PlaylistCommandsTest, FolderSongsStartANewPlaylistOrJoinIt) {
    addEntries({"/a.mp3"});
    state.UPlayList = "/x.ini";
    playlist.commands().mnuOpenNewPL(0);
    EXPECT_TRUE(playlist.entries().isEmpty() && playlist.labels().nameCaption() == "PlayList 名稱: 未命名");
    QStringList folder = {"/f/a.MP3", "/f/b.wav", "/f/c.txt", "/f/d.mp3.bak"};
    playlist.hooks().browserFiles = [&] { return folder; };
    addEntries({"/old.mp3"});
    playlist.commands().mnuOpenNewPL(1);
    playlist.commands().cmdAddItem1();
    EXPECT_EQ(entryPaths(), (QStringList{"/f/a.MP3", "/f/b.wav", "/f/a.MP3", "/f/b.wav"}));
    EXPECT_EQ(playlist.display().lines().line(2), "3. a [檔案不存在]");
    EXPECT_TRUE(state.ChkSongLen == 2 && state.ChkSongLenEND == 3) << state.ChkSongLen << "%" << state.ChkSongLenEND;
}

TEST_F(PlaylistCommandsTest, ListEventsPlayAndRemove) {
    const QStringList files = makeSongs(3);
    addEntries(files);
    refresh();
    playlist.events().listClick(1);
    playlist.events().listDoubleClick();
    playlist.events().listKeyDown(Qt::Key_Return, Qt::NoModifier);  // Enter alone plays nothing
    playlist.events().listKeyDown(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(starter.started, (QStringList{files[1], files[1]}));
    playlist.events().listClick(2);
    playlist.events().listKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(entryPaths() == files.mid(0, 2) && playlist.display().selectedRow() == 1) << "the new last line";
    for (int i = 0; i < 3; ++i) playlist.events().removeSelected();  // the last one finds nothing selected
    EXPECT_TRUE(playlist.entries().isEmpty() && playlist.display().selectedRow() == -1);
}

// No song device answers here, so every tick starts the next entry.
TEST_F(PlaylistCommandsTest, SchedulerShowsThePlayingEntryInEitherView) {
    addEntries(makeSongs(2));
    refresh();
    playlist.scheduler().Start(1);
    playlist.scheduler().tick();
    EXPECT_EQ(playlist.display().selectedRow(), 1) << "the full mode selects the playing line";
    playlist.scheduler().Stop();
    addEntries(makeSongs(20).mid(2));
    enterPageView(2);
    refresh();
    playlist.scheduler().Start(1);
    for (int i = 0; i < 14; ++i) playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 14 && state.lblPLpage == 0 && playlist.display().markerTopTwips() == 14 * 180 + 1695);
    playlist.scheduler().tick();
    EXPECT_TRUE(state.PlayNo == 15 && state.lblPLpage == 1) << "entry 16 is on page 1";
    EXPECT_EQ(playlist.display().markerTopTwips(), 1695) << "first row of page 1";
    EXPECT_TRUE(playlist.display().pageText().startsWith("  16. s16"));
}

// s4 cannot be opened (it is the song loaded for play) and takes that song's length. A test takes one tick per
// measured entry and a closing one.
TEST_F(PlaylistCommandsTest, QuickAndCompleteLengthTestsMeasureTheirEntries) {
    const QStringList files = makeSongs(4);
    lengths = {{files[0], 6000}, {files[1], 61234}, {files[2], 8000}};
    state.PSongLenL = 4321;
    const struct { const char* name; int menu; QList<int> unmeasured; int ticks; QList<qint32> lengthsMs; } cases[] = {
        {"quick over a measured list", 1, {}, 1, {1000, 1000, 1000, 1000}},
        {"quick", 1, {1, 3}, 3, {1000, 61234, 1000, 4321}},
        {"complete", 2, {1, 3}, 5, {6000, 61234, 8000, 4321}},
    };
    for (const auto& c : cases) {
        playlist.entries().clear();
        addEntries(files, 1000);
        for (int i : c.unmeasured) playlist.entries().setLength(i, 0);
        measured = 0;
        playlist.commands().mnuRefresh(c.menu);
        int ticks = 0;
        for (; test().isRunning() && ticks < 100; ++ticks) test().tick();
        EXPECT_TRUE(ticks == c.ticks && measured == c.ticks - 1) << c.name << ": " << ticks << " ticks";
        EXPECT_EQ(status.status(), "已經完成歌曲長度測試.") << c.name;
        for (int i = 0; i < files.size(); ++i) EXPECT_EQ(playlist.entries().lengthMs(i), c.lengthsMs[i]) << c.name << i;
    }
    EXPECT_TRUE(status.history.contains("歌曲長度測試中..(3/3)"));
    EXPECT_EQ(playlist.display().lines().line(1), "2. s2 [1:01.23]") << "the list shows the new lengths";
}

// The page view measures the page it shows; the stop menu or an emptied playlist ends a test.
TEST_F(PlaylistCommandsTest, StopMenuOrAnEmptiedPlaylistEndsTheLengthTest) {
    playlist.commands().mnuRefresh(2);
    EXPECT_FALSE(test().isRunning()) << "an empty playlist starts no test";
    addEntries(makeSongs(20));
    enterPageView(2);
    state.lblPLpage = 1;
    playlist.commands().mnuRefresh(2);
    EXPECT_TRUE(state.ChkSongLen == 15 && state.ChkSongLenEND == 19) << state.ChkSongLen << "%" << state.ChkSongLenEND;
    test().tick();
    playlist.commands().mnuRefresh(3);
    test().tick();
    EXPECT_TRUE(!test().isRunning() && measured == 1) << "a stopped test measures nothing more";
    EXPECT_EQ(status.status(), "已經全部完成歌曲長度測試!");
    playlist.commands().mnuRefresh(2);
    test().tick();
    playlist.entries().clear();
    test().tick();
    EXPECT_TRUE(!test().isRunning() && status.status() == "已經完成歌曲長度測試.");
}

}  // namespace
