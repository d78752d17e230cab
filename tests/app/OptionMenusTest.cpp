#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "support/QStringPrinter.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionMenus.h"

namespace {

struct MenuFixture {
    AppState state;
    AppOptions options{state};
    QMenu menu;
    OptionMenus menus{options, &menu};

    // The captions of the checked entries of a choice list (entries 0..7; list 0 starts at 1).
    QStringList checked(int list) const {
        QStringList texts;
        for (int entry = 0; entry <= 7; ++entry)
            if (const QAction* a = menus.mnuOptComboList(list, entry); a && a->isChecked()) texts << a->text();
        return texts;
    }
    QStringList checkedAll() const { return checked(0) + checked(1) + checked(2) + checked(3); }
};

TEST(OptionMenus, BuildsTheEntriesMarkedAtTheDefaults) {
    MenuFixture f;
    const char* const checks[] = {
        "啟動時自動載入PlayList (playlist.ini)", "結束時自動儲存開啟中的PlayList", "自動調整資料夾及檔案夾的高度",
        "立刻播放PlayList(停止正在播放的歌曲)", "立刻停止PlayList(停止正在播放的歌曲)", "播放PlayList前重組PlayList",
        "在歌曲播放時關閉程式要求確認", "調整資料夾高度時預留一格空位", "當程式從最小化還原時自動更新檔案及資料夾",
    };
    for (int i = 0; i < 9; ++i) {
        ASSERT_NE(f.menus.mnuOptCheck(i), nullptr) << i;
        EXPECT_EQ(f.menus.mnuOptCheck(i)->text(), QString::fromUtf8(checks[i])) << "mnuOptCheck(" << i << ")";
        EXPECT_EQ(f.menus.mnuOptCheck(i)->objectName(), QStringLiteral("mnuOptCheck(%1)").arg(i));
        EXPECT_EQ(f.menus.mnuOptCheck(i)->isChecked(), i == 2) << "mnuOptCheck(" << i << ")";
    }
    EXPECT_EQ(f.checkedAll(), (QStringList{"1次", "無", "+ 100 (0.1秒)", "因應時間自行選擇"}));
    EXPECT_EQ(f.menus.mnuOptComboList(0, 0), nullptr);
    EXPECT_EQ(f.menus.mnuOptComboList(2, 8), nullptr);
    EXPECT_EQ(f.menus.mnuOptComboList(3, 7)->text(), QStringLiteral("Midday.jpg"));
    EXPECT_EQ(f.menus.mnuOptCombo(0)->title(), QStringLiteral("PlayList播放次數"));
    EXPECT_EQ(f.menus.mnuOptCombo(3)->title(), QStringLiteral("程式起始背景"));
}

TEST(OptionMenus, ClicksChangeTheOptionAndOneMarkPerList) {
    MenuFixture f;
    f.menus.mnuOptCheck(7)->trigger();
    EXPECT_TRUE(f.state.options.optCheck[7]);
    EXPECT_TRUE(f.menus.mnuOptCheck(7)->isChecked());

    f.menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.state.TotalPLRep, -1);
    EXPECT_EQ(f.checked(0), QStringList{QStringLiteral("∞次")});
    // Clicking the checked entry again keeps it checked.
    f.menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.checked(0), QStringList{QStringLiteral("∞次")});

    f.menus.mnuOptComboList(2, 0)->trigger();
    EXPECT_EQ(f.checked(2), QStringList{QStringLiteral("- 200 (0.2秒)")});

    // The playlist's details label calls the handler directly.
    f.menus.mnuOptComboList0_Click(2);
    EXPECT_EQ(f.checked(0), QStringList{QStringLiteral("2次")});
}

TEST(OptionMenus, BackgroundEntriesWaitForTheAppearanceWork) {
    MenuFixture f;
    f.menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(f.checked(3), QStringList{QStringLiteral("因應時間自行選擇")}) << "no handler, no change";

    QList<int> clicked;
    f.menus.mnuOptComboList3_Click = [&](int entry) {
        clicked << entry;
        f.options.setBackgroundTag(QString::number(entry));
    };
    f.menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(clicked, QList<int>{4});
    EXPECT_EQ(f.state.options.backgroundTag, QStringLiteral("4"));
    EXPECT_EQ(f.checked(3), QStringList{QStringLiteral("Afternoon.jpg")});
}

}  // namespace
