#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionChecker.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

namespace {

const QString kHomeLine = QStringLiteral("\"") + QDir::homePath() + QStringLiteral("\"");

struct CheckerFixture {
    FakeDialogs dialogs;
    FakeLauncher launcher;
    OptionChecker checker{dialogs, launcher};

    FakeDialogs::Message lastMessage() const { return dialogs.messages.isEmpty() ? FakeDialogs::Message{} : dialogs.messages.last(); }
};

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

    AppState state;
    AppOptions options(state);
    QString error;
    EXPECT_TRUE(options.LoadOptions(&error)) << error.toStdString();
    EXPECT_EQ(state.InitDir, QStringLiteral("/music/古典"));
}

TEST(OptionChecker, DefaultsSavedGiveTheQuotedHomeFolderAndBackgroundZero) {
    DataFolderScope data;
    CheckerFixture f;
    EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Defaults);
    EXPECT_EQ(f.dialogs.messageTexts(),
              QStringList{QStringLiteral("大慨程式的設定檔(Option.ini)已不存在。\r\n"
                                         "請於按鈕中選擇「使用預設選項」以載入這程式。")});
    f.checker.cmdAppDefOpt_Click();
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已經載入，請選擇「使用新的選項執行程式」以套用新的選項！"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Exclamation);
    f.checker.cmdSaveNewOpt_Click();
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("新的選項已成功被儲存。"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Information);
    const QStringList saved = data.optionLines();
    ASSERT_EQ(saved.size(), 14);
    EXPECT_EQ(saved.at(10), kHomeLine);
    EXPECT_EQ(saved.at(11), QStringLiteral("0"));
    EXPECT_EQ(f.launcher.restarts, 0);
}

TEST(OptionChecker, FolderThatCannotBeMadeIsNotReportedAsMade) {
    TempDir temp;
    const QString blocker = temp.writeFile(QStringLiteral("blocker"), "a file where a folder should go");
    const QByteArray previous = qgetenv("CORVANE_DATA_DIR");
    qputenv("CORVANE_DATA_DIR", (blocker + QStringLiteral("/Corvane Player")).toLocal8Bit());
    CheckerFixture f;
    f.checker.Form_Load(false);
    qputenv("CORVANE_DATA_DIR", previous);
    ASSERT_EQ(f.dialogs.messages.size(), 2);
    EXPECT_EQ(f.dialogs.messages.at(1).icon, MsgIcon::Critical);
    EXPECT_TRUE(f.dialogs.messages.at(1).text.startsWith(QStringLiteral("無法建立資料夾{")));
}

TEST(OptionChecker, OpeningFromTheMenuOnlyLoadsTheLists) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    CheckerFixture f;
    EXPECT_EQ(f.checker.Form_Load(true), OptionChecker::Attention::None);
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    EXPECT_EQ(f.checker.ListCurrent().size(), 14);
    EXPECT_EQ(f.checker.ListCurrent().at(11), QStringLiteral("1|/pics/bg.jpg"));
}

TEST(OptionChecker, UpgradeWithMoreLinesThanTheDefaultsWarns) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines() << QStringLiteral("extra"));
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.cmdCompareOpt_Click();
    EXPECT_EQ(f.checker.ListCurrent().size(), 15);
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("你的選項可能經過自行經改，目前選項數目大於預設選目數目。\r\n請選擇載入預設選項。"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical);

    // Equal counts: nothing to do, nothing said.
    data.writeOptions(sampleOptionLines());
    f.checker.cmdReloadOpt_Click();
    const int said = f.dialogs.messages.size();
    f.checker.cmdCompareOpt_Click();
    EXPECT_EQ(f.dialogs.messages.size(), said);
    EXPECT_EQ(f.checker.ListCurrent(), f.checker.ListTMP());
}

TEST(OptionChecker, SavesOnlyListsOfFourteenLines) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines().mid(0, 12));
    const QByteArray before = readWholeFile(data.optionFile());
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.cmdSaveNewOpt_Click();
    EXPECT_EQ(f.lastMessage().text, QStringLiteral("將要儲存的選項總數與預設的選項總數不相同"));
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical);
    EXPECT_FALSE(f.checker.cmdAppNewOpt_Click());
    EXPECT_EQ(f.dialogs.messages.size(), 2);
    EXPECT_EQ(f.launcher.restarts, 0);
    EXPECT_EQ(readWholeFile(data.optionFile()), before);
}

TEST(OptionChecker, AFailedSaveSaysSoAndNeitherRestartsNorTouchesTheFile) {
    DataFolderScope data;
    CheckerFixture f;
    f.checker.cmdAppDefOpt_Click();
    QDir().mkpath(data.optionFile());  // the target is a folder
    EXPECT_FALSE(f.checker.cmdAppNewOpt_Click());
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical);
    EXPECT_TRUE(f.lastMessage().text.startsWith(QStringLiteral("選項無法儲存"))) << f.lastMessage().text.toStdString();
    EXPECT_EQ(f.launcher.restarts, 0);
    EXPECT_TRUE(QFileInfo(data.optionFile()).isDir());
}

