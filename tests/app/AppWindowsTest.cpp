// The program's own windows: start-up and shut-down of the main window with
// the option checker, and the help menu's version box and state inspector.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "DataFolderScope.h"
#include "app/AppLifecycle.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/Frm_SaveMode.h"
#include "app/Frm_Version.h"
#include "app/MainWindowLifecycle.h"
#include "app/OptionFile.h"
#include "app/SafeModeOpener.h"
#include "app/StateInspector.h"
#include "app/TimerRegistry.h"
#include "common/IntervalTimer.h"
#include "playback/MultiMedia.h"
#include "support/FakeServices.h"

namespace {

// Start-up and shut-down wired to a stand-in main window the way the real
// main window wires them (no hook at all unless `wired`). `lines` is the option
// file (none: no data folder); by default it loads no playlist and asks nothing at a close.
struct App {
    explicit App(const QStringList& lines = sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}), bool wired = true)
        : data(!lines.isEmpty()) {
        if (!lines.isEmpty()) data.writeOptions(lines);
        window.resize(400, 300);
        window.show();
        opener.endProgram = [this] { lifecycle.mnuForceEnd_Click(); };
        binding.onEnd = [this] { ++ends; };
        if (!wired) return;
        lifecycle.hooks.SongStarted = [this](const QString& path) { songs << path; };
        lifecycle.hooks.LoadDirFav = [] {};
        lifecycle.hooks.playlistCount = [this] { return playlistEntries; };
        lifecycle.hooks.PLSaveFile = [this](const QString& path) { savedPlaylists << path; };
        lifecycle.hooks.topMostChecked = [] { return true; };
        lifecycle.hooks.mnuRefresh_Click = [this](int index) { refreshes << index; };
        options.hooks.PLLoadFile = [](const QString&) {};
        options.hooks.ChangeDirPath = [](const QString&, bool) {};
        options.hooks.SetBackground = [](qint16, const QString&) {};
    }
    ~App() { delete opener.window(); }
    // Asks for an orderly close, the open playlist being `file` with `entries`;
    // true when the program stays.
    bool close(bool savePlaylistOption = false, int entries = 0, const char* file = "/a.ini") {
        state.options.optCheck[1] = savePlaylistOption;
        state.UPlayList = QString::fromUtf8(file);
        playlistEntries = entries;
        bool cancel = false;
        lifecycle.Form_Unload(cancel);
        return cancel;
    }
    Frm_SaveMode* checker() const { return opener.window(); }
    QPushButton* button(const char* name) const { return checker()->findChild<QPushButton*>(QLatin1String(name)); }
    bool highlighted(const char* name) const { return Frm_SaveMode::isHighlighted(button(name)); }
    QListWidget* list(const char* name) const { return checker()->findChild<QListWidget*>(QLatin1String(name)); }
    DataFolderScope data;
    FakeServices fakes;
    QWidget window;
    QLineEdit* txtFileLink = new QLineEdit(&window);
    AppState state;
    AppOptions options{state};
    MultiMedia media{fakes.mci};
    SafeModeOpener opener{fakes.dialogs, fakes.launcher, &window};
    MainWindowLifecycle binding{&window, txtFileLink, opener};
    AppLifecycle lifecycle{state, options, media, fakes.dialogs, fakes.screen, binding};
    QStringList songs, savedPlaylists;
    QList<int> refreshes;
    int playlistEntries = 0, ends = 0;
};

