#include <QFile>

#include "PlaylistFixture.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"

namespace {

class PlaylistStoreTest : public PlaylistFixture {
protected:
    PlaylistStore& store() { return playlist->store(); }
    QString nameLabel() { return playlist->labels().nameCaption(); }
    QString playlistFile(const QString& name, const QByteArray& bytes) {
        return songs.writeFile(name, bytes);
    }
    const QString saveFailure = QStringLiteral(")\r\n可能是PlayList內沒有歌曲.");
};

TEST_F(PlaylistStoreTest, LoadReplacesThePlaylistAndNamesIt) {
    addEntries({QStringLiteral("/old.mp3")});
    QString path = QStringLiteral("  ") + playlistFile(QStringLiteral("list.ini"), "\r\n  /a.mp3  \r\n   \r\n/b c.mp3\n") +
                   QStringLiteral(" ");
    ASSERT_TRUE(store().PLLoadFile(path, false));
    EXPECT_EQ(path, songs.path(QStringLiteral("list.ini"))) << "the caller's path is trimmed";
    EXPECT_EQ(entryPaths(), (QStringList{QStringLiteral("/a.mp3"), QStringLiteral("/b c.mp3")}));
    EXPECT_EQ(playlist->entries().lengthMs(0), 0);
    EXPECT_EQ(state.UPlayList, path);
    EXPECT_TRUE(status.history.contains(QStringLiteral("PlayList 載入成功 (") + path + QStringLiteral(") [13:30:00]")));
    EXPECT_EQ(nameLabel(), QStringLiteral("PlayList 名稱: list.ini  [＞0:00.00]"));
    EXPECT_EQ(playlist->display().lines().count(), 2) << "the display is rebuilt";
    EXPECT_TRUE(playlist->lengthTest().isRunning()) << "a complete length test starts";
    EXPECT_EQ(state.ChkSongLen, 0);
    EXPECT_EQ(state.ChkSongLenEND, 1);
    EXPECT_EQ(state.ChkSongLenQuick, 0);
}

TEST_F(PlaylistStoreTest, InsertingTwiceAppendsTwiceAndKeepsTheName) {
    const QString named = playlistFile(QStringLiteral("main.ini"), "/m.mp3\r\n");
    ASSERT_TRUE(store().PLLoadFile(named, false));
    const QString extra = playlistFile(QStringLiteral("extra.ini"), "/x.mp3\r\n/y.mp3\r\n");
    ASSERT_TRUE(store().PLLoadFile(extra, true));
    ASSERT_TRUE(store().PLLoadFile(extra, true));
    EXPECT_EQ(entryPaths(), (QStringList{"/m.mp3", "/x.mp3", "/y.mp3", "/x.mp3", "/y.mp3"}));
    EXPECT_EQ(state.UPlayList, named);
    EXPECT_TRUE(nameLabel().startsWith(QStringLiteral("PlayList 名稱: main.ini"))) << nameLabel().toStdString();
    EXPECT_TRUE(status.history.contains(QStringLiteral("PlayList 插入成功 (") + extra + QStringLiteral(") [13:30:00]")));
}

TEST_F(PlaylistStoreTest, MissingOrEmptyPathShowsTheLoadFailureAndKeepsThePlaylist) {
    addEntries({QStringLiteral("/keep.mp3")});
    state.UPlayList = QStringLiteral("/some/list.ini");
    for (const QString& missing : {songs.path(QStringLiteral("none.ini")), QString(), songs.path()}) {
        fakes.dialogs.messages.clear();
        EXPECT_FALSE(store().PLLoadFile(missing, false)) << missing.toStdString();
        ASSERT_EQ(fakes.dialogs.messages.size(), 1) << missing.toStdString();
        EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("PlayList 載入失敗!檔案不存在!(") + missing + u')');
        EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(entryPaths(), QStringList{QStringLiteral("/keep.mp3")}) << missing.toStdString();
        EXPECT_EQ(state.UPlayList, QStringLiteral("/some/list.ini"));
    }
}

TEST_F(PlaylistStoreTest, SaveThenLoadGivesTheSamePathsUnmeasured) {
    const QStringList paths = {"/b.mp3", "/音樂/a.mp3", "/é/𝄞.wav", "/b.mp3"};
    addEntries(paths, 61234);
    const QString file = songs.path(QStringLiteral("saved.ini"));
    ASSERT_TRUE(store().PLSaveFile(file));
    EXPECT_EQ(state.UPlayList, file);
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 儲存成功 (") + file + QStringLiteral(") [13:30:00]"));
    EXPECT_EQ(nameLabel(), QStringLiteral("PlayList 名稱: saved.ini"));
    playlist->entries().clear();
    ASSERT_TRUE(store().PLLoadFile(file, false));
    EXPECT_EQ(entryPaths(), paths);
    for (int i = 0; i < paths.size(); ++i) EXPECT_EQ(playlist->entries().lengthMs(i), 0) << "entry " << i;
}

