#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include <functional>

#include "BrowserRig.h"
#include "browser/BrowserTexts.h"

namespace {

using namespace Qt::StringLiterals;

class BrowserNavigatorTest : public ::testing::Test, protected BrowserRig {
protected:
    void SetUp() override { ASSERT_TRUE(navigator.ChangeDirPath(music, true)); }
    QString path() const { return navigator.dir1Rows().path(); }
    QStringList shownFiles() const { return navigator.fileNames(); }
};

// Middle: the files only. Left: the row pressed, a level row goes up to it. Right: one level up, above a root to
// the start folder on its own drive.
TEST_F(BrowserNavigatorTest, FolderListButtons) {
    dir.writeFile(u"music/new.mp3"_s, "x");
    dir.makeDir(u"music/New Folder"_s);
    const struct { const char* step; Qt::MouseButton button; int index; QString path, count; } steps[] = {
        {"middle: the files, not the folders", Qt::MiddleButton, 0, music, counts(3, 7)},
        {"left on a subfolder", Qt::LeftButton, 1, music + u"/Pop"_s, counts(1, 0)},
        {"left on a level row", Qt::LeftButton, -2, music, counts(4, 7)},
        {"right: one level up", Qt::RightButton, 0, dir.path(), counts(2, 0)},
    };
    for (const auto& s : steps) {
        navigator.Dir1_MouseUp(s.button, s.index);
        EXPECT_EQ(path(), s.path) << s.step;
        EXPECT_EQ(navigator.countText(), s.count) << s.step;
    }
    state.InitDir = usb + u"/Songs"_s;
    ASSERT_TRUE(navigator.ChangeDirPath(u"/"_s, true));
    EXPECT_EQ(navigator.GetFullFileLink(-1), u"/"_s) << "no file row at the root: one separator";
    navigator.Dir1_MouseUp(Qt::RightButton, -1);
    EXPECT_EQ(path(), state.InitDir) << "the right button at the root";
    EXPECT_EQ(navigator.drive1Root(), usb) << "the start folder's own drive";
    EXPECT_EQ(navigator.GetFullFileLink(0), usb + u"/Songs/"_s) << "no such row: the folder alone";
    EXPECT_TRUE(status.history.isEmpty()) << status.history.join(u'|').toStdString();
}

// A folder that vanished before its click and a drive that cannot be read both leave the shown folder.
TEST_F(BrowserNavigatorTest, AVanishedFolderOrAnUnreadableDriveKeepsTheFolderShown) {
    const TwipsRect dirPlace = navigator.dir1Place();
    ASSERT_TRUE(QDir(inMusic("Rock")).removeRecursively());
    navigator.Dir1_MouseUp(Qt::LeftButton, 2);
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(navigator.dir1Rows().subfolderNames(), (QStringList{u"Jazz"_s, u"Pop"_s})) << "the folders are re-read";
    EXPECT_EQ(path(), music) << "the folder stays";
    EXPECT_EQ(shownFiles().size(), 6) << "so do its files";
    EXPECT_EQ(navigator.countText(), counts(3, 6)) << "and the count";
    EXPECT_EQ(navigator.dir1Place(), dirPlace) << "and the heights";
    navigator.Drive1_Change(usb);
    EXPECT_EQ(path(), usb) << "the drive's root";
    EXPECT_EQ(shownFiles(), QStringList{u"x.mp3"_s}) << "the drive's files";
    EXPECT_EQ(navigator.countText(), counts(3, 6)) << "a drive change does not count";
    navigator.Drive1_Change(gone);
    ASSERT_EQ(dialogs.messageTexts(), QStringList{BrowserTexts::kDriveUnreadable});
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(path(), usb) << "the folder stays";
    EXPECT_EQ(shownFiles(), QStringList{u"x.mp3"_s}) << "so do its files";
    EXPECT_EQ(navigator.drive1Root(), usb) << "the drive list goes back";
}

// The destination pair walks the same way but leaves the browser, its files and its count alone.
TEST_F(BrowserNavigatorTest, TheDestinationPairWalksOnItsOwn) {
    ASSERT_TRUE(navigator.ChangeDirPath(music, false));
    const struct { const char* step; Qt::MouseButton button; int index; QString path; } steps[] = {
        {"left on a subfolder", Qt::LeftButton, 0, music + u"/Jazz"_s}, {"right: up", Qt::RightButton, 0, music},
        {"middle: nothing", Qt::MiddleButton, 1, music}, {"left on a level row", Qt::LeftButton, -2, dir.path()},
    };
    for (const auto& s : steps) {
        navigator.Dir2_MouseUp(s.button, s.index);
        EXPECT_EQ(navigator.dir2Rows().path(), s.path) << s.step;
    }
    navigator.Drive2_Change(usb);
    EXPECT_EQ(navigator.dir2Rows().path(), usb);
    navigator.Drive2_Change(gone);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{BrowserTexts::kDriveUnreadable});
    EXPECT_EQ(navigator.drive2Root(), usb) << "the destination drive list goes back";
    ASSERT_TRUE(QDir(usb + u"/Songs"_s).removeRecursively());
    navigator.Dir2_MouseUp(Qt::LeftButton, 0);
    EXPECT_EQ(status.history, QStringList{BrowserTexts::kFolderMissing});
    EXPECT_EQ(navigator.dir2Rows().ListCount(), 0) << "the destination's folders are re-read";
    EXPECT_EQ(path(), music) << "the browser stays";
    EXPECT_EQ(navigator.drive1Root(), u"/"_s) << "so does its drive";
    EXPECT_EQ(navigator.countText(), counts(3, 6)) << "and its count";
}

