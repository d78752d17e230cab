#include <QFile>
#include <QHash>

#include "PlaylistFixture.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"

namespace {

// The engine measures the files in `lengths` for the length test; any other file cannot be opened and measures 0.
class PlaylistStoreTest : public PlaylistFixture {
protected:
    PlaylistStoreTest() {
        fakes.mci.onCommand = [this](const QString& command, MciReply& reply) {
            if (command.startsWith(QStringLiteral("Open \""))) opened = command.section(u'"', 1, 1);
            if (command == QStringLiteral("Status tmpFile length")) {
                reply.text = lengths.contains(opened) ? QString::number(lengths.value(opened)) : QString();
                ++measured;
            }
        };
    }
    PlaylistStore& store() { return playlist.store(); }
    SongLengthTest& test() { return playlist.lengthTest(); }
    ::testing::AssertionResult statusSaid(const QString& text, const QString& path) {
        if (status.history.contains(text + " (" + path + ") [13:30:00]")) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the status line said " << status.history.join(u'|').toStdString();
    }

    QHash<QString, qint32> lengths;
    QString opened;
    int measured = 0;
};

// Loading replaces and names the playlist, inserting appends under the old name, a missing file changes nothing.
// A line trimmed of spaces (tabs stay) is an entry unless blank; CR, LF and CRLF end lines. Reading stops at the
// largest playlist: the entries left out are not read, so the message cannot count them.
TEST_F(PlaylistStoreTest, LoadReplacesOrInsertsAnyFileAndAMissingFileChangesNothing) {
    addEntries({"/old.mp3"});
    QString path = "  " + songs.writeFile("list.ini", "\r\n  /a.mp3  \r\n   \r\n/b c.mp3\r\t/t.mp3\n") + u' ';
    ASSERT_TRUE(store().PLLoadFile(path, false));
    EXPECT_EQ(path, songs.path("list.ini")) << "the caller's path is trimmed";
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b c.mp3", "\t/t.mp3"}));
    EXPECT_EQ(state.UPlayList, path);
    EXPECT_TRUE(statusSaid("PlayList 載入成功", path));
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: list.ini  [＞0:00.00]");
    EXPECT_TRUE(playlist.lengthTest().isRunning()) << "every entry is measured";
    EXPECT_EQ(state.ChkSongLenEND, 2) << "every entry is measured";
    const QString extra = songs.writeFile("extra.ini", "/x.mp3\r\n");
    for (int twice = 0; twice < 2; ++twice) ASSERT_TRUE(store().PLLoadFile(extra, true));
    EXPECT_EQ(entryPaths().mid(3), (QStringList{"/x.mp3", "/x.mp3"})) << "appended, duplicates kept";
    EXPECT_EQ(state.UPlayList, path) << "inserting keeps the name";
    EXPECT_TRUE(statusSaid("PlayList 插入成功", extra));
    for (const QString& missing : {songs.path("none.ini"), QString(), songs.path()}) {
        fakes.dialogs.messages.clear();
        EXPECT_FALSE(store().PLLoadFile(missing, false));
        EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"PlayList 載入失敗!檔案不存在!(" + missing + u')'});
        EXPECT_EQ(std::tuple(entryPaths().size(), state.UPlayList), std::tuple(5, path)) << missing.toStdString();
    }
    QByteArray big;
    for (int i = 0; i < PlaylistEntries::kMaxEntries + 3; ++i) big += "/s" + QByteArray::number(i) + ".mp3\r\n";
    const QString bigFile = songs.writeFile("big.ini", big), full = "PlayList 最多只能有 32767 首歌曲, 其餘的歌曲沒有被載入.\r\n";
    fakes.dialogs.messages.clear();
    for (const bool insert : {false, true}) ASSERT_TRUE(store().PLLoadFile(insert ? extra : bigFile, insert));
    EXPECT_EQ(playlist.entries().count(), PlaylistEntries::kMaxEntries);
    EXPECT_EQ(entryPaths().last(), "/s32766.mp3");
    EXPECT_EQ(playlist.display().lines().count(), PlaylistEntries::kMaxEntries);
    EXPECT_EQ(fakes.dialogs.messageTexts(), (QStringList{full + bigFile, full + extra})) << "the file, then the insert";
}

