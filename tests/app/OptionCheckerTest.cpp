#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionChecker.h"
#include "app/OptionFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

namespace {

struct CheckerFixture {
    FakeDialogs dialogs;
    FakeLauncher launcher;
    OptionChecker checker{dialogs, launcher};

    FakeDialogs::Message lastMessage() const {
        return dialogs.messages.isEmpty() ? FakeDialogs::Message{} : dialogs.messages.last();
    }
};

// What the program itself reads back as the start folder; empty when the
// file does not load.
QString loadedInitDir() {
    AppState state;
    AppOptions options(state);
    return options.LoadOptions() ? state.InitDir : QString();
}

TEST(OptionChecker, TwelveLineFileIsUpgradedAndSavedWithFourteen) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines().mid(0, 12));
    CheckerFixture f;
    EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Upgrade);
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_EQ(f.dialogs.messages.first().text,
              QStringLiteral("程式的設定檔(Option.ini)可能含有不正確資訊或缺少資訊。\r\n"
                             "看來這是升級程式所致，請於按鈕中選擇「升級舊的選項」以載入這程式。"));
    EXPECT_EQ(f.dialogs.messages.first().icon, MsgIcon::Information);
    EXPECT_EQ(f.checker.ListTMP().size(), 12);
    EXPECT_EQ(f.checker.ListCurrent().at(10), QStringLiteral("/music/古典")) << "quotes are dropped";

    f.checker.cmdCompareOpt_Click();
    ASSERT_EQ(f.checker.ListCurrent().size(), 14);
    EXPECT_EQ(f.checker.ListCurrent().mid(12), (QStringList{QStringLiteral("#FALSE#"), QStringLiteral("#FALSE#")}));
    EXPECT_EQ(f.checker.ListCurrent().mid(0, 12), f.checker.ListTMP());

    EXPECT_TRUE(f.checker.cmdAppNewOpt_Click());
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已成功被儲存，現正重新啟動程式。"));
    EXPECT_EQ(f.launcher.restarts, 1);
    const QStringList saved = data.optionLines();
    ASSERT_EQ(saved.size(), 14);
    EXPECT_EQ(saved.at(10), QStringLiteral("/music/古典")) << "the checker writes rows unquoted";
    EXPECT_EQ(loadedInitDir(), QStringLiteral("/music/古典"));
}

TEST(OptionChecker, DefaultsSavedGiveTheQuotedHomeFolderAndBackgroundZero) {
    DataFolderScope data;
    CheckerFixture f;
    EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Defaults);
    EXPECT_EQ(f.dialogs.messageTexts(),
              QStringList{QStringLiteral("大慨程式的設定檔(Option.ini)已不存在。\r\n"
                                         "請於按鈕中選擇「使用預設選項」以載入這程式。")});
    f.checker.cmdAppDefOpt_Click();
    f.checker.cmdSaveNewOpt_Click();
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已成功被儲存。"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Information);
    EXPECT_EQ(f.launcher.restarts, 0);
    const QStringList saved = data.optionLines();
    ASSERT_EQ(saved.size(), 14);
    EXPECT_EQ(saved.at(10), QStringLiteral("\"") + QDir::homePath() + QStringLiteral("\""));
    EXPECT_EQ(saved.at(11), QStringLiteral("0"));
    // The defaults are a valid file of default values.
    OptionValues defaults;
    defaults.initDir = QDir::homePath();
    EXPECT_EQ(OptionFile::read(data.optionFile()).values, defaults);
}

TEST(OptionChecker, FolderThatCannotBeMadeIsNotReportedAsMade) {
    DataFolderScope data(false);
    QFile blocker(data.root());  // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    CheckerFixture f;
    f.checker.Form_Load(false);
    ASSERT_EQ(f.dialogs.messages.size(), 2);
    EXPECT_EQ(f.dialogs.messages.at(1).icon, MsgIcon::Critical);
    EXPECT_TRUE(f.dialogs.messages.at(1).text.startsWith(QStringLiteral("無法建立資料夾{")));
}

TEST(OptionChecker, UpgradeWarnsOnlyWhenThereAreMoreLinesThanTheDefaults) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines() << QStringLiteral("extra"));
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.cmdCompareOpt_Click();
    EXPECT_EQ(f.checker.ListCurrent().size(), 15);
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("你的選項可能經過自行經改，目前選項數目大於預設選目數目。\r\n請選擇載入預設選項。"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical);

    // Trailing blank lines are not options: equal counts, nothing to do, nothing said.
    data.writeOptions(sampleOptionLines() << QString() << QStringLiteral("  "));
    f.checker.cmdReloadOpt_Click();
    EXPECT_EQ(f.checker.ListCurrent().size(), 14);
    const int said = f.dialogs.messages.size();
    f.checker.cmdCompareOpt_Click();
    EXPECT_EQ(f.dialogs.messages.size(), said);
    EXPECT_EQ(f.checker.ListCurrent(), f.checker.ListTMP());
}