// The command line is played unchanged unless it holds only blanks; only a
// desktop exactly 800 pixels wide maximises the window. Without its hooks the
// start still succeeds: they are named, and the steps that need them are
// skipped and reported.
TEST(AppLifecycle, LoadPlaysTheCommandLineMaximisesAt800PixelsAndSkipsMissingHooks) {
    const struct { const char* commandLine; int width; bool wired, plays, maximizes; } cases[] = {
        {"", 799, true, false, false}, {"   ", 800, true, false, true}, {"/music/song.mp3", 800, false, false, true},
        {"\"/music/quoted.mp3\"", 801, true, true, false}, {" /music/Blue Sky.mp3 ", 1280, true, true, false},
    };
    const QStringList skippedUnwired = {"LoadOptions: ChangeDirPath", "LoadOptions: SetBackground",
                                        "Form_Load: LoadDirFav", "Form_Load: SongStarted"};
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + std::string(c.commandLine) + "\" at " + std::to_string(c.width) + " px" +
                     (c.wired ? "" : ", no hooks"));
        App f(sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}), c.wired);
        f.fakes.screen.setSize(QSize(c.width, 600));
        ASSERT_TRUE(f.lifecycle.Form_Load(QString::fromUtf8(c.commandLine))) << f.lifecycle.loadError().toStdString();
        EXPECT_EQ(f.songs, c.plays ? QStringList{QString::fromUtf8(c.commandLine)} : QStringList{});
        EXPECT_EQ(f.window.isMaximized(), c.maximizes);
        EXPECT_EQ(f.state.TotalPLRep, -1) << "options were loaded";
        const QStringList unconnected = f.lifecycle.unconnectedHooks();
        EXPECT_EQ(unconnected.size(), c.wired ? 0 : 9) << unconnected.join(u',').toStdString();
        EXPECT_EQ(f.lifecycle.skippedCalls(), c.wired ? QStringList{} : skippedUnwired);
    }
}

