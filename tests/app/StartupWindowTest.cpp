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
    QStringList rows(const char* list) const {
        QStringList texts;
        const auto* widget = checker()->findChild<QListWidget*>(QLatin1String(list));
        for (int i = 0; widget && i < widget->count(); ++i) texts << widget->item(i)->text();
        return texts;
    }

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
    EXPECT_EQ(s.rows("ListCurrent"), s.rows("ListDefault"));
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

TEST(StartupWindow, BrokenOptionFileOpensTheCheckerPointingAtTheUpgrade) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines().mid(0, 12));
    Startup s;
    EXPECT_FALSE(s.lifecycle.Form_Load(QStringLiteral("/music/song.mp3")));
    ASSERT_NE(s.checker(), nullptr);
    EXPECT_TRUE(Frm_SaveMode::isHighlighted(s.button("cmdCompareOpt")));
    EXPECT_FALSE(Frm_SaveMode::isHighlighted(s.button("cmdAppDefOpt")));
    EXPECT_EQ(s.rows("ListTMP").size(), 12);
    EXPECT_EQ(s.fakes.dialogs.messages.size(), 1);
}

TEST(StartupWindow, ClosingTheCheckerAnyWayShowsTheMainWindowAgain) {
    for (const char* how : {"cmdForceEntry", "close"}) {
        DataFolderScope data;
        Startup s;
        s.lifecycle.Form_Load(QString());
        ASSERT_NE(s.checker(), nullptr) << how;
        ASSERT_FALSE(s.window.isVisible()) << how;
        if (QLatin1String(how) == QLatin1String("close"))
            s.checker()->close();
        else
            s.button(how)->click();
        EXPECT_TRUE(s.window.isVisible()) << how;
        EXPECT_FALSE(s.window.isMinimized()) << how;
        EXPECT_FALSE(QFileInfo::exists(data.optionFile())) << how << ": nothing was saved";
    }
}

TEST(StartupWindow, MenuEntryOpensTheCheckerOnTheCurrentFile) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    Startup s;
    ASSERT_TRUE(s.lifecycle.Form_Load(QString())) << s.lifecycle.loadError().toStdString();
    QAction* entry = s.opener.menuEntry();
    EXPECT_EQ(entry->text(), QStringLiteral("進入安全模式"));
    EXPECT_EQ(entry->data().toString(), QStringLiteral("0"));
    entry->trigger();
    ASSERT_NE(s.checker(), nullptr);
    EXPECT_TRUE(s.checker()->isVisible());
    EXPECT_TRUE(s.window.isVisible()) << "opened from the menu, the main window stays";
    EXPECT_TRUE(s.fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(entry->data().toString(), QStringLiteral("0")) << "the checker resets the tag";
    EXPECT_EQ(s.rows("ListCurrent").at(10), QStringLiteral("/music/古典"));
    EXPECT_FALSE(Frm_SaveMode::isHighlighted(s.button("cmdAppDefOpt")));
    EXPECT_FALSE(Frm_SaveMode::isHighlighted(s.button("cmdCompareOpt")));

    // Asking again brings the same window forward.
    Frm_SaveMode* first = s.checker();
    entry->trigger();
    EXPECT_EQ(s.checker(), first);
}

TEST(StartupWindow, GoodStartGreetsInThePathBoxAndForceEndKeepsTheFile) {
    DataFolderScope data;
    data.writeOptions(sampleOptionLines());
    const QByteArray before = readWholeFile(data.optionFile());
    Startup s;
    ASSERT_TRUE(s.lifecycle.Form_Load(QString()));
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(s.txtFileLink->text(), QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    s.options.mnuOptComboList0_Click(3);
    QAction* forceEnd = MainWindowLifecycle::createForceEndAction(s.lifecycle, &s.window);
    EXPECT_EQ(forceEnd->text(), QStringLiteral("強行關閉此程式(不儲存任何東西)"));
    forceEnd->trigger();
    EXPECT_EQ(s.ends, 1);
    bool cancel = false;
    s.lifecycle.Form_Unload(cancel);
    EXPECT_EQ(readWholeFile(data.optionFile()), before);
}

TEST(StartupWindow, MaximiseMinimiseAndTopMostActOnTheWindow) {
    DataFolderScope data;
    Startup s;
    s.binding.maximize();
    EXPECT_TRUE(s.window.isMaximized());
    s.binding.minimize();
    EXPECT_TRUE(s.binding.isMinimized());
    s.window.setWindowState(Qt::WindowNoState);
    s.binding.makeTopMost();
    EXPECT_TRUE(s.window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(s.window.isVisible());
}

}  // namespace