TEST_F(PlaylistStoreTest, EmptySaveKeepsTheFileButBacksItUp) {
    const QByteArray before = "/old.mp3\r\n";
    const QString file = playlistFile(QStringLiteral("list.ini"), before);
    state.UPlayList = QStringLiteral("/other.ini");
    EXPECT_FALSE(store().PLSaveFile(file));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("PlayList 儲存失敗!(") + file + saveFailure);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(readWholeFile(file), before);
    EXPECT_EQ(readWholeFile(DataFolder::backupFile(1)), before);
    EXPECT_EQ(state.PLBackUpNo, 2);
    EXPECT_EQ(state.UPlayList, QStringLiteral("/other.ini"));
}

TEST_F(PlaylistStoreTest, SixSavesRotateThroughTheFiveSlots) {
    const QString file = playlistFile(QStringLiteral("list.ini"), "/save0.mp3\r\n");
    for (int save = 1; save <= 6; ++save) {
        playlist->entries().clear();
        addEntries({QStringLiteral("/save%1.mp3").arg(save)});
        EXPECT_EQ(state.PLBackUpNo, (save - 1) % 5 + 1) << "before save " << save;
        ASSERT_TRUE(store().PLSaveFile(file)) << "save " << save;
    }
    EXPECT_EQ(state.PLBackUpNo, 2);
    // Slot 1 was used by saves 1 and 6; slots 2..5 by saves 2..5, each
    // holding the file as it was before that save.
    const char* expected[] = {"/save5.mp3\r\n", "/save1.mp3\r\n", "/save2.mp3\r\n", "/save3.mp3\r\n", "/save4.mp3\r\n"};
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(readWholeFile(DataFolder::backupFile(slot)), QByteArray(expected[slot - 1])) << "slot " << slot;
    EXPECT_EQ(readWholeFile(file), QByteArray("/save6.mp3\r\n"));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(PlaylistStoreTest, SavingOntoTheCurrentBackupSlotWarnsThenSaves) {
    const QString slot1 = DataFolder::backupFile(1);
    {
        QFile f(slot1);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("/old.mp3\r\n");
    }
    addEntries({QStringLiteral("/new.mp3")});
    ASSERT_TRUE(store().PLSaveFile(slot1));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("不能備份檔案,因要儲存的PlayList名稱和將要備份的檔案名一樣!"));
    EXPECT_EQ(state.PLBackUpNo, 1);
    EXPECT_EQ(readWholeFile(slot1), QByteArray("/new.mp3\r\n"));
    EXPECT_EQ(state.UPlayList, slot1);
}

TEST_F(PlaylistStoreTest, FailedWriteLeavesTheOldFileAndTheName) {
    addEntries({QStringLiteral("/a.mp3")});
    state.UPlayList = QStringLiteral("/kept.ini");
    const QString impossible = songs.path(QStringLiteral("no/such/folder/list.ini"));
    EXPECT_FALSE(store().PLSaveFile(impossible));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("PlayList 儲存失敗!(") + impossible + saveFailure);
    EXPECT_EQ(state.UPlayList, QStringLiteral("/kept.ini"));
}

TEST_F(PlaylistStoreTest, LoadStopsAtTheLargestPlaylistAndSaysSo) {
    QByteArray text;
    for (int i = 0; i < PlaylistEntries::kMaxEntries + 3; ++i) text += "/s" + QByteArray::number(i) + ".mp3\r\n";
    const QString file = playlistFile(QStringLiteral("big.ini"), text);
    ASSERT_TRUE(store().PLLoadFile(file, false));
    EXPECT_EQ(playlist->entries().count(), PlaylistEntries::kMaxEntries);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(QStringLiteral(" 3 首歌曲沒有被載入")))
        << fakes.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(playlist->display().lines().count(), PlaylistEntries::kMaxEntries);
}