// The fit's arithmetic has its own table; here the navigator counts the rows and names the method with the
// heights the placed lists report, whole pixels of 15 twips.
TEST_F(BrowserNavigatorTest, FittingTheListsToTheFolder) {
    const int levels = navigator.dir1Rows().levelCount();
    for (const quint8 spare : {0, 1}) {
        state.ShiftConst[2] = spare;
        int rows = -1;
        navigator.AdjustListHeights(rows, 6);
        EXPECT_EQ(rows, levels + 3 + spare) << "the count is written back; spare rows " << int(spare);
        EXPECT_EQ(navigator.dir1Place().height, ListFit::compute(rows, 6, true).dirHeightTwips) << int(spare);
    }
    const struct { int rows, files; bool fitOn; const char* tooltip; } cases[] = {
        {20, 5, true, "Method I (4290 ; 2460)"}, {8, 40, true, "Method II (Dir Preference) (1770 ; 4980)"},
        {40, 6, true, "Method III (File Preference) (5730 ; 1110)"}, {30, 30, true, "No Method (Fixed Size)"},
        {20, 5, false, "No Method (Fixed Size)"},
    };
    for (const auto& c : cases) {
        state.options.optCheck[2] = c.fitOn;
        int rows = c.rows;
        navigator.AdjustListHeights(rows, c.files);
        EXPECT_EQ(navigator.dir1ToolTip(), QString::fromUtf8(c.tooltip)) << c.rows << " rows, " << c.files << " files";
    }
    int rows = -1;
    navigator.AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, -1) << "no counting while fitting is off";
}

// How an answer reads has its own table; here the button, the files and the count label around it.
TEST_F(BrowserNavigatorTest, FilterFromTheRightButtonUntilCancelled) {
    dialogs.inputAnswers = {u"mp3"_s, QString()};
    navigator.File1_MouseDown(Qt::RightButton, {});
    ASSERT_EQ(dialogs.inputs.size(), 1);
    EXPECT_EQ(dialogs.inputs[0].prompt, BrowserTexts::filterPrompt());
    EXPECT_EQ(dialogs.inputs[0].defaultAnswer, u"*."_s);
    EXPECT_EQ(navigator.filterButtonCaption(), u"取消過瀘\n*.mp3"_s);
    EXPECT_TRUE(navigator.filterButtonShown());
    EXPECT_EQ(shownFiles(), (QStringList{u"A.MP3"_s, u"b.mp3"_s, u"track2.mp3"_s, u"track10.mp3"_s}));
    EXPECT_EQ(navigator.countText(), counts(3, 6)) << "a filter does not count";
    navigator.File1_MouseDown(Qt::RightButton, Qt::ShiftModifier);  // a cancelled box
    EXPECT_EQ(navigator.filePattern(), u"*.mp3"_s);
    EXPECT_TRUE(navigator.filterButtonShown()) << "a cancelled box keeps the filter";
    ASSERT_TRUE(navigator.ChangeDirPath(music, true));
    EXPECT_EQ(navigator.countText(), counts(3, 4)) << "a folder shown again counts the filtered files";
    navigator.cmdCancelFileFilter_Click();
    EXPECT_FALSE(navigator.filterButtonShown());
    EXPECT_EQ(navigator.filePattern(), u"*.*"_s);
    EXPECT_EQ(shownFiles().size(), 6) << "every file again";
    EXPECT_EQ(navigator.countText(), counts(3, 4)) << "the label keeps its count";
}

