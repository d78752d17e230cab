#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "DataFolderScope.h"
#include "app/AppOptions.h"
#include "app/AppState.h"

namespace {

// Options over a data folder holding `lines` as its option file, with every
// call the load makes into other subsystems recorded. The default playlist
// always fails to load, which must not stop the rest of the load.
struct OptionsFixture {
    explicit OptionsFixture(const QStringList& lines) {
        data.writeOptions(lines);
        options.hooks.PLLoadFile = [this](const QString& path) {
            playlists << path;
            throw std::runtime_error("unreadable playlist");
        };
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

// A wrong line changes nothing, even one found after every other line was
// read; values after the fourteenth line are not options and change nothing.
TEST(AppOptions, LoadAppliesEveryLineOrNothing) {
    OptionsFixture f(sampleOptionLines({{12, "8"}}));
    QString error;
    EXPECT_FALSE(f.options.LoadOptions(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 12:"))) << error.toStdString();
    EXPECT_TRUE(f.state.TotalPLRep == 1 && f.state.InitDir == QDir::homePath() && !f.state.options.optCheck[0]);
    EXPECT_TRUE(f.playlists.isEmpty() && f.folders.isEmpty() && f.backgrounds.isEmpty());
    f.data.writeOptions(sampleOptionLines() << QStringLiteral("garbage") << QStringLiteral("#TRUE#"));
    int changes = 0;
    QObject::connect(&f.options, &AppOptions::changed, [&changes] { ++changes; });
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
    EXPECT_GE(changes, 1);
    EXPECT_TRUE(f.options.skippedCalls().isEmpty());
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

}  // namespace