TEST_F(PlaylistStoreTest, HostileFilesLoadAndShowInBothViews) {
    QByteArray random(64 * 1024, '\0');
    quint32 seed = 12345;
    for (char& b : random) b = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"random.ini", random},
        {"huge.ini", QByteArray(10 * 1024 * 1024, 'a') + "\r\n/b.mp3"},  // a 10 MB line
        {"nul.ini", QByteArray(64 * 1024, '\0')},
    };
    for (const auto& f : files) {
        const QString path = playlistFile(QString::fromLatin1(f.name), f.bytes);
        ASSERT_TRUE(store().PLLoadFile(path, false)) << f.name;
        EXPECT_GE(playlist->entries().count(), 1) << f.name;
        for (const QString& p : playlist->entries().paths())
            EXPECT_FALSE(p.startsWith(u' ') || p.endsWith(u' ')) << f.name << ": entries are trimmed";
        EXPECT_EQ(playlist->display().lines().count(), playlist->entries().count()) << f.name;
        const QVariant shown = playlist->display().lines().data(playlist->display().lines().index(0), Qt::DisplayRole);
        EXPECT_LE(shown.toString().size(), PlaylistLinesModel::kMaxShownChars + 1) << f.name;
        state.WindowMode = 2;
        state.lblPLItemNo = 15;
        refresh();
        EXPECT_FALSE(playlist->display().pageText().isEmpty()) << f.name;
        state.WindowMode = 0;
    }
}

TEST_F(PlaylistStoreTest, RenameAsksForTheNameAndRenamesTheFile) {
    const QString file = playlistFile(QStringLiteral("old.ini"), "/a.mp3\r\n");
    state.UPlayList = file;
    fakes.dialogs.inputAnswers = {QStringLiteral("  new.m3u  ")};
    store().renameOpenPlaylist();
    ASSERT_EQ(fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(fakes.dialogs.inputs[0].prompt, QStringLiteral("請輸入新的PlayList名稱.\r\n原本PlayList名稱: old.ini"));
    EXPECT_EQ(fakes.dialogs.inputs[0].defaultAnswer, QStringLiteral("old.ini"));
    const QString renamed = songs.path(QStringLiteral("new.m3u"));
    EXPECT_EQ(state.UPlayList, renamed);
    EXPECT_TRUE(QFile::exists(renamed));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 名稱修改成功 [new.m3u]"));
    EXPECT_EQ(nameLabel(), QStringLiteral("PlayList 名稱: new.m3u"));
}

TEST_F(PlaylistStoreTest, RenameOntoAnExistingFileChangesNothing) {
    const QString file = playlistFile(QStringLiteral("old.ini"), "/a.mp3\r\n");
    const QString taken = playlistFile(QStringLiteral("taken.ini"), "/t.mp3\r\n");
    state.UPlayList = file;
    fakes.dialogs.inputAnswers = {QStringLiteral("taken.ini")};
    store().renameOpenPlaylist();
    EXPECT_EQ(state.UPlayList, file);
    EXPECT_EQ(readWholeFile(taken), QByteArray("/t.mp3\r\n"));
    EXPECT_EQ(status.status(), QStringLiteral("PlayList 名稱修改失敗 [taken.ini]"));
}

TEST_F(PlaylistStoreTest, RenameAndDeleteNeedAnOpenPlaylistFile) {
    const QString noFile = QStringLiteral("沒有載入PlayList, 或PlayList檔案不存在.");
    for (const QString& open : {QString(), songs.path(QStringLiteral("gone.ini"))}) {
        state.UPlayList = open;
        status.history.clear();
        store().renameOpenPlaylist();
        EXPECT_EQ(status.status(), noFile) << "rename with " << open.toStdString();
        status.history.clear();
        store().deleteOpenPlaylist();
        EXPECT_EQ(status.status(), noFile) << "delete with " << open.toStdString();
    }
    EXPECT_TRUE(fakes.dialogs.inputs.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(PlaylistStoreTest, DeleteAsksThenKeepsTheEntriesAsAnUnnamedPlaylist) {
    const QString file = playlistFile(QStringLiteral("list.ini"), "/a.mp3\r\n/b.mp3\r\n");
    ASSERT_TRUE(store().PLLoadFile(file, false));
    fakes.dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
    store().deleteOpenPlaylist();
    EXPECT_TRUE(QFile::exists(file)) << "No keeps the file";
    store().deleteOpenPlaylist();
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[1].text, QStringLiteral("是否要刪除 list.ini ?\r\n") + file);
    EXPECT_EQ(fakes.dialogs.messages[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(fakes.dialogs.messages[1].icon, MsgIcon::Question);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(state.UPlayList.isEmpty());
    EXPECT_EQ(entryPaths(), (QStringList{"/a.mp3", "/b.mp3"}));
    EXPECT_EQ(nameLabel(), QStringLiteral("PlayList 名稱: 未命名"));
    EXPECT_EQ(playlist->labels().nameToolTip(), QStringLiteral("PlayList 路徑 ()"));
}

}  // namespace
