#include <gtest/gtest.h>

#include "DataFolderScope.h"
#include "app/AppLifecycle.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "playback/MultiMedia.h"
#include "support/FakeServices.h"

namespace {

// Records what start-up and shut-down do to the window.
class RecordingWindow final : public LifecycleWindow {
public:
    void maximize() override { calls << QStringLiteral("maximize"); }
    void minimize() override { calls << QStringLiteral("minimize"); minimized = true; }
    bool isMinimized() const override { return minimized; }
    void setCaption(const QString& text) override { calls << QStringLiteral("caption ") + text; }
    void setWelcomeLine(const QString& text) override { calls << QStringLiteral("welcome ") + text; }
    void makeTopMost() override { calls << QStringLiteral("topmost"); }
    void showOptionChecker() override { calls << QStringLiteral("checker"); }
    void endProgram() override { calls << QStringLiteral("end"); }

    QStringList calls;
    bool minimized = false;
};

// Start-up and shut-down over a valid option file without the start-up
// playlist and the close confirmation; `wired` connects every hook.
struct LifecycleFixture {
    explicit LifecycleFixture(bool wired = true) {
        data.writeOptions(sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}));
        if (!wired) return;
        lifecycle.hooks.SongStarted = [this](const QString& path) { songs << path; };
        lifecycle.hooks.LoadDirFav = [this] { ++dirFavLoads; };
        lifecycle.hooks.playlistCount = [this] { return playlistEntries; };
        lifecycle.hooks.PLSaveFile = [this](const QString& path) { savedPlaylists << path; };
        lifecycle.hooks.topMostChecked = [this] { return topMost; };
        lifecycle.hooks.mnuRefresh_Click = [this](int index) { refreshes << index; };
        options.hooks.PLLoadFile = [](const QString&) {};
        options.hooks.ChangeDirPath = [](const QString&, bool) {};
        options.hooks.SetBackground = [](qint16, const QString&) {};
    }
    // The media engine answers "Status ZELSong mode" with this mode.
    void songIn(const char* mode) {
        media.MMOpen(QStringLiteral("/music/song.mp3"), QStringLiteral("ZELSong"), true);
        fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QString::fromLatin1(mode));
        fakes.mci.clear();
    }
    // Asks for an orderly close, the open playlist being `file` with `entries`;
    // true when the program stays.
    bool close(bool savePlaylistOption = false, int entries = 0, const char* file = "/lists/a.ini") {
        state.options.optCheck[1] = savePlaylistOption;
        state.UPlayList = QString::fromUtf8(file);
        playlistEntries = entries;
        bool cancel = false;
        lifecycle.Form_Unload(cancel);
        return cancel;
    }
    bool closedAll() const { return fakes.mci.commands().contains(QStringLiteral("Close all")); }

    DataFolderScope data;
    FakeServices fakes;
    AppState state;
    AppOptions options{state};
    MultiMedia media{fakes.mci};
    RecordingWindow window;
    AppLifecycle lifecycle{state, options, media, fakes.dialogs, fakes.screen, window};

    QStringList songs;
    int dirFavLoads = 0;
    int playlistEntries = 0;
    QStringList savedPlaylists;
    bool topMost = false;
    QList<int> refreshes;
};

TEST(AppLifecycle, LoadAppliesOptionsAndResetsTheStartFields) {
    LifecycleFixture f;
    f.state.VersionB.clear();
    f.state.PLBackUpNo = 4;
    f.state.WindowMode = 2;
    f.state.ShiftConst[0] = 0;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString())) << f.lifecycle.loadError().toStdString();
    EXPECT_EQ(f.state.TotalPLRep, -1) << "options were loaded";
    EXPECT_EQ(f.dirFavLoads, 1);
    EXPECT_EQ(f.state.PLBackUpNo, 1);
    EXPECT_EQ(f.state.WindowMode, 0);
    EXPECT_EQ(f.state.ShiftConst[0], 5700);
    EXPECT_EQ(f.window.calls, (QStringList{QStringLiteral("caption Corvane Audio Player 2004 Quorvel ε Build 3311"),
                                           QStringLiteral("welcome 歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311")}));
    EXPECT_TRUE(f.lifecycle.unconnectedHooks().isEmpty());
    EXPECT_TRUE(f.lifecycle.skippedCalls().isEmpty());
}

TEST(AppLifecycle, CommandLinePlaysUnchangedUnlessBlank) {
    const struct {
        const char *commandLine, *played;  // played nullptr: nothing
    } cases[] = {{"", nullptr}, {"   ", nullptr}, {"\"/music/quoted.mp3\"", "\"/music/quoted.mp3\""},
                 {" /music/Blue Sky.mp3 ", " /music/Blue Sky.mp3 "}};
    for (const auto& c : cases) {
        LifecycleFixture f;
        ASSERT_TRUE(f.lifecycle.Form_Load(QString::fromUtf8(c.commandLine))) << c.commandLine;
        const QStringList expected = c.played ? QStringList{QString::fromUtf8(c.played)} : QStringList{};
        EXPECT_EQ(f.songs, expected) << "command line \"" << c.commandLine << "\"";
    }
}

TEST(AppLifecycle, DesktopOfExactly800PixelsStartsMaximised) {
    for (int width : {799, 800, 801, 1280}) {
        LifecycleFixture f;
        f.fakes.screen.setSize(QSize(width, 600));
        f.lifecycle.Form_Load(QString());
        EXPECT_EQ(f.window.calls.contains(QStringLiteral("maximize")), width == 800) << "width " << width;
    }
}

