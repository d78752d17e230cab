#include <gtest/gtest.h>

#include <QDir>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionChecker.h"
#include "app/OptionFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

namespace {

// A checker over a data folder holding `lines` as its option file (none when
// empty), with its lists loaded.
struct CheckerFixture {
    explicit CheckerFixture(const QStringList& lines, bool makeFolder = true) : data(makeFolder) {
        if (!lines.isEmpty()) data.writeOptions(lines);
        checker.LoadOptionLists();
    }
    FakeDialogs::Message lastMessage() const { return dialogs.messages.value(dialogs.messages.size() - 1); }
    DataFolderScope data;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    OptionChecker checker{dialogs, launcher};
};

TEST(OptionChecker, TwelveLineFileIsUpgradedAndSavedWithFourteen) {
    CheckerFixture f(sampleOptionLines().mid(0, 12));
    EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Upgrade);
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("程式的設定檔(Option.ini)可能含有不正確資訊或缺少資訊。\r\n"
                                                   "看來這是升級程式所致，請於按鈕中選擇「升級舊的選項」以載入這程式。"));
    f.checker.cmdCompareOpt_Click();
    EXPECT_EQ(f.checker.ListCurrent(), QStringList(f.checker.ListTMP()) << "#FALSE#" << "#FALSE#");
    EXPECT_TRUE(f.checker.cmdAppNewOpt_Click());
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已成功被儲存，現正重新啟動程式。"));
    EXPECT_EQ(f.launcher.restarts, 1);
    const QStringList saved = f.data.optionLines();
    ASSERT_EQ(saved.size(), 14);
    EXPECT_EQ(saved.at(10), QStringLiteral("/music/古典")) << "the checker writes rows unquoted";
    AppState state;
    AppOptions options(state);
    EXPECT_TRUE(options.LoadOptions() && state.InitDir == QStringLiteral("/music/古典")) << "the program reads it";
}

TEST(OptionChecker, FolderThatCannotBeMadeIsNotReportedAsMade) {
    CheckerFixture f({}, false);
    QFile blocker(f.data.root());  // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    f.checker.Form_Load(false);
    ASSERT_EQ(f.dialogs.messages.size(), 2);
    EXPECT_TRUE(f.lastMessage().icon == MsgIcon::Critical && f.lastMessage().text.startsWith(u"無法建立資料夾{"));
}

// "使用新的選項重新執行程式" that cannot finish says so in red and leaves
// this copy running; only a list of fourteen rows is ever saved.
TEST(OptionChecker, ARestartThatCannotFinishKeepsThisCopy) {
    // linesAfter: lines of the option file afterwards (none when it is a folder)
    const struct { const char* name; int rows; bool toFolder, launches; const char* message; int restarts, linesAfter; }
        cases[] = {
            {"twelve rows", 12, false, true, "將要儲存的選項總數與預設的選項總數不相同", 0, 12},
            {"target is a folder", 14, true, true, "選項無法儲存", 0, 0},
            {"restart fails", 14, false, false, "無法重新啟動程式", 1, 14},
        };
    for (const auto& c : cases) {
        CheckerFixture f(sampleOptionLines().mid(0, c.rows));
        f.launcher.succeed = c.launches;
        if (c.toFolder) {
            ASSERT_TRUE(QFile::remove(f.data.optionFile()) && QDir().mkpath(f.data.optionFile())) << c.name;
        }
        EXPECT_FALSE(f.checker.cmdAppNewOpt_Click()) << c.name;
        EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical) << c.name;
        EXPECT_TRUE(f.lastMessage().text.startsWith(QString::fromUtf8(c.message))) << c.name;
        EXPECT_EQ(f.launcher.restarts, c.restarts) << c.name;
        EXPECT_EQ(f.data.optionLines().size(), c.linesAfter) << c.name;
    }
}

// Anything but #FALSE# toggles to #FALSE#; rows 7-11 are edited in an input
// box, which keeps the row when cancelled; rows that do not exist do nothing.
TEST(OptionChecker, DoubleClicksToggleOrEditRows) {
    CheckerFixture f(sampleOptionLines({{2, "junk"}}));
    f.checker.ListCurrent_DblClick(1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("#FALSE#"));
    f.dialogs.inputAnswers.push_back(QStringLiteral("4"));
    f.checker.ListCurrent_DblClick(7);
    ASSERT_EQ(f.dialogs.inputs.size(), 1);
    EXPECT_EQ(f.dialogs.inputs[0].prompt, QStringLiteral("請更改選項項目資料"));
    EXPECT_EQ(f.dialogs.inputs[0].defaultAnswer, QStringLiteral("6"));
    const QStringList edited = f.checker.ListCurrent();
    EXPECT_EQ(edited.at(7), QStringLiteral("4"));
    f.checker.ListCurrent_DblClick(8);
    for (int row : {-1, 14}) f.checker.ListCurrent_DblClick(row);
    f.checker.ListTMP_DblClick(7, -1);  // nothing selected
    f.checker.ListTMP_DblClick(20, 3);
    EXPECT_EQ(f.checker.ListCurrent(), edited);
}

// Without an option file the checker offers the defaults; edited start
// folders that would not read back as shown are saved in quotes.
TEST(OptionChecker, DefaultsEditedAndSavedReadBackAsShown) {
    // initDir: as the program reads it back; typed quotes mean the text inside
    const struct { const char *row, *line, *initDir; } cases[] = {
        {"/music/plain", "/music/plain", "/music/plain"}, {"/music/a,b", "\"/music/a,b\"", "/music/a,b"},
        {"/say \"hi\"", "/say \"hi\"", "/say \"hi\""}, {"\"hi\" there", "\"\"hi\" there\"", "\"hi\" there"},
        {"\"/already/quoted\"", "\"/already/quoted\"", "/already/quoted"},
    };
    for (const auto& c : cases) {
        CheckerFixture f({});
        EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Defaults) << c.row;
        EXPECT_EQ(f.lastMessage().text, QStringLiteral("大慨程式的設定檔(Option.ini)已不存在。\r\n"
                                                       "請於按鈕中選擇「使用預設選項」以載入這程式。")) << c.row;
        f.checker.cmdAppDefOpt_Click();
        const QString row = QString::fromUtf8(c.row);
        f.dialogs.inputAnswers = {row, QStringLiteral("1|") + row};
        f.checker.ListCurrent_DblClick(10);
        f.checker.ListCurrent_DblClick(11);
        f.checker.cmdSaveNewOpt_Click();
        EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已成功被儲存。")) << c.row;
        EXPECT_EQ(f.data.optionLines().value(10), QString::fromUtf8(c.line)) << c.row;
        const OptionFile::ParseResult r = OptionFile::read(f.data.optionFile());
        EXPECT_EQ(r.values.initDir, QString::fromUtf8(c.initDir)) << c.row;
        EXPECT_EQ(r.values.backgroundTag, QStringLiteral("1|") + row) << c.row;
    }
}

}  // namespace
