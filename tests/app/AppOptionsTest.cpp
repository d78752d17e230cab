#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"

namespace {

// Options over a data folder holding `lines` as its option file, with every
// call the load makes into other subsystems recorded.
struct OptionsFixture {
    explicit OptionsFixture(const QStringList& lines) {
        data.writeOptions(lines);
        options.hooks.PLLoadFile = [this](const QString& path) { playlists << path; };
        options.hooks.ChangeDirPath = [this](const QString& path, bool flag) { folders.append({path, flag}); };
        options.hooks.SetBackground = [this](qint16 mode, const QString& path) { backgrounds.append({mode, path}); };
    }

    DataFolderScope data;
    AppState state;
    AppOptions options{state};
    QStringList playlists;
    QList<QPair<QString, bool>> folders;
    QList<QPair<qint16, QString>> backgrounds;
};

// Values after the fourteenth line are not options and change nothing.
TEST(AppOptions, LoadAppliesEveryLineAndCallsItsHooks) {
    OptionsFixture f(sampleOptionLines() << QStringLiteral("garbage") << QStringLiteral("#TRUE#"));
    int changes = 0;
    QObject::connect(&f.options, &AppOptions::changed, [&changes] { ++changes; });
    QString error;
    ASSERT_TRUE(f.options.LoadOptions(&error)) << error.toStdString();
    const std::array<bool, 9> flags{true, false, false, true, false, true, true, true, false};
    EXPECT_EQ(f.state.options.optCheck, flags);
    EXPECT_EQ(f.state.TotalPLRep, -1) << "entry 6 is endless";
    EXPECT_EQ(f.state.options.passEntry, 6);
    EXPECT_EQ(f.state.TitleDirection, 2);
    EXPECT_EQ(f.state.DLSM, 300);
    EXPECT_EQ(f.state.ShiftConst[2], 1);
    EXPECT_EQ(f.state.InitDir, QStringLiteral("/music/古典"));
    EXPECT_EQ(f.state.options.backgroundEntry, 1);

    EXPECT_EQ(f.playlists, QStringList{f.data.root() + QStringLiteral("/playlist.ini")});
    EXPECT_EQ(f.folders, (QList<QPair<QString, bool>>{{QStringLiteral("/music/古典"), true}}));
    EXPECT_EQ(f.backgrounds, (QList<QPair<qint16, QString>>{{1, QStringLiteral("/pics/bg.jpg")}}));
    EXPECT_GE(changes, 1);
    EXPECT_TRUE(f.options.skippedCalls().isEmpty());
}

TEST(AppOptions, AFailingPlaylistDoesNotStopTheLoad) {
    OptionsFixture f(sampleOptionLines());
    f.options.hooks.PLLoadFile = [](const QString&) { throw std::runtime_error("unreadable playlist"); };
    EXPECT_TRUE(f.options.LoadOptions());
    EXPECT_EQ(f.folders.size(), 1);
}

TEST(AppOptions, AFailedLoadChangesNothing) {
    // No such background entry: found after every other line was read.
    OptionsFixture f(sampleOptionLines({{12, "8"}}));
    const OptionState before = f.state.options;
    QString error;
    EXPECT_FALSE(f.options.LoadOptions(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 12:"))) << error.toStdString();
    EXPECT_EQ(f.state.options.optCheck, before.optCheck);
    EXPECT_EQ(f.state.TotalPLRep, 1);
    EXPECT_EQ(f.state.InitDir, QDir::homePath());
    EXPECT_TRUE(f.playlists.isEmpty() && f.folders.isEmpty() && f.backgrounds.isEmpty());
}

TEST(AppOptions, SaveWritesTheFieldsInTheirStoredForms) {
    DataFolderScope data;
    AppState state;
    AppOptions options(state);
    options.mnuOptComboList0_Click(6);  // "∞次"
    options.mnuOptComboList1_Click(3);
    options.mnuOptComboList2_Click(3);  // +100 ms
    options.mnuOptCheck_Click(6);
    options.mnuOptCheck_Click(8);
    state.InitDir = QStringLiteral("/music/a,b");
    options.setBackgroundTag(QStringLiteral("1|/pics/x.jpg"));
    QString error;
    ASSERT_TRUE(options.SaveOptions(&error)) << error.toStdString();
    const QStringList expected{"#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#FALSE#", "#TRUE#",
                               "6",       "3",       "3",      "\"/music/a,b\"", "\"1|/pics/x.jpg\"",
                               "#FALSE#", "#TRUE#"};
    EXPECT_EQ(data.optionLines(), expected);

    AppState next;
    AppOptions reloaded(next);
    ASSERT_TRUE(reloaded.LoadOptions(&error)) << error.toStdString();
    EXPECT_EQ(next.TotalPLRep, -1);
    EXPECT_EQ(next.InitDir, QStringLiteral("/music/a,b"));
    EXPECT_EQ(next.options.optCheck, state.options.optCheck);
}

// A save that cannot complete says why and leaves what was there: the old
// file, a folder standing in its place, or no data folder at all.
TEST(AppOptions, ASaveThatCannotCompleteLeavesWhatWasThere) {
    enum Fault { UnstorableValue, TargetIsFolder, NoDataFolder };
    for (Fault fault : {UnstorableValue, TargetIsFolder, NoDataFolder}) {
        DataFolderScope data(fault != NoDataFolder);
        if (fault == UnstorableValue) data.writeOptions(sampleOptionLines());
        if (fault == TargetIsFolder) QDir().mkpath(data.optionFile() + QStringLiteral("/inside"));
        const QByteArray before = readWholeFile(data.optionFile());
        AppState state;
        AppOptions options(state);
        if (fault == UnstorableValue) state.DLSM = -300;  // no entry stores this
        QString error;
        EXPECT_FALSE(options.SaveOptions(&error)) << "fault " << fault;
        EXPECT_FALSE(error.isEmpty()) << "fault " << fault;
        EXPECT_EQ(readWholeFile(data.optionFile()), before) << "fault " << fault;
        EXPECT_EQ(QFileInfo(data.optionFile() + QStringLiteral("/inside")).isDir(), fault == TargetIsFolder)
            << "fault " << fault << ": what stood in the file's place is kept";
        EXPECT_EQ(QFileInfo::exists(data.root()), fault != NoDataFolder) << "fault " << fault << ": no folder is made";
    }
}

TEST(AppOptions, MenuHandlersSetEntriesAndFields) {
    AppState state;
    AppOptions options(state);
    for (int entry = 1; entry <= 6; ++entry) {
        options.mnuOptComboList0_Click(entry);
        EXPECT_EQ(state.options.passEntry, entry) << "entry " << entry;
        EXPECT_EQ(state.TotalPLRep, entry == 6 ? -1 : entry) << "entry " << entry;  // "∞次"
    }
    for (int entry = 0; entry <= 7; ++entry) {
        options.mnuOptComboList2_Click(entry);
        EXPECT_EQ(state.DLSM, entry * 100 - 200) << "entry " << entry;
    }
    options.mnuOptComboList1_Click(2);
    EXPECT_EQ(state.TitleDirection, 2);
    // The spare row of the folder heights follows option 7 both ways.
    options.mnuOptCheck_Click(7);
    EXPECT_EQ(state.ShiftConst[2], 1);
    options.mnuOptCheck_Click(7);
    EXPECT_EQ(state.ShiftConst[2], 0);

    // Entries that do not exist change nothing.
    const OptionState before = state.options;
    options.mnuOptComboList0_Click(0);
    options.mnuOptComboList0_Click(7);
    options.mnuOptComboList1_Click(4);
    options.mnuOptComboList2_Click(-1);
    options.mnuOptCheck_Click(9);
    EXPECT_EQ(state.options.optCheck, before.optCheck);
    EXPECT_EQ(state.TotalPLRep, -1);
    EXPECT_EQ(state.TitleDirection, 2);
    EXPECT_EQ(state.DLSM, 500);
}

}  // namespace