// The select menu marks rows; only Alt with nothing else held adds the selection to the playlist.
TEST_F(BrowserNavigatorTest, TheSelectMenuAndAltClickChooseWhatIsAdded) {
    navigator.mnuFileSelect_Click(0);
    EXPECT_EQ(navigator.fileRows().selectedRows(), (QList<int>{0, 1, 2, 3, 4, 5})) << "select all";
    navigator.setFileSelection({0}, -1);
    EXPECT_EQ(navigator.currentFilePath(), QString()) << "selected rows but no current file";
    navigator.setFileSelection({0, 2, 3, 5}, 3);
    EXPECT_EQ(navigator.currentFilePath(), music + u'/' + navigator.fileNames().value(3)) << "the current file: row 3";
    navigator.mnuFileSelect_Click(1);
    EXPECT_EQ(navigator.fileRows().selectedRows(), (QList<int>{1, 4})) << "invert";
    EXPECT_EQ(navigator.selectedFilePaths(), (QStringList{inMusic("b.mp3"), inMusic("track2.mp3")}));
    const struct { Qt::MouseButton button; Qt::KeyboardModifiers modifiers; bool adds; } presses[] = {
        {Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier, false}, {Qt::LeftButton, Qt::NoModifier, false},
        {Qt::MiddleButton, Qt::AltModifier, false}, {Qt::LeftButton, Qt::AltModifier, true},
    };
    for (const auto& p : presses) {
        playlist.calls.clear();
        navigator.File1_MouseDown(p.button, p.modifiers);
        EXPECT_EQ(playlist.calls, p.adds ? QStringList{"addPaths " + navigator.selectedFilePaths().join(u',')} : QStringList{})
            << "button " << int(p.button) << ", modifiers " << int(p.modifiers);
    }
}

// Ctrl+Enter in the file list or the path box, a double click and the open button open what the path box
// holds, without the spaces around it.
TEST_F(BrowserNavigatorTest, OnlyCtrlEnterADoubleClickOrTheOpenButtonOpens) {
    const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; bool opens; } keys[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, false}, {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, true},
        {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, true},
        {"Ctrl+Shift+Enter", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, false},
        {"Ctrl+O", Qt::Key_O, Qt::ControlModifier, false},
    };
    pathBox.setText(u"  "_s + inMusic("b.mp3") + u" "_s);
    const QStringList once{inMusic("b.mp3")};
    for (const bool inPathBox : {false, true}) {
        for (const auto& k : keys) {
            opener.opened.clear();
            if (inPathBox)
                navigator.txtFileLink_KeyDown(k.key, k.modifiers);
            else
                navigator.File1_KeyDown(k.key, k.modifiers);
            EXPECT_EQ(opener.opened, k.opens ? once : QStringList{}) << k.name << (inPathBox ? " in the path box" : "");
        }
    }
    opener.opened.clear();
    navigator.File1_DblClick();
    navigator.cmdPlaySpecificSong_Click();
    EXPECT_EQ(opener.opened, QStringList(2, inMusic("b.mp3"))) << "a double click and the open button";
}

// A click puts the focused file's path in the path box and shows its details only while that section is open.
TEST_F(BrowserNavigatorTest, AClickFillsThePathBoxAndTheOpenDetails) {
    navigator.File1_Click();
    EXPECT_EQ(pathBox.text(), QString()) << "no focused row, no path";
    navigator.setFileSelection({2}, 2);
    for (const InfoSection section : {InfoSection::None, InfoSection::Lyric, InfoSection::Details}) {
        info.open = section;
        info.details.clear();
        navigator.File1_Click();
        EXPECT_EQ(pathBox.text(), inMusic("c.wav")) << "section " << int(section);
        EXPECT_EQ(info.details, section == InfoSection::Details ? QStringList{inMusic("c.wav")} : QStringList{})
            << "section " << int(section);
    }
    navigator.imgClipFileLink_Click(0);
    EXPECT_EQ(clipboard.clears, 1) << "the copy empties the clipboard first";
    EXPECT_EQ(clipboard.text(), inMusic("c.wav"));
    clipboard.setText(u"/elsewhere/song.mp3"_s);
    navigator.imgClipFileLink_Click(1);
    EXPECT_EQ(pathBox.text(), u"/elsewhere/song.mp3"_s) << "the paste";
}

