#include <QDir>

#include <functional>
#include <QPushButton>

#include "BrowserFixture.h"
#include "browser/BrowserTexts.h"
#include "browser/FolderRows.h"
#include "common/Twips.h"

namespace {

using BrowserNavigationTest = BrowserFixture;

TEST_F(BrowserNavigationTest, ChangeDirPathShowsFolderFilesCountAndFit) {
    ASSERT_TRUE(panel->ChangeDirPath(music + QStringLiteral("/"), true));
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(dir1()->ListCount(), 3);
    EXPECT_EQ(file1()->names(), (QStringList{"A.MP3", "b.mp3", "c.wav", "notes.txt", "track2.mp3", "track10.mp3"}));
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案"));
    EXPECT_EQ(panel->Drive1()->currentData().toString(), QStringLiteral("/"));
    EXPECT_TRUE(dir1()->toolTip().startsWith(QStringLiteral("Method I ("))) << dir1()->toolTip().toStdString();
    // Fitted lists show every row: no scroll bar, and they do not overlap.
    EXPECT_FALSE(scrolls(dir1()));
    EXPECT_FALSE(scrolls(file1()));
    EXPECT_LT(dir1()->geometry().bottom(), file1()->geometry().top());
}

TEST_F(BrowserNavigationTest, ChangeDirPathToAMissingFolderChangesNothing) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    for (const QString& bad : {dir.path(QStringLiteral("nowhere")), music + QStringLiteral("/notes.txt"), QString()}) {
        EXPECT_FALSE(panel->ChangeDirPath(bad, true)) << bad.toStdString();
        EXPECT_EQ(dir1()->path(), music) << bad.toStdString();
        EXPECT_EQ(file1()->ListCount(), 6) << bad.toStdString();
    }
    EXPECT_TRUE(status.history.isEmpty()) << "the caller reports the failure";
}

TEST_F(BrowserNavigationTest, DestinationPairMovesAlone) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    ASSERT_TRUE(panel->ChangeDirPath(usb + QStringLiteral("/Songs"), false));
    EXPECT_EQ(panel->Dir2()->path(), usb + QStringLiteral("/Songs"));
    EXPECT_EQ(panel->Drive2()->currentData().toString(), usb);
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_FALSE(panel->Dir2()->isVisible()) << "shown only by the move-and-copy panel";

    panel->Dir2_MouseUp(Qt::RightButton);
    EXPECT_EQ(panel->Dir2()->path(), usb);
    panel->Drive2()->setCurrentIndex(panel->Drive2()->findData(dir.path(QStringLiteral("gone"))));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, BrowserTexts::kDriveUnreadable);
    EXPECT_EQ(panel->Dir2()->path(), usb);
    EXPECT_EQ(panel->Drive2()->currentData().toString(), usb);
    EXPECT_EQ(dir1()->path(), music) << "the main pair never follows";
    EXPECT_EQ(file1()->ListCount(), 6);
}

TEST_F(BrowserNavigationTest, LevelRowsAtTheRootAndThreeLevelsDown) {
    ASSERT_TRUE(panel->ChangeDirPath(QStringLiteral("/"), true));
    EXPECT_EQ(dir1()->rows().levelCount(), 1);
    EXPECT_EQ(dir1()->item(0)->text(), QStringLiteral("/"));
    EXPECT_TRUE(dir1()->entry(-2).isEmpty());

    const QString deep = music + QStringLiteral("/Pop/a/b");
    ASSERT_TRUE(panel->ChangeDirPath(deep, true));
    const int musicLevels = static_cast<int>(FolderRows::levelsOf(music).size());
    EXPECT_EQ(dir1()->rows().levelCount(), musicLevels + 3);
    EXPECT_EQ(dir1()->count(), musicLevels + 3 + 1) << "levels and the one subfolder c";
    EXPECT_EQ(dir1()->entry(-1), deep);
    EXPECT_EQ(dir1()->entry(-4), music);
    EXPECT_EQ(dir1()->entry(0), deep + QStringLiteral("/c"));
    EXPECT_EQ(dir1()->item(dir1()->count() - 1)->text(), QStringLiteral("c"));
}

