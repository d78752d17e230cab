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
    void minimize() override {
        calls << QStringLiteral("minimize");
        minimized = true;
    }
    bool isMinimized() const override { return minimized; }
    void setCaption(const QString& text) override { caption = text; }
    void setWelcomeLine(const QString& text) override { welcome = text; }
    void makeTopMost() override { calls << QStringLiteral("topmost"); }
    void showOptionChecker() override { calls << QStringLiteral("checker"); }
    void endProgram() override { calls << QStringLiteral("end"); }

    QStringList calls;
    QString caption;
    QString welcome;
    bool minimized = false;
};

struct LifecycleFixture {
    explicit LifecycleFixture(bool withOptionFile = true) {
        if (withOptionFile) data.writeOptions(OptionFile_defaults());
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
    static QStringList OptionFile_defaults() {
        QStringList lines = sampleOptionLines();
        lines[0] = QStringLiteral("#FALSE#");  // no playlist at start
        lines[6] = QStringLiteral("#FALSE#");  // no close confirmation
        return lines;
    }
    // The media engine answers "Status ZELSong mode" with this mode.
    void songIn(const char* mode) {
        media.MMOpen(QStringLiteral("/music/song.mp3"), QStringLiteral("ZELSong"), true);
        fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QString::fromLatin1(mode));
        fakes.mci.clear();
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

TEST(AppLifecycle, LoadAppliesOptionsAndGreets) {
    LifecycleFixture f;
    f.state.VersionB.clear();
    f.state.PLBackUpNo = 4;
    f.state.WindowMode = 2;
    f.state.ShiftConst[0] = 0;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString())) << f.lifecycle.loadError().toStdString();
    EXPECT_EQ(f.state.TotalPLRep, -1) << "options were loaded";
    EXPECT_EQ(f.dirFavLoads, 1);
    EXPECT_EQ(f.window.caption, QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(f.window.welcome, QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(f.state.PLBackUpNo, 1);
    EXPECT_EQ(f.state.WindowMode, 0);
    EXPECT_EQ(f.state.ShiftConst[0], 5700);
    EXPECT_TRUE(f.songs.isEmpty());
    EXPECT_TRUE(f.window.calls.isEmpty()) << f.window.calls.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(f.lifecycle.unconnectedHooks().isEmpty());
    EXPECT_TRUE(f.lifecycle.skippedCalls().isEmpty());
}

TEST(AppLifecycle, CommandLinePlaysUnchangedUnlessBlank) {
    const struct {
        const char* commandLine;
        const char* played;  // nullptr: nothing
    } cases[] = {
        {"", nullptr},
        {"   ", nullptr},
        {"/music/Blue Sky.mp3", "/music/Blue Sky.mp3"},
        {"\"/music/quoted.mp3\"", "\"/music/quoted.mp3\""},
        {" /music/padded.mp3 ", " /music/padded.mp3 "},
    };
    for (const auto& c : cases) {
        LifecycleFixture f;
        ASSERT_TRUE(f.lifecycle.Form_Load(QString::fromUtf8(c.commandLine))) << c.commandLine;
        const QStringList expected = c.played ? QStringList{QString::fromUtf8(c.played)} : QStringList{};
        EXPECT_EQ(f.songs, expected) << "command line \"" << c.commandLine << "\"";
    }
}

TEST(AppLifecycle, DesktopOfExactly800PixelsStartsMaximised) {
    const struct {
        int width;
        bool maximised;
    } cases[] = {{800, true}, {799, false}, {801, false}, {1280, false}};
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.fakes.screen.setSize(QSize(c.width, 600));
        f.lifecycle.Form_Load(QString());
        EXPECT_EQ(f.window.calls.contains(QStringLiteral("maximize")), c.maximised) << "width " << c.width;
    }
}

TEST(AppLifecycle, FailedLoadMinimisesAndOpensTheCheckerWithoutAMessage) {
    const struct {
        const char* name;
        std::function<void(LifecycleFixture&)> breakIt;
    } cases[] = {
        {"missing option file", [](LifecycleFixture& f) { QFile::remove(f.data.optionFile()); }},
        {"twelve lines", [](LifecycleFixture& f) { f.data.writeOptions(sampleOptionLines().mid(0, 12)); }},
        {"throwing shortcut loader",
         [](LifecycleFixture& f) { f.lifecycle.hooks.LoadDirFav = [] { throw std::runtime_error("DirFav.ini"); }; }},
    };
    for (const auto& c : cases) {
        LifecycleFixture f;
        c.breakIt(f);
        EXPECT_FALSE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3"))) << c.name;
        EXPECT_EQ(f.window.calls, (QStringList{QStringLiteral("minimize"), QStringLiteral("checker")})) << c.name;
        EXPECT_FALSE(f.lifecycle.loadError().isEmpty()) << c.name;
        EXPECT_TRUE(f.fakes.dialogs.messages.isEmpty()) << c.name;
        EXPECT_TRUE(f.songs.isEmpty()) << c.name << ": the rest of the load is skipped";
        EXPECT_TRUE(f.window.caption.isEmpty()) << c.name;
    }
}

TEST(AppLifecycle, CloseAsksOnlyWhileASongPlaysAndTheOptionIsOn) {
    const struct {
        bool option;
        const char* mode;
        bool asks;
    } cases[] = {
        {true, "playing", true}, {true, "paused", false}, {true, "stopped", false},
        {false, "playing", false},
    };
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.state.options.optCheck[6] = c.option;
        f.songIn(c.mode);
        f.fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
        bool cancel = false;
        f.lifecycle.Form_Unload(cancel);
        EXPECT_EQ(f.fakes.dialogs.messages.size(), c.asks ? 1 : 0) << c.mode << " option " << c.option;
        EXPECT_FALSE(cancel);
        EXPECT_TRUE(f.closedAll()) << c.mode;
    }
}

