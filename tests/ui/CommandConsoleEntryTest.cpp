#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "common/DataFolder.h"
#include "console/Frm_Command.h"
#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"

// The console opened from the tools menu talks to the song the player plays,
// and "END" typed there ends the whole program at once: the running event
// loop quits and no option file is written.
TEST(CommandConsoleEntry, OpensFromTheToolsMenuAndEndEndsTheProgramWithoutSaving) {
    FakeServices fakes;
    Frm_Main window{fakes.services};
    window.show();
    window.Form_Load(QString());
    QAction* entry = window.findChild<QAction*>(QStringLiteral("mnuTools(4)"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    auto* console = window.findChild<Frm_Command*>();
    ASSERT_NE(console, nullptr);
    auto* command = console->findChild<QLineEdit*>(QStringLiteral("txtCommand"));
    ASSERT_NE(command, nullptr);

    QTest::keyClicks(command, QStringLiteral("status ZELSong mode"));
    QTest::keyClick(command, Qt::Key_Return);
    EXPECT_EQ(fakes.mci.commands().value(0), QStringLiteral("status ZELSong mode")) << "the player's own engine";

    const QByteArray optionsBefore = readWholeFile(DataFolder::optionFile());
    QEventLoop loop;
    QTimer::singleShot(0, command, [command] {
        command->selectAll();
        QTest::keyClicks(command, QStringLiteral("END"));
        QTest::keyClick(command, Qt::Key_Return);
    });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0) << "the program's loop was told to end";
    EXPECT_EQ(readWholeFile(DataFolder::optionFile()), optionsBefore) << "nothing saved";
}
