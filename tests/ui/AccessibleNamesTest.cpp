#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/Frm_SaveMode.h"
#include "app/Frm_Version.h"
#include "app/PlayerAssembly.h"
#include "console/Frm_Command.h"
#include "id3/Frm_ID3Tag.h"
#include "lyrics/Frm_Lyric.h"
#include "playback/TransportController.h"
#include "remote/Frm_Remote.h"
#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"
#include "ui/WindowModeController.h"

// A screen reader, and any desktop test robot, finds a control by its name;
// a control without one reads as "push button" and nothing more.

namespace {

// The program's own controls carry an object name; Qt's inner parts (scroll
// bars, viewports, the menu bar's overflow button) are named "qt_…".
bool isProgramControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && widget->isEnabled();
}

// A menu is read by its entry in the menu bar or in its parent menu, so its
// caption is its name.
QString spokenName(const QWidget* widget) {
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) return menu->menuAction()->text();
    return widget->accessibleName();
}

// `surface` (the main window's canvas) holds the controls and is named by
// the window's own title.
QList<QWidget*> programControls(const QWidget* window, const QWidget* surface = nullptr) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget != surface && isProgramControl(widget)) controls << widget;
    return controls;
}

// The object names of the controls inside `window` that have no name.
QStringList namelessControls(const QWidget* window, const QWidget* surface = nullptr) {
    QStringList nameless;
    for (const QWidget* widget : programControls(window, surface))
        if (spokenName(widget).trimmed().isEmpty()) nameless << widget->objectName();
    return nameless;
}

// Through the mode menu's controller, so every panel takes part.
void applyMode(Frm_Main& window, WindowMode mode) {
    WindowModeController& modes = window.windowModes();
    if (isCompact(mode))
        modes.EnterCompactMode(mode);
    else
        modes.RestoreFullMode(modes.mode());
}

// A main window started on the test data folder, as the user sees it.
struct StartedWindow {
    StartedWindow() {
        window.show();
        window.Form_Load(QString());
    }
    FakeServices fakes;
    Frm_Main window{fakes.services};
};

TEST(AccessibleNames, EveryControlOfTheMainWindowHasANameInEveryWindowMode) {
    StartedWindow started;
    // The move-and-copy panel's controls show only while it is open.
    started.window.assembly().moveCopy().mnuFileCopy_Click(1);
    const struct {
        WindowMode mode;
        const char* name;
    } modes[] = {{WindowMode::LyricView, "lyric view"},
                 {WindowMode::Full, "full"},
                 {WindowMode::Simple, "simple"},
                 {WindowMode::Full, "full"}};
    for (const auto& row : modes) {
        applyMode(started.window, row.mode);
        EXPECT_EQ(namelessControls(&started.window, started.window.centralWidget()), QStringList())
            << "nameless in the " << row.name << " mode";
    }
    // The information area's sections show their own controls when open.
    for (const InfoSection section : {InfoSection::Details, InfoSection::Lyric}) {
        started.window.assembly().infoArea().SetFrameState(section);
        EXPECT_EQ(namelessControls(&started.window, started.window.centralWidget()), QStringList())
            << "nameless with section " << int(section) << " open";
    }
}

// Opens a window of its own through its menu entry of the main window.
template <typename Window>
QWidget* openThrough(Frm_Main& window, const char* entry) {
    if (auto* action = window.findChild<QAction*>(QLatin1String(entry))) action->trigger();
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (qobject_cast<Window*>(shown) && shown->isVisible()) return shown;
    return nullptr;
}

// The option checker, the tag editor, the lyric editor, the command console
// and the remote control (opened from the tools menu) and the version box
// (from the help menu) are windows of their own.
TEST(AccessibleNames, EveryControlOfTheToolWindowsAndTheVersionBoxHasAName) {
    StartedWindow started;
    const struct {
        const char* name;
        const char* entry;
        QWidget* (*open)(Frm_Main&, const char*);
    } windows[] = {
        {"option checker", "mnuTools(2)", &openThrough<Frm_SaveMode>},
        {"tag editor", "mnuTools(0)", &openThrough<Frm_ID3Tag>},
        {"lyric editor", "mnuTools(1)", &openThrough<Frm_Lyric>},
        {"command console", "mnuTools(4)", &openThrough<Frm_Command>},
        {"remote control", "mnuTools(5)", &openThrough<Frm_Remote>},
        {"version box", "mnuHelp(2)", &openThrough<Frm_Version>},
    };
    for (const auto& row : windows) {
        QWidget* opened = row.open(started.window, row.entry);
        ASSERT_NE(opened, nullptr) << row.name;
        EXPECT_GE(programControls(opened).size(), 2) << row.name << " has controls to check";
        EXPECT_EQ(namelessControls(opened), QStringList()) << "nameless in the " << row.name;
        opened->close();
    }
}

