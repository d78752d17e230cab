// The app's own parts: the option file, the options and their menus, the
// option checker, start-up and shut-down of the main window, and the help
// menu's version box and state inspector.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <utility>

#include "app/AppLifecycle.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/Frm_SaveMode.h"
#include "app/Frm_Version.h"
#include "app/MainWindowLifecycle.h"
#include "app/OptionChecker.h"
#include "app/OptionFile.h"
#include "app/OptionMenus.h"
#include "app/OptionsSavedListener.h"
#include "app/SafeModeOpener.h"
#include "browser/FolderShortcuts.h"
#include "app/StateInspector.h"
#include "app/TimerRegistry.h"
#include "common/IntervalTimer.h"
#include "common/TextFile.h"
#include "playback/MultiMedia.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeSeams.h"
#include "support/FakeServices.h"
#include "support/FakeTransport.h"
#include "support/TempDir.h"

namespace {

// A data folder of the test's own, holding `lines` as its option file (none
// when empty): CORVANE_DATA_DIR points into a fresh temporary folder for the
// scope's life. The folder exists only when asked for, for first starts.
class DataFolderScope {
public:
    explicit DataFolderScope(const QStringList& lines = {}, bool create = true)
        : previous_(qgetenv("CORVANE_DATA_DIR")), root_(temp_.path(QStringLiteral("Corvane Player"))) {
        if (create) temp_.makeDir(QStringLiteral("Corvane Player"));
        if (!lines.isEmpty()) writeOptions(lines);
        qputenv("CORVANE_DATA_DIR", root_.toLocal8Bit());
    }
    ~DataFolderScope() { qputenv("CORVANE_DATA_DIR", previous_); }
    QString root() const { return root_; }
    QString optionFile() const { return root_ + QStringLiteral("/Option.ini"); }
    // Writes the option file as raw lines, each ended by CR LF.
    void writeOptions(const QStringList& lines) const {
        temp_.writeFile(QStringLiteral("Corvane Player/Option.ini"), lines.join(u"\r\n").toUtf8() + "\r\n");
    }
    // A folder stands where the option file was, so no save can replace it.
    void makeOptionFileAFolder() const {
        QFile::remove(optionFile());
        EXPECT_TRUE(QDir().mkpath(optionFile()));
    }
    QStringList optionLines() const {
        QStringList lines;
        TextFile::readLines(optionFile(), lines);
        return lines;
    }

private:
    QByteArray previous_;
    TempDir temp_;
    QString root_;
};

// A complete, valid option file with every value away from its default,
// with the chosen lines (numbered from 1) replaced.
QStringList sampleOptionLines(std::initializer_list<std::pair<int, const char*>> changes = {}) {
    QStringList lines{"#TRUE#", "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#TRUE#", "#TRUE#", "6", "2", "5",
                      QStringLiteral("\"/music/古典\""), "\"1|/pics/bg.jpg\"", "#TRUE#", "#FALSE#"};
    for (const auto& [line, text] : changes) lines[line - 1] = QString::fromUtf8(text);
    return lines;
}

struct ShortcutsThatMayThrow final : FolderShortcuts {
    void LoadDirFav() override {
        if (throws) throw std::runtime_error("DirFav.ini");
    }
    bool throws = false;
};

// The options over a data folder with `lines` as its option file, start-up and
// shut-down wired to a stand-in main window as the real one wires them, and a
// bare option checker with its lists loaded. Calls into other parts are
// recorded by fakes; the default playlist always fails to load, which must not
// stop the rest of the load. The default file loads no playlist and asks
// nothing at a close.
struct App : OptionsSavedListener {
    explicit App(const QStringList& lines = sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}),
                 bool makeFolder = true)
        : data(lines, makeFolder) {
        window.resize(400, 300);
        window.show();
        binding.onEnd = [this] { ++ends; };
        checker.LoadOptionLists();
        playlist.loadSucceeds = false;
        appearance.topMost = true;
    }
    ~App() override { delete binding.safeMode().window(); }
    // As the main window passes the checker's saves on.
    void optionsSaved() override { lifecycle.optionsSavedByChecker(); }
    // Asks for an orderly close, the open playlist being `file` with `entries`;
    // true when the program stays.
    bool close(bool savePlaylistOption = false, int entries = 0, const char* file = "/a.ini") {
        state.options.optCheck[OptCheck::SavePlaylistAtExit] = savePlaylistOption;
        state.UPlayList = QString::fromUtf8(file);
        playlist.entries = QStringList(entries, QStringLiteral("/s.mp3"));
        bool cancel = false;
        lifecycle.Form_Unload(cancel);
        return cancel;
    }
    QStringList savedPlaylists() const { return playlist.calls.filter(QStringLiteral("PLSaveFile")); }
    Frm_SaveMode* checkerWindow() { return binding.safeMode().window(); }
    QPushButton* button(const char* name) { return checkerWindow()->findChild<QPushButton*>(QLatin1String(name)); }
    bool highlighted(const char* name) { return Frm_SaveMode::isHighlighted(button(name)); }
    QListWidget* list(const char* name) { return checkerWindow()->findChild<QListWidget*>(QLatin1String(name)); }
    DataFolderScope data;
    FakeServices fakes;
    QWidget window;
    FakePathBox pathBox;
    AppState state;
    AppOptions options{state};
    MultiMedia media{fakes.mci};
    MainWindowLifecycle binding{&window, pathBox, fakes.dialogs, fakes.launcher, *this};
    FakeTransport songs;  // only the songs started
    FakePlaylistAccess playlist;
    FakeBrowser browser;
    ShortcutsThatMayThrow shortcuts;
    FakeAppearance appearance;
    AppLifecycle lifecycle{state, options, media, fakes.dialogs, fakes.screen, binding,
                           {songs, playlist, browser, shortcuts, appearance}};
    OptionChecker checker{fakes.dialogs, fakes.launcher};
    int ends = 0;
};

