#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/OptionChecker.h"
#include "app/OptionFile.h"
#include "app/OptionMenus.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

namespace {

// Unquoted: up to the first comma, trimmed. Quoted: up to the last quotation
// mark, commas and spaces kept.
TEST(OptionFile, DecodesQuotedAndUnquotedValues) {
    const struct { const char *line, *value; } cases[] = {
        {"  /home/x  ,rest", "/home/x"}, {"", ""}, {"  \"/home/me\"  ", "/home/me"}, {"\" padded \"", " padded "},
        {"\"/home/a,b\"", "/home/a,b"}, {"\"say \"hi\"\"", "say \"hi\""}, {"\"unterminated", "unterminated"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionFile::decodeValue(QString::fromUtf8(c.line)), QString::fromUtf8(c.value)) << c.line;
}

// One line of an otherwise valid file changed, or the file cut short:
// accepted or rejected, and a rejection names the first wrong line.
TEST(OptionFile, AcceptsOrRejectsEachLineAndSaysWhich) {
    // line: numbered from 1, 0 changes no line; count: lines kept
    const struct { int line; const char* text; int count; bool ok; } cases[] = {
        {1, "#true#", 14, true}, {1, " #FALSE# ", 14, true}, {8, "+3", 14, true}, {8, "\"3\"", 14, true},
        {9, "2.0", 14, true}, {10, "7", 14, true}, {11, "/unquoted/folder", 14, true}, {12, "7", 14, true},
        {12, "1|", 14, true}, {12, "9|/odd", 14, true}, {0, "", 0, false}, {0, "", 12, false}, {0, "", 13, false},
        {1, "TRUE", 14, false}, {7, "", 14, false}, {13, "#YES#", 14, false}, {14, "0", 14, false},
        {8, "", 14, false}, {8, "1e3", 14, false}, {9, "2 3", 14, false}, {10, "3x", 14, false},
        {12, "Morning.jpg", 14, false}, {12, "", 14, false}, {8, "0", 14, false}, {8, "7", 14, false},
        {8, "99999", 14, false}, {9, "-1", 14, false}, {9, "4", 14, false}, {10, "8", 14, false}, {12, "8", 14, false},
    };
    for (const auto& c : cases) {
        QStringList lines = sampleOptionLines();
        if (c.line > 0) lines[c.line - 1] = QString::fromUtf8(c.text);
        const OptionFile::ParseResult r = OptionFile::parse(lines.mid(0, c.count));
        const std::string name = "line " + std::to_string(c.line) + " \"" + c.text + "\" of " + std::to_string(c.count);
        EXPECT_EQ(r.ok, c.ok) << name << ": " << r.error.toStdString();
        const QString where = c.count < 14 ? QString("%1 of 14").arg(c.count) : QString("line %1:").arg(c.line);
        EXPECT_TRUE(c.ok || r.error.contains(where)) << name << ": " << r.error.toStdString();
    }
}

TEST(OptionFile, WrittenFilesReadBackUnchanged) {
    DataFolderScope data;
    for (const char* folder : {"/music/a,b", "/music/say \"hi\"", " /spaces around ", "", "/x\",\"y", "/中文 🎵"}) {
        OptionValues v;
        v.flags = {false, true, false, true, false, true, false, true, false};
        v.initDir = QString::fromUtf8(folder);
        v.backgroundTag = QStringLiteral("1|") + v.initDir;
        ASSERT_TRUE(OptionFile::write(data.optionFile(), v)) << folder;
        const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
        EXPECT_TRUE(r.ok && r.values == v) << folder << ": " << r.error.toStdString();
    }
}

// A data folder holding `lines` as its option file (none when empty; no
// folder at all without `makeFolder`), the options over it with every call
// the load makes into other subsystems recorded, and the option checker with
// its lists loaded. The default playlist always fails to load, which must not
// stop the rest of the load.
struct OptionsFixture {
    explicit OptionsFixture(const QStringList& lines, bool makeFolder = true) : data(makeFolder) {
        if (!lines.isEmpty()) data.writeOptions(lines);
        options.hooks.PLLoadFile = [this](const QString& path) {
            playlists << path;
            throw std::runtime_error("unreadable playlist");
        };
        options.hooks.ChangeDirPath = [this](const QString& path, bool flag) { folders.append({path, flag}); };
        options.hooks.SetBackground = [this](qint16 mode, const QString& path) { backgrounds.append({mode, path}); };
        checker.LoadOptionLists();
    }
    FakeDialogs::Message lastMessage() const { return dialogs.messages.value(dialogs.messages.size() - 1); }
    DataFolderScope data;
    AppState state;
    AppOptions options{state};
    FakeDialogs dialogs;
    FakeLauncher launcher;
    OptionChecker checker{dialogs, launcher};
    QStringList playlists;
    QList<QPair<QString, bool>> folders;
    QList<QPair<qint16, QString>> backgrounds;
};

// A wrong line changes nothing, even one found after every other line was
// read; values after the fourteenth line are not options and change nothing.
TEST(AppOptions, LoadAppliesEveryLineOrNothing) {
    OptionsFixture f(sampleOptionLines({{12, "8"}}));
    QString error;
    EXPECT_FALSE(f.options.LoadOptions(&error));
    EXPECT_TRUE(f.state.TotalPLRep == 1 && f.state.InitDir == QDir::homePath() && !f.state.options.optCheck[0]);
    EXPECT_TRUE(f.playlists.isEmpty() && f.folders.isEmpty() && f.backgrounds.isEmpty());
    f.data.writeOptions(sampleOptionLines() << QStringLiteral("garbage") << QStringLiteral("#TRUE#"));
    ASSERT_TRUE(f.options.LoadOptions(&error)) << error.toStdString();
    EXPECT_EQ(f.state.options.optCheck, (std::array<bool, 9>{1, 0, 0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(f.state.TotalPLRep, -1) << "entry 6 is endless";
    EXPECT_EQ(f.state.options.passEntry, 6);
    EXPECT_EQ(f.state.TitleDirection, 2);
    EXPECT_EQ(f.state.DLSM, 300);
    EXPECT_EQ(f.state.ShiftConst[2], 1) << "the spare folder row follows option 7";
    EXPECT_EQ(f.state.InitDir, QStringLiteral("/music/古典"));
    EXPECT_EQ(f.state.options.backgroundEntry, 1);
    EXPECT_EQ(f.playlists, QStringList{f.data.root() + QStringLiteral("/playlist.ini")});
    EXPECT_EQ(f.folders, (QList<QPair<QString, bool>>{{QStringLiteral("/music/古典"), true}}));
    EXPECT_EQ(f.backgrounds, (QList<QPair<qint16, QString>>{{1, QStringLiteral("/pics/bg.jpg")}}));
}

// "∞次" is stored as entry 6, a lyric speed of +100 ms as entry 3.
TEST(AppOptions, SaveWritesTheFieldsInTheirStoredForms) {
    OptionsFixture f(sampleOptionLines());
    f.options.mnuOptComboList0_Click(6);
    f.options.mnuOptComboList1_Click(3);
    f.options.mnuOptComboList2_Click(3);
    f.options.mnuOptCheck_Click(6);
    f.options.mnuOptCheck_Click(8);
    f.state.InitDir = QStringLiteral("/music/a,b");
    f.options.setBackgroundTag(QStringLiteral("1|/pics/x.jpg"));
    QString error;
    ASSERT_TRUE(f.options.SaveOptions(&error)) << error.toStdString();
    EXPECT_EQ(f.data.optionLines(), (QStringList{"#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#FALSE#",
                                                 "#TRUE#", "6", "3", "3", "\"/music/a,b\"", "\"1|/pics/x.jpg\"",
                                                 "#FALSE#", "#TRUE#"}));
}

// A save that cannot complete says why and leaves what was there: the old
// file, a folder standing in its place, or no data folder at all.
TEST(AppOptions, ASaveThatCannotCompleteLeavesWhatWasThere) {
    enum Fault { UnstorableValue, TargetIsFolder, NoDataFolder };
    for (Fault fault : {UnstorableValue, TargetIsFolder, NoDataFolder}) {
        OptionsFixture f(fault == UnstorableValue ? sampleOptionLines() : QStringList{}, fault != NoDataFolder);
        if (fault == TargetIsFolder) QDir().mkpath(f.data.optionFile() + QStringLiteral("/inside"));
        const QByteArray before = readWholeFile(f.data.optionFile());
        if (fault == UnstorableValue) f.state.DLSM = -300;  // no entry stores this
        QString error;
        EXPECT_FALSE(f.options.SaveOptions(&error)) << "fault " << fault;
        EXPECT_FALSE(error.isEmpty()) << "fault " << fault;
        EXPECT_EQ(readWholeFile(f.data.optionFile()), before) << "fault " << fault;
        EXPECT_EQ(QFileInfo(f.data.optionFile() + QStringLiteral("/inside")).isDir(), fault == TargetIsFolder)
            << "fault " << fault << ": what stood in the file's place is kept";
        EXPECT_EQ(QFileInfo::exists(f.data.root()), fault != NoDataFolder) << "fault " << fault << ": no folder made";
    }
}

// Every list shows one mark; a click moves it and reaches the options, and
// clicking the marked entry again keeps it. The background entries change
// only through the appearance work's handler.
TEST(OptionMenus, MarksStartAtTheDefaultsAndFollowClicks) {
    OptionsFixture f({});  // nothing loaded: the menus start at the defaults
    QMenu menu;
    OptionMenus menus(f.options, &menu);
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
    EXPECT_TRUE(f.state.options.optCheck[7] && menus.mnuOptCheck(7)->isChecked());
    for (int twice = 0; twice < 2; ++twice) menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.state.TotalPLRep, -1);
    menus.mnuOptComboList(2, 0)->trigger();
    EXPECT_EQ(f.state.DLSM, -200);
    EXPECT_EQ(checked({0, 2}), (QStringList{"∞次", "- 200 (0.2秒)"}));
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("因應時間自行選擇")}) << "no handler, no change";
    menus.mnuOptComboList3_Click = [&f](int entry) { f.options.setBackgroundTag(QString::number(entry)); };
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("Afternoon.jpg")});
}

