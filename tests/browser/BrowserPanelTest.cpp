#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "browser/BrowserPanel.h"
#include "browser/BrowserTexts.h"
#include "ui/widgets/ClickLabel.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "common/Twips.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

struct RecordingSongStarter final : SongStarter {
    void SongStarted(const QString& path) override { started.append(path); }
    QStringList started;
};

struct FixedDrives final : DriveSource {
    QList<DriveEntry> drives() const override { return list; }
    QList<DriveEntry> list;
};

// A browser on a canvas of the main window's size, over a generated tree, showing music/:
//   music/  A.MP3 b.mp3 c.wav notes.txt track2.mp3 track10.mp3, folders Jazz, Pop/a/b/c, Rock
//   usb/    a drive: x.mp3, Songs/;   gone: a drive that is not there
class BrowserPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A.MP3", "b.mp3", "c.wav", "notes.txt", "track2.mp3", "track10.mp3"})
            dir.writeFile(u"music/"_s + QString::fromUtf8(name), "x");
        for (const char* folder : {"music/Jazz", "music/Pop/a/b/c", "music/Rock", "usb/Songs"})
            dir.makeDir(QString::fromUtf8(folder));
        dir.writeFile(u"usb/x.mp3"_s, "x");
        canvas.resize(800, 560);
        txtFileLink = new QLineEdit(&canvas);
        auto drives = std::make_unique<FixedDrives>();
        drives->list = {{u"/"_s, {}}, {usb, u"USB"_s}, {dir.path(u"gone"_s), {}}};
        BrowserHooks hooks;
        hooks.addSelectedToPlaylist = [this] { addedToPlaylist.append(panel->selectedFilePaths()); };
        hooks.openOther = [this](const QString& path, OpenGroup) { openedOther.append(path); };
        panel = new BrowserPanel(&canvas, state, fakes.services, status, txtFileLink, songs, hooks, std::move(drives));
        canvas.show();
        ASSERT_TRUE(panel->ChangeDirPath(music, true));
    }

    FolderListBox* dir1() const { return panel->Dir1(); }
    FileListBox* file1() const { return panel->File1(); }
    QString labelText() const { return panel->lblDirDetails()->text(); }
    QString inMusic(const char* name) const { return music + u"/"_s + QString::fromUtf8(name); }
    static QString counts(int folders, int files) { return u"總共%1個資料夾, %2個檔案"_s.arg(folders).arg(files); }
    QPoint dirRowCenter(int index) const {
        return dir1()->visualItemRect(dir1()->item(dir1()->rows().rowOfIndex(index))).center();
    }
    void clickDir(int index, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(dir1()->viewport(), button, {}, dirRowCenter(index));
    }
    QPoint fileRowCenter(int row) const { return file1()->visualRect(file1()->model()->index(row, 0)).center(); }
    void clickFile(const QString& name, Qt::KeyboardModifiers modifiers = {}) {
        const int row = static_cast<int>(file1()->names().indexOf(name));
        QTest::mouseClick(file1()->viewport(), Qt::LeftButton, modifiers, fileRowCenter(row));
    }

    TempDir dir;
    QString music = dir.path(u"music"_s);
    QString usb = dir.path(u"usb"_s);
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter songs;
    AppState state;
    QStringList addedToPlaylist, openedOther;
    QWidget canvas;  // after everything the panel refers to: destroyed first
    QLineEdit* txtFileLink = nullptr;
    BrowserPanel* panel = nullptr;
};