TEST(OptionChecker, ARestartThatCannotStartKeepsThisCopy) {
    DataFolderScope data;
    CheckerFixture f;
    f.launcher.succeed = false;
    f.checker.cmdAppDefOpt_Click();
    EXPECT_FALSE(f.checker.cmdAppNewOpt_Click());
    EXPECT_EQ(f.launcher.restarts, 1);
    EXPECT_EQ(f.lastMessage().icon, MsgIcon::Critical);
    EXPECT_EQ(data.optionLines().size(), 14) << "the options were still saved";
}

TEST(OptionChecker, DoubleClickTogglesBooleanRowsAndEditsTheOthers) {
    DataFolderScope data;
    CheckerFixture f;
    f.checker.cmdAppDefOpt_Click();
    const struct {
        int row;
        const char* before;
        const char* after;
    } toggles[] = {{0, "#FALSE#", "#TRUE#"}, {2, "#TRUE#", "#FALSE#"}, {6, "#FALSE#", "#TRUE#"},
                   {12, "#FALSE#", "#TRUE#"}, {13, "#FALSE#", "#TRUE#"}};
    for (const auto& t : toggles) {
        ASSERT_EQ(f.checker.ListCurrent().at(t.row), QLatin1String(t.before)) << "row " << t.row;
        f.checker.ListCurrent_DblClick(t.row);
        EXPECT_EQ(f.checker.ListCurrent().at(t.row), QLatin1String(t.after)) << "row " << t.row;
    }
    EXPECT_TRUE(f.dialogs.inputs.isEmpty());

    for (int row = 7; row <= 11; ++row) {
        const QString before = f.checker.ListCurrent().at(row);
        f.dialogs.inputAnswers.push_back(QStringLiteral("edited %1").arg(row));
        f.checker.ListCurrent_DblClick(row);
        ASSERT_FALSE(f.dialogs.inputs.isEmpty());
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
}

TEST(OptionChecker, ToggleMakesAnythingButFalseFalse) {
    DataFolderScope data;
    QStringList lines = sampleOptionLines();
    lines[1] = QStringLiteral("junk");
    data.writeOptions(lines);
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.ListCurrent_DblClick(1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("#FALSE#"));
}

TEST(OptionChecker, OriginalRowsCopyOverTheSelectedRowOnly) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    CheckerFixture f;
    f.checker.LoadOptionLists();
    f.checker.cmdAppDefOpt_Click();
    f.checker.ListTMP_DblClick(10, 10);
    EXPECT_EQ(f.checker.ListCurrent().at(10), QStringLiteral("/music/古典"));
    const QStringList rows = f.checker.ListCurrent();
    f.checker.ListTMP_DblClick(7, -1);  // nothing selected
    f.checker.ListTMP_DblClick(20, 3);  // no such original row
    EXPECT_EQ(f.checker.ListCurrent(), rows);
}

TEST(OptionChecker, TextsThatWouldNotReadBackAreSavedInQuotes) {
    DataFolderScope data;
    const struct {
        const char* row;
        const char* line;
    } cases[] = {
        {"/music/plain", "/music/plain"},
        {"/music/a,b", "\"/music/a,b\""},
        {"/music/say \"hi\"", "/music/say \"hi\""},      // reads back as it is
        {"\"hi\" there", "\"\"hi\" there\""},
        {"\"/already/quoted\"", "\"/already/quoted\""},
    };
    for (const auto& c : cases) {
        CheckerFixture f;
        f.checker.cmdAppDefOpt_Click();
        f.dialogs.inputAnswers = {QString::fromUtf8(c.row), QStringLiteral("1|") + QString::fromUtf8(c.row)};
        f.checker.ListCurrent_DblClick(10);
        f.checker.ListCurrent_DblClick(11);
        ASSERT_TRUE(f.checker.SaveOptionList());
        const QStringList saved = data.optionLines();
        EXPECT_EQ(saved.at(10), QString::fromUtf8(c.line)) << c.row;

        AppState state;
        AppOptions options(state);
        QString error;
        ASSERT_TRUE(options.LoadOptions(&error)) << c.row << ": " << error.toStdString();
        const QString shown = f.checker.ListCurrent().at(10);
        // A row the user typed in quotes means the text inside them.
        const bool quoted = shown.size() >= 2 && shown.startsWith(u'"') && shown.endsWith(u'"');
        const QString expected = quoted ? shown.mid(1, shown.size() - 2) : shown;
        EXPECT_EQ(state.InitDir, expected) << c.row;
        EXPECT_EQ(state.options.backgroundTag, f.checker.ListCurrent().at(11)) << c.row;
    }
}

TEST(OptionChecker, TrailingBlankLinesAreNotOptions) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines() << QString() << QStringLiteral("  "));
    CheckerFixture f;
    f.checker.LoadOptionLists();
    EXPECT_EQ(f.checker.ListCurrent().size(), 14);
}

}  // namespace
