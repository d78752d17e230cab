#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

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

// The start-up pieces wired to a stand-in main window, the way the real
// main window wires them.
struct Startup {
    explicit Startup() {
        window.resize(400, 300);
        window.show();
        opener.endProgram = [this] { lifecycle.mnuForceEnd_Click(); };
        binding.onEnd = [this] { ++ends; };
        options.hooks.PLLoadFile = [](const QString&) {};
        options.hooks.ChangeDirPath = [](const QString&, bool) {};
        options.hooks.SetBackground = [](qint16, const QString&) {};
        lifecycle.hooks.LoadDirFav = [] {};
    }
    ~Startup() { delete opener.window(); }

    Frm_SaveMode* checker() const { return opener.window(); }
    QPushButton* button(const char* name) const {
        return checker() ? checker()->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
    }
    QListWidget* list(const char* name) const { return checker()->findChild<QListWidget*>(QLatin1String(name)); }

    FakeServices fakes;
    QWidget window;
    QLineEdit* txtFileLink = new QLineEdit(&window);
    AppState state;
    AppOptions options{state};
    MultiMedia media{fakes.mci};
    SafeModeOpener opener{fakes.dialogs, fakes.launcher, &window};
    MainWindowLifecycle binding{&window, txtFileLink, opener};
    AppLifecycle lifecycle{state, options, media, fakes.dialogs, fakes.screen, binding};
    int ends = 0;
};

TEST(StartupWindow, FirstStartCreatesTheFolderOffersDefaultsAndRestarts) {
    DataFolderScope data(false);
    Startup s;
    EXPECT_FALSE(s.lifecycle.Form_Load(QString()));
    ASSERT_NE(s.checker(), nullptr);
    EXPECT_TRUE(s.checker()->isVisible());
    EXPECT_FALSE(s.window.isVisible()) << "the checker hides the main window";
    EXPECT_TRUE(s.window.isMinimized());
    EXPECT_TRUE(QFileInfo(data.root()).isDir());
    EXPECT_TRUE(QFileInfo(data.root() + QStringLiteral("/Lyrics")).isDir());
    EXPECT_TRUE(Frm_SaveMode::isHighlighted(s.button("cmdAppDefOpt")));
    EXPECT_FALSE(Frm_SaveMode::isHighlighted(s.button("cmdCompareOpt")));
    EXPECT_FALSE(QFileInfo::exists(data.optionFile())) << "nothing is written before the user chooses";

    s.button("cmdAppDefOpt")->click();
    s.button("cmdAppNewOpt")->click();
    EXPECT_EQ(s.fakes.dialogs.messageTexts(),
              (QStringList{QStringLiteral("看來你是第一次執行此程式。在此，歡迎你選擇使用這程式！"),
                           QStringLiteral("資料夾已經建立成功{") + data.root() +
                               QStringLiteral("/}，請於按鈕中選擇「使用預設選項」載入這程式！"),
                           QStringLiteral("新的選項已經載入，請選擇「使用新的選項執行程式」以套用新的選項！"),
                           QStringLiteral("新的選項已成功被儲存，現正重新啟動程式。")}));
    for (const auto& m : s.fakes.dialogs.messages)
        EXPECT_EQ(m.icon, m.text.startsWith(QStringLiteral("新的選項已經載入")) ? MsgIcon::Exclamation : MsgIcon::Information)
            << m.text.toStdString();
    EXPECT_EQ(s.fakes.launcher.restarts, 1);
    EXPECT_EQ(s.ends, 1);
    EXPECT_EQ(data.optionLines(), OptionFile::defaultLines());
}

// Whichever way the checker is left without saving, the main window comes back.
TEST(StartupWindow, BrokenOptionFilePointsAtTheUpgradeAndLeavingKeepsTheFile) {
    for (const char* how : {"cmdForceEntry", "close"}) {
        DataFolderScope data;
        data.writeOptions(sampleOptionLines().mid(0, 12));
        const QByteArray before = readWholeFile(data.optionFile());
        Startup s;
        EXPECT_FALSE(s.lifecycle.Form_Load(QStringLiteral("/music/song.mp3"))) << how;
        ASSERT_NE(s.checker(), nullptr) << how;
        EXPECT_TRUE(Frm_SaveMode::isHighlighted(s.button("cmdCompareOpt"))) << how;
        EXPECT_FALSE(Frm_SaveMode::isHighlighted(s.button("cmdAppDefOpt"))) << how;
        EXPECT_EQ(s.list("ListTMP")->count(), 12) << how;
        EXPECT_EQ(s.fakes.dialogs.messages.size(), 1) << how;
        ASSERT_FALSE(s.window.isVisible()) << how;
        if (QLatin1String(how) == QLatin1String("close"))
            s.checker()->close();
        else
            s.button(how)->click();
        EXPECT_TRUE(s.window.isVisible()) << how;
        EXPECT_FALSE(s.window.isMinimized()) << how;
        EXPECT_EQ(readWholeFile(data.optionFile()), before) << how << ": nothing was saved";
    }
}

TEST(StartupWindow, MenuEntryOpensOneCheckerBesideTheMainWindow) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    Startup s;
    ASSERT_TRUE(s.lifecycle.Form_Load(QString())) << s.lifecycle.loadError().toStdString();
    QAction* entry = s.opener.menuEntry();
    EXPECT_EQ(entry->text(), QStringLiteral("進入安全模式"));
    entry->trigger();
    ASSERT_NE(s.checker(), nullptr);
    EXPECT_TRUE(s.checker()->isVisible());
    EXPECT_TRUE(s.window.isVisible()) << "opened from the menu, the main window stays";
    EXPECT_TRUE(s.fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(entry->data().toString(), QStringLiteral("0")) << "the checker resets the tag";
    EXPECT_EQ(s.list("ListCurrent")->item(10)->text(), QStringLiteral("/music/古典"));
    Frm_SaveMode* first = s.checker();
    entry->trigger();
    EXPECT_EQ(s.checker(), first) << "asking again brings the same window forward";
}

TEST(StartupWindow, GoodStartActsOnTheWindowAndForceEndKeepsTheFile) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    const QByteArray before = readWholeFile(data.optionFile());
    Startup s;
    s.fakes.screen.setSize(QSize(800, 600));
    ASSERT_TRUE(s.lifecycle.Form_Load(QString()));
    EXPECT_TRUE(s.window.isMaximized());
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(s.txtFileLink->text(), QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    s.lifecycle.hooks.topMostChecked = [] { return true; };
    s.lifecycle.Form_Resize();
    EXPECT_TRUE(s.window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(s.window.isVisible()) << "changing the window's flags must not hide it";

    s.options.mnuOptComboList0_Click(3);
    QAction* forceEnd = MainWindowLifecycle::createForceEndAction(s.lifecycle, &s.window);
    EXPECT_EQ(forceEnd->text(), QStringLiteral("強行關閉此程式(不儲存任何東西)"));
    forceEnd->trigger();
    EXPECT_EQ(s.ends, 1);
    s.fakes.mci.clear();
    bool cancel = false;
    s.lifecycle.Form_Unload(cancel);  // the close event that follows the end
    EXPECT_EQ(readWholeFile(data.optionFile()), before);
    EXPECT_TRUE(s.fakes.mci.commands().isEmpty()) << "no device is touched after a force-end";
}

}  // namespace
