#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "DataFolderScope.h"
#include "app/AppLifecycle.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/Frm_SaveMode.h"
#include "app/MainWindowLifecycle.h"
#include "app/OptionFile.h"
#include "app/SafeModeOpener.h"
#include "playback/MultiMedia.h"
#include "support/FakeServices.h"

namespace {

// Start-up and shut-down wired to a stand-in main window the way the real
// main window wires them. `lines` is the option file (none: no data folder
// at all); by default it loads no playlist and asks nothing at a close.
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
    // A song is open and the media engine reports it in `mode`.
    void songIn(const char* mode) {
        media.MMOpen(QStringLiteral("/music/song.mp3"), QStringLiteral("ZELSong"), true);
        fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QString::fromLatin1(mode));
        fakes.mci.clear();
    }
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
// desktop exactly 800 pixels wide maximises the window.
TEST(AppLifecycle, LoadPlaysTheCommandLineAndMaximisesAt800Pixels) {
    const struct { const char* commandLine; int width; bool plays, maximizes; } cases[] = {
        {"", 799, false, false}, {"   ", 800, false, true}, {"\"/music/quoted.mp3\"", 801, true, false},
        {" /music/Blue Sky.mp3 ", 1280, true, false},
    };
    for (const auto& c : cases) {
        App f;
        f.fakes.screen.setSize(QSize(c.width, 600));
        ASSERT_TRUE(f.lifecycle.Form_Load(QString::fromUtf8(c.commandLine))) << f.lifecycle.loadError().toStdString();
        const std::string name = "\"" + std::string(c.commandLine) + "\" at " + std::to_string(c.width) + " px";
        EXPECT_EQ(f.songs, c.plays ? QStringList{QString::fromUtf8(c.commandLine)} : QStringList{}) << name;
        EXPECT_EQ(f.window.isMaximized(), c.maximizes) << name;
        EXPECT_EQ(f.state.TotalPLRep, -1) << name << ": options were loaded";
        EXPECT_TRUE(f.lifecycle.unconnectedHooks().isEmpty() && f.lifecycle.skippedCalls().isEmpty()) << name;
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
    EXPECT_EQ(f.fakes.dialogs.messageTexts(),
              (QStringList{QStringLiteral("看來你是第一次執行此程式。在此，歡迎你選擇使用這程式！"),
                           QStringLiteral("資料夾已經建立成功{") + f.data.root() +
                               QStringLiteral("/}，請於按鈕中選擇「使用預設選項」載入這程式！"),
                           QStringLiteral("新的選項已經載入，請選擇「使用新的選項執行程式」以套用新的選項！"),
                           QStringLiteral("新的選項已成功被儲存，現正重新啟動程式。")}));
    for (const auto& m : f.fakes.dialogs.messages)
        EXPECT_EQ(m.icon, m.text.startsWith(QStringLiteral("新的選項已經")) ? MsgIcon::Exclamation : MsgIcon::Information)
            << m.text.toStdString();
    EXPECT_EQ(f.fakes.launcher.restarts, 1);
    EXPECT_EQ(f.ends, 1);
    const QStringList saved = f.data.optionLines();
    EXPECT_EQ(saved.value(10), QStringLiteral("\"") + QDir::homePath() + QStringLiteral("\"")) << "home, quoted";
    EXPECT_EQ(saved.value(11), QStringLiteral("0"));
    OptionValues defaults;
    defaults.initDir = QDir::homePath();
    EXPECT_EQ(OptionFile::read(f.data.optionFile()).values, defaults) << "a valid file of defaults";
}

// A broken file (the twelve lines of older versions) or a step that throws
// opens the checker instead of the program; the load itself says nothing.
// Whichever way the checker is left without saving, the main window comes back.
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
        f.songIn(c.mode);
        f.fakes.dialogs.messageAnswers.push_back(c.stays ? MsgResult::No : MsgResult::Yes);
        const std::string name = std::string(c.mode) + (c.ask ? ", asking" : "") + (c.stays ? ", said No" : "") +
                                 ", " + std::to_string(c.entries) + " entries in \"" + c.file + "\"" +
                                 (c.folder ? ", option file a folder" : "");
        if (c.folder) { ASSERT_TRUE(QFile::remove(f.data.optionFile()) && QDir().mkpath(f.data.optionFile())) << name; }
        const QByteArray before = readWholeFile(f.data.optionFile());
        EXPECT_EQ(f.close(c.saveOption, c.entries, c.file), c.stays) << name;
        const auto& messages = f.fakes.dialogs.messages;
        ASSERT_EQ(messages.size(), int(c.asks) + int(c.folder)) << name;
        const FakeDialogs::Message first = messages.value(0);
        EXPECT_EQ(first.text == QStringLiteral("確定要關閉程式?") && first.buttons == MsgButtons::YesNo, c.asks) << name;
        EXPECT_EQ(first.icon, c.asks ? MsgIcon::Question : c.folder ? MsgIcon::Critical : MsgIcon::None) << name;
        EXPECT_EQ(f.fakes.mci.commands().contains(QStringLiteral("Close all")), !c.stays) << name;
        EXPECT_EQ(readWholeFile(f.data.optionFile()) == before, c.stays || c.folder) << name << ": options saved?";
        EXPECT_EQ(f.savedPlaylists, c.saved ? QStringList{QStringLiteral("/a.ini")} : QStringList{}) << name;
    }
}

TEST(AppLifecycle, UnconnectedHooksAreNamedAndTheirStepsReported) {
    App f(sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}), false);
    EXPECT_EQ(f.lifecycle.unconnectedHooks().size(), 9) << f.lifecycle.unconnectedHooks().join(u',').toStdString();
    ASSERT_TRUE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3")));
    f.state.options.optCheck[8] = true;
    f.lifecycle.Form_Resize();
    f.close(true);
    EXPECT_EQ(f.lifecycle.skippedCalls(), (QStringList{"LoadOptions: ChangeDirPath", "LoadOptions: SetBackground",
                                                       "Form_Load: LoadDirFav", "Form_Load: SongStarted",
                                                       "Form_Resize: mnuRefresh_Click", "Form_Unload: PLSaveFile"}));
}

}  // namespace