// "使用新的選項重新執行程式" that cannot finish says so in red and leaves
// this copy running; only a list of fourteen rows is ever saved.
TEST(OptionChecker, ARestartThatCannotFinishKeepsThisCopy) {
    // linesAfter: lines of the option file afterwards (none when it is a folder)
    const struct {
        const char* name; int rows; bool targetIsFolder, launches; const char* message; int restarts, linesAfter;
    } cases[] = {
        {"twelve rows", 12, false, true, "將要儲存的選項總數與預設的選項總數不相同", 0, 12},
        {"target is a folder", 14, true, true, "選項無法儲存", 0, 0},
        {"restart fails", 14, false, false, "無法重新啟動程式", 1, 14},
    };
    for (const auto& c : cases) {
        DataFolderScope data;
        data.writeOptions(sampleOptionLines().mid(0, c.rows));
        CheckerFixture f;
        f.launcher.succeed = c.launches;
        f.checker.LoadOptionLists();
        if (c.rows == 14) f.checker.cmdAppDefOpt_Click();
        if (c.targetIsFolder) {
            ASSERT_TRUE(QFile::remove(data.optionFile()) && QDir().mkpath(data.optionFile())) << c.name;
        }
        EXPECT_FALSE(f.checker.cmdAppNewOpt_Click()) << c.name;
        EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical) << c.name;
        EXPECT_TRUE(f.lastMessage().text.startsWith(QString::fromUtf8(c.message))) << c.name;
        EXPECT_EQ(f.launcher.restarts, c.restarts) << c.name;
        EXPECT_EQ(data.optionLines().size(), c.linesAfter) << c.name;
    }
}

TEST(OptionChecker, DoubleClicksToggleEditOrCopyRows) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines({{2, "junk"}}));
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.cmdAppDefOpt_Click();
    for (const auto& [row, after] : {std::pair{0, "#TRUE#"}, {2, "#FALSE#"}, {13, "#TRUE#"}}) {
        f.checker.ListCurrent_DblClick(row);
        EXPECT_EQ(f.checker.ListCurrent().at(row), QLatin1String(after)) << "row " << row;
    }
    EXPECT_TRUE(f.dialogs.inputs.isEmpty());

    for (int row = 7; row <= 11; ++row) {
        const QString before = f.checker.ListCurrent().at(row);
        f.dialogs.inputAnswers.push_back(QStringLiteral("edited %1").arg(row));
        f.checker.ListCurrent_DblClick(row);
        ASSERT_EQ(f.dialogs.inputs.size(), row - 6) << "row " << row;
        EXPECT_EQ(f.dialogs.inputs.last().prompt, QStringLiteral("請更改選項項目資料"));
        EXPECT_EQ(f.dialogs.inputs.last().defaultAnswer, before) << "row " << row;
        EXPECT_EQ(f.checker.ListCurrent().at(row), QStringLiteral("edited %1").arg(row));
    }
    // A cancelled input box keeps the row; rows past the list do nothing.
    f.checker.ListCurrent_DblClick(8);
    EXPECT_EQ(f.checker.ListCurrent().at(8), QStringLiteral("edited 8"));
    const QStringList rows = f.checker.ListCurrent();
    f.checker.ListCurrent_DblClick(14);
    f.checker.ListCurrent_DblClick(-1);
    EXPECT_EQ(f.checker.ListCurrent(), rows);

    // Original rows copy over the selected row only.
    f.checker.ListTMP_DblClick(10, 10);
    EXPECT_EQ(f.checker.ListCurrent().at(10), QStringLiteral("/music/古典"));
    f.checker.ListTMP_DblClick(1, 1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("junk"));
    f.checker.ListCurrent_DblClick(1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("#FALSE#")) << "anything but #FALSE# toggles to #FALSE#";
    const QStringList copied = f.checker.ListCurrent();
    f.checker.ListTMP_DblClick(7, -1);  // nothing selected
    f.checker.ListTMP_DblClick(20, 3);  // no such original row
    EXPECT_EQ(f.checker.ListCurrent(), copied);
}

TEST(OptionChecker, TextsThatWouldNotReadBackAreSavedInQuotes) {
    DataFolderScope data;
    const struct {
        const char *row, *line, *initDir;  // initDir: as the program reads it back
    } cases[] = {
        {"/music/plain", "/music/plain", "/music/plain"},
        {"/music/a,b", "\"/music/a,b\"", "/music/a,b"},
        {"/music/say \"hi\"", "/music/say \"hi\"", "/music/say \"hi\""},
        {"\"hi\" there", "\"\"hi\" there\"", "\"hi\" there"},
        {"\"/already/quoted\"", "\"/already/quoted\"", "/already/quoted"},  // typed quotes mean the text inside
    };
    for (const auto& c : cases) {
        CheckerFixture f;
        f.checker.cmdAppDefOpt_Click();
        f.dialogs.inputAnswers = {QString::fromUtf8(c.row), QStringLiteral("1|") + QString::fromUtf8(c.row)};
        f.checker.ListCurrent_DblClick(10);
        f.checker.ListCurrent_DblClick(11);
        ASSERT_TRUE(f.checker.SaveOptionList()) << c.row;
        EXPECT_EQ(data.optionLines().at(10), QString::fromUtf8(c.line)) << c.row;
        EXPECT_EQ(loadedInitDir(), QString::fromUtf8(c.initDir)) << c.row;
        const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
        EXPECT_EQ(r.values.backgroundTag, QStringLiteral("1|") + QString::fromUtf8(c.row)) << c.row;
    }
}

}  // namespace