TEST(AppLifecycle, FailedLoadMinimisesAndOpensTheCheckerWithoutAMessage) {
    for (bool throwing : {false, true}) {
        const char* name = throwing ? "throwing shortcut loader" : "missing option file";
        LifecycleFixture f;
        if (throwing)
            f.lifecycle.hooks.LoadDirFav = [] { throw std::runtime_error("DirFav.ini"); };
        else
            QFile::remove(f.data.optionFile());
        EXPECT_FALSE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3"))) << name;
        EXPECT_EQ(f.window.calls, (QStringList{QStringLiteral("minimize"), QStringLiteral("checker")})) << name;
        EXPECT_FALSE(f.lifecycle.loadError().isEmpty()) << name;
        EXPECT_TRUE(f.fakes.dialogs.messages.isEmpty()) << name;
        EXPECT_TRUE(f.songs.isEmpty()) << name << ": the rest of the load is skipped";
    }
}

TEST(AppLifecycle, CloseAsksOnlyWhileASongPlaysAndTheOptionIsOn) {
    const struct {
        bool option; const char* mode; bool asks;
    } cases[] = {{true, "playing", true}, {true, "paused", false}, {true, "stopped", false}, {false, "playing", false}};
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.state.options.optCheck[6] = c.option;
        f.songIn(c.mode);
        f.fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
        EXPECT_FALSE(f.close()) << c.mode << " option " << c.option;
        EXPECT_EQ(f.fakes.dialogs.messages.size(), c.asks ? 1 : 0) << c.mode << " option " << c.option;
        EXPECT_TRUE(f.closedAll()) << c.mode << " option " << c.option;
    }
}

TEST(AppLifecycle, AnsweringNoKeepsEverythingAndYesCloses) {
    LifecycleFixture f;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString()));
    const QByteArray before = readWholeFile(f.data.optionFile());
    f.options.mnuOptCheck_Click(6);  // ask before closing
    f.songIn("playing");
    f.fakes.dialogs.messageAnswers.push_back(MsgResult::No);
    EXPECT_TRUE(f.close(true, 3));
    ASSERT_EQ(f.fakes.dialogs.messages.size(), 1);
    const auto& question = f.fakes.dialogs.messages.first();
    EXPECT_EQ(question.text, QStringLiteral("確定要關閉程式?"));
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(f.fakes.mci.commands(), QStringList{QStringLiteral("Status ZELSong mode")});
    EXPECT_EQ(readWholeFile(f.data.optionFile()), before);
    EXPECT_TRUE(f.savedPlaylists.isEmpty());

    f.fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
    EXPECT_FALSE(f.close(true, 3));
    EXPECT_TRUE(f.closedAll());
    EXPECT_EQ(f.data.optionLines().at(6), QStringLiteral("#TRUE#"));
    EXPECT_EQ(f.savedPlaylists, QStringList{QStringLiteral("/lists/a.ini")});
}

TEST(AppLifecycle, PlaylistIsSavedOnlyWithEntriesAFileAndTheOption) {
    const struct {
        bool option; int entries; const char* file; bool saved;
    } cases[] = {{true, 2, "/lists/a.ini", true}, {true, 0, "/lists/a.ini", false}, {true, 2, "", false},
                 {false, 2, "/lists/a.ini", false}};
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.close(c.option, c.entries, c.file);
        EXPECT_EQ(!f.savedPlaylists.isEmpty(), c.saved)
            << "option " << c.option << ", " << c.entries << " entries, file \"" << c.file << "\"";
    }
}

TEST(AppLifecycle, AnOptionFileThatCannotBeWrittenDoesNotKeepTheProgram) {
    LifecycleFixture f;
    QFile::remove(f.data.optionFile());
    QDir().mkpath(f.data.optionFile());  // the target is a folder
    EXPECT_FALSE(f.close(true, 1));
    ASSERT_EQ(f.fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(f.fakes.dialogs.messages.first().icon, MsgIcon::Critical);
    EXPECT_EQ(f.savedPlaylists.size(), 1) << "the playlist is still saved";
}

TEST(AppLifecycle, ResizeReappliesTopMostAndRefreshesWhenAsked) {
    const struct {
        bool minimized, topMost, refreshOption, expectTopMost, expectRefresh;
    } cases[] = {{true, true, true, false, false}, {false, true, false, true, false},
                 {false, false, true, false, true}, {false, false, false, false, false}};
    for (int i = 0; i < 4; ++i) {
        const auto& c = cases[i];
        LifecycleFixture f;
        f.window.minimized = c.minimized;
        f.topMost = c.topMost;
        f.state.options.optCheck[8] = c.refreshOption;
        f.lifecycle.Form_Resize();
        EXPECT_EQ(f.window.calls.contains(QStringLiteral("topmost")), c.expectTopMost) << "case " << i;
        EXPECT_EQ(f.refreshes, c.expectRefresh ? QList<int>{9} : QList<int>{}) << "case " << i;
    }
}

TEST(AppLifecycle, UnconnectedHooksAreNamedAndTheirStepsReported) {
    LifecycleFixture f(false);
    EXPECT_EQ(f.lifecycle.unconnectedHooks().size(), 9) << f.lifecycle.unconnectedHooks().join(u',').toStdString();
    ASSERT_TRUE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3")));
    f.state.options.optCheck[8] = true;
    f.lifecycle.Form_Resize();
    f.close(true);
    EXPECT_EQ(f.lifecycle.skippedCalls(),
              (QStringList{QStringLiteral("LoadOptions: ChangeDirPath"), QStringLiteral("LoadOptions: SetBackground"),
                           QStringLiteral("Form_Load: LoadDirFav"), QStringLiteral("Form_Load: SongStarted"),
                           QStringLiteral("Form_Resize: mnuRefresh_Click"), QStringLiteral("Form_Unload: PLSaveFile")}));
}

}  // namespace
