#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/AppLifecycle.h"
#include "app/Frm_SaveMode.h"
#include "app/OptionFile.h"
#include "app/SafeModeOpener.h"
#include "browser/BrowserPanel.h"
#include "browser/FileListBox.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "playlist/PlaylistPanel.h"
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
    void remove() { QFile::remove(DataFolder::optionFile()); }

private:
    QByteArray saved_;
};

TEST(MainWindowStartup, OptionsReachTheMenusTheFieldsAndTheBrowser) {
    OptionFileScope scope;
    TempDir start;
    OptionValues values;
    values.initDir = start.makeDir(QStringLiteral("music"));
    values.passEntry = 6;
    values.scrollEntry = 2;
    values.flags[7] = true;
    scope.write(values);

    FakeServices fakes;
    Frm_Main window(fakes.services);
    ASSERT_TRUE(window.Form_Load(QString())) << window.lifecycle().loadError().toStdString();
    EXPECT_EQ(window.state().TotalPLRep, -1);
    EXPECT_EQ(window.state().TitleDirection, 2);
    EXPECT_EQ(window.state().ShiftConst[2], 1);
    EXPECT_EQ(window.browser()->fileFolder(), values.initDir);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST(MainWindowStartup, AMissingOptionFileOrStartFolderOpensTheChecker) {
    struct Case {
        const char* name;
        bool removeFile;
    };
    for (const Case c : {Case{"no option file", true}, Case{"start folder gone", false}}) {
        OptionFileScope scope;
        TempDir gone;
        if (c.removeFile) {
            scope.remove();
        } else {
            OptionValues values;
            values.initDir = gone.path(QStringLiteral("never-made"));
            scope.write(values);
        }
        FakeServices fakes;
        Frm_Main window(fakes.services);
        window.show();
        EXPECT_FALSE(window.Form_Load(QStringLiteral("/music/song.mp3"))) << c.name;
        EXPECT_TRUE(window.isMinimized()) << c.name;
        ASSERT_NE(window.safeMode()->window(), nullptr) << c.name;
        EXPECT_TRUE(window.safeMode()->window()->isVisible()) << c.name;
        // The load itself shows no message; only the checker explains.
        EXPECT_TRUE(fakes.mci.commands().filter(QStringLiteral("Open")).isEmpty()) << c.name;
        window.safeMode()->window()->close();
    }
}

TEST(MainWindowStartup, ClosingWhileASongPlaysAsksFirstWhenTheOptionSaysSo) {
    OptionFileScope scope;
    TempDir start;
    OptionValues values;
    values.initDir = start.path();
    values.flags[6] = true;  // confirm closing while a song plays
    scope.write(values);
    const QByteArray before = readWholeFile(DataFolder::optionFile());

    FakeServices fakes;
    Frm_Main window(fakes.services);
    ASSERT_TRUE(window.Form_Load(QString()));
    window.options().mnuOptComboList0_Click(3);  // a change the close would save
    fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QStringLiteral("playing"));
    const QString song = start.writeFile(QStringLiteral("a.wav"), "RIFF");
    window.songStarter().SongStarted(song);

    fakes.dialogs.messageAnswers.push_back(MsgResult::No);
    QCloseEvent refused;
    QCoreApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("確定要關閉程式?"));
    EXPECT_EQ(readWholeFile(DataFolder::optionFile()), before);
    EXPECT_FALSE(fakes.mci.commands().contains(QStringLiteral("Close all")));

    fakes.dialogs.messageAnswers.push_back(MsgResult::Yes);
    QCloseEvent accepted;
    QCoreApplication::sendEvent(&window, &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_TRUE(fakes.mci.commands().contains(QStringLiteral("Close all")));
    const OptionFile::ParseResult saved = OptionFile::read(DataFolder::optionFile());
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.values.passEntry, 3);
}

}  // namespace

namespace {

TEST(MainWindowStartup, TheDefaultPlaylistLoadsAtStartAndIsSavedAtClose) {
    OptionFileScope scope;
    TempDir music;
    const QString a = music.writeFile(QStringLiteral("a.wav"), "x");
    const QString b = music.writeFile(QStringLiteral("b.wav"), "x");
    QFile list(DataFolder::defaultPlaylist());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write((a + QStringLiteral("\r\n") + b + QStringLiteral("\r\n")).toUtf8());
    list.close();
    OptionValues values;
    values.initDir = music.path();
    values.flags[0] = true;  // load playlist.ini at start
    values.flags[1] = true;  // save the open playlist at exit
    scope.write(values);

    FakeServices fakes;
    {
        Frm_Main window(fakes.services);
        ASSERT_TRUE(window.Form_Load(QString())) << window.lifecycle().loadError().toStdString();
        EXPECT_EQ(window.playlist()->playlist().entries().count(), 2);
        EXPECT_EQ(window.state().UPlayList, DataFolder::defaultPlaylist());

        // Alt + left click in the browser adds the selected file.
        FileListBox* files = window.browser()->File1();
        const int row = static_cast<int>(files->names().indexOf(QStringLiteral("b.wav")));
        ASSERT_GE(row, 0);
        files->setRowSelected(row, true);
        window.browser()->File1_MouseDown(Qt::LeftButton, Qt::AltModifier);
        EXPECT_EQ(window.playlist()->playlist().entries().count(), 3);
        window.close();
    }
    QStringList saved;
    ASSERT_TRUE(TextFile::readLines(DataFolder::defaultPlaylist(), saved));
    EXPECT_EQ(saved, (QStringList{a, b, b}));
    QFile::remove(DataFolder::defaultPlaylist());
}

}  // namespace
