// The window decides nothing: these tests type and click into its real
// controls and check that each event reaches the controller and that its
// answer is drawn. The rules are RenameControllerTest's.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "platform/qt/QtFileOperations.h"
#include "rename/Frm_Rename.h"
#include "support/FakeDialogs.h"
#include "support/FakeSeams.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

struct FrmRenameTest : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        browser.folder = dir.path();
        for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}) {
            dir.writeFile(name, name.toUtf8());
            browser.names << name;
        }
    }
    Frm_Rename* open() {
        window = std::make_unique<Frm_Rename>(browser, dialogs, files);
        window->show();
        return window.get();
    }
    template <typename T>
    T* control(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QListWidget* listAfter() const { return control<QListWidget>("listAfter"); }

    TempDir dir;
    FakeBrowser browser;
    FakeDialogs dialogs;
    QtFileOperations files;
    std::unique_ptr<Frm_Rename> window;
};

TEST_F(FrmRenameTest, TheFileMenuEntryOpensTheWindowOverTheBrowsersFolder) {
    QWidget mainWindow;
    QMenu file;
    Frm_Rename::addMenuEntry(&file, browser, dialogs, files, &mainWindow);
    QAction* entry = file.findChild<QAction*>(u"mnuFileRename2"_s);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), u"批次檔案命名"_s);
    entry->trigger();
    auto* opened = mainWindow.findChild<Frm_Rename*>();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), u"批次檔案命名 ["_s + dir.path() + u"/]"_s);
    EXPECT_FALSE(opened->isModal());
    EXPECT_EQ(itemsOf(opened->findChild<QListWidget*>(u"listBefore"_s)), browser.names);
}

TEST_F(FrmRenameTest, EveryNamedControlHasAnAccessibleName) {
    open();
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s)) continue;
        EXPECT_FALSE(widget->accessibleName().trimmed().isEmpty()) << name.toStdString();
    }
}

TEST_F(FrmRenameTest, TypingInTheBoxesRedrawsTheNewNamesAndTheLastNumber) {
    open();
    EXPECT_EQ(control<QLineEdit>("txtRange1")->text(), u"3"_s);
    QTest::keyClicks(control<QLineEdit>("txtTemplate"), u"T#@"_s);
    EXPECT_EQ(itemsOf(listAfter()), (QStringList{u"T1@"_s, u"T2@"_s, u"T3@"_s}));
    QTest::keyClicks(control<QLineEdit>("txtRange2"), u"65"_s);
    QTest::keyClicks(control<QLineEdit>("txtRange3"), u"66"_s);
    EXPECT_EQ(control<QLineEdit>("txtRangeC")->text(), u"A-B"_s);
    EXPECT_EQ(itemsOf(listAfter()), (QStringList{u"T1A"_s, u"T2B"_s, u"T3A"_s}));
    QTest::keyClicks(control<QLineEdit>("txtRange0"), u"0"_s);  // "1" becomes "10"
    EXPECT_EQ(control<QLineEdit>("txtRange1")->text(), u"12"_s);
    EXPECT_EQ(listAfter()->item(0)->text(), u"T10A"_s);
    QTest::mouseDClick(control<QLineEdit>("txtLen"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtLen")->text(), u"2"_s);
    QTest::mouseDClick(control<QLineEdit>("txtRange1"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtRange0")->text(), u"11"_s);
    EXPECT_EQ(listAfter()->item(0)->text(), u"T11A"_s);
}

TEST_F(FrmRenameTest, ClickingAnEntryEditsItAndEnterMovesOn) {
    open();
    QTest::mouseClick(control<QPushButton>("cmdDirectCopy"), Qt::LeftButton);
    const QRect second = listAfter()->visualItemRect(listAfter()->item(1));
    QTest::mouseClick(listAfter()->viewport(), Qt::LeftButton, {}, second.center());
    auto* edit = control<QLineEdit>("txtEdit");
    EXPECT_EQ(edit->text(), u"b.mp3"_s);
    EXPECT_EQ(edit->selectedText(), u"b.mp3"_s);
    QTest::keyClicks(edit, u"x.mp3"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(listAfter()->item(1)->text(), u"x.mp3"_s);
    EXPECT_EQ(edit->text(), u"c.mp3"_s);
    EXPECT_EQ(listAfter()->currentRow(), 2);
}

TEST_F(FrmRenameTest, AFunctionClickAsksAndChangesTheNewNames) {
    open();
    QTest::mouseClick(control<QPushButton>("cmdDirectCopy"), Qt::LeftButton);
    dialogs.inputAnswers.push_back(u"bak"_s);
    auto* functions = control<QListWidget>("listFunction");
    const QRect addExtension = functions->visualItemRect(functions->item(int(NameFunction::AddExtension)));
    QTest::mouseClick(functions->viewport(), Qt::LeftButton, {}, addExtension.center());
    EXPECT_EQ(itemsOf(listAfter()), (QStringList{u"a.mp3.bak"_s, u"b.mp3.bak"_s, u"c.mp3.bak"_s}));
}

TEST_F(FrmRenameTest, ExecuteSwapsRealFilesKeepingTheirContentsThenRefreshesAndCloses) {
    open();
    QTest::mouseClick(control<QPushButton>("cmdDirectCopy"), Qt::LeftButton);
    window->controller().listAfter_Click(0);
    window->controller().txtEdit_Enter(u"b.mp3"_s);
    window->controller().txtEdit_Enter(u"a.mp3"_s);
    QTest::mouseClick(control<QPushButton>("cmdExecute"), Qt::LeftButton);
    EXPECT_EQ(readWholeFile(dir.path(u"a.mp3"_s)), QByteArray("b.mp3"));
    EXPECT_EQ(readWholeFile(dir.path(u"b.mp3"_s)), QByteArray("a.mp3"));
    EXPECT_EQ(readWholeFile(dir.path(u"c.mp3"_s)), QByteArray("c.mp3"));
    EXPECT_EQ(control<QLabel>("lblStatus0")->text(), u"行動: 寫入目標檔名中... "_s);
    EXPECT_EQ(control<QLabel>("lblStatus1")->text(), u"進度: 3/3"_s);
    EXPECT_EQ(browser.calls, QStringList{u"refresh"_s});
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