// Middle: the files only. Left: the row pressed (of a double click only the first), a level row goes up to
// it. Right: one level up, and above a root to the start folder.
TEST_F(BrowserPanelTest, FolderListButtons) {
    dir.writeFile(u"music/new.mp3"_s, "x");
    dir.makeDir(u"music/New Folder"_s);
    clickDir(0, Qt::MiddleButton);
    EXPECT_EQ(dir1()->ListCount(), 3) << "the middle button does not re-read the folders";
    EXPECT_EQ(labelText(), counts(3, 7));
    const QPoint pop = dirRowCenter(1);
    QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, pop);  // the events of a real double click
    QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, pop);
    QTest::mouseRelease(dir1()->viewport(), Qt::LeftButton, {}, pop);
    EXPECT_EQ(dir1()->path(), music + u"/Pop"_s) << "not the folder under the second click";
    EXPECT_EQ(labelText(), counts(1, 0));
    clickDir(-2);
    EXPECT_EQ(dir1()->path(), music) << "a level row";
    EXPECT_EQ(labelText(), counts(4, 7));
    clickDir(0, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), dir.path()) << "the right button";
    state.InitDir = usb + u"/Songs"_s;
    ASSERT_TRUE(panel->ChangeDirPath(u"/"_s, true));
    EXPECT_EQ(panel->GetFullFileLink(-1), u"/"_s) << "no file row at the root: one separator";
    clickDir(-1, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), state.InitDir) << "the right button at the root";
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the start folder's own drive";
    EXPECT_TRUE(status.history.isEmpty());
}

// A folder that vanished before its click and a drive that cannot be read both leave the shown folder.
TEST_F(BrowserPanelTest, AVanishedFolderOrAnUnreadableDriveKeepsTheFolderShown) {
    const QRect dirGeometry = dir1()->geometry();
    ASSERT_TRUE(QDir(inMusic("Rock")).removeRecursively());
    clickDir(2);
    EXPECT_EQ(status.status(), BrowserTexts::kFolderMissing);
    EXPECT_EQ(dir1()->rows().subfolderNames(), (QStringList{u"Jazz"_s, u"Pop"_s})) << "the folders are re-read";
    EXPECT_TRUE(dir1()->path() == music && file1()->ListCount() == 6) << "the folder and its files stay";
    EXPECT_EQ(labelText(), counts(3, 6)) << "so does the count";
    EXPECT_EQ(dir1()->geometry(), dirGeometry) << "and the heights";
    const auto choose = [&](const QString& root) { panel->Drive1()->setCurrentIndex(panel->Drive1()->findData(root)); };
    choose(usb);
    EXPECT_TRUE(dir1()->path() == usb && file1()->names() == QStringList{u"x.mp3"_s}) << "the drive's root";
    EXPECT_EQ(labelText(), counts(3, 6)) << "a drive change does not count";
    choose(dir.path(u"gone"_s));
    EXPECT_EQ(fakes.dialogs.messageTexts(), QStringList{BrowserTexts::kDriveUnreadable});
    EXPECT_TRUE(fakes.dialogs.messages.value(0).icon == MsgIcon::Critical &&
                fakes.dialogs.messages.value(0).buttons == MsgButtons::Ok);
    EXPECT_TRUE(dir1()->path() == usb && file1()->names() == QStringList{u"x.mp3"_s}) << "the folder stays";
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the drive list goes back";
}

// The fit's rules have their own table; here the lists take its heights, count their rows and name the method.
TEST_F(BrowserPanelTest, FittingTheListsToTheFolder) {
    const int levels = dir1()->rows().levelCount();
    for (const quint8 spare : {0, 1}) {
        state.ShiftConst[2] = spare;
        int rows = -1;
        panel->AdjustListHeights(rows, 6);
        EXPECT_EQ(rows, levels + 3 + spare) << "the count is written back; spare rows " << int(spare);
    }
    EXPECT_EQ(dir1()->height(), (levels + 4) * FolderListBox::kRowHeightPx + 6);
    EXPECT_EQ(dir1()->toolTip(),
              u"Method I (%1 ; %2)"_s.arg(Twips::fromPx(dir1()->height())).arg(Twips::fromPx(file1()->height())));
    state.options.optCheck[2] = false;
    int rows = -1;
    panel->AdjustListHeights(rows, 6);
    EXPECT_EQ(rows, -1) << "no counting while fitting is off";
    EXPECT_EQ(dir1()->toolTip(), u"No Method (Fixed Size)"_s);
}

