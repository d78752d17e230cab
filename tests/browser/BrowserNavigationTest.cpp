#include <QDir>

#include "BrowserFixture.h"
#include "browser/BrowserTexts.h"
#include "browser/FolderRows.h"
#include "common/Twips.h"

namespace {

using namespace Qt::StringLiterals;
using BrowserNavigationTest = BrowserFixture;

TEST_F(BrowserNavigationTest, ChangeDirPathShowsFolderFilesCountAndFit) {
    ASSERT_TRUE(panel->ChangeDirPath(music + u"/"_s, true));
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(dir1()->ListCount(), 3);
    EXPECT_EQ(file1()->names(), (QStringList{u"A.MP3"_s, u"b.mp3"_s, u"c.wav"_s, u"notes.txt"_s, u"track2.mp3"_s,
                                             u"track10.mp3"_s}));
    EXPECT_EQ(labelText(), u"總共3個資料夾, 6個檔案"_s);
    EXPECT_EQ(panel->Drive1()->currentData().toString(), u"/"_s);
    // Fitted lists show every row: no scroll bar, and they do not overlap.
    EXPECT_EQ(dir1()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(file1()->verticalScrollBar()->maximum(), 0);
    EXPECT_LT(dir1()->geometry().bottom(), file1()->geometry().top());

    for (const QString& bad : {dir.path(u"nowhere"_s), inMusic("notes.txt"), QString()}) {
        EXPECT_FALSE(panel->ChangeDirPath(bad, true)) << bad.toStdString();
        EXPECT_EQ(dir1()->path(), music) << bad.toStdString();
        EXPECT_EQ(file1()->ListCount(), 6) << bad.toStdString();
    }
    EXPECT_TRUE(status.history.isEmpty()) << "the caller reports the failure";
}

TEST_F(BrowserNavigationTest, DestinationPairMovesAlone) {
    ASSERT_TRUE(panel->ChangeDirPath(usb + u"/Songs"_s, false));
    EXPECT_EQ(panel->Drive2()->currentData().toString(), usb);
    EXPECT_FALSE(panel->Dir2()->isVisible()) << "shown only by the move-and-copy panel";
    panel->Dir2_MouseUp(Qt::RightButton);
    EXPECT_EQ(panel->Dir2()->path(), usb);
    panel->Drive2()->setCurrentIndex(panel->Drive2()->findData(dir.path(u"gone"_s)));
    EXPECT_EQ(fakes.dialogs.messages.size(), 1) << "the unreadable drive is reported";
    EXPECT_EQ(panel->Dir2()->path(), usb);
    EXPECT_EQ(panel->Drive2()->currentData().toString(), usb);
    EXPECT_EQ(dir1()->path(), music) << "the main pair never follows";
    EXPECT_EQ(file1()->ListCount(), 6);
}

TEST_F(BrowserNavigationTest, LevelRowsAtTheRootAndThreeLevelsDown) {
    ASSERT_TRUE(panel->ChangeDirPath(u"/"_s, true));
    EXPECT_EQ(dir1()->rows().levelCount(), 1);
    EXPECT_EQ(dir1()->item(0)->text(), u"/"_s);
    EXPECT_TRUE(dir1()->entry(-2).isEmpty()) << "above a root there is no level";
    EXPECT_EQ(dir1()->entry(0), u"/"_s + dir1()->item(1)->text()) << "one separator after the root";

    const QString deep = music + u"/Pop/a/b"_s;
    ASSERT_TRUE(panel->ChangeDirPath(deep, true));
    const int musicLevels = static_cast<int>(FolderRows::levelsOf(music).size());
    EXPECT_EQ(dir1()->rows().levelCount(), musicLevels + 3);
    EXPECT_EQ(dir1()->count(), musicLevels + 3 + 1) << "levels and the one subfolder c";
    EXPECT_EQ(dir1()->entry(-4), music);
    EXPECT_EQ(dir1()->entry(0), deep + u"/c"_s);
    EXPECT_EQ(dir1()->item(dir1()->count() - 1)->text(), u"c"_s);
}

TEST_F(BrowserNavigationTest, LeftClickOpensTheRowUnderTheMouseAndADoubleClickOnlyOne) {
    doubleClick(dir1()->viewport(), dirRowCenter(1));  // Pop
    EXPECT_EQ(dir1()->path(), music + u"/Pop"_s) << "not the folder under the second click";
    EXPECT_EQ(labelText(), counts(1, 0));
    clickDir(-2);  // a level row goes up to that folder
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(labelText(), counts(3, 6));
    EXPECT_TRUE(status.history.isEmpty());
}

TEST_F(BrowserNavigationTest, RightClickGoesUpAndAtTheRootToTheStartFolder) {
    ASSERT_TRUE(panel->ChangeDirPath(music + u"/Pop"_s, true));
    clickDir(0, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(labelText(), counts(3, 6));

    state.InitDir = usb + u"/Songs"_s;
    ASSERT_TRUE(panel->ChangeDirPath(u"/"_s, true));
    clickDir(-1, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), state.InitDir);
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the start folder's own drive";
}

TEST_F(BrowserNavigationTest, MiddleButtonRefreshesFilesOnly) {
    dir.writeFile(u"music/new.mp3"_s, "x");
    dir.makeDir(u"music/New Folder"_s);
    clickDir(0, Qt::MiddleButton);
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(dir1()->ListCount(), 3) << "the folder list is not re-read";
    EXPECT_EQ(file1()->ListCount(), 7);
    EXPECT_EQ(labelText(), counts(3, 7));
}

// One folder removed, one replaced by a file of the same name.
TEST_F(BrowserNavigationTest, AFolderThatVanishedBeforeTheClick) {
    const QRect dirGeometry = dir1()->geometry();
    for (const char* name : {"Rock", "Jazz"}) {
        const int index = static_cast<int>(dir1()->rows().subfolderNames().indexOf(QString::fromUtf8(name)));
        ASSERT_GE(index, 0) << name;
        ASSERT_TRUE(QDir(inMusic(name)).removeRecursively()) << name;
        if (name == std::string("Jazz")) dir.writeFile(u"music/Jazz"_s, "not a folder");
        status.history.clear();
        clickDir(index);
        EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing) << name;
        EXPECT_EQ(dir1()->path(), music) << name;
        EXPECT_FALSE(dir1()->rows().subfolderNames().contains(QString::fromUtf8(name))) << "re-read: " << name;
        EXPECT_EQ(file1()->ListCount(), 6) << "file list left as it was: " << name;
        EXPECT_EQ(labelText(), counts(3, 6)) << "count label left: " << name;
        EXPECT_EQ(dir1()->geometry(), dirGeometry) << "heights left as they were: " << name;
    }
}

TEST_F(BrowserNavigationTest, DriveChangeShowsTheRootWithoutCountingAndAnUnreadableOneKeepsTheFolder) {
    chooseDrive(usb);
    EXPECT_EQ(dir1()->path(), usb);
    EXPECT_EQ(file1()->names(), QStringList{u"x.mp3"_s});
    EXPECT_EQ(labelText(), counts(3, 6)) << "a drive change does not count";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    chooseDrive(dir.path(u"gone"_s));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, BrowserTexts::kDriveUnreadable);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(dir1()->path(), usb);
    EXPECT_EQ(file1()->names(), QStringList{u"x.mp3"_s});
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the drive list goes back";
}

