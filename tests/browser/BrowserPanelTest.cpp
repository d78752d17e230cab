// The panel decides nothing: these tests work its real controls with mouse and key events and check that each
// event reaches the navigator and that the navigator's answer is drawn. The rules are BrowserNavigatorTest's.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "BrowserRig.h"
#include "browser/BrowserPanel.h"
#include "browser/BrowserTexts.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "browser/PathBoxKeys.h"
#include "ui/widgets/ClickLabel.h"

namespace {

using namespace Qt::StringLiterals;

// The menu bar with a file menu only.
class FileMenuOnly final : public MainMenus {
public:
    QMenu* menu(MainMenu which) const override { return which == MainMenu::File ? &file : nullptr; }
    mutable QMenu file;
};

class BrowserPanelTest : public ::testing::Test, protected BrowserRig {
protected:
    void SetUp() override {
        canvas.resize(800, 560);
        panel = new BrowserPanel(&canvas, navigator);
        canvas.show();
        ASSERT_TRUE(navigator.ChangeDirPath(music, true));
    }

    FolderListBox* dir1() const { return panel->Dir1(); }
    FileListBox* file1() const { return panel->File1(); }
    QString labelText() const { return panel->lblDirDetails()->text(); }
    QPoint dirRowCenter(int index) const {
        return dir1()->visualItemRect(dir1()->item(dir1()->rows().rowOfIndex(index))).center();
    }
    void clickDir(int index, Qt::MouseButton button) { QTest::mouseClick(dir1()->viewport(), button, {}, dirRowCenter(index)); }
    QPoint fileRowCenter(int row) const { return file1()->visualRect(file1()->model()->index(row, 0)).center(); }
    void clickFile(const char* name, Qt::KeyboardModifiers modifiers = {}) {
        const int row = static_cast<int>(file1()->names().indexOf(QString::fromUtf8(name)));
        QTest::mouseClick(file1()->viewport(), Qt::LeftButton, modifiers, fileRowCenter(row));
    }
    void chooseDrive(const QString& root) { panel->Drive1()->setCurrentIndex(panel->Drive1()->findData(root)); }

    QWidget canvas;  // after everything the panel refers to: destroyed first
    BrowserPanel* panel = nullptr;
};

// Releases on the folder list, drive choices and the fit reach the navigator; the lists, the drive list, the
// label and the lists' places show its answer.
TEST_F(BrowserPanelTest, FolderControlsDrawTheNavigatorsAnswer) {
    EXPECT_EQ(file1()->names(), navigator.fileNames());
    EXPECT_EQ(labelText(), counts(3, 6));
    const int levels = dir1()->rows().levelCount();
    EXPECT_EQ(dir1()->height(), (levels + 3) * FolderListBox::kRowHeightPx + 6) << "every folder row fits";
    EXPECT_EQ(dir1()->geometry(), Twips::edgesToPx(navigator.dir1Place()));
    EXPECT_EQ(file1()->geometry(), Twips::edgesToPx(navigator.file1Place()));
    EXPECT_EQ(dir1()->toolTip(),
              u"Method I (%1 ; %2)"_s.arg(Twips::fromPx(dir1()->height())).arg(Twips::fromPx(file1()->height())));

    const QPoint pop = dirRowCenter(1);
    QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, pop);  // the events of a real double click
    QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, pop);
    QTest::mouseRelease(dir1()->viewport(), Qt::LeftButton, {}, pop);
    EXPECT_EQ(dir1()->path(), music + u"/Pop"_s) << "not the folder under the second click";
    EXPECT_EQ(labelText(), counts(1, 0));
    clickDir(-1, Qt::RightButton);
    EXPECT_EQ(dir1()->path(), music) << "a release of another button";

    chooseDrive(usb);
    EXPECT_EQ(dir1()->path(), usb);
    EXPECT_EQ(file1()->names(), QStringList{u"x.mp3"_s});
    chooseDrive(gone);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{BrowserTexts::kDriveUnreadable});
    EXPECT_EQ(panel->Drive1()->currentData().toString(), usb) << "the drive list goes back";

    ASSERT_TRUE(navigator.ChangeDirPath(music, false));
    FolderListBox* dir2 = panel->Dir2();
    EXPECT_EQ(dir2->path(), music) << "the destination pair";
    QTest::mouseClick(dir2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(navigator.dir2Rows().path(), dir.path()) << "a release on Dir2";
    EXPECT_EQ(dir2->path(), dir.path()) << "drawn";
    panel->Drive2()->setCurrentIndex(panel->Drive2()->findData(usb));
    EXPECT_EQ(dir2->path(), usb) << "a destination drive";
    EXPECT_EQ(dir1()->path(), usb) << "the browser stays where the drive list took it";
    EXPECT_TRUE(status.history.isEmpty()) << status.history.join(u'|').toStdString();
}