// A refresh reads new entries and keeps the selection by name; a folder gone since goes to what is left of it.
TEST_F(BrowserNavigatorTest, RefreshReReadsAndFollowsAVanishedFolderUp) {
    navigator.setFileSelection({1, 5}, 5);  // b.mp3, track10.mp3
    dir.writeFile(u"music/0.mp3"_s, "x");
    dir.makeDir(u"music/Blues"_s);
    navigator.refresh();
    EXPECT_EQ(navigator.dir1Rows().subfolderNames(), (QStringList{u"Blues"_s, u"Jazz"_s, u"Pop"_s, u"Rock"_s}));
    EXPECT_EQ(navigator.countText(), counts(4, 7));
    EXPECT_EQ(navigator.selectedFilePaths(), (QStringList{inMusic("b.mp3"), inMusic("track10.mp3")}));
    EXPECT_EQ(navigator.fileRows().ListIndex(), 6) << "the focus stays on track10.mp3";
    ASSERT_TRUE(navigator.ChangeDirPath(inMusic("Pop/a/b"), true));
    ASSERT_TRUE(QDir(inMusic("Pop/a")).removeRecursively());
    navigator.refresh();
    EXPECT_EQ(status.history, QStringList{BrowserTexts::kFolderMissing});
    EXPECT_EQ(path(), inMusic("Pop"));
    EXPECT_EQ(navigator.countText(), counts(0, 0));
}

// What other parts read: the folder and the paths by extension.
TEST_F(BrowserNavigatorTest, WhatOtherPartsRead) {
    const BrowserNavigation& browser = navigator;
    EXPECT_EQ(browser.filePathsWithExtensions({u"wav"_s, u"txt"_s}), (QStringList{inMusic("c.wav"), inMusic("notes.txt")}));
    EXPECT_EQ(browser.filePathsWithExtensions({u"mp3"_s}).size(), 4) << "extensions match in any case";
    EXPECT_FALSE(navigator.ChangeDirPath(inMusic("gone"), true));
    EXPECT_EQ(browser.currentFolder(), music) << "a folder that cannot be shown changes nothing";
}

// Each event announces what it changed, and only that, so the panel draws no more than it must.
TEST_F(BrowserNavigatorTest, EachEventAnnouncesWhatItChanged) {
    const struct { const char* event; std::function<void()> run; bool dir1, dir2, files, count, fit; } events[] = {
        {"folder click", [&] { navigator.Dir1_MouseUp(Qt::LeftButton, 0); }, true, false, true, true, true},
        {"drive change", [&] { navigator.Drive1_Change(usb); }, true, false, true, false, true},
        {"filter reset", [&] { navigator.cmdCancelFileFilter_Click(); }, false, false, true, false, true},
        {"destination", [&] { navigator.ChangeDirPath(music, false); }, false, true, false, false, false},
        {"select all", [&] { navigator.mnuFileSelect_Click(0); }, false, false, false, false, false},
        {"refresh", [&] { navigator.refresh(); }, true, true, true, true, true},
    };
    for (const auto& e : events) {
        QSignalSpy dir1(&navigator, &BrowserNavigator::dir1Changed), dir2(&navigator, &BrowserNavigator::dir2Changed),
            files(&navigator, &BrowserNavigator::filesChanged), count(&navigator, &BrowserNavigator::countTextChanged),
            fit(&navigator, &BrowserNavigator::listFitChanged);
        e.run();
        EXPECT_EQ(!dir1.isEmpty(), e.dir1) << e.event << ": Dir1";
        EXPECT_EQ(!dir2.isEmpty(), e.dir2) << e.event << ": Dir2";
        EXPECT_EQ(!files.isEmpty(), e.files) << e.event << ": files";
        EXPECT_EQ(!count.isEmpty(), e.count) << e.event << ": count";
        EXPECT_EQ(!fit.isEmpty(), e.fit) << e.event << ": fit";
    }
    QSignalSpy selection(&navigator, &BrowserNavigator::fileSelectionChanged);
    navigator.mnuFileSelect_Click(1);
    navigator.setFileSelection({}, -1);  // what the invert left: no change
    EXPECT_EQ(selection.size(), 1) << "the invert only";
}

}  // namespace
