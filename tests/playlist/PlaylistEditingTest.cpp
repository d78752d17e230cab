#include "PlaylistFixture.h"

namespace {

const QString kCopied = QStringLiteral("你所需要的名單已經被複製至剪貼薄. 你可以使用 (CTRL+V) 貼上.");

class PlaylistEditingTest : public PlaylistFixture {
protected:
    PlaylistEditing& editing() { return playlist.editing(); }
    // A fresh list of /x/e1.mp3 .. /x/e<count>.mp3, shown and measured.
    void startWith(int count) {
        playlist.lengthTest().stop();
        playlist.entries().clear();
        for (int i = 1; i <= count; ++i) playlist.entries().append(QStringLiteral("/x/e%1.mp3").arg(i), 1000);
        refresh();
        status.history.clear();
    }
    QString line(int row) { return playlist.display().lines().line(row); }
    bool measuring() { return playlist.lengthTest().isRunning(); }
};

// Adding to a list of five appends in list order, rebuilds only the new lines (a line put in by the test before
// stays) and measures only the new entries, numbered 6 onwards on screen. An add that brings nothing in rebuilds
// and measures nothing.
TEST_F(PlaylistEditingTest, AddsAppendInOrderAndRebuildAndMeasureOnlyTheNewEntries) {
    const struct {
        const char* name;
        int index;
        QStringList selected, names;
        QString pathBox;
        QStringList appended;
        QString firstNewLine;
    } cases[] = {
        {"three selected files", 0, {"/f/b.mp3", "/f/a.mp3", "/f/c.mp3"}, {}, "", {"/f/b.mp3", "/f/a.mp3", "/f/c.mp3"},
         "6. b [檔案不存在]"},
        {"the folder's songs", 1, {}, {"a.MP3", "b.wav", "c.txt"}, "", {"/f/a.MP3", "/f/b.wav"}, "6. a [檔案不存在]"},
        {"an empty path box", 2, {}, {}, "", {""}, "6.  [檔案不存在]"},
        {"a typed path, untrimmed", 2, {}, {}, " /p/q.mp3", {" /p/q.mp3"}, "6. q [檔案不存在]"},
        {"nothing selected", 0, {}, {"a.mp3"}, "", {}, ""},
        {"a folder without songs", 1, {}, {"c.txt"}, "", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(5);
        playlist.display().lines().putLine(0, "kept");
        browser.selected = c.selected;
        browser.names = c.names;
        pathBox.value = c.pathBox;
        const QStringList before = entryPaths();
        editing().cmdAddItem(c.index);
        EXPECT_EQ(entryPaths(), before + c.appended);
        EXPECT_EQ(line(0), "kept") << "the old lines are not rebuilt";
        EXPECT_EQ(measuring(), !c.appended.isEmpty());
        if (c.appended.isEmpty()) continue;
        EXPECT_EQ(playlist.display().lines().count(), 5 + c.appended.size());
        EXPECT_EQ(line(5), c.firstNewLine);
        EXPECT_EQ(state.ChkSongLen, 5) << "first measured: line 6";
        EXPECT_EQ(state.ChkSongLenEND, 4 + c.appended.size()) << "last measured: the last new line";
    }
    startWith(0);
    playlist.entries().appendAll(QStringList(PlaylistEntries::kMaxEntries, "/full.mp3"));
    browser.selected = {"/f/more.mp3"};
    editing().cmdAddItem(0);
    EXPECT_EQ(playlist.entries().count(), PlaylistEntries::kMaxEntries) << "a full list";
    EXPECT_FALSE(measuring()) << "a full list";
}

// The replace button puts the browser's current file in the selected entry, keeps its old length until the test
// measures that one entry again, and does nothing without a selected entry or a current file.
TEST_F(PlaylistEditingTest, ReplaceTakesTheBrowsersCurrentFileForTheSelectedEntry) {
    const struct { const char* name; int selected; QString current; QString secondPath; bool measured; } cases[] = {
        {"entry 2 selected", 1, "/f/new.mp3", "/f/new.mp3", true},
        {"nothing selected", -1, "/f/new.mp3", "/x/e2.mp3", false},
        {"no current file", 1, "", "/x/e2.mp3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(3);
        playlist.display().selectRow(c.selected);
        browser.current = c.current;
        editing().cmdAddItem(PlaylistEditing::ReplaceWithBrowserFile);
        EXPECT_EQ(entryPaths(), (QStringList{"/x/e1.mp3", c.secondPath, "/x/e3.mp3"}));
        EXPECT_EQ(playlist.entries().lengthMs(1), 1000) << "the old length stays";
        EXPECT_EQ(measuring(), c.measured);
        if (!c.measured) continue;
        EXPECT_EQ(line(1), "2. new [檔案不存在]");
        EXPECT_EQ(state.ChkSongLen, 1);
        EXPECT_EQ(state.ChkSongLenEND, 1);
    }
}

// Removing the selected line selects the line now in its place, or the new last line; the only line leaves
// nothing selected; no selection removes nothing. A list left longer than the entries by the page view is rebuilt
// first, so the line removed is one the list shows. Removing all keeps the playlist's name.
TEST_F(PlaylistEditingTest, RemovingSelectsTheNextLineOrTheNewLastAndRemoveAllKeepsTheName) {
    const struct { const char* name; int count, selected; QStringList left; int selectedAfter; } cases[] = {
        {"a middle line", 3, 1, {"/x/e1.mp3", "/x/e3.mp3"}, 1},
        {"the last line", 3, 2, {"/x/e1.mp3", "/x/e2.mp3"}, 1},
        {"the only line", 1, 0, {}, -1},
        {"nothing selected", 2, -1, {"/x/e1.mp3", "/x/e2.mp3"}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(c.count);
        playlist.display().selectRow(c.selected);
        editing().cmdDeleteItem(PlaylistEditing::RemoveSelected);
        EXPECT_EQ(entryPaths(), c.left);
        EXPECT_EQ(playlist.display().selectedRow(), c.selectedAfter);
        EXPECT_EQ(playlist.display().lines().count(), c.left.size());
    }
    startWith(3);
    playlist.display().selectRow(2);
    playlist.entries().remove(0);  // as a Ctrl+right click on the page label does
    editing().cmdDeleteItem(PlaylistEditing::RemoveSelected);
    EXPECT_EQ(entryPaths(), QStringList{"/x/e2.mp3"}) << "the stale third line was not the one removed";

    state.UPlayList = songs.writeFile("mine.ini", "/x/e1.mp3\r\n");
    startWith(3);
    editing().cmdDeleteItem(PlaylistEditing::RemoveAll);
    EXPECT_TRUE(playlist.entries().isEmpty());
    EXPECT_EQ(playlist.display().lines().count(), 0);
    EXPECT_EQ(state.UPlayList, songs.path("mine.ini"));
    EXPECT_EQ(playlist.labels().nameCaption(), "PlayList 名稱: mine.ini  [0:00.00]");
}

// The dialog asks for several files from the start folder; each becomes folder + name with exactly one separator,
// a pick in the root folder too, and a folder whose name ends in a space keeps it. Cancelling adds nothing.
TEST_F(PlaylistEditingTest, DialogPicksJoinFolderAndNameWithOneSeparator) {
    state.InitDir = "/home/me/音樂";
    const struct { const char* name; QStringList answer, appended; } cases[] = {
        {"cancelled", {}, {}},
        {"one file in the root folder", {"/a.mp3"}, {"/a.mp3"}},
        {"several files", {"/m/b.wav", "/m/a.mp3"}, {"/m/b.wav", "/m/a.mp3"}},
        {"a folder ending in a space", {"/m /c.mp3"}, {"/m /c.mp3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(2);
        fakes.dialogs.openAnswers = {c.answer};
        editing().mnuAddPLItemFromCMDG();
        EXPECT_EQ(entryPaths(), (QStringList{"/x/e1.mp3", "/x/e2.mp3"} + c.appended));
        EXPECT_EQ(measuring(), !c.appended.isEmpty());
        if (!c.appended.isEmpty()) {
            EXPECT_EQ(state.ChkSongLen, 2);
            EXPECT_EQ(state.ChkSongLenEND, 1 + c.appended.size());
        }
    }
    ASSERT_FALSE(fakes.dialogs.openRequests.isEmpty());
    const FileDialogRequest& asked = fakes.dialogs.openRequests.first();
    EXPECT_EQ(asked.title, "新增檔案至PlayList");
    EXPECT_EQ(asked.initialFolder, "/home/me/音樂");
    EXPECT_TRUE(asked.multiSelect);
    EXPECT_TRUE(asked.filter.startsWith("顯示所有檔案(*.*)")) << asked.filter.toStdString();
}

// Editing asks with the current path in the prompt and as the answer to keep; an answer of spaces or a cancel
// changes nothing, any other answer is taken as typed, reported and measured alone.
TEST_F(PlaylistEditingTest, EditingAPathTakesTheAnswerAsTypedAndMeasuresThatEntry) {
    startWith(2);
    playlist.display().selectRow(-1);
    editing().mnuEditPLItemLink();
    EXPECT_EQ(status.history, QStringList{"沒有選擇項目!"});
    EXPECT_TRUE(fakes.dialogs.inputs.isEmpty()) << "no box without a selection";
    const struct { const char* name; QString answer, path, status; } cases[] = {
        {"spaces", "   ", "/x/e2.mp3", ""},
        {"cancelled", "", "/x/e2.mp3", ""},
        {"a new path", " /n/new one.mp3", " /n/new one.mp3", "路徑已更新! ( /n/new one.mp3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(2);
        playlist.display().selectRow(1);
        fakes.dialogs.inputs.clear();
        fakes.dialogs.inputAnswers = {c.answer};
        editing().mnuEditPLItemLink();
        ASSERT_EQ(fakes.dialogs.inputs.size(), 1);
        EXPECT_EQ(fakes.dialogs.inputs[0].prompt, "請輸入更新的路徑\r\n/x/e2.mp3");
        EXPECT_EQ(fakes.dialogs.inputs[0].defaultAnswer, "/x/e2.mp3");
        EXPECT_EQ(playlist.entries().path(1), c.path);
        EXPECT_EQ(status.status(), c.status);
        EXPECT_EQ(measuring(), !c.status.isEmpty());
        if (!measuring()) continue;
        EXPECT_EQ(state.ChkSongLen, 1);
        EXPECT_EQ(state.ChkSongLenEND, 1);
    }
}

// Only entries naming an existing file stay, in their order: empty paths, missing files and folders go.
TEST_F(PlaylistEditingTest, RemovingInvalidEntriesKeepsTheExistingFilesInOrder) {
    const QStringList real = makeSongs(2);
    startWith(0);
    addEntries({real[1], "", songs.path("missing.mp3"), songs.path(), real[0]});
    editing().mnuRemoveInvalidPLItem();
    EXPECT_EQ(entryPaths(), (QStringList{real[1], real[0]}));
    EXPECT_EQ(playlist.display().lines().count(), 2);
    EXPECT_EQ(status.status(), "已清除所有無效的PlayList項目");
}

// Each export copies its list joined by CR LF (none after the last) and says so; the compact modes copy the page
// as it is shown. An empty source says why and leaves the clipboard alone.
TEST_F(PlaylistEditingTest, ClipboardExportsCopyTheirListOrSayItIsEmpty) {
    const struct { const char* name; int entries, windowMode, index; QStringList files; QString copied, status; } cases[] = {
        {"names", 2, 0, 0, {}, "1. e1 [檔案不存在]\r\n2. e2 [檔案不存在]", ""},
        {"paths", 2, 0, 1, {}, "/x/e1.mp3\r\n/x/e2.mp3", ""},
        {"browser files", 0, 0, 2, {"a.MP3", "c.txt"}, "a.MP3\r\nc.txt", ""},
        {"names of page 2 in the lyric view", 30, 1, 0, {},
         "  28. e28 [檔案不存在]\r\n  29. e29 [檔案不存在]\r\n  30. e30 [檔案不存在]", ""},
        {"no names", 0, 0, 0, {"a.mp3"}, "", "PlayList中沒有歌曲存在"},
        {"no names in the simple view", 0, 2, 0, {"a.mp3"}, "", "PlayList中沒有歌曲存在"},
        {"no paths", 0, 0, 1, {"a.mp3"}, "", "PlayList中沒有歌曲存在"},
        {"no browser files", 2, 0, 2, {}, "", "資料夾沒有檔案存在"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state.WindowMode = 0;
        if (c.windowMode != 0) enterPageView(c.windowMode);
        state.lblPLpage = c.windowMode == 1 ? 1 : 0;
        startWith(c.entries);
        browser.names = c.files;
        fakes.clipboard.setText("before");
        fakes.clipboard.clears = 0;
        fakes.dialogs.messages.clear();
        editing().mnuOutputNL(c.index);
        const bool copied = !c.copied.isEmpty();
        EXPECT_EQ(fakes.clipboard.text(), copied ? c.copied : QString("before"));
        EXPECT_EQ(fakes.clipboard.clears, copied ? 1 : 0);
        EXPECT_EQ(fakes.dialogs.messageTexts(), copied ? QStringList{kCopied} : QStringList{});
        EXPECT_EQ(status.status(), c.status);
        if (!copied) continue;
        ASSERT_EQ(fakes.dialogs.messages.size(), 1);
        EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::None);
        EXPECT_EQ(fakes.dialogs.messages[0].buttons, MsgButtons::Ok);
    }
}

// The copy picture puts the selected entry's path on an emptied clipboard without a word; with nothing selected
// the clipboard keeps what it had.
TEST_F(PlaylistEditingTest, TheCopyPictureCopiesTheSelectedPathSilently) {
    startWith(3);
    fakes.clipboard.setText("before");
    playlist.display().selectRow(-1);
    editing().imgCopySongLink_Click();
    EXPECT_EQ(std::tuple(fakes.clipboard.text(), fakes.clipboard.clears), std::tuple(QString("before"), 0))
        << "nothing selected";
    playlist.display().selectRow(2);
    editing().imgCopySongLink_Click();
    EXPECT_EQ(fakes.clipboard.text(), "/x/e3.mp3");
    EXPECT_EQ(fakes.clipboard.clears, 1);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(status.history.isEmpty());
}

// Removals while the scheduler plays leave PlayNo and PlayNextNo alone: the next song is whatever entry now has
// the number PlayNextNo. Removing every entry mid-song ends the playlist at the next look, endless play too.
TEST_F(PlaylistEditingTest, RemovalsWhilePlayingContinueAtPlayNextNo) {
    state.TotalPLRep = -1;
    startWith(4);
    playlist.Start(1);
    ASSERT_EQ(starter.started, QStringList{"/x/e1.mp3"});
    ASSERT_EQ(playlist.display().selectedRow(), 0) << "the playing line is selected";
    editing().cmdDeleteItem(PlaylistEditing::RemoveSelected);  // the playing entry itself
    EXPECT_EQ(state.PlayNo, 0);
    EXPECT_EQ(state.PlayNextNo, 1);
    playlist.scheduler().tick();
    EXPECT_EQ(starter.started.value(1), "/x/e3.mp3") << "entry 2 is now e3";
    playlist.display().selectRow(2);
    editing().cmdDeleteItem(PlaylistEditing::RemoveSelected);  // e4, the one that was next
    playlist.scheduler().updateInfo();
    playlist.scheduler().tick();
    EXPECT_EQ(starter.started.value(2), "/x/e2.mp3") << "past the end: the next pass starts at the first entry";
    EXPECT_TRUE(playlist.scheduler().isRunning()) << "endless play goes on";
    editing().cmdDeleteItem(PlaylistEditing::RemoveAll);
    playlist.scheduler().tick();
    EXPECT_FALSE(playlist.scheduler().isRunning()) << "an emptied list ends the play";
    EXPECT_EQ(status.status(), "PlayList 已被中止或已經完成播放!");
}

}  // namespace