// A button that shows only a picture is named by its tooltip or by the
// caption of its menu entry; the page buttons share one tooltip about the
// page's mouse, so they are named by the way they turn.
TEST(AccessibleNames, PictureButtonsAreNamedAfterWhatTheyDo) {
    StartedWindow started;
    const struct {
        const char* objectName;
        QString name;
    } buttons[] = {
        {"cmdMMControl(0)", QStringLiteral("播放歌曲")},
        {"cmdMMControl(1)", QStringLiteral("暫停播放歌曲")},
        {"cmdMMControl(2)", QStringLiteral("停止播放歌曲")},
        {"cmdMMControl(3)", QStringLiteral("倒退4秒")},
        {"cmdMMControl(4)", QStringLiteral("以設定的速度播放")},
        {"cmdMMControl(5)", QStringLiteral("從頭播放歌曲")},
        {"cmdStartPlayList_0", QStringLiteral("播放PlayList")},
        {"cmdStartPlayList_1", QStringLiteral("順序播放PlayList")},
        {"cmdStopPlayList", QStringLiteral("停止播放PlayList")},
        {"imgLoadSPPL", QStringLiteral("載入PlayList")},
        {"cmdAddItem_0", QStringLiteral("新增選取的檔案")},
        {"cmdAddItem_1", QStringLiteral("新增資料夾內的歌曲 (mp3, wav)")},
        {"cmdAddItem_2", QStringLiteral("新增路徑欄的路徑")},
        {"cmdAddItem_3", QStringLiteral("以目前的檔案取代選取項目的路徑")},
        {"cmdDeleteItem_0", QStringLiteral("移除選取的PlayList項目")},
        {"cmdDeleteItem_1", QStringLiteral("移除所有PlayList項目")},
        {"cmdlblPLPage_0", QStringLiteral("PlayList 上一頁")},
        {"cmdlblPLPage_1", QStringLiteral("PlayList 下一頁")},
    };
    for (const auto& row : buttons) {
        auto* button = started.window.findChild<QAbstractButton*>(QLatin1String(row.objectName));
        ASSERT_NE(button, nullptr) << row.objectName;
        EXPECT_TRUE(button->text().isEmpty()) << row.objectName << " shows only its picture";
        EXPECT_EQ(button->accessibleName(), row.name) << row.objectName;
    }
}

// A reader reads a label by its name alone, so a label whose text changes
// keeps that text in its name after saying what it shows; checked while a
// song plays, when every label has a text.
TEST(AccessibleNames, ChangingLabelsSayWhatTheyShowAndKeepTheirText) {
    FakeServices fakes;
    TempDir music;
    Frm_Main window(fakes.services);
    window.show();
    fakes.mci.answer(QStringLiteral("Status ZELSong length"), QStringLiteral("60000"));
    window.Form_Load(music.writeFile(QStringLiteral("Blue Sky.wav"), QByteArray(960000, 'x')));
    fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QStringLiteral("playing"));
    window.assembly().transport().MMTimer_Timer();
    const auto label = [&](const char* objectName) { return window.findChild<QLabel*>(QLatin1String(objectName)); };
    const auto checkLabel = [&](const char* objectName, const QString& shows) {
        QLabel* shown = label(objectName);
        ASSERT_NE(shown, nullptr) << objectName;
        ASSERT_FALSE(shown->text().isEmpty()) << objectName << " shows a text to keep";
        const std::string name = shown->accessibleName().toStdString();
        EXPECT_TRUE(shown->accessibleName().startsWith(shows)) << objectName << " is named " << name;
        EXPECT_TRUE(shown->accessibleName().endsWith(shown->text())) << objectName << " is named " << name;
    };
    const struct {
        const char* objectName;
        QString shows;
    } labels[] = {
        {"lblMMState", QStringLiteral("播放狀態")},
        {"lblMMTime", QStringLiteral("播放時間")},
        {"lblMMQuality", QStringLiteral("位元率")},
        {"lblPLDetails_0", QStringLiteral("PlayList 資訊")},
        {"lblPLDetails_1", QStringLiteral("PlayList 名稱")},
        {"lblDirDetails", QStringLiteral("資料夾及檔案數目")},
    };
    for (const auto& row : labels) checkLabel(row.objectName, row.shows);

    // With the volume slider shown the quality label shows the volume.
    QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("lblVolSwt")), Qt::LeftButton);
    ASSERT_TRUE(label("lblMMQuality")->text().endsWith(QLatin1Char('%')));
    checkLabel("lblMMQuality", QStringLiteral("音量"));
}

}  // namespace