TEST(AppLifecycle, GoodStartActsOnTheWindowAndForceEndKeepsTheFile) {
    App f(sampleOptionLines());
    const QByteArray before = readWholeFile(f.data.optionFile());
    ASSERT_TRUE(f.lifecycle.Form_Load(QString()));
    EXPECT_EQ(f.window.windowTitle(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(f.txtFileLink->text(), QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    // Restored: top-most again, and option 8 refreshes drives, folders and files (9).
    f.state.options.optCheck[8] = true;
    f.lifecycle.Form_Resize();
    EXPECT_TRUE(f.window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.window.isVisible()) << "changing the window's flags must not hide it";
    EXPECT_EQ(f.refreshes, QList<int>{9});
    f.options.mnuOptComboList0_Click(3);
    MainWindowLifecycle::createForceEndAction(f.lifecycle, &f.window)->trigger();
    EXPECT_EQ(f.ends, 1);
    f.fakes.mci.clear();
    EXPECT_FALSE(f.close(true, 2));  // the close event that follows the end
    EXPECT_EQ(readWholeFile(f.data.optionFile()), before);
    EXPECT_TRUE(f.fakes.mci.commands().isEmpty() && f.savedPlaylists.isEmpty()) << "untouched after a force-end";
}

TEST(AppLifecycle, FirstStartCreatesTheFolderOffersDefaultsAndRestarts) {
    App f(QStringList{});
    EXPECT_FALSE(f.lifecycle.Form_Load(QString()));
    ASSERT_NE(f.checker(), nullptr);
    EXPECT_TRUE(f.checker()->isVisible() && !f.window.isVisible() && f.window.isMinimized()) << "hidden by the checker";
    EXPECT_TRUE(QFileInfo(f.data.root() + QStringLiteral("/Lyrics")).isDir());
    EXPECT_TRUE(f.highlighted("cmdAppDefOpt") && !f.highlighted("cmdCompareOpt"));
    EXPECT_FALSE(QFileInfo::exists(f.data.optionFile())) << "nothing is written before the user chooses";
    f.button("cmdAppDefOpt")->click();
    f.button("cmdAppNewOpt")->click();
    // Welcome, the folder made (named), the defaults loaded, then saved and restarting.
    ASSERT_EQ(f.fakes.dialogs.messages.size(), 4) << f.fakes.dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_TRUE(f.fakes.dialogs.messages[1].text.contains(f.data.root() + QStringLiteral("/}")));
    EXPECT_EQ(f.fakes.launcher.restarts, 1);
    EXPECT_EQ(f.ends, 1);
    OptionValues defaults;
    defaults.initDir = QDir::homePath();
    const OptionFile::ParseResult saved = OptionFile::read(f.data.optionFile());
    EXPECT_TRUE(saved.ok && saved.values == defaults) << "a valid file of defaults: " << saved.error.toStdString();
}

// A broken file (the twelve lines of older versions) or a step that throws
// opens the checker instead of the program; the load itself says nothing.
// The upgrade fills the missing lines with defaults, but whichever way the
// checker is left without saving, the main window comes back.
TEST(AppLifecycle, FailedStartPointsAtTheUpgradeAndLeavingKeepsTheFile) {
    for (const char* how : {"cmdForceEntry", "close", "throwing step"}) {
        const bool throwing = QLatin1String(how) == QLatin1String("throwing step");
        App f(throwing ? sampleOptionLines() : sampleOptionLines().mid(0, 12));
        if (throwing) f.lifecycle.hooks.LoadDirFav = [] { throw std::runtime_error("DirFav.ini"); };
        const QByteArray before = readWholeFile(f.data.optionFile());
        EXPECT_FALSE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3"))) << how;
        ASSERT_NE(f.checker(), nullptr) << how;
        EXPECT_TRUE(f.highlighted("cmdCompareOpt") && !f.highlighted("cmdAppDefOpt")) << how;
        EXPECT_EQ(f.list("ListTMP")->count(), throwing ? 14 : 12) << how;
        EXPECT_EQ(f.fakes.dialogs.messages.size(), 1) << how << ": only the checker's own message";
        EXPECT_TRUE(f.songs.isEmpty()) << how << ": the rest of the load is skipped";
        ASSERT_FALSE(f.window.isVisible()) << how;
        if (throwing) continue;
        f.button("cmdCompareOpt")->click();
        const OptionChecker& checker = f.checker()->checker();
        EXPECT_EQ(checker.ListCurrent(), QStringList(checker.ListTMP()) << "#FALSE#" << "#FALSE#") << how;
        if (QLatin1String(how) == QLatin1String("close"))
            f.checker()->close();
        else
            f.button(how)->click();
        EXPECT_TRUE(f.window.isVisible() && !f.window.isMinimized()) << how;
        EXPECT_EQ(readWholeFile(f.data.optionFile()), before) << how << ": nothing was saved";
    }
}

// Opened from the menu, the checker only shows the lists; an original row
// double-clicked copies over the selected row.
TEST(AppLifecycle, MenuEntryOpensOneCheckerWhoseListsFollowClicks) {
    App f;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString())) << f.lifecycle.loadError().toStdString();
    QAction* entry = f.opener.menuEntry();
    entry->trigger();
    ASSERT_NE(f.checker(), nullptr);
    EXPECT_TRUE(f.checker()->isVisible() && f.window.isVisible()) << "opened from the menu, the main window stays";
    EXPECT_TRUE(f.fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(entry->data().toString(), QStringLiteral("0")) << "the checker resets the tag";
    QListWidget* current = f.list("ListCurrent");
    current->setCurrentRow(10);
    emit f.list("ListTMP")->itemDoubleClicked(f.list("ListTMP")->item(7));
    EXPECT_EQ(current->item(10)->text(), QStringLiteral("6"));
    EXPECT_EQ(current->currentRow(), 10) << "the selection survives the refresh";
    Frm_SaveMode* first = f.checker();
    entry->trigger();
    EXPECT_EQ(f.checker(), first) << "asking again brings the same window forward";
}

// Closing asks only while a song plays and the option is on; answered No,
// nothing is closed or saved. The playlist is saved only with option 1, a
// file and at least one entry, even when the option file cannot be written
// (the target is a folder), which is reported.
TEST(AppLifecycle, CloseAsksAndSavesOnlyWhenItShould) {
    const struct {
        bool ask; const char* mode; bool saveOption; int entries; const char* file; bool folder, asks, stays, saved;
    } cases[] = {
        {true, "playing", true, 2, "/a.ini", false, true, false, true},
        {true, "playing", true, 3, "/a.ini", false, true, true, false},
        {true, "paused", true, 0, "/a.ini", false, false, false, false},
        {true, "stopped", true, 2, "", false, false, false, false},
        {false, "playing", false, 2, "/a.ini", false, false, false, false},
        {false, "playing", true, 1, "/a.ini", true, false, false, true},
    };
    for (const auto& c : cases) {
        App f;
        f.state.options.optCheck[6] = c.ask;
        f.media.MMOpen(QStringLiteral("/music/song.mp3"), QStringLiteral("ZELSong"), true);
        f.fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QString::fromLatin1(c.mode));
        f.fakes.mci.clear();
        f.fakes.dialogs.messageAnswers.push_back(c.stays ? MsgResult::No : MsgResult::Yes);
        SCOPED_TRACE(testing::Message() << c.mode << (c.ask ? ", asking, " : ", ") << c.entries << " entries in \""
                                        << c.file << "\"" << (c.folder ? ", option file a folder" : ""));
        if (c.folder) { ASSERT_TRUE(QFile::remove(f.data.optionFile()) && QDir().mkpath(f.data.optionFile())); }
        const QByteArray before = readWholeFile(f.data.optionFile());
        EXPECT_EQ(f.close(c.saveOption, c.entries, c.file), c.stays);
        const auto& messages = f.fakes.dialogs.messages;
        ASSERT_EQ(messages.size(), int(c.asks) + int(c.folder));
        const FakeDialogs::Message first = messages.value(0);
        EXPECT_EQ(first.text == QStringLiteral("確定要關閉程式?") && first.buttons == MsgButtons::YesNo, c.asks);
        EXPECT_EQ(first.icon, c.asks ? MsgIcon::Question : c.folder ? MsgIcon::Critical : MsgIcon::None);
        EXPECT_EQ(f.fakes.mci.commands().contains(QStringLiteral("Close all")), !c.stays);
        EXPECT_EQ(readWholeFile(f.data.optionFile()) == before, c.stays || c.folder) << "options saved?";
        EXPECT_EQ(f.savedPlaylists, c.saved ? QStringList{QStringLiteral("/a.ini")} : QStringList{});
    }
}

// Always 39 lines in the same places, each value as it stands: texts as they
// are, numbers in decimal, Booleans as True/False, a timer's interval whether
// or not it runs, and a timer that is gone as stopped.
TEST(StateInspector, ThirtyNineLinesShowTheValuesAsTheyStand) {
    AppState state;
    state.PSongLink = QStringLiteral("/music/Blue Sky.mp3");
    state.TotalPLRep = -1;
    state.DoTimeAccumulate = true;
    state.AccLastTime = 45296789.5;
    IntervalTimer mmTimer, lyricTimer;
    mmTimer.set(500, true);
    lyricTimer.set(3250, false);
    auto gone = std::make_unique<IntervalTimer>();
    TimerRegistry timers;
    timers.add(QStringLiteral("MMTimer"), &mmTimer);
    timers.add(QStringLiteral("LyricTimer"), &lyricTimer);
    timers.add(QStringLiteral("PlayListTimer"), gone.get());
    gone->set(1000, true);
    gone.reset();
    const QStringList lines = StateInspector::lines(state, timers, 61234);
    ASSERT_EQ(lines.size(), 39);
    const struct { int line; const char* text; } cases[] = {
        {1, "PSongLink = /music/Blue Sky.mp3"}, {12, "LyricTimer = 3250"}, {17, "TotalPLRep = -1"},
        {20, "MMCentre.Position = 61234"}, {30, "MMTimer = 500"}, {32, "PlayListTimer = 0"},
        {37, "DoTimeAccumulate = True"}, {38, "AccTimePos = 0"}, {39, "AccLastTime = 45296789.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(lines.value(c.line - 1).toStdString(), c.text) << "line " << c.line;
}

TEST(VersionBox, TheIconCopiesTheBuildTextAndTheTextClosesTheBox) {
    AppState state;
    FakeClipboard clipboard;
    Frm_Version box(state, clipboard, nullptr);
    box.show();
    auto* icon = box.findChild<QLabel*>(QStringLiteral("imgIcon"));
    auto* text = box.findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_TRUE(icon && text);
    QTest::mouseClick(icon, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.text(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311\r\n"
                                               "Last Update: 06/06/2004 13:30\r\n"
                                               "Ram Usage: 5200KB(Maximized), 3072KB(Minimized)"));
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(clipboard.clears, 1) << "closing copies nothing";
}

}  // namespace
