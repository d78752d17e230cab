#include <gtest/gtest.h>

#include "BrowserFakes.h"
#include "FileCommandsRig.h"
#include "app/AppState.h"
#include "browser/FileCommandTexts.h"
#include "browser/FileTypeOpener.h"
#include "browser/HelpCommands.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "support/FakeLauncher.h"

namespace {

using namespace Qt::StringLiterals;

class DirFavTest : public ::testing::Test, protected FileCommandsRig {
protected:
    void TearDown() override { QFile::remove(DataFolder::dirFavFile()); }
    QStringList captions() const {
        QStringList all;
        for (int i = 1; i <= DirFavShortcuts::kReload; ++i) all << shortcuts.caption(i);
        return all;
    }
};

// Twelve folders with blank lines between them: the first ten, in file order, taken as written.
TEST_F(DirFavTest, TwelveLinesWithBlanks) {
    QStringList lines;
    for (int i = 1; i <= 12; ++i) lines << (i == 3 ? u"  /spaced "_s : u"/f%1"_s.arg(i)) << QString();
    ASSERT_TRUE(TextFile::writeLines(DataFolder::dirFavFile(), lines));
    shortcuts.LoadDirFav();
    const QStringList shown = captions();
    EXPECT_EQ(shown.value(0), u"1. /f1"_s);
    EXPECT_EQ(shown.value(2), u"3.   /spaced "_s) << "no trimming";
    EXPECT_EQ(shown.value(9), u"10. /f10"_s);
    EXPECT_EQ(shortcuts.tag(10), u"/f10"_s);
    EXPECT_EQ(shown.mid(10), (QStringList{u"11. "_s + DataFolder::displayName() + u" (Default)"_s,
                                          u"移動目前資料夾位置至..."_s, u"更新資料夾捷徑 (DirFav.ini)"_s}));

    // A shorter file leaves the later entries as they were.
    ASSERT_TRUE(TextFile::writeLines(DataFolder::dirFavFile(), {src, QString(), dest}));
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kReload);
    EXPECT_EQ(shortcuts.tag(1), src);
    EXPECT_EQ(shortcuts.tag(2), dest);
    EXPECT_EQ(shortcuts.tag(3), u"  /spaced "_s);
    shortcuts.mnuDirFav_Click(2);
    EXPECT_EQ(navigator.dir1Rows().path(), dest);
}

// Without the file the entries stay empty, and choosing one reports the empty path.
TEST_F(DirFavTest, NoFileLeavesEntriesEmpty) {
    shortcuts.LoadDirFav();
    EXPECT_EQ(captions().mid(0, 10), QStringList(10, QString()));
    shortcuts.mnuDirFav_Click(1);
    EXPECT_EQ(status.status(), u"路徑不存在(捷徑) []"_s);
    EXPECT_EQ(navigator.dir1Rows().path(), src);
}

// 11 goes to the data folder; 12 proposes the clipboard's text; a folder that is not there is reported; with the
// move-and-copy panel open the destination list moves instead of the browser.
TEST_F(DirFavTest, DataFolderAskedFolderAndTheOpenPanel) {
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kDataFolder);
    EXPECT_EQ(navigator.dir1Rows().path() + u'/', DataFolder::root());

    clipboard.setText(dest);
    dialogs.inputAnswers = {dest, u"/no/such/folder"_s, QString()};
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kAsk);
    ASSERT_EQ(dialogs.inputs.size(), 1);
    EXPECT_EQ(dialogs.inputs.first().prompt, u"請輸入要移至的資料夾路徑"_s);
    EXPECT_EQ(dialogs.inputs.first().defaultAnswer, dest) << "the clipboard proposed";
    EXPECT_EQ(navigator.dir1Rows().path(), dest);
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kAsk);
    EXPECT_EQ(status.status(), u"路徑不存在(捷徑) [/no/such/folder]"_s);
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kAsk);
    EXPECT_EQ(status.status(), u"路徑不存在(捷徑) []"_s) << "a cancelled box";

    openPanel(1, dest);
    shortcuts.mnuDirFav_Click(DirFavShortcuts::kDataFolder);
    EXPECT_EQ(navigator.dir1Rows().path(), dest) << "the browser stays";
    EXPECT_EQ(navigator.dir2Rows().path() + u'/', DataFolder::root()) << "the destination moves";
}