// The layout rules have their own table; here that the lists take the
// heights, count their rows and name the method.
TEST_F(BrowserNavigationTest, FittingTheListsToTheFolder) {
    int rows = -1;
    panel->AdjustListHeights(rows, 6);
    const int levels = dir1()->rows().levelCount();
    EXPECT_EQ(rows, levels + 3) << "the count is written back";
    const int height = dir1()->height();
    EXPECT_EQ(height, (levels + 3) * FolderListBox::kRowHeightPx + 6);
    state.ShiftConst[2] = 1;  // the spare row
    rows = -1;
    panel->AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, levels + 4);
    EXPECT_EQ(dir1()->height(), height + FolderListBox::kRowHeightPx);
    EXPECT_EQ(dir1()->toolTip(), u"Method I (%1 ; %2)"_s.arg(Twips::fromPx(dir1()->height()))
                                     .arg(Twips::fromPx(file1()->height())));

    state.options.optCheck[2] = false;
    rows = -1;
    panel->AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, -1) << "no counting while fitting is off";
    EXPECT_EQ(dir1()->toolTip(), u"No Method (Fixed Size)"_s);
    EXPECT_EQ(Twips::fromPx(dir1()->height()), 2190);
}

TEST_F(BrowserNavigationTest, RefreshRereadsFromDiskAndKeepsTheSelection) {
    file1()->setRowSelected(fileRow(u"c.wav"_s), true);
    file1()->setRowSelected(fileRow(u"notes.txt"_s), true);
    dir.writeFile(u"music/0.mp3"_s, "x");
    ASSERT_TRUE(QFile::remove(inMusic("notes.txt")));
    dir.makeDir(u"music/Blues"_s);
    panel->refresh();
    EXPECT_EQ(dir1()->ListCount(), 4);
    EXPECT_EQ(file1()->names().first(), u"0.mp3"_s);
    EXPECT_EQ(panel->selectedFilePaths(), QStringList{inMusic("c.wav")});
    EXPECT_EQ(labelText(), counts(4, 6));
}

TEST_F(BrowserNavigationTest, TheShownFolderGoneThenMiddleClickAndRefresh) {
    ASSERT_TRUE(panel->ChangeDirPath(music + u"/Pop/a/b"_s, true));
    ASSERT_EQ(dir1()->ListCount(), 1);
    ASSERT_TRUE(QDir(music + u"/Pop/a"_s).removeRecursively());
    clickDir(-1, Qt::MiddleButton);
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(dir1()->ListCount(), 0);
    EXPECT_EQ(dir1()->path(), music + u"/Pop/a/b"_s) << "a middle click does not move";

    status.history.clear();
    panel->refresh();
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(dir1()->path(), music + u"/Pop"_s) << "what is left of the path";
}

}  // namespace