TEST(AppLifecycle, AnsweringNoKeepsEverything) {
    LifecycleFixture f;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString()));
    const QByteArray before = readWholeFile(f.data.optionFile());
    f.options.mnuOptCheck_Click(6);   // ask before closing
    f.options.mnuOptCheck_Click(1);   // save the playlist at exit
    f.state.UPlayList = QStringLiteral("/lists/open.ini");
    f.playlistEntries = 3;
    f.songIn("playing");
    f.fakes.dialogs.messageAnswers.push_back(MsgResult::No);
    bool cancel = false;
    f.lifecycle.Form_Unload(cancel);
    EXPECT_TRUE(cancel);
    ASSERT_EQ(f.fakes.dialogs.messages.size(), 1);
    const auto& question = f.fakes.dialogs.messages.first();
    EXPECT_EQ(question.text, QStringLiteral("確定要關閉程式?"));
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(f.fakes.mci.commands(), QStringList{QStringLiteral("Status ZELSong mode")});
    EXPECT_EQ(readWholeFile(f.data.optionFile()), before);
    EXPECT_TRUE(f.savedPlaylists.isEmpty());

    // Answering Yes the next time closes, saves the options and the playlist.
    f.fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
    f.lifecycle.Form_Unload(cancel = false);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(f.closedAll());
    EXPECT_EQ(f.data.optionLines().at(6), QStringLiteral("#TRUE#"));
    EXPECT_EQ(f.savedPlaylists, QStringList{QStringLiteral("/lists/open.ini")});
}

TEST(AppLifecycle, PlaylistIsSavedOnlyWithEntriesAFileAndTheOption) {
    const struct {
        bool option;
        int entries;
        const char* file;
        bool saved;
    } cases[] = {
        {true, 2, "/lists/a.ini", true}, {true, 0, "/lists/a.ini", false},
        {true, 2, "", false},            {false, 2, "/lists/a.ini", false},
    };
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.state.options.optCheck[1] = c.option;
        f.playlistEntries = c.entries;
        f.state.UPlayList = QString::fromUtf8(c.file);
        bool cancel = false;
        f.lifecycle.Form_Unload(cancel);
        EXPECT_EQ(!f.savedPlaylists.isEmpty(), c.saved)
            << "option " << c.option << ", " << c.entries << " entries, file \"" << c.file << "\"";
    }
}