TEST(OptionChecker, FolderThatCannotBeMadeIsNotReportedAsMade) {
    OptionsFixture f({}, false);
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
        OptionsFixture f(sampleOptionLines().mid(0, c.rows));
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
    OptionsFixture f(sampleOptionLines({{2, "junk"}}));
    f.checker.ListCurrent_DblClick(1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("#FALSE#"));
    f.dialogs.inputAnswers.push_back(QStringLiteral("4"));
    f.checker.ListCurrent_DblClick(7);
    ASSERT_EQ(f.dialogs.inputs.size(), 1);
    EXPECT_EQ(f.dialogs.inputs[0].defaultAnswer, QStringLiteral("6")) << "the box starts at the row's text";
    const QStringList edited = f.checker.ListCurrent();
    EXPECT_EQ(edited.at(7), QStringLiteral("4"));
    for (int row : {8, -1, 14}) f.checker.ListCurrent_DblClick(row);  // cancelled, then rows that do not exist
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
        OptionsFixture f({});
        EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Defaults) << c.row;
        f.checker.cmdAppDefOpt_Click();
        const QString row = QString::fromUtf8(c.row);
        f.dialogs.inputAnswers = {row, QStringLiteral("1|") + row};
        f.checker.ListCurrent_DblClick(10);
        f.checker.ListCurrent_DblClick(11);
        f.checker.cmdSaveNewOpt_Click();
        EXPECT_EQ(f.data.optionLines().value(10), QString::fromUtf8(c.line)) << c.row;
        const OptionFile::ParseResult r = OptionFile::read(f.data.optionFile());
        EXPECT_EQ(r.values.initDir, QString::fromUtf8(c.initDir)) << c.row;
        EXPECT_EQ(r.values.backgroundTag, QStringLiteral("1|") + row) << c.row;
    }
}

}  // namespace
