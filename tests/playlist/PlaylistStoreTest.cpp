#include <QFile>

#include "PlaylistFixture.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"
#include "playlist/PlaylistFile.h"

namespace {

TEST(PlaylistFileTest, ParsesOneEntryPerNonBlankLine) {
    const struct { const char* name; QString text; QStringList expected; } cases[] = {
        {"crlf, lone cr, lone lf", "/a.mp3\r\n/b.mp3\r/c.mp3\n", {"/a.mp3", "/b.mp3", "/c.mp3"}},
        {"blank and space lines", "\r\n   \r\n/a.mp3\r\n\r\n  \n/b.mp3", {"/a.mp3", "/b.mp3"}},
        {"spaces trimmed, tabs kept", "   /x y/a b.mp3   \r\n\t/a.mp3", {"/x y/a b.mp3", "\t/a.mp3"}},
        {"duplicates kept", "/a.mp3\r\n/a.mp3\r\n", {"/a.mp3", "/a.mp3"}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaylistFile::parse(c.text), c.expected) << c.name;
}

class PlaylistStoreTest : public PlaylistFixture {
protected:
    PlaylistStore& store() { return playlist.store(); }
    QString nameLabel() { return playlist.labels().nameCaption(); }
    bool statusSaid(const QString& text, const QString& path) {
        return status.history.contains(text + " (" + path + ") [13:30:00]");
    }
};

// Loading replaces and names the playlist, inserting appends under the old name, a missing file changes nothing.
TEST_F(PlaylistStoreTest, LoadReplacesInsertAppendsAndAMissingFileChangesNothing) {
    addEntries({"/old.mp3"});
    QString path = "  " + songs.writeFile("list.ini", "\r\n  /a.mp3  \r\n   \r\n/b c.mp3\n") + u' ';
    ASSERT_TRUE(store().PLLoadFile(path, false));
    EXPECT_EQ(path, songs.path("list.ini")) << "the caller's path is trimmed";
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b c.mp3"}));
    EXPECT_TRUE(state.UPlayList == path && statusSaid("PlayList 載入成功", path));
    EXPECT_EQ(nameLabel(), "PlayList 名稱: list.ini  [＞0:00.00]");
    EXPECT_TRUE(playlist.lengthTest().isRunning() && state.ChkSongLenEND == 1) << "every entry is measured";
    const QString extra = songs.writeFile("extra.ini", "/x.mp3\r\n");
    ASSERT_TRUE(store().PLLoadFile(extra, true) && store().PLLoadFile(extra, true));
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b c.mp3", "/x.mp3", "/x.mp3"}));
    EXPECT_TRUE(state.UPlayList == path && statusSaid("PlayList 插入成功", extra)) << "inserting keeps the name";
    for (const QString& missing : {songs.path("none.ini"), QString(), songs.path()}) {
        fakes.dialogs.messages.clear();
        EXPECT_FALSE(store().PLLoadFile(missing, false));
        EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"PlayList 載入失敗!檔案不存在!(" + missing + u')'});
        EXPECT_TRUE(entryPaths().size() == 4 && state.UPlayList == path) << missing.toStdString();
    }
}

// A path the code page cannot hold turns the whole file into UTF-8 with a BOM, so no character is lost.
TEST_F(PlaylistStoreTest, SaveThenLoadGivesTheSamePathsUnmeasured) {
    const QStringList inCodePage = {"/音樂/a.mp3", "/b.mp3"}, outside = {"/b.mp3", "/音樂/a.mp3", "/é/𝄞 ♪.wav", "/b.mp3"};
    const struct { const char* name; QStringList paths; QByteArray bytes; } cases[] = {
        {"code page 950", inCodePage, CodePage::toCp950Lossy(inCodePage.join("\r\n") + "\r\n")},
        {"outside the code page", outside, "\xEF\xBB\xBF" + (outside.join("\r\n") + "\r\n").toUtf8()},
    };
    const QString file = songs.path("saved.ini");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        playlist.entries().clear();
        addEntries(c.paths, 61234);
        ASSERT_TRUE(store().PLSaveFile(file));
        EXPECT_EQ(readWholeFile(file), c.bytes);
        EXPECT_TRUE(state.UPlayList == file && statusSaid("PlayList 儲存成功", file));
        playlist.entries().clear();
        ASSERT_TRUE(store().PLLoadFile(file, false));
        EXPECT_EQ(entryPaths(), c.paths);
        EXPECT_EQ(playlist.entries().PLCountLength(0, int(c.paths.size()) - 1), 0) << "lengths are not stored";
    }
}