TEST(AppLifecycle, AnOptionFileThatCannotBeWrittenDoesNotKeepTheProgram) {
    LifecycleFixture f;
    QFile::remove(f.data.optionFile());
    QDir().mkpath(f.data.optionFile());  // the target is a folder
    f.state.options.optCheck[1] = true;
    f.state.UPlayList = QStringLiteral("/lists/a.ini");
    f.playlistEntries = 1;
    bool cancel = false;
    f.lifecycle.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    ASSERT_EQ(f.fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(f.fakes.dialogs.messages.first().icon, MsgIcon::Critical);
    EXPECT_EQ(f.savedPlaylists.size(), 1) << "the playlist is still saved";
}

TEST(AppLifecycle, ForceEndSavesNothingEvenIfAClosedFollows) {
    LifecycleFixture f;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString()));
    const QByteArray before = readWholeFile(f.data.optionFile());
    f.options.mnuOptComboList0_Click(2);
    f.state.options.optCheck[1] = true;
    f.state.UPlayList = QStringLiteral("/lists/a.ini");
    f.playlistEntries = 1;
    f.lifecycle.mnuForceEnd_Click();
    EXPECT_EQ(f.window.calls.last(), QStringLiteral("end"));
    bool cancel = false;
    f.lifecycle.Form_Unload(cancel);
    EXPECT_EQ(readWholeFile(f.data.optionFile()), before);
    EXPECT_TRUE(f.savedPlaylists.isEmpty());
    EXPECT_TRUE(f.fakes.mci.commands().isEmpty());
}

TEST(AppLifecycle, ResizeReappliesTopMostAndRefreshesWhenAsked) {
    const struct {
        bool minimized;
        bool topMost;
        bool refreshOption;
        bool expectTopMost;
        bool expectRefresh;
    } cases[] = {
        {true, true, true, false, false},
        {false, true, false, true, false},
        {false, false, true, false, true},
        {false, false, false, false, false},
    };
    for (const auto& c : cases) {
        LifecycleFixture f;
        f.window.minimized = c.minimized;
        f.topMost = c.topMost;
        f.state.options.optCheck[8] = c.refreshOption;
        f.lifecycle.Form_Resize();
        EXPECT_EQ(f.window.calls.contains(QStringLiteral("topmost")), c.expectTopMost)
            << "minimized " << c.minimized << " topmost " << c.topMost;
        EXPECT_EQ(f.refreshes, c.expectRefresh ? QList<int>{9} : QList<int>{}) << "refresh option " << c.refreshOption;
    }
}

TEST(AppLifecycle, UnconnectedHooksAreNamedAndTheirStepsReported) {
    DataFolderScope data;
    QStringList lines = sampleOptionLines();
    lines[0] = QStringLiteral("#FALSE#");
    data.writeOptions(lines);
    FakeServices fakes;
    AppState state;
    AppOptions options(state);
    MultiMedia media(fakes.mci);
    RecordingWindow window;
    AppLifecycle lifecycle(state, options, media, fakes.dialogs, fakes.screen, window);
    EXPECT_EQ(lifecycle.unconnectedHooks().size(), 9) << lifecycle.unconnectedHooks().join(u',').toStdString();

    ASSERT_TRUE(lifecycle.Form_Load(QStringLiteral("/music/song.mp3")));
    state.options.optCheck[8] = true;
    lifecycle.Form_Resize();
    state.options.optCheck[1] = true;
    state.UPlayList = QStringLiteral("/lists/a.ini");
    bool cancel = false;
    lifecycle.Form_Unload(cancel);
    EXPECT_EQ(lifecycle.skippedCalls(),
              (QStringList{QStringLiteral("LoadOptions: ChangeDirPath"), QStringLiteral("LoadOptions: SetBackground"),
                           QStringLiteral("Form_Load: LoadDirFav"), QStringLiteral("Form_Load: SongStarted"),
                           QStringLiteral("Form_Resize: mnuRefresh_Click"), QStringLiteral("Form_Unload: PLSaveFile")}));
}

}  // namespace