// How an answer reads has its own table; here the button, the list and the count label around it.
TEST_F(BrowserPanelTest, FilterFromTheRightButtonUntilCancelled) {
    const auto rightPress = [&] { QTest::mousePress(file1()->viewport(), Qt::RightButton, {}, fileRowCenter(0)); };
    fakes.dialogs.inputAnswers = {u"mp3"_s, QString()};
    rightPress();
    EXPECT_EQ(fakes.dialogs.inputs.value(0).defaultAnswer, u"*."_s);
    EXPECT_EQ(panel->cmdCancelFileFilter()->text(), u"取消過瀘\n*.mp3"_s);
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(file1()->names(), (QStringList{u"A.MP3"_s, u"b.mp3"_s, u"track2.mp3"_s, u"track10.mp3"_s}));
    EXPECT_EQ(labelText(), counts(3, 6)) << "a filter does not count";
    rightPress();  // a cancelled box
    EXPECT_EQ(panel->filePattern(), u"*.mp3"_s);
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    EXPECT_EQ(labelText(), counts(3, 4)) << "a folder shown again counts the filtered files";
    QTest::mouseClick(panel->cmdCancelFileFilter(), Qt::LeftButton);
    EXPECT_TRUE(!panel->cmdCancelFileFilter()->isVisible() && file1()->ListCount() == 6) << "every file again";
    EXPECT_EQ(labelText(), counts(3, 4)) << "the label keeps its count";
}

// The select menu marks rows; an Alt click with nothing else held adds the clicked file alone.
TEST_F(BrowserPanelTest, TheSelectMenuAndAltClickChooseWhatIsAdded) {
    QMenu menu;
    panel->addFileSelectActions(&menu);
    ASSERT_EQ(menu.actions().size(), 2);
    menu.actions()[0]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{0, 1, 2, 3, 4, 5})) << "select all";
    for (const int row : {1, 4}) file1()->setRowSelected(row, false);
    menu.actions()[1]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{1, 4})) << "invert";
    clickFile(u"c.wav"_s, Qt::AltModifier | Qt::ShiftModifier);
    clickFile(u"c.wav"_s);
    EXPECT_TRUE(addedToPlaylist.isEmpty()) << "Alt+Shift and a plain click";
    clickFile(u"c.wav"_s, Qt::AltModifier);
    EXPECT_EQ(addedToPlaylist, QStringList{inMusic("c.wav")}) << "the clicked file is the selection";
}

// Ctrl+Enter in the file list or the path box starts the song; the open button goes by type and reports a path
// that is not a file.
TEST_F(BrowserPanelTest, OnlyCtrlEnterOrTheOpenButtonOpens) {
    const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; bool opens; } cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, false}, {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, true},
        {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, true},
        {"Ctrl+Shift+Enter", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, false},  // last: none started
    };
    clickFile(u"b.mp3"_s);
    EXPECT_EQ(txtFileLink->text(), inMusic("b.mp3")) << "a click puts the path in the box";
    for (QWidget* target : {static_cast<QWidget*>(file1()), static_cast<QWidget*>(txtFileLink)}) {
        for (const auto& c : cases) {
            songs.started.clear();
            QTest::keyClick(target, c.key, c.modifiers);
            EXPECT_EQ(songs.started, c.opens ? QStringList{inMusic("b.mp3")} : QStringList{})
                << c.name << (target == txtFileLink ? " in the path box" : " in the file list");
        }
    }
    txtFileLink->setText(u"  "_s + inMusic("notes.txt") + u" "_s);
    QTest::mouseClick(panel->cmdPlaySpecificSong(), Qt::LeftButton);
    EXPECT_EQ(openedOther, QStringList{inMusic("notes.txt")}) << "spaces around the path are dropped";
    for (const QString& bad : {u"   "_s, music, inMusic("gone.mp3")}) {
        txtFileLink->setText(bad);
        panel->cmdPlaySpecificSong_Click();
    }
    EXPECT_EQ(status.history, QStringList(3, BrowserTexts::kFileMissing)) << "blank, a folder, a file that is gone";
    EXPECT_TRUE(songs.started.isEmpty() && openedOther.size() == 1);
}

}  // namespace