TEST_F(PlaylistStoreTest, FailedSaveKeepsTheFileAndTheName) {
    const QString existing = songs.writeFile("list.ini", "/old.mp3\r\n");
    const struct { const char* name; QStringList entries; QString file; } cases[] = {
        {"empty playlist", {}, existing}, {"no such folder", {"/a.mp3"}, songs.path("no/such/list.ini")}};
    state.UPlayList = "/other.ini";
    for (const auto& c : cases) {
        playlist.entries().clear();
        addEntries(c.entries);
        fakes.dialogs.messages.clear();
        EXPECT_FALSE(store().PLSaveFile(c.file)) << c.name;
        EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"PlayList 儲存失敗!(" + c.file + ")\r\n可能是PlayList內沒有歌曲."});
        EXPECT_EQ(state.UPlayList, "/other.ini") << c.name;
    }
    EXPECT_EQ(readWholeFile(existing), "/old.mp3\r\n") << "the empty save leaves the file";
    EXPECT_TRUE(readWholeFile(DataFolder::backupFile(1)) == "/old.mp3\r\n" && state.PLBackUpNo == 2) << "backed up";
}

// Each slot holds the file as it was before the save that used it; the sixth save uses slot 1 again. A save
// onto the slot next in turn cannot back itself up, but goes on.
TEST_F(PlaylistStoreTest, SixSavesRotateThroughTheFiveSlots) {
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
    EXPECT_TRUE(readWholeFile(file) == "/save6.mp3\r\n" && fakes.dialogs.messages.isEmpty());
    const QString slot2 = DataFolder::backupFile(2);
    ASSERT_TRUE(store().PLSaveFile(slot2));
    EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{"不能備份檔案,因要儲存的PlayList名稱和將要備份的檔案名一樣!"});
    EXPECT_TRUE(state.PLBackUpNo == 2 && readWholeFile(slot2) == "/save6.mp3\r\n" && state.UPlayList == slot2);
}

// Whatever a playlist file holds, it loads, and both views show it.
TEST_F(PlaylistStoreTest, OddFilesLoadAndShowInBothViews) {
    QByteArray random(64 * 1024, '\0'), big;
    quint32 seed = 12345;
    for (char& b : random) b = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    for (int i = 0; i < PlaylistEntries::kMaxEntries + 3; ++i) big += "/s" + QByteArray::number(i) + ".mp3\r\n";
    const struct { const char* name; QByteArray bytes; } files[] = {{"random", random},
        {"a 10 MB line", QByteArray(10 * 1024 * 1024, 'a') + "\r\n/b.mp3"}, {"nul", QByteArray(64 * 1024, '\0')},
        {"over the largest playlist", big}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        fakes.dialogs.messages.clear();
        ASSERT_TRUE(store().PLLoadFile(songs.writeFile(f.name, f.bytes), false));
        EXPECT_TRUE(playlist.entries().count() >= 1 && playlist.entries().count() <= PlaylistEntries::kMaxEntries);
        const PlaylistLinesModel& lines = playlist.display().lines();
        EXPECT_EQ(lines.count(), playlist.entries().count());
        EXPECT_LE(lines.data(lines.index(0), Qt::DisplayRole).toString().size(), lines.kMaxShownChars + 1);
        enterPageView(2);
        refresh();
        EXPECT_FALSE(playlist.display().pageText().isEmpty());
        state.WindowMode = 0;
    }
    EXPECT_EQ(playlist.entries().count(), PlaylistEntries::kMaxEntries);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(" 3 首歌曲沒有被載入")) << "the entries left out are counted";
}

// Rename never overwrites another file; delete asks first and keeps the entries as an unnamed playlist.
TEST_F(PlaylistStoreTest, RenameAndDeleteWorkOnTheOpenFileOnly) {
    state.UPlayList = songs.path("gone.ini");
    store().renameOpenPlaylist();
    store().deleteOpenPlaylist();
    EXPECT_EQ(status.history, QStringList(2, "沒有載入PlayList, 或PlayList檔案不存在.")) << "rename and delete";
    EXPECT_TRUE(fakes.dialogs.inputs.isEmpty() && fakes.dialogs.messages.isEmpty());
    songs.writeFile("taken.ini", "/t.mp3\r\n");
    ASSERT_TRUE(store().PLLoadFile(songs.writeFile("old.ini", "/a.mp3\r\n/b.mp3\r\n"), false));
    fakes.dialogs.inputAnswers = {"taken.ini", "  new.m3u  "};
    store().renameOpenPlaylist();
    EXPECT_TRUE(state.UPlayList == songs.path("old.ini") && readWholeFile(songs.path("taken.ini")) == "/t.mp3\r\n");
    EXPECT_EQ(status.status(), "PlayList 名稱修改失敗 [taken.ini]");
    store().renameOpenPlaylist();
    const QString file = songs.path("new.m3u");
    EXPECT_TRUE(state.UPlayList == file && QFile::exists(file) && !QFile::exists(songs.path("old.ini")));
    EXPECT_EQ(status.status(), "PlayList 名稱修改成功 [new.m3u]");
    fakes.dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
    store().deleteOpenPlaylist();
    EXPECT_TRUE(QFile::exists(file)) << "No keeps the file";
    store().deleteOpenPlaylist();
    EXPECT_EQ(fakes.dialogs.messageTexts().value(1), "是否要刪除 new.m3u ?\r\n" + file);
    EXPECT_TRUE(!QFile::exists(file) && state.UPlayList.isEmpty());
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b.mp3"}));
    EXPECT_EQ(nameLabel(), "PlayList 名稱: 未命名");
}

}  // namespace