// Every save first backs up the file it replaces: each slot holds the file as it was before the save that used
// it, and the sixth save uses slot 1 again. A save onto the slot next in turn cannot back itself up, but goes on.
// A failed save keeps the old file and the playlist's name.
TEST_F(PlaylistStoreTest, SavesBackUpTheOldFileAndAFailedSaveKeepsIt) {
    const QString file = songs.writeFile("list.ini", "/save0.mp3\r\n");
    for (int save = 1; save <= 6; ++save) {
        playlist.entries().clear();
        addEntries({QStringLiteral("/save%1.mp3").arg(save)});
        EXPECT_EQ(state.PLBackUpNo, (save - 1) % 5 + 1) << "before save " << save;
        ASSERT_TRUE(store().PLSaveFile(file)) << "save " << save;
    }
    const char* expected[] = {"/save5.mp3\r\n", "/save1.mp3\r\n", "/save2.mp3\r\n", "/save3.mp3\r\n", "/save4.mp3\r\n"};
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(readWholeFile(DataFolder::backupFile(slot)), QByteArray(expected[slot - 1])) << "slot " << slot;
    EXPECT_EQ(readWholeFile(file), "/save6.mp3\r\n");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    const QString slot2 = DataFolder::backupFile(2);
    ASSERT_TRUE(store().PLSaveFile(slot2));
    EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"不能備份檔案,因要儲存的PlayList名稱和將要備份的檔案名一樣!"});
    EXPECT_EQ(std::tuple(state.PLBackUpNo, readWholeFile(slot2), state.UPlayList),
              std::tuple(quint8{2}, QByteArray("/save6.mp3\r\n"), slot2)) << "backup number, slot 2, name";
    const QString old = songs.writeFile("old.ini", "/old.mp3\r\n"), noFolder = songs.path("no/such/list.ini");
    state.UPlayList = "/other.ini";
    playlist.entries().clear();
    EXPECT_FALSE(store().PLSaveFile(old)) << "an empty playlist";
    addEntries({"/a.mp3"});
    EXPECT_FALSE(store().PLSaveFile(noFolder)) << "no such folder";
    const auto failed = [](const QString& file) { return "PlayList 儲存失敗!(" + file + ")\r\n可能是PlayList內沒有歌曲."; };
    EXPECT_EQ(fakes.dialogs.messageTexts().mid(1), (QStringList{failed(old), failed(noFolder)}));
    EXPECT_EQ(readWholeFile(old), "/old.mp3\r\n") << "the file kept";
    EXPECT_EQ(state.UPlayList, "/other.ini") << "the name kept";
    EXPECT_EQ(std::tuple(readWholeFile(slot2), state.PLBackUpNo), std::tuple(QByteArray("/old.mp3\r\n"), quint8{3}))
        << "backed up first";
}

// Rename and delete need an open file. The file boxes start in the data folder; saving asks for a name only while
// the playlist has none; lengths are not saved. Rename never overwrites a file. A new playlist is unnamed and takes
// the browser's mp3 and wav files. Delete asks first and leaves the entries, unnamed.
TEST_F(PlaylistStoreTest, FileMenuCommandsInOneSession) {
    playlist.commands().mnuPLEvents(6);
    playlist.commands().mnuPLEvents(7);
    EXPECT_EQ(status.history, QStringList(2, "沒有載入PlayList, 或PlayList檔案不存在.")) << "rename and delete";
    EXPECT_TRUE(fakes.dialogs.inputs.isEmpty()) << "no name asked";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << "no question asked";
    QStringList paths = {"/音樂/a.mp3", "/b.mp3"};
    addEntries(paths, 61234);
    const QString target = songs.path("chosen.ini"), renamed = songs.path("new.m3u");
    fakes.dialogs.saveAnswers = {target};
    playlist.commands().mnuPLEvents(3);
    EXPECT_EQ(fakes.dialogs.saveRequests.value(0).initialFolder, DataFolder::displayName());
    EXPECT_EQ(readWholeFile(target), CodePage::toCp950Lossy(paths.join("\r\n") + "\r\n")) << "code page 950";
    EXPECT_EQ(state.UPlayList, target);
    EXPECT_TRUE(statusSaid("PlayList 儲存成功", target));
    playlist.commands().mnuPLEvents(3);  // named now: saved without asking
    playlist.commands().mnuPLEvents(4);
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 2) << "save as asks";
    EXPECT_EQ(state.UPlayList, target) << "cancelled";
    fakes.dialogs.openAnswers = {{}, {songs.writeFile("x.m3u", CodePage::toCp950Lossy("/歌/x.mp3\r\n"))}, {renamed}};
    playlist.commands().mnuPLEvents(2);  // cancelled: nothing changes
    playlist.commands().mnuPLEvents(5);
    EXPECT_EQ(entryPaths(), paths + QStringList{"/歌/x.mp3"}) << "inserted from a file in the code page";
    songs.writeFile("taken.ini", "/t.mp3\r\n");
    fakes.dialogs.inputAnswers = {"taken.ini", "  new.m3u  "};
    playlist.commands().mnuPLEvents(6);
    EXPECT_EQ(state.UPlayList, target) << "a taken name";
    EXPECT_EQ(readWholeFile(songs.path("taken.ini")), "/t.mp3\r\n") << "a taken name";
    EXPECT_EQ(status.status(), "PlayList 名稱修改失敗 [taken.ini]") << "a taken name";
    playlist.commands().mnuPLEvents(6);
    EXPECT_EQ(state.UPlayList, renamed);
    EXPECT_EQ(std::tuple(QFile::exists(renamed), QFile::exists(target)), std::tuple(true, false)) << "new, old name";
    EXPECT_EQ(status.status(), "PlayList 名稱修改成功 [new.m3u]");
    browser.names = {"a.MP3", "b.wav", "c.txt", "d.mp3.bak"};
    playlist.commands().mnuOpenNewPL(1);
    EXPECT_EQ(entryPaths(), (QStringList{"/f/a.MP3", "/f/b.wav"})) << "replaced";
    EXPECT_EQ(state.UPlayList, "") << "a new playlist is unnamed";
    playlist.commands().mnuPLEvents(2);  // the renamed file
    EXPECT_EQ(entryPaths(), paths) << "read back";
    EXPECT_EQ(playlist.entries().PLCountLength(0, 9999), 0) << "lengths are not saved";
    fakes.dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
    playlist.commands().mnuPLEvents(7);
    EXPECT_TRUE(QFile::exists(renamed)) << "No keeps the file";
    playlist.commands().mnuPLEvents(7);
    EXPECT_EQ(fakes.dialogs.messageTexts().value(1), "是否要刪除 new.m3u ?\r\n" + renamed);
    EXPECT_FALSE(QFile::exists(renamed)) << "Yes deletes it";
    EXPECT_EQ(state.UPlayList, "");
    EXPECT_EQ(entryPaths(), paths) << "the entries stay";
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: 未命名");
    playlist.commands().mnuPLEvents(1);
    playlist.entries().clear();
    playlist.commands().mnuPLEvents(0);
    EXPECT_EQ(state.UPlayList, DataFolder::defaultPlaylist()) << "saved as the default playlist";
    EXPECT_EQ(entryPaths(), paths) << "loaded from the default playlist";
}