// Hand-edited lines: unquoted values end at the first comma and lose their
// blanks, quoted ones end at the last quotation mark. Written values are
// always quoted, so each of them reads back unchanged.
TEST(OptionFile, ValuesDecodeAsTypedAndReadBackAsWritten) {
    const struct { const char *line, *value; } cases[] = {
        {"  /home/x  ,rest", "/home/x"}, {"", ""}, {"  \"/home/me\"  ", "/home/me"}, {"\" padded \"", " padded "},
        {"\"/home/a,b\"", "/home/a,b"}, {"\"say \"hi\"\"", "say \"hi\""}, {"\"unterminated", "unterminated"},
        {"\"/x\",\"y\"", "/x\",\"y"}, {"\"/中文 🎵\"", "/中文 🎵"},
    };
    DataFolderScope data;
    for (const auto& c : cases) {
        OptionValues v;
        v.initDir = QString::fromUtf8(c.value);
        v.backgroundTag = QStringLiteral("1|") + v.initDir;
        EXPECT_EQ(OptionFile::decodeValue(QString::fromUtf8(c.line)), v.initDir) << c.line;
        ASSERT_TRUE(OptionFile::write(data.optionFile(), v)) << c.line;
        const OptionFile::ParseResult r = OptionFile::read(data.optionFile());
        EXPECT_TRUE(r.ok) << c.value << ": " << r.error.toStdString();
        EXPECT_TRUE(r.values == v) << c.value;
    }
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
        if (!c.ok) {
            EXPECT_TRUE(r.error.contains(where)) << name << ": " << r.error.toStdString();
        }
    }
}