// Each kind of file goes where it belongs; nothing is run directly.
TEST(FileTypeOpening, EachGroupGoesToItsOpener) {
    AppState state;
    RecordingStatusLine status;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    RecordingSongStarter songs;
    FakeLyricEditorOpener editor(state);
    FileTypeOpener opener(state, status, dialogs, launcher, songs, editor);
    opener.openFile(u"/m/p.JPG"_s, OpenGroup::Picture);
    opener.openFile(u"/m/setup.exe"_s, OpenGroup::Program);
    opener.openFile(u"/m/words.lyr"_s, OpenGroup::Text);
    EXPECT_EQ(launcher.openedPaths, (QStringList{u"/m/p.JPG"_s, u"/m/setup.exe"_s}));
    EXPECT_TRUE(launcher.programs.isEmpty()) << "a program is never started by the player";
    EXPECT_EQ(editor.opened, QStringList{u"/m/words.lyr"_s}) << "the editor opens with OpenLyricLink set";

    dialogs.messageAnswers = {MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
    for (int i = 0; i < 3; ++i) opener.openFile(u"/m/x.ogg"_s, OpenGroup::Other);
    EXPECT_EQ(dialogs.messageTexts(), QStringList(3, FileCommandTexts::kForceMediaQuestion));
    EXPECT_EQ(songs.started, QStringList{u"/m/x.ogg"_s}) << "Yes plays it as media";
    EXPECT_EQ(launcher.openedPaths.mid(2), QStringList{u"/m/x.ogg"_s}) << "No hands it to the desktop; Cancel nothing";

    launcher.succeed = false;
    opener.openFile(u"/m/q.bmp"_s, OpenGroup::Picture);
    EXPECT_EQ(status.status(), FileCommandTexts::cannotOpen(u"/m/q.bmp"_s));
}

// The lyric search asks for "artist - title" of a tagged song, else the file title; the addresses are encoded.
TEST(HelpMenu, LyricSearchQueries) {
    const struct { const char* versionH; const char* path; const char* query; } rows[] = {
        {"A ~ B ~ C - ", "/m/song.mp3", "B - A"},
        {"Just a title - ", "/m/My Song.wav", "My Song"},
        {"", "/m/x.mid", "x"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HelpCommands::searchQuery(QString::fromUtf8(row.versionH), QString::fromUtf8(row.path)),
                  QString::fromUtf8(row.query))
            << row.versionH;
    EXPECT_EQ(HelpCommands::searchAddress(3, u"B&C - 歌+1"_s),
              u"https://hk.search.yahoo.com/search/hk?p=B%26C%20-%20%E6%AD%8C%2B1&u=B"_s);
    EXPECT_EQ(HelpCommands::searchAddress(4, u"B - A"_s),
              u"https://search.yahoo.com/search?p=B%20-%20A&ei=UTF-8&fr=fp-tab-web-t&cop=mss&tab="_s);
}

// Uninstall names the data folder; the searches need a song; the home page is the README handed in.
TEST(HelpMenu, Entries) {
    AppState state;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    HelpCommands help(state, dialogs, launcher, u"/doc/README.md"_s);
    help.mnuHelp_Click(1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.first().icon, MsgIcon::Information);
    EXPECT_EQ(dialogs.messages.first().text.split(u"\r\n"_s).value(1),
              u"而本程式的變數、選項、歌詞都是儲存於[%1]資料夾內。"_s.arg(DataFolder::displayName()));
    help.mnuHelp_Click(3);
    EXPECT_TRUE(launcher.openedUrls.isEmpty()) << "no song loaded";
    state.PSongLink = u"/m/a.mp3"_s;
    state.VersionH = u"a - "_s;
    help.mnuHelp_Click(4);
    EXPECT_EQ(launcher.openedUrls, QStringList{HelpCommands::searchAddress(4, u"a"_s)});
    help.mnuHelp_Click(5);
    EXPECT_EQ(launcher.openedPaths, QStringList{u"/doc/README.md"_s});
    EXPECT_EQ(HomePage::installedReadme(u"/opt/cv/bin"_s), u"/opt/cv/share/doc/corvane-player/README.md"_s);
}

}  // namespace
