#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "common/Twips.h"
#include "support/FakeServices.h"
#include "ui/Frm_Main.h"
#include "ui/StateInspectorPanel.h"

namespace {

TEST(StateInspectorPanel, HelpMenuFirstEntryTogglesTheListAndItsTimer) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.Form_Load(QString());
    QAction* entry = window.menu(MainMenu::Help)->actions().value(0);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("觀看變數"));
    EXPECT_EQ(entry->objectName(), QStringLiteral("mnuHelp(0)"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("ListVariable"));
    ASSERT_NE(list, nullptr);
    StateInspectorPanel* inspector = window.stateInspector();
    EXPECT_TRUE(list->isHidden());

    for (int round = 0; round < 2; ++round) {
        entry->trigger();
        EXPECT_FALSE(list->isHidden()) << "round " << round;
        EXPECT_TRUE(entry->isChecked()) << "round " << round;
        EXPECT_EQ(list->size(), QSize(Twips::toPx(3375), Twips::toPx(7050))) << "round " << round;
        EXPECT_EQ(inspector->VariableTimer().intervalMs(), 500) << "round " << round;
        EXPECT_TRUE(inspector->VariableTimer().isRunning()) << "round " << round;
        EXPECT_EQ(window.timers().intervalMs(QStringLiteral("VariableTimer")), 500) << "round " << round;

        entry->trigger();
        EXPECT_TRUE(list->isHidden()) << "round " << round;
        EXPECT_FALSE(entry->isChecked()) << "round " << round;
        EXPECT_EQ(inspector->VariableTimer().intervalMs(), 0) << "round " << round;
        EXPECT_FALSE(inspector->VariableTimer().isRunning()) << "round " << round;
    }
}

TEST(StateInspectorPanel, RefreshKeepsTheSelectedRowAndShowsTheLiveFields) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.Form_Load(QString());
    window.stateInspector()->mnuHelp0_Click();
    QListWidget* list = window.stateInspector()->ListVariable();
    ASSERT_EQ(list->count(), 39);
    EXPECT_EQ(list->item(19)->text(), QStringLiteral("MMCentre.Position = 0"));
    EXPECT_EQ(list->item(29)->text(), QStringLiteral("MMTimer = 0"));
    EXPECT_EQ(list->item(32)->text(), QStringLiteral("VariableTimer = 500"));

    list->setCurrentRow(16);
    window.state().TotalPLRep = -1;
    window.stateInspector()->VariableTimer_Timer();
    EXPECT_EQ(list->count(), 39);
    EXPECT_EQ(list->currentRow(), 16);
    EXPECT_EQ(list->item(16)->text(), QStringLiteral("TotalPLRep = -1"));
}

}  // namespace