// A wrong line changes nothing, even one found after every other line was
// read; values after the fourteenth line are not options and change nothing.
TEST(AppOptions, LoadAppliesEveryLineOrNothing) {
    App f(sampleOptionLines({{12, "8"}}));
    QString error;
    EXPECT_FALSE(f.options.LoadOptions({f.playlist, f.browser, f.appearance}, &error));
    EXPECT_EQ(f.state.TotalPLRep, 1) << "a wrong last line leaves the defaults";
    EXPECT_EQ(f.state.InitDir, QDir::homePath()) << "a wrong last line leaves the defaults";
    EXPECT_FALSE(f.state.options.optCheck[0]) << "a wrong last line leaves the defaults";
    EXPECT_EQ(f.playlist.calls, QStringList{});
    EXPECT_EQ(f.browser.calls, QStringList{});
    EXPECT_EQ(f.appearance.calls, QStringList{});
    f.data.writeOptions(sampleOptionLines() << QStringLiteral("garbage") << QStringLiteral("#TRUE#"));
    ASSERT_TRUE(f.options.LoadOptions({f.playlist, f.browser, f.appearance}, &error)) << error.toStdString();
    EXPECT_EQ(f.state.options.optCheck, (std::array<bool, 9>{1, 0, 0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(f.state.TotalPLRep, -1) << "entry 6 is endless";
    EXPECT_EQ(f.state.TitleDirection, 2);
    EXPECT_EQ(f.state.DLSM, 300);
    EXPECT_EQ(f.state.ShiftConst[2], 1) << "the spare folder row follows option 7";
    EXPECT_EQ(f.state.InitDir, QStringLiteral("/music/古典"));
    EXPECT_EQ(f.state.options.backgroundEntry, 1);
    EXPECT_EQ(f.playlist.calls, QStringList{"PLLoadFile " + f.data.root() + "/playlist.ini 0"});
    EXPECT_EQ(f.browser.calls, QStringList{QStringLiteral("ChangeDirPath /music/古典 1")});
    EXPECT_EQ(f.appearance.calls, QStringList{"SetBackground 1 /pics/bg.jpg"});
}

// A save that cannot complete says why and leaves what was there: the old
// file, a folder standing in its place, or no data folder at all.
TEST(AppOptions, ASaveThatCannotCompleteLeavesWhatWasThere) {
    enum Fault { UnstorableValue, TargetIsFolder, NoDataFolder };
    for (Fault fault : {UnstorableValue, TargetIsFolder, NoDataFolder}) {
        App f(fault == UnstorableValue ? sampleOptionLines() : QStringList{}, fault != NoDataFolder);
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
// only through the appearance work's handler. A save writes each value in its
// stored form: "∞次" as entry 6, a lyric speed of +100 ms as entry 3.
TEST(OptionMenus, ClicksMoveTheMarksAndTheOptionsAndASaveStoresThem) {
    App f(QStringList{});  // nothing loaded: the menus start at the defaults
    // Until `decides`, the background entries are handled by no one.
    struct BackgroundChoice final : Appearance {
        explicit BackgroundChoice(AppOptions& options) : options(options) {}
        bool topMostChecked() const override { return false; }
        void SetBackground(qint16, const QString&) override {}
        void mnuOptComboList3_Click(int entry) override {
            if (decides) options.setBackgroundTag(QString::number(entry));
        }
        AppOptions& options;
        bool decides = false;
    } appearance{f.options};
    QMenu menu;
    OptionMenus menus(f.options, appearance, &menu);
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
    for (int i : {6, 8}) menus.mnuOptCheck(i)->trigger();
    EXPECT_TRUE(f.state.options.optCheck[8]);
    EXPECT_TRUE(menus.mnuOptCheck(8)->isChecked());
    for (int twice = 0; twice < 2; ++twice) menus.mnuOptComboList(0, 6)->trigger();
    EXPECT_EQ(f.state.TotalPLRep, -1);
    menus.mnuOptComboList(1, 3)->trigger();
    menus.mnuOptComboList(2, 0)->trigger();
    EXPECT_EQ(f.state.DLSM, -200);
    EXPECT_EQ(checked({0, 1, 2}), (QStringList{"∞次", "左/右", "- 200 (0.2秒)"}));
    menus.mnuOptComboList(2, 3)->trigger();
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("因應時間自行選擇")}) << "no handler, no change";
    appearance.decides = true;
    menus.mnuOptComboList(3, 4)->trigger();
    EXPECT_EQ(checked({3}), QStringList{QStringLiteral("Afternoon.jpg")});
    f.state.InitDir = QStringLiteral("/music/a,b");
    QString error;
    ASSERT_TRUE(f.options.SaveOptions(&error)) << error.toStdString();
    EXPECT_EQ(f.data.optionLines(), (QStringList{"#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#FALSE#",
                                                 "#TRUE#", "6", "3", "3", "\"/music/a,b\"", "\"4\"", "#FALSE#",
                                                 "#TRUE#"}));
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
        App f(sampleOptionLines().mid(0, c.rows));
        f.fakes.launcher.succeed = c.launches;
        if (c.toFolder) f.data.makeOptionFileAFolder();
        EXPECT_FALSE(f.checker.cmdAppNewOpt_Click()) << c.name;
        const FakeDialogs::Message last = f.fakes.dialogs.messages.value(f.fakes.dialogs.messages.size() - 1);
        EXPECT_EQ(last.icon, MsgIcon::Critical) << c.name;
        EXPECT_TRUE(last.text.startsWith(QString::fromUtf8(c.message))) << c.name << ": " << last.text.toStdString();
        EXPECT_EQ(f.fakes.launcher.restarts, c.restarts) << c.name;
        EXPECT_EQ(f.data.optionLines().size(), c.linesAfter) << c.name;
    }
}

// Anything but #FALSE# toggles to #FALSE#; rows 7-11 are edited in an input
// box, which keeps the row when cancelled; rows that do not exist do nothing.
TEST(OptionChecker, DoubleClicksToggleOrEditRows) {
    App f(sampleOptionLines({{2, "junk"}}));
    f.checker.ListCurrent_DblClick(1);
    EXPECT_EQ(f.checker.ListCurrent().at(1), QStringLiteral("#FALSE#"));
    f.fakes.dialogs.inputAnswers.push_back(QStringLiteral("4"));
    f.checker.ListCurrent_DblClick(7);
    ASSERT_EQ(f.fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(f.fakes.dialogs.inputs[0].defaultAnswer, QStringLiteral("6")) << "the box starts at the row's text";
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
        App f(QStringList{});
        EXPECT_EQ(f.checker.Form_Load(false), OptionChecker::Attention::Defaults) << c.row;
        f.checker.cmdAppDefOpt_Click();
        const QString row = QString::fromUtf8(c.row);
        f.fakes.dialogs.inputAnswers = {row, QStringLiteral("1|") + row};
        f.checker.ListCurrent_DblClick(10);
        f.checker.ListCurrent_DblClick(11);
        f.checker.cmdSaveNewOpt_Click();
        EXPECT_EQ(f.data.optionLines().value(10), QString::fromUtf8(c.line)) << c.row;
        const OptionFile::ParseResult r = OptionFile::read(f.data.optionFile());
        EXPECT_EQ(r.values.initDir, QString::fromUtf8(c.initDir)) << c.row;
        EXPECT_EQ(r.values.backgroundTag, QStringLiteral("1|") + row) << c.row;
    }
}

// The command line is played unchanged unless it holds only blanks; only a
// desktop exactly 800 pixels wide maximises the window.
TEST(AppLifecycle, LoadPlaysTheCommandLineAndMaximisesAt800Pixels) {
    const struct { const char* commandLine; int width; bool plays, maximizes; } cases[] = {
        {"", 799, false, false}, {"   ", 800, false, true}, {"/music/song.mp3", 800, true, true},
        {"\"/music/quoted.mp3\"", 801, true, false}, {" /music/Blue Sky.mp3 ", 1280, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + std::string(c.commandLine) + "\" at " + std::to_string(c.width) + " px");
        App f(sampleOptionLines({{1, "#FALSE#"}, {7, "#FALSE#"}}), true);
        f.fakes.screen.setSize(QSize(c.width, 600));
        ASSERT_TRUE(f.lifecycle.Form_Load(QString::fromUtf8(c.commandLine))) << f.lifecycle.loadError().toStdString();
        EXPECT_EQ(f.songs.calls, c.plays ? QStringList{"SongStarted " + QString::fromUtf8(c.commandLine)} : QStringList{});
        EXPECT_EQ(f.window.isMaximized(), c.maximizes);
    }
}

// With option 8 a resize refreshes drives, folders and files, once per change: coming back from the minimised
// state brings a state change and a resize of the same size, which refresh once together.
TEST(AppLifecycle, EachResizeRefreshesOnceAndARestoreOnlyOnce) {
    App f;
    ASSERT_TRUE(f.lifecycle.Form_Load(QString())) << f.lifecycle.loadError().toStdString();
    f.state.options.optCheck[OptCheck::RefreshWhenRestored] = true;
    const struct { const char* step; std::function<void()> change; int refreshes; } steps[] = {
        {"first resize", [] {}, 1},
        {"the same size again", [] {}, 1},
        {"wider", [&f] { f.window.resize(500, 300); }, 2},
        {"minimised", [&f] { f.window.setWindowState(Qt::WindowMinimized); }, 2},
        {"restored: the state change", [&f] { f.window.setWindowState(Qt::WindowNoState); }, 3},
        {"restored: its resize", [] {}, 3},
    };
    for (const auto& s : steps) {
        s.change();
        f.lifecycle.Form_Resize();
        EXPECT_EQ(f.playlist.calls.filter("mnuRefresh"), QStringList(s.refreshes, QStringLiteral("mnuRefresh 9")))
            << s.step;
    }
}

// After a good start the menu entry opens the checker beside the main window,
// only showing the lists; an original row double-clicked copies over the
// selected row. A force-end leaves the option file and the playlist alone.
TEST(AppLifecycle, GoodStartOpensTheCheckerFromTheMenuAndForceEndKeepsTheFile) {
    App f(sampleOptionLines());
    const QByteArray before = readWholeFile(f.data.optionFile());
    ASSERT_TRUE(f.lifecycle.Form_Load(QString())) << f.lifecycle.loadError().toStdString();
    EXPECT_EQ(f.window.windowTitle(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(f.pathBox.text(), QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    f.lifecycle.Form_Resize();  // restored: top-most again
    EXPECT_TRUE(f.window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.window.isVisible()) << "changing the window's flags must not hide it";

    QAction* entry = f.binding.safeMode().menuEntry();
    entry->trigger();
    ASSERT_NE(f.checkerWindow(), nullptr);
    EXPECT_TRUE(f.checkerWindow()->isVisible());
    EXPECT_TRUE(f.window.isVisible()) << "opened from the menu, the main window stays";
    EXPECT_TRUE(f.fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(entry->data().toString(), QStringLiteral("0")) << "the checker resets the tag";
    QListWidget* current = f.list("ListCurrent");
    current->setCurrentRow(10);
    emit f.list("ListTMP")->itemDoubleClicked(f.list("ListTMP")->item(7));
    EXPECT_EQ(current->item(10)->text(), QStringLiteral("6"));
    EXPECT_EQ(current->currentRow(), 10) << "the selection survives the refresh";
    Frm_SaveMode* first = f.checkerWindow();
    entry->trigger();
    EXPECT_EQ(f.checkerWindow(), first) << "asking again brings the same window forward";

    f.options.mnuOptComboList0_Click(3);
    MainWindowLifecycle::createForceEndAction(f.lifecycle, &f.window)->trigger();
    EXPECT_EQ(f.ends, 1);
    f.fakes.mci.clear();
    EXPECT_FALSE(f.close(true, 2));  // the close event that follows the end
    EXPECT_EQ(readWholeFile(f.data.optionFile()), before);
    EXPECT_EQ(f.fakes.mci.commands(), QStringList{}) << "untouched after a force-end";
    EXPECT_EQ(f.savedPlaylists(), QStringList{}) << "untouched after a force-end";
}

// A first start makes the data folder and offers the defaults, which restart
// the program; a folder that cannot be made is not reported as made.
TEST(AppLifecycle, FirstStartCreatesTheFolderOffersDefaultsAndRestarts) {
    App f(QStringList{}, false);
    EXPECT_FALSE(f.lifecycle.Form_Load(QString()));
    ASSERT_NE(f.checkerWindow(), nullptr);
    EXPECT_TRUE(f.checkerWindow()->isVisible());
    EXPECT_FALSE(f.window.isVisible()) << "hidden by the checker";
    EXPECT_TRUE(f.window.isMinimized()) << "hidden by the checker";
    EXPECT_TRUE(QFileInfo(f.data.root() + QStringLiteral("/Lyrics")).isDir());
    EXPECT_TRUE(f.highlighted("cmdAppDefOpt"));
    EXPECT_FALSE(f.highlighted("cmdCompareOpt"));
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
    EXPECT_TRUE(saved.ok) << "a valid file: " << saved.error.toStdString();
    EXPECT_TRUE(saved.values == defaults) << "of defaults";
    App blocked(QStringList{}, false);
    ASSERT_TRUE(QFile(blocked.data.root()).open(QIODevice::WriteOnly));  // a file where the folder should go
    EXPECT_FALSE(blocked.lifecycle.Form_Load(QString()));
    const FakeDialogs::Message made = blocked.fakes.dialogs.messages.value(1);  // after the welcome
    EXPECT_EQ(made.icon, MsgIcon::Critical);
    EXPECT_TRUE(made.text.startsWith(u"無法建立資料夾{")) << made.text.toStdString();
}

// A broken file (the twelve lines of older versions) or a step that throws
// opens the checker instead of the program; the load itself says nothing.
// The upgrade fills the missing lines with defaults, but whichever way the
// checker is left without saving, the main window comes back.
TEST(AppLifecycle, FailedStartPointsAtTheUpgradeAndLeavingKeepsTheFile) {
    for (const char* how : {"cmdForceEntry", "close", "throwing step", "unshown start folder"}) {
        const bool throwing = QLatin1String(how) == QLatin1String("throwing step");
        const bool unshown = QLatin1String(how) == QLatin1String("unshown start folder");
        App f(throwing || unshown ? sampleOptionLines() : sampleOptionLines().mid(0, 12));
        f.shortcuts.throws = throwing;
        f.browser.canShow = !unshown;
        const QByteArray before = readWholeFile(f.data.optionFile());
        EXPECT_FALSE(f.lifecycle.Form_Load(QStringLiteral("/music/song.mp3"))) << how;
        if (unshown) {
            EXPECT_EQ(f.lifecycle.loadError(), QStringLiteral("the start folder cannot be shown: /music/古典"));
        }
        ASSERT_NE(f.checkerWindow(), nullptr) << how;
        EXPECT_TRUE(f.highlighted("cmdCompareOpt")) << how;
        EXPECT_FALSE(f.highlighted("cmdAppDefOpt")) << how;
        EXPECT_EQ(f.list("ListTMP")->count(), throwing || unshown ? 14 : 12) << how;
        EXPECT_EQ(f.fakes.dialogs.messages.size(), 1) << how << ": only the checker's own message";
        EXPECT_EQ(f.songs.calls, QStringList{}) << how << ": the rest of the load is skipped";
        ASSERT_FALSE(f.window.isVisible()) << how;
        if (throwing || unshown) continue;
        f.button("cmdCompareOpt")->click();
        const OptionChecker& checker = f.checkerWindow()->checker();
        EXPECT_EQ(checker.ListCurrent(), QStringList(checker.ListTMP()) << "#FALSE#" << "#FALSE#") << how;
        if (QLatin1String(how) == QLatin1String("close"))
            f.checkerWindow()->close();
        else
            f.button(how)->click();
        EXPECT_TRUE(f.window.isVisible()) << how;
        EXPECT_FALSE(f.window.isMinimized()) << how;
        EXPECT_EQ(readWholeFile(f.data.optionFile()), before) << how << ": nothing was saved";
    }
}

// After a failed start the options in memory are defaults: the close writes them only when the user changed one
// since. A save in the checker that reads back becomes the main window's options, so a later close keeps it;
// one that does not read back leaves the options unloaded.
TEST(AppLifecycle, AFailedStartNeverWritesDefaultsOverTheUsersFile) {
    enum Change { None, PassThree };
    // untouched: the close leaves the file as the checker left it; otherwise it holds the pass entry and the start
    // folder given.
    const struct { const char* name; QStringList lines; bool upgrade, save; Change change; bool untouched, adopted;
                   int passEntry; } cases[] = {
        {"left as it was", sampleOptionLines().mid(0, 12), false, false, None, true, false, 0},
        {"a menu change after", sampleOptionLines().mid(0, 12), false, false, PassThree, false, false, 3},
        {"upgraded and saved", sampleOptionLines().mid(0, 12), true, true, None, false, true, 6},
        {"saved, then a menu change", sampleOptionLines().mid(0, 12), true, true, PassThree, false, true, 3},
        {"saved but unreadable", sampleOptionLines({{2, "junk"}}), false, true, None, true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App f(c.lines);
        ASSERT_FALSE(f.lifecycle.Form_Load(QString()));
        if (c.upgrade) f.button("cmdCompareOpt")->click();
        if (c.save) f.button("cmdSaveNewOpt")->click();
        const QByteArray afterChecker = readWholeFile(f.data.optionFile());
        EXPECT_EQ(f.state.InitDir, c.adopted ? QStringLiteral("/music/古典") : QDir::homePath()) << "the saved values";
        f.button("cmdForceEntry")->click();
        if (c.change == PassThree) f.options.mnuOptComboList0_Click(3);
        EXPECT_FALSE(f.close());
        if (c.untouched) {
            EXPECT_EQ(readWholeFile(f.data.optionFile()), afterChecker) << "the close wrote the file";
            continue;
        }
        const OptionFile::ParseResult r = OptionFile::read(f.data.optionFile());
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(r.values.passEntry, c.passEntry);
        EXPECT_EQ(r.values.initDir, c.adopted ? QStringLiteral("/music/古典") : QDir::homePath());
    }
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
        f.options.mnuOptComboList0_Click(3);  // a change the close saves
        f.fakes.dialogs.messageAnswers.push_back(c.stays ? MsgResult::No : MsgResult::Yes);
        SCOPED_TRACE(testing::Message() << c.mode << (c.ask ? ", asking, " : ", ") << c.entries << " entries in \""
                                        << c.file << "\"" << (c.folder ? ", option file a folder" : ""));
        if (c.folder) f.data.makeOptionFileAFolder();
        const QByteArray before = readWholeFile(f.data.optionFile());
        EXPECT_EQ(f.close(c.saveOption, c.entries, c.file), c.stays);
        ASSERT_EQ(f.fakes.dialogs.messages.size(), int(c.asks) + int(c.folder));
        const FakeDialogs::Message first = f.fakes.dialogs.messages.value(0);
        EXPECT_EQ(first.text == QStringLiteral("確定要關閉程式?"), c.asks);
        EXPECT_EQ(first.buttons == MsgButtons::YesNo, c.asks);
        EXPECT_EQ(first.icon, c.asks ? MsgIcon::Question : c.folder ? MsgIcon::Critical : MsgIcon::None);
        EXPECT_EQ(f.fakes.mci.commands().contains(QStringLiteral("Close all")), !c.stays);
        EXPECT_EQ(readWholeFile(f.data.optionFile()) == before, c.stays || c.folder) << "options saved?";
        EXPECT_EQ(f.savedPlaylists(), c.saved ? QStringList{QStringLiteral("PLSaveFile /a.ini")} : QStringList{});
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
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(text, nullptr);
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
