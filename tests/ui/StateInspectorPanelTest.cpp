#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "app/PlayerAssembly.h"
#include "support/FakeServices.h"
#include "ui/Frm_Main.h"
#include "ui/StateInspectorPanel.h"

namespace {

// The help menu's first entry shows the list with its 500 ms refresh and
// hides it with the refresh stopped, any number of times; a refresh shows
// the live values and keeps the selected row.
TEST(StateInspectorPanel, HelpMenuFirstEntryTogglesTheListAndTheRefreshShowsLiveValues) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.Form_Load(QString());
    QAction* entry = window.menu(MainMenu::Help)->actions().value(0);
    ASSERT_NE(entry, nullptr);
    auto* inspector = window.findChild<StateInspectorPanel*>();
    ASSERT_NE(inspector, nullptr);
    QListWidget* list = inspector->ListVariable();
    EXPECT_TRUE(list->isHidden());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        entry->trigger();
        EXPECT_FALSE(list->isHidden());
        EXPECT_TRUE(entry->isChecked());
        EXPECT_TRUE(inspector->VariableTimer().isRunning());
        EXPECT_EQ(window.assembly().timers().intervalMs(QStringLiteral("VariableTimer")), 500);
        entry->trigger();
        EXPECT_TRUE(list->isHidden());
        EXPECT_FALSE(entry->isChecked());
        EXPECT_FALSE(inspector->VariableTimer().isRunning());
        EXPECT_EQ(window.assembly().timers().intervalMs(QStringLiteral("VariableTimer")), 0);
    }
    entry->trigger();
    ASSERT_EQ(list->count(), 39);
    EXPECT_EQ(list->item(32)->text(), QStringLiteral("VariableTimer = 500"));
    list->setCurrentRow(16);
    window.assembly().state().TotalPLRep = -1;
    inspector->VariableTimer_Timer();
    EXPECT_EQ(list->count(), 39);
    EXPECT_EQ(list->currentRow(), 16);
    EXPECT_EQ(list->item(16)->text(), QStringLiteral("TotalPLRep = -1"));
}

}  // namespace
