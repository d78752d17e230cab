#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionMenus.h"

namespace {

struct MenuFixture {
    AppState state;
    AppOptions options{state};
    QMenu menu;
    OptionMenus menus{options, &menu};

    QStringList checkedEntries(int list, int first, int last) const {
        QStringList checked;
        for (int entry = first; entry <= last; ++entry)
            if (menus.mnuOptComboList(list, entry)->isChecked()) checked << menus.mnuOptComboList(list, entry)->text();
        return checked;
    }
};

TEST(OptionMenus, BuildsTheEntriesWithTheirCaptions) {
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
    }
    const struct {
        int list;
        int entry;
        const char* caption;
    } entries[] = {
        {0, 1, "1次"}, {0, 5, "5次"}, {0, 6, "∞次"},
        {1, 0, "無"},  {1, 3, "左/右"},
        {2, 0, "- 200 (0.2秒)"}, {2, 2, "沒有加速(原本速度)"}, {2, 3, "+ 100 (0.1秒)"}, {2, 7, "+ 500 (0.5秒)"},
        {3, 0, "因應時間自行選擇"}, {3, 1, "選擇其它背景"}, {3, 7, "Midday.jpg"},
    };
    for (const auto& e : entries) {
        const QAction* action = f.menus.mnuOptComboList(e.list, e.entry);
        ASSERT_NE(action, nullptr) << "list " << e.list << " entry " << e.entry;
        EXPECT_EQ(action->text(), QString::fromUtf8(e.caption)) << "list " << e.list << " entry " << e.entry;
    }
    EXPECT_EQ(f.menus.mnuOptComboList(0, 0), nullptr);
    EXPECT_EQ(f.menus.mnuOptComboList(2, 8), nullptr);
    EXPECT_EQ(f.menus.mnuOptCombo(0)->title(), QStringLiteral("PlayList播放次數"));
    EXPECT_EQ(f.menus.mnuOptCombo(3)->title(), QStringLiteral("程式起始背景"));
}

TEST(OptionMenus, MarksStartAtTheDefaults) {
    MenuFixture f;
    for (int i = 0; i < 9; ++i) EXPECT_EQ(f.menus.mnuOptCheck(i)->isChecked(), i == 2) << i;
    EXPECT_EQ(f.checkedEntries(0, 1, 6), QStringList{QStringLiteral("1次")});
    EXPECT_EQ(f.checkedEntries(1, 0, 3), QStringList{QStringLiteral("無")});
    EXPECT_EQ(f.checkedEntries(2, 0, 7), QStringList{QStringLiteral("+ 100 (0.1秒)")});
    EXPECT_EQ(f.checkedEntries(3, 0, 7), QStringList{QStringLiteral("因應時間自行選擇")});
}

TEST(OptionMenus, ClicksChangeTheOptionAndOneMarkPerList) {
    MenuFixture f;
    f.menus.mnuOptCheck(7)->trigger();
    EXPECT_TRUE(f.state.options.optCheck[7]);
    EXPECT_TRUE(f.menus.mnuOptCheck(7)->isChecked());
    EXPECT_EQ(f.state.ShiftConst[2], 1);

    f.menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.state.TotalPLRep, -1);
    EXPECT_EQ(f.checkedEntries(0, 1, 6), QStringList{QStringLiteral("∞次")});

    // Clicking the checked entry again keeps it checked.
    f.menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.checkedEntries(0, 1, 6), QStringList{QStringLiteral("∞次")});

    f.menus.mnuOptComboList(2, 0)->trigger();
    EXPECT_EQ(f.state.DLSM, -200);
    EXPECT_EQ(f.checkedEntries(2, 0, 7), QStringList{QStringLiteral("- 200 (0.2秒)")});

    // The playlist's details label calls the handler directly.
    f.menus.mnuOptComboList0_Click(2);
    EXPECT_EQ(f.checkedEntries(0, 1, 6), QStringList{QStringLiteral("2次")});
}

TEST(OptionMenus, BackgroundEntriesWaitForTheAppearanceWork) {
    MenuFixture f;
    f.menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(f.checkedEntries(3, 0, 7), QStringList{QStringLiteral("因應時間自行選擇")}) << "no handler, no change";

    QList<int> clicked;
    f.menus.mnuOptComboList3_Click = [&](int entry) {
        clicked << entry;
        f.options.setBackgroundTag(QString::number(entry));
    };
    f.menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(clicked, QList<int>{4});
    EXPECT_EQ(f.state.options.backgroundTag, QStringLiteral("4"));
    EXPECT_EQ(f.checkedEntries(3, 0, 7), QStringList{QStringLiteral("Afternoon.jpg")});
}

TEST(OptionMenus, MarksFollowLoadedOptions) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    MenuFixture f;
    f.options.hooks.PLLoadFile = [](const QString&) {};
    f.options.hooks.ChangeDirPath = [](const QString&, bool) {};
    f.options.hooks.SetBackground = [](qint16, const QString&) {};
    ASSERT_TRUE(f.options.LoadOptions());
    const bool expected[] = {true, false, false, true, false, true, true, true, false};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(f.menus.mnuOptCheck(i)->isChecked(), expected[i]) << i;
    EXPECT_EQ(f.checkedEntries(0, 1, 6), QStringList{QStringLiteral("∞次")});
    EXPECT_EQ(f.checkedEntries(1, 0, 3), QStringList{QStringLiteral("右")});
    EXPECT_EQ(f.checkedEntries(2, 0, 7), QStringList{QStringLiteral("+ 300 (0.3秒)")});
    EXPECT_EQ(f.checkedEntries(3, 0, 7), QStringList{QStringLiteral("選擇其它背景")});
}

}  // namespace
