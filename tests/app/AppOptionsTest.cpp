#include <gtest/gtest.h>

#include <QDir>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"

namespace {

// Records every call the loaded options make into other subsystems.
struct HookRecorder {
    QStringList playlists;
    QList<QPair<QString, bool>> folders;
    QList<QPair<qint16, QString>> backgrounds;

    void connect(AppOptions& options) {
        options.hooks.PLLoadFile = [this](const QString& path) { playlists << path; };
        options.hooks.ChangeDirPath = [this](const QString& path, bool flag) { folders.append({path, flag}); };
        options.hooks.SetBackground = [this](qint16 mode, const QString& path) { backgrounds.append({mode, path}); };
    }
};

TEST(AppOptions, StartsWithTheDefaultEntriesAndMatchingFields) {
    AppState state;
    AppOptions options(state);
    EXPECT_EQ(state.TotalPLRep, 1);
    EXPECT_EQ(state.TitleDirection, 0);
    EXPECT_EQ(state.DLSM, 100);
    EXPECT_EQ(state.ShiftConst[2], 0);
    EXPECT_EQ(state.InitDir, QDir::homePath());
}

TEST(AppOptions, LoadAppliesEveryLineAndCallsItsHooks) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    AppState state;
    AppOptions options(state);
    HookRecorder calls;
    calls.connect(options);
    int changes = 0;
    QObject::connect(&options, &AppOptions::changed, [&changes] { ++changes; });

    QString error;
    ASSERT_TRUE(options.LoadOptions(&error)) << error.toStdString();
    const std::array<bool, 9> flags{true, false, false, true, false, true, true, true, false};
    EXPECT_EQ(state.options.optCheck, flags);
    EXPECT_EQ(state.TotalPLRep, -1) << "entry 6 is endless";
    EXPECT_EQ(state.options.passEntry, 6);
    EXPECT_EQ(state.TitleDirection, 2);
    EXPECT_EQ(state.DLSM, 300);
    EXPECT_EQ(state.ShiftConst[2], 1);
    EXPECT_EQ(state.InitDir, QStringLiteral("/music/古典"));
    EXPECT_EQ(state.options.backgroundTag, QStringLiteral("1|/pics/bg.jpg"));
    EXPECT_EQ(state.options.backgroundEntry, 1);

    EXPECT_EQ(calls.playlists, QStringList{data.root() + QStringLiteral("/playlist.ini")});
    ASSERT_EQ(calls.folders.size(), 1);
    EXPECT_EQ(calls.folders.first(), qMakePair(QStringLiteral("/music/古典"), true));
    ASSERT_EQ(calls.backgrounds.size(), 1);
    EXPECT_EQ(calls.backgrounds.first(), qMakePair(qint16(1), QStringLiteral("/pics/bg.jpg")));
    EXPECT_GE(changes, 1);
    EXPECT_TRUE(options.skippedCalls().isEmpty());
}

TEST(AppOptions, DefaultPlaylistIsLoadedOnlyWhenItsOptionIsOn) {
    DataFolderScope data;
    QStringList lines = sampleOptionLines();
    lines[0] = QStringLiteral("#FALSE#");
    lines[11] = QStringLiteral("5");
    data.writeOptions(lines);
    AppState state;
    AppOptions options(state);
    HookRecorder calls;
    calls.connect(options);
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_TRUE(calls.playlists.isEmpty());
    ASSERT_EQ(calls.backgrounds.size(), 1);
    EXPECT_EQ(calls.backgrounds.first(), qMakePair(qint16(5), QString()));
}

TEST(AppOptions, AFailingPlaylistDoesNotStopTheLoad) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    AppState state;
    AppOptions options(state);
    HookRecorder calls;
    calls.connect(options);
    options.hooks.PLLoadFile = [](const QString&) { throw std::runtime_error("unreadable playlist"); };
    EXPECT_TRUE(options.LoadOptions());
    EXPECT_EQ(calls.folders.size(), 1);
}

TEST(AppOptions, UnconnectedHooksAreReportedWhereTheyWereNeeded) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    AppState state;
    AppOptions options(state);
    EXPECT_EQ(options.unconnectedHooks(),
              (QStringList{QStringLiteral("PLLoadFile"), QStringLiteral("ChangeDirPath"), QStringLiteral("SetBackground")}));
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(options.skippedCalls(),
              (QStringList{QStringLiteral("LoadOptions: PLLoadFile"), QStringLiteral("LoadOptions: ChangeDirPath"),
                           QStringLiteral("LoadOptions: SetBackground")}));
}

