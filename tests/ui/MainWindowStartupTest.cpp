#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/AppLifecycle.h"
#include "app/Frm_SaveMode.h"
#include "app/OptionFile.h"
#include "app/OptionMenus.h"
#include "app/SafeModeOpener.h"
#include "browser/BrowserPanel.h"
#include "browser/FileListBox.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "ui/widgets/ClickLabel.h"
#include "playlist/PlaylistPanel.h"
#include "app/PlayerAssembly.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"

namespace {

// Replaces the option file for one test and puts the shared one back after.
class OptionFileScope {
public:
    OptionFileScope() : saved_(readWholeFile(DataFolder::optionFile())) {}
    ~OptionFileScope() {
        QFile file(DataFolder::optionFile());
        if (file.open(QIODevice::WriteOnly)) file.write(saved_);
    }
    void write(const OptionValues& values) { ASSERT_TRUE(OptionFile::write(DataFolder::optionFile(), values)); }

private:
    QByteArray saved_;
};

// The options reach the browser's folder and the option menu, where the pass
// entry loaded is marked; each click on a playlist details label steps it
// (1..5, then endless, then 1 again) and the marks follow.
TEST(MainWindowStartup, OptionsReachTheBrowserAndTheMenusAndTheDetailsLabelStepsThePasses) {
    OptionFileScope scope;
    TempDir start;
    OptionValues values;
    values.initDir = start.makeDir(QStringLiteral("music"));
    values.passEntry = 6;
    scope.write(values);

    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.show();
    ASSERT_TRUE(window.Form_Load(QString())) << window.assembly().lifecycle().loadError().toStdString();
    EXPECT_EQ(window.assembly().browser().currentFolder(), values.initDir);
    EXPECT_TRUE(window.findChild<QLineEdit*>(QStringLiteral("txtFileLink"))->text().startsWith(QStringLiteral("歡迎使用"))) << "the welcome line";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    const int passes[] = {6, 1, 2, 3, 4, 5, 6, 1};  // as loaded, then after each click
    for (int click = 0; click < 8; ++click) {
        if (click > 0) QTest::mouseClick(window.findChild<ClickLabel*>(QStringLiteral("lblPLDetails_%1").arg(click % 2)),
                                          Qt::LeftButton);
        for (int entry = 1; entry <= 6; ++entry)
            EXPECT_EQ(window.findChild<OptionMenus*>()->mnuOptComboList(0, entry)->isChecked(), entry == passes[click])
                << "click " << click << ", entry " << entry;
        EXPECT_EQ(window.assembly().state().TotalPLRep, passes[click] == 6 ? -1 : passes[click]) << "click " << click;
    }
}

// A start folder that is gone fails the start into the option checker
// (every other failure, and leaving the checker, are AppLifecycle's rows on
// the same window binding). Closing the main window then takes the checker
// with it and writes no options that did not load.
TEST(MainWindowStartup, AFailedStartOpensTheCheckerWhichClosesWithTheMainWindow) {
    OptionFileScope scope;
    TempDir gone;
    OptionValues values;
    values.initDir = gone.path(QStringLiteral("never-made"));
    scope.write(values);
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.show();
    EXPECT_FALSE(window.Form_Load(QStringLiteral("/music/song.mp3")));
    EXPECT_TRUE(window.isMinimized());
    auto* checker = window.findChild<SafeModeOpener*>();
    ASSERT_NE(checker, nullptr);
    ASSERT_NE(checker->window(), nullptr);
    EXPECT_TRUE(checker->window()->isVisible());
    EXPECT_TRUE(fakes.mci.commands().filter(QStringLiteral("Open")).isEmpty()) << "the song is not opened";
    const QByteArray options = readWholeFile(DataFolder::optionFile());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(checker->window(), nullptr) << "the checker goes with the main window";
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(readWholeFile(DataFolder::optionFile()), options) << "options that did not load are not written";
}

// The default playlist loads at the start; closing while a song plays asks
// first when the option says so: No keeps the window and writes nothing, Yes
// closes the device and saves the options and the open playlist.
TEST(MainWindowStartup, TheDefaultPlaylistLoadsAtStartAndAConfirmedCloseSavesItAndTheOptions) {
    OptionFileScope scope;
    TempDir music;
    const QString a = music.writeFile(QStringLiteral("a.wav"), "RIFF");
    const QString b = music.writeFile(QStringLiteral("b.wav"), "RIFF");
    ASSERT_TRUE(TextFile::writeLines(DataFolder::defaultPlaylist(), {a, b}));
    OptionValues values;
    values.initDir = music.path();
    values.flags[0] = true;  // load playlist.ini at start
    values.flags[1] = true;  // save the open playlist at exit
    values.flags[6] = true;  // confirm closing while a song plays
    scope.write(values);
    const QByteArray optionsBefore = readWholeFile(DataFolder::optionFile());

    FakeServices fakes;
    Frm_Main window(fakes.services);
    ASSERT_TRUE(window.Form_Load(QString())) << window.assembly().lifecycle().loadError().toStdString();
    EXPECT_EQ(window.assembly().playlist().count(), 2);
    EXPECT_EQ(window.assembly().state().UPlayList, DataFolder::defaultPlaylist());
    // Alt + left click in the browser adds the selected file.
    BrowserNavigator& browser = window.assembly().browser();
    const int row = static_cast<int>(browser.fileNames().indexOf(QStringLiteral("b.wav")));
    ASSERT_GE(row, 0);
    browser.setFileSelection({row}, row);
    browser.File1_MouseDown(Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(window.assembly().playlist().count(), 3);
    window.assembly().options().mnuOptComboList0_Click(3);  // a change the close would save
    fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QStringLiteral("playing"));
    window.assembly().songPlayer().SongStarted(a);

    fakes.dialogs.messageAnswers.push_back(MsgResult::No);
    QCloseEvent refused;
    QCoreApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1) << "asked first";
    EXPECT_EQ(readWholeFile(DataFolder::optionFile()), optionsBefore) << "No writes nothing";

    fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
    QCloseEvent accepted;
    QCoreApplication::sendEvent(&window, &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_TRUE(fakes.mci.commands().contains(QStringLiteral("Close all")));
    const OptionFile::ParseResult options = OptionFile::read(DataFolder::optionFile());
    ASSERT_TRUE(options.ok) << options.error.toStdString();
    EXPECT_EQ(options.values.passEntry, 3);
    QStringList saved;
    ASSERT_TRUE(TextFile::readLines(DataFolder::defaultPlaylist(), saved));
    EXPECT_EQ(saved, (QStringList{a, b, b}));
    QFile::remove(DataFolder::defaultPlaylist());
}

// "回復已備份的PlayList" shows the backups; opening one asks, then loads it as the playlist.
TEST(MainWindowStartup, ARestoredBackupOpensIntoThePlaylist) {
    OptionFileScope scope;
    TempDir music;
    OptionValues values;
    values.initDir = music.path();
    scope.write(values);
    const QString backup = DataFolder::root() + QStringLiteral("$BackUp1");
    ASSERT_TRUE(TextFile::writeLines(backup, {music.writeFile(QStringLiteral("a.wav"), "RIFF"), QStringLiteral("/b.mp3")}));
    FakeServices fakes;
    Frm_Main window(fakes.services);
    ASSERT_TRUE(window.Form_Load(QString())) << window.assembly().lifecycle().loadError().toStdString();
    window.findChild<QAction*>(QStringLiteral("mnuRestorePlayList"))->trigger();
    BrowserNavigator& browser = window.assembly().browser();
    EXPECT_EQ(browser.currentFolder(), QDir::cleanPath(DataFolder::root()));
    const int row = static_cast<int>(browser.fileNames().indexOf(QStringLiteral("$BackUp1")));
    ASSERT_GE(row, 0);
    browser.setFileSelection({row}, row);
    browser.File1_Click();
    fakes.dialogs.messageAnswers = {MsgResult::Yes};
    browser.File1_DblClick();
    EXPECT_EQ(fakes.dialogs.messageTexts().value(1), QStringLiteral("要載入PlayList?\r\n") + backup);
    EXPECT_EQ(window.assembly().playlist().count(), 2);
    QFile::remove(backup);
}

}  // namespace