// Clicks, keys, the menu and the buttons of the file list reach the navigator; the selection, the filter button
// and the names show its answer.
TEST_F(BrowserPanelTest, FileControlsDrawTheNavigatorsAnswer) {
    FileMenuOnly menus;
    panel->addMenuEntries(menus);
    ASSERT_EQ(menus.file.actions().size(), 2);
    menus.file.actions()[0]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{0, 1, 2, 3, 4, 5})) << "select all is drawn";
    clickFile("c.wav", Qt::ControlModifier);
    EXPECT_EQ(navigator.fileRows().selectedRows(), (QList<int>{0, 1, 3, 4, 5})) << "a Ctrl click reaches the navigator";
    clickFile("c.wav");
    EXPECT_EQ(pathBox.text(), inMusic("c.wav")) << "a click puts the path in the box";
    clickFile("c.wav", Qt::AltModifier);
    EXPECT_EQ(playlist.calls, QStringList{"addPaths " + inMusic("c.wav")}) << "only the Alt click adds, the clicked file";

    QTest::keyClick(file1(), Qt::Key_Return, Qt::ControlModifier);
    clickFile("b.mp3");  // a real double click begins with a click
    QTest::mouseDClick(file1()->viewport(), Qt::LeftButton, {}, fileRowCenter(1));
    QTest::mouseClick(panel->cmdPlaySpecificSong(), Qt::LeftButton);
    EXPECT_EQ(opener.opened, (QStringList{inMusic("c.wav"), inMusic("b.mp3"), inMusic("b.mp3")}))
        << "Ctrl+Enter, a double click, the open button";
    QTest::mouseClick(panel->imgClipFileLink(0), Qt::LeftButton);
    EXPECT_EQ(clipboard.text(), inMusic("b.mp3")) << "the copy picture";

    dialogs.inputAnswers = {u"mp3"_s};
    QTest::mousePress(file1()->viewport(), Qt::RightButton, {}, fileRowCenter(0));
    EXPECT_EQ(panel->cmdCancelFileFilter()->text(), navigator.filterButtonCaption());
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(file1()->names(), navigator.fileNames()) << "the filtered names";
    QTest::mouseClick(panel->cmdCancelFileFilter(), Qt::LeftButton);
    EXPECT_FALSE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(file1()->ListCount(), 6) << "every file again";
}

// The compact modes hide the browser and the full mode brings it back, the filter button only while a filter
// is on.
TEST_F(BrowserPanelTest, WindowModes) {
    const QList<QWidget*> browser{panel->Drive1(), dir1(), file1(), panel->lblDirDetails(),
                                  panel->imgClipFileLink(0), panel->imgClipFileLink(1)};
    navigator.applyFilterAnswer(u"wav"_s);
    for (const WindowMode mode : {WindowMode::Simple, WindowMode::LyricView, WindowMode::Full}) {
        panel->applyWindowMode(mode);
        const bool shown = mode == WindowMode::Full;
        for (QWidget* widget : browser) EXPECT_EQ(widget->isVisible(), shown) << widget->objectName().toStdString();
        EXPECT_EQ(panel->cmdCancelFileFilter()->isVisible(), shown) << "mode " << int(mode);
    }
    navigator.cmdCancelFileFilter_Click();
    panel->applyWindowMode(WindowMode::Full);
    EXPECT_FALSE(panel->cmdCancelFileFilter()->isVisible()) << "no filter, no button";
}

// The path box belongs to the main window; the browser selects its text on a double click and opens on Ctrl+Enter.
TEST_F(BrowserPanelTest, PathBoxKeys) {
    auto* box = new QLineEdit(&canvas);
    new PathBoxKeys(box, navigator);
    box->setText(u"a path"_s);
    pathBox.setText(inMusic("A.MP3"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(opener.opened, QStringList{inMusic("A.MP3")}) << "Ctrl+Enter";
    QTest::keyClick(box, Qt::Key_S);
    EXPECT_EQ(box->text(), u"a paths"_s) << "other keys still type";
    QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
    EXPECT_EQ(box->selectedText(), box->text()) << "a double click selects the whole path";
}

}  // namespace
