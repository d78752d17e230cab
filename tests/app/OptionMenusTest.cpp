#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "support/QStringPrinter.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionMenus.h"

namespace {

// Every list shows one mark; a click moves it and reaches the options, and
// clicking the marked entry again keeps it. The background entries change
// only through the appearance work's handler.
TEST(OptionMenus, MarksStartAtTheDefaultsAndFollowClicks) {
    AppState state;
    AppOptions options(state);
    QMenu menu;
    OptionMenus menus(options, &menu);
    // The captions of the checked entries of the lists (entries 0..7; list 0 starts at 1).
    const auto checked = [&menus](std::initializer_list<int> lists) {
        QStringList texts;
        for (int list : lists)
            for (int entry = 0; entry <= 7; ++entry)
                if (const QAction* a = menus.mnuOptComboList(list, entry); a && a->isChecked()) texts << a->text();
        return texts;
    };
    for (int i = 0; i < 9; ++i) EXPECT_EQ(menus.mnuOptCheck(i)->isChecked(), i == 2) << "mnuOptCheck(" << i << ")";
    EXPECT_EQ(checked({0, 1, 2, 3}), (QStringList{"1次", "無", "+ 100 (0.1秒)", "因應時間自行選擇"}));
    menus.mnuOptCheck(7)->trigger();
    EXPECT_TRUE(state.options.optCheck[7] && menus.mnuOptCheck(7)->isChecked());
    for (int twice = 0; twice < 2; ++twice) menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(state.TotalPLRep, -1);
    menus.mnuOptComboList(2, 0)->trigger();
    EXPECT_EQ(state.DLSM, -200);
    EXPECT_EQ(checked({0, 2}), (QStringList{"∞次", "- 200 (0.2秒)"}));
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("因應時間自行選擇")}) << "no handler, no change";
    menus.mnuOptComboList3_Click = [&options](int entry) { options.setBackgroundTag(QString::number(entry)); };
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("Afternoon.jpg")});
}

}  // namespace