TEST_F(BrowserNavigationTest, LeftClickOpensTheRowUnderTheMouse) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    clickDir(1);  // Pop
    EXPECT_EQ(dir1()->path(), music + QStringLiteral("/Pop"));
    EXPECT_EQ(file1()->ListCount(), 0);
    EXPECT_EQ(labelText(), QStringLiteral("總共1個資料夾, 0個檔案"));
    clickDir(-2);  // a level row goes up to that folder
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案"));
    EXPECT_TRUE(status.history.isEmpty());
}

TEST_F(BrowserNavigationTest, DoubleClickOpensOneFolderOnly) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    doubleClick(dir1()->viewport(), dirRowCenter(1));
    EXPECT_EQ(dir1()->path(), music + QStringLiteral("/Pop")) << "not the folder under the second click";
}

TEST_F(BrowserNavigationTest, RightClickGoesUpAndAtTheRootToTheStartFolder) {
    ASSERT_TRUE(panel->ChangeDirPath(music + QStringLiteral("/Pop"), true));
    clickDir(0, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案"));

    state.InitDir = usb + QStringLiteral("/Songs");
    ASSERT_TRUE(panel->ChangeDirPath(QStringLiteral("/"), true));
    clickDir(-1, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), state.InitDir);
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the start folder's own drive";
}

TEST_F(BrowserNavigationTest, MiddleButtonRefreshesFilesOnly) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    dir.writeFile(QStringLiteral("music/new.mp3"), "x");
    dir.makeDir(QStringLiteral("music/New Folder"));
    clickDir(0, Qt::MiddleButton);
    EXPECT_EQ(dir1()->path(), music);
    EXPECT_EQ(dir1()->ListCount(), 3) << "the folder list is not re-read";
    EXPECT_EQ(file1()->ListCount(), 7);
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 7個檔案"));
}

TEST_F(BrowserNavigationTest, AFolderThatVanishedBeforeTheClick) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    const QRect dirGeometry = dir1()->geometry();
    const QString tooltip = dir1()->toolTip();
    // One removed, one replaced by a file of the same name.
    const std::function<void()> vanish[] = {
        [&] { ASSERT_TRUE(QDir(music + QStringLiteral("/Rock")).removeRecursively()); },
        [&] {
            ASSERT_TRUE(QDir(music + QStringLiteral("/Jazz")).removeRecursively());
            dir.writeFile(QStringLiteral("music/Jazz"), "not a folder");
        },
    };
    const QString names[] = {QStringLiteral("Rock"), QStringLiteral("Jazz")};
    for (int i = 0; i < 2; ++i) {
        const int index = static_cast<int>(dir1()->rows().subfolderNames().indexOf(names[i]));
        ASSERT_GE(index, 0) << names[i].toStdString();
        vanish[i]();
        status.history.clear();
        clickDir(index);
        EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing) << names[i].toStdString();
        EXPECT_EQ(dir1()->path(), music) << names[i].toStdString();
        EXPECT_FALSE(dir1()->rows().subfolderNames().contains(names[i]))
            << "the folder list was re-read: " << names[i].toStdString();
        EXPECT_EQ(file1()->ListCount(), 6) << "file list left as it was: " << names[i].toStdString();
        EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案")) << "count label left: " << names[i].toStdString();
        EXPECT_EQ(dir1()->geometry(), dirGeometry) << "heights left as they were: " << names[i].toStdString();
        EXPECT_EQ(dir1()->toolTip(), tooltip) << names[i].toStdString();
    }
}

TEST_F(BrowserNavigationTest, CurrentFolderGoneThenMiddleClick) {
    ASSERT_TRUE(panel->ChangeDirPath(music + QStringLiteral("/Pop/a"), true));
    ASSERT_TRUE(QDir(music + QStringLiteral("/Pop")).removeRecursively());
    clickDir(-1, Qt::MiddleButton);
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(dir1()->ListCount(), 0);
    clickDir(-3);  // the level row of music still works
    EXPECT_EQ(dir1()->path(), music);
}