// s4 cannot be opened: while it is the song loaded for play it takes that song's length, otherwise it stays
// unmeasured (another song's length would be a lie). A test takes one tick per
// measured entry and a closing one. The page view measures the page it shows; the stop menu or an emptied
// playlist ends a test, and an empty playlist starts none.
TEST_F(PlaylistStoreTest, LengthTestsMeasureTheirEntriesUntilStoppedOrEmptied) {
    const QStringList files = makeSongs(4);
    lengths = {{files[0], 6000}, {files[1], 61234}, {files[2], 8000}};
    state.PSongLenL = 4321;
    const struct { const char* name; int menu; QList<int> unmeasured; int loaded; int ticks; QList<qint32> lengthsMs; }
        cases[] = {
            {"quick over a measured list", 1, {}, 3, 1, {1000, 1000, 1000, 1000}},
            {"quick", 1, {1, 3}, 3, 3, {1000, 61234, 1000, 4321}},
            {"complete", 2, {1, 3}, 3, 5, {6000, 61234, 8000, 4321}},
            {"complete, s1 loaded", 2, {}, 0, 5, {6000, 61234, 8000, 0}},
        };
    for (const auto& c : cases) {
        state.PSongLink = files[c.loaded];
        playlist.entries().clear();
        addEntries(files, 1000);
        for (int i : c.unmeasured) playlist.entries().setLength(i, 0);
        measured = 0;
        playlist.commands().mnuRefresh(c.menu);
        int ticks = 0;
        for (; test().isRunning() && ticks < 100; ++ticks) test().tick();
        EXPECT_EQ(std::tuple(ticks, measured, status.status()), std::tuple(c.ticks, c.ticks - 1, "已經完成歌曲長度測試."))
            << c.name << ": ticks, files measured, status";
        for (int i = 0; i < files.size(); ++i) EXPECT_EQ(playlist.entries().lengthMs(i), c.lengthsMs[i]) << c.name << i;
    }
    EXPECT_EQ(playlist.display().lines().line(1), "2. s2 [1:01.23]") << "the list shows the new lengths";
    addEntries(makeSongs(20).mid(4));
    enterPageView(2);
    state.lblPLpage = 1;
    measured = 0;
    playlist.commands().mnuRefresh(2);
    EXPECT_EQ(std::tuple(state.ChkSongLen, state.ChkSongLenEND), std::tuple(qint16{15}, qint16{19})) << "page 2 of 15";
    test().tick();
    playlist.commands().mnuRefresh(3);
    test().tick();
    EXPECT_FALSE(test().isRunning()) << "the stop menu";
    EXPECT_EQ(measured, 1) << "a stopped test measures nothing more";
    EXPECT_EQ(status.status(), "已經全部完成歌曲長度測試!");
    playlist.commands().mnuRefresh(2);
    test().tick();
    playlist.entries().clear();
    test().tick();
    EXPECT_FALSE(test().isRunning()) << "an emptied playlist";
    EXPECT_EQ(status.status(), "已經完成歌曲長度測試.");
    playlist.commands().mnuRefresh(2);
    EXPECT_FALSE(test().isRunning()) << "an empty playlist starts no test";
}

}  // namespace
