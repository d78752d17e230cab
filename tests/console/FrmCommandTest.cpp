#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "console/ConsoleRig.h"
#include "console/Frm_Command.h"
#include "support/QStringPrinter.h"

namespace {

struct ConsoleWindow {
    ConsoleWindow() {
        rig.fakes.mci.answer(QStringLiteral("status ZELSong position"), QStringLiteral("4321"));
        window.show();
        command->setFocus();
    }
    QLineEdit* box(const char* name) const { return window.findChild<QLineEdit*>(QLatin1String(name)); }
    QString log() const { return window.findChild<QPlainTextEdit*>(QStringLiteral("txtReturn"))->toPlainText(); }
    void type(const QString& text) { QTest::keyClicks(command, text); }
    void pressEnter() { QTest::keyClick(command, Qt::Key_Return); }

    ConsoleRig rig;
    Frm_Command window{rig.parts};
    QLineEdit* command = box("txtCommand");
};

}  // namespace

// Keys typed into the command line complete the alias with the proposal
// selected, split into the four parts, and Enter sends the line, logs the
// answer and selects the line for the next command.
TEST(FrmCommand, TypedKeysCompleteSplitAndEnterSendsAndLogs) {
    ConsoleWindow w;
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("命令提示字元 (程式預設Alias: ZELSong)"));
    w.type(QStringLiteral("status Z"));
    EXPECT_EQ(w.command->text(), QStringLiteral("status ZELSong"));
    EXPECT_EQ(w.command->selectedText(), QStringLiteral("ELSong"));
    w.command->end(false);
    w.type(QStringLiteral(" position"));
    EXPECT_EQ(w.box("Text1(0)")->text(), QStringLiteral("status"));
    EXPECT_EQ(w.box("Text1(1)")->text(), QStringLiteral("ZELSong"));
    EXPECT_EQ(w.box("Text1(2)")->text(), QStringLiteral("position"));
    EXPECT_EQ(w.box("Text1(3)")->text(), QString());
    w.pressEnter();
    EXPECT_EQ(w.rig.fakes.mci.commands(), QStringList{QStringLiteral("status ZELSong position")});
    EXPECT_EQ(w.log().section(u'\n', 0, 0), QStringLiteral("13:30:00   傳回值是: 4321   解釋: "));
    EXPECT_EQ(w.command->selectedText(), QStringLiteral("status ZELSong position")) << "ready to be replaced";
    w.type(QStringLiteral("pause"));
    EXPECT_EQ(w.command->text(), QStringLiteral("pause")) << "the next typing replaced the line";
}

// A size of several digits can be typed key by key; it goes out held to 255
// and the box shows what was sent; the automatic switch reaches the console.
TEST(FrmCommand, ReplySizeBoxTypedAutomaticAndHeld) {
    ConsoleWindow w;
    QLineEdit* size = w.box("txtReturnLen");
    EXPECT_EQ(size->text(), QStringLiteral("255"));
    size->clear();
    QTest::keyClicks(size, QStringLiteral("999"));
    EXPECT_EQ(size->text(), QStringLiteral("999"));
    w.type(QStringLiteral("status ZELSong position"));
    w.pressEnter();
    ASSERT_EQ(w.rig.fakes.mci.sent.size(), 1);
    EXPECT_EQ(w.rig.fakes.mci.sent[0].replyCapacity, 255);
    EXPECT_EQ(size->text(), QStringLiteral("255")) << "shown as sent";

    w.window.findChild<QCheckBox*>(QStringLiteral("chkAutoAdjustLen"))->setChecked(true);
    w.type(QStringLiteral("open /m/a.wav alias x"));
    EXPECT_EQ(size->text(), QStringLiteral("0"));
}

// "exit" and Enter close the console without sending; a double click on the
// log clears it. ("END" is the console's own word: CommandConsole's table, and
// through the whole program CommandConsoleEntry.)
TEST(FrmCommand, EnterOnExitClosesAndADoubleClickClearsTheLog) {
    ConsoleWindow w;
    w.type(QStringLiteral("status ZELSong position"));
    w.pressEnter();
    QWidget* log = w.window.findChild<QPlainTextEdit*>(QStringLiteral("txtReturn"))->viewport();
    QTest::mouseDClick(log, Qt::LeftButton);
    EXPECT_EQ(w.log(), QString()) << "cleared by the double click";
    w.type(QStringLiteral("exit"));
    w.pressEnter();
    EXPECT_FALSE(w.window.isVisible()) << "exit closes";
    EXPECT_EQ(w.rig.fakes.mci.sent.size(), 1) << "exit is not sent";
}

// The tools menu's entry opens one console at a time.
TEST(FrmCommand, MenuEntryOpensOneConsole) {
    ConsoleRig rig;
    QWidget mainWindow;
    QMenu tools;
    Frm_Command::addMenuEntry(&tools, rig.parts, &mainWindow);
    QAction* entry = tools.findChild<QAction*>(QStringLiteral("mnuTools(4)"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    entry->trigger();
    const auto consoles = mainWindow.findChildren<Frm_Command*>();
    EXPECT_EQ(consoles.size(), 1);
    ASSERT_FALSE(consoles.isEmpty());
    EXPECT_TRUE(consoles[0]->isVisible());
}