TEST_F(BrowserNavigationTest, DriveChangeShowsTheRootWithoutCounting) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    chooseDrive(usb);
    EXPECT_EQ(dir1()->path(), usb);
    EXPECT_EQ(file1()->names(), QStringList{QStringLiteral("x.mp3")});
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案")) << "a drive change does not count";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(BrowserNavigationTest, UnreadableDriveKeepsThePreviousFolder) {
    ASSERT_TRUE(panel->ChangeDirPath(usb, true));
    chooseDrive(dir.path(QStringLiteral("gone")));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, BrowserTexts::kDriveUnreadable);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(dir1()->path(), usb);
    EXPECT_EQ(file1()->names(), QStringList{QStringLiteral("x.mp3")});
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the drive list goes back";
}

TEST_F(BrowserNavigationTest, FitOptionOffGivesTheFixedLayout) {
    state.options.optCheck[2] = false;
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    EXPECT_EQ(dir1()->toolTip(), QStringLiteral("No Method (Fixed Size)"));
    EXPECT_EQ(Twips::fromPx(dir1()->y()), 360);
    EXPECT_EQ(Twips::fromPx(dir1()->height()), 2190);
    EXPECT_EQ(Twips::fromPx(file1()->y()), 2640);
    EXPECT_EQ(Twips::fromPx(file1()->height()), 4590);
    int rows = -1;
    panel->AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, -1) << "no counting while fitting is off";
}

TEST_F(BrowserNavigationTest, SpareRowAddsOneFolderRow) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    int rows = -1;
    panel->AdjustListHeights(rows, 6);
    const int levels = dir1()->rows().levelCount();
    EXPECT_EQ(rows, levels + 3) << "the count is written back";
    const int height = dir1()->height();
    EXPECT_EQ(height, (levels + 3) * FolderListBox::kRowHeightPx + 6);

    state.ShiftConst[2] = 1;
    rows = -1;
    panel->AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, levels + 4);
    EXPECT_EQ(dir1()->height(), height + FolderListBox::kRowHeightPx);
    // The tooltip reports the heights the lists have.
    EXPECT_EQ(dir1()->toolTip(), QStringLiteral("Method I (%1 ; %2)")
                                     .arg(Twips::fromPx(dir1()->height()))
                                     .arg(Twips::fromPx(file1()->height())));
}

TEST_F(BrowserNavigationTest, FirstTooltipUntilTheFirstFit) {
    EXPECT_EQ(dir1()->toolTip(), BrowserTexts::kDirTooltip);
    EXPECT_EQ(file1()->toolTip(), BrowserTexts::kFileTooltip);
    EXPECT_EQ(panel->lblDirDetails()->toolTip(), BrowserTexts::kDirDetailsTooltip);
    EXPECT_FALSE(panel->cmdCancelFileFilter()->isVisible());
}

TEST_F(BrowserNavigationTest, RefreshRereadsFromDiskAndKeepsTheSelection) {
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    file1()->setRowSelected(fileRow(QStringLiteral("c.wav")), true);
    file1()->setRowSelected(fileRow(QStringLiteral("notes.txt")), true);
    dir.writeFile(QStringLiteral("music/0.mp3"), "x");
    ASSERT_TRUE(QFile::remove(music + QStringLiteral("/notes.txt")));
    dir.makeDir(QStringLiteral("music/Blues"));
    panel->refresh();
    EXPECT_EQ(dir1()->ListCount(), 4);
    EXPECT_EQ(file1()->names().first(), QStringLiteral("0.mp3"));
    EXPECT_EQ(panel->selectedFilePaths(), QStringList{music + QStringLiteral("/c.wav")});
    EXPECT_EQ(labelText(), QStringLiteral("總共4個資料夾, 6個檔案"));
}

TEST_F(BrowserNavigationTest, RefreshAfterTheFolderWentAway) {
    ASSERT_TRUE(panel->ChangeDirPath(music + QStringLiteral("/Pop/a/b"), true));
    ASSERT_TRUE(QDir(music + QStringLiteral("/Pop/a")).removeRecursively());
    panel->refresh();
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(dir1()->path(), music + QStringLiteral("/Pop")) << "what is left of the path";
}

}  // namespace