TEST(AppOptions, AFailedLoadChangesNothing) {
    DataFolderScope data;
    QStringList lines = sampleOptionLines();
    lines[11] = QStringLiteral("8");  // no such background entry, found after everything else
    data.writeOptions(lines);
    AppState state;
    AppOptions options(state);
    HookRecorder calls;
    calls.connect(options);
    const OptionState before = state.options;
    QString error;
    EXPECT_FALSE(options.LoadOptions(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 12:"))) << error.toStdString();
    EXPECT_EQ(state.options.optCheck, before.optCheck);
    EXPECT_EQ(state.TotalPLRep, 1);
    EXPECT_EQ(state.InitDir, QDir::homePath());
    EXPECT_TRUE(calls.playlists.isEmpty() && calls.folders.isEmpty() && calls.backgrounds.isEmpty());
}

TEST(AppOptions, MissingFileOrFolderFailsTheLoad) {
    for (bool folderExists : {true, false}) {
        DataFolderScope data(folderExists);
        AppState state;
        AppOptions options(state);
        QString error;
        EXPECT_FALSE(options.LoadOptions(&error)) << "folder exists: " << folderExists;
        EXPECT_FALSE(error.isEmpty());
    }
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
    EXPECT_EQ(next.TitleDirection, 3);
    EXPECT_EQ(next.DLSM, 100);
    EXPECT_EQ(next.InitDir, QStringLiteral("/music/a,b"));
    EXPECT_EQ(next.options.backgroundTag, QStringLiteral("1|/pics/x.jpg"));
    EXPECT_EQ(next.options.optCheck, state.options.optCheck);
}

TEST(AppOptions, ReadsAFileTheCheckerSavedWithoutQuotes) {
    DataFolderScope data;
    QStringList lines = sampleOptionLines();
    lines[10] = QStringLiteral("/music/unquoted");
    lines[11] = QStringLiteral("4");
    data.writeOptions(lines);
    AppState state;
    AppOptions options(state);
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(state.InitDir, QStringLiteral("/music/unquoted"));
    EXPECT_EQ(state.options.backgroundTag, QStringLiteral("4"));
    EXPECT_EQ(state.options.backgroundEntry, 4);
}

TEST(AppOptions, ASaveThatCannotCompleteLeavesTheOldFile) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    const QByteArray before = readWholeFile(data.optionFile());
    AppState state;
    AppOptions options(state);
    state.DLSM = -300;  // no entry stores this
    QString error;
    EXPECT_FALSE(options.SaveOptions(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readWholeFile(data.optionFile()), before);
}

TEST(AppOptions, MenuHandlersSetEntriesAndFields) {
    AppState state;
    AppOptions options(state);
    const struct {
        int entry;
        qint16 totalPLRep;
    } passes[] = {{1, 1}, {5, 5}, {6, -1}};
    for (const auto& p : passes) {
        options.mnuOptComboList0_Click(p.entry);
        EXPECT_EQ(state.options.passEntry, p.entry);
        EXPECT_EQ(state.TotalPLRep, p.totalPLRep) << "entry " << p.entry;
    }
    for (int entry = 0; entry <= 7; ++entry) {
        options.mnuOptComboList2_Click(entry);
        EXPECT_EQ(state.DLSM, entry * 100 - 200) << "entry " << entry;
    }
    options.mnuOptComboList1_Click(2);
    EXPECT_EQ(state.TitleDirection, 2);

    // Entries that do not exist change nothing.
    options.mnuOptComboList0_Click(0);
    options.mnuOptComboList0_Click(7);
    options.mnuOptComboList1_Click(4);
    options.mnuOptComboList2_Click(-1);
    options.mnuOptCheck_Click(9);
    EXPECT_EQ(state.TotalPLRep, -1);
    EXPECT_EQ(state.TitleDirection, 2);
    EXPECT_EQ(state.DLSM, 500);
}

TEST(AppOptions, CheckOptionsToggleAndTheSpareRowFollowsOptionSeven) {
    AppState state;
    AppOptions options(state);
    options.mnuOptCheck_Click(2);
    EXPECT_FALSE(state.options.optCheck[2]);
    options.mnuOptCheck_Click(7);
    EXPECT_TRUE(state.options.optCheck[7]);
    EXPECT_EQ(state.ShiftConst[2], 1);
    options.mnuOptCheck_Click(7);
    EXPECT_EQ(state.ShiftConst[2], 0);
}

}  // namespace
