#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppState.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "common/Twips.h"
#include "playback/TransportModel.h"
#include "playback/TransportPanel.h"
#include "support/FakeServices.h"
#include "ui/FramePanel.h"
#include "ui/Frm_Main.h"
#include "ui/MainWindowLook.h"
#include "ui/WindowMenus.h"
#include "ui/WindowModeController.h"

namespace {

QWidget* control(const Frm_Main& window, const char* name) {
    return window.findChild<QWidget*>(QLatin1String(name));
}

// Every control the user can see lies inside the canvas, none cut off.
QStringList cutOff(const Frm_Main& window) {
    const QWidget* canvas = window.centralWidget();
    QStringList names;
    for (const QWidget* w : canvas->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(canvas) || w->objectName().isEmpty() || w->parentWidget() != canvas) continue;
        if (!canvas->rect().contains(w->geometry())) names << w->objectName();
    }
    return names;
}

// The whole round: full, simple, full, lyric view, full. Each mode hides and
// shows its controls, moves the transport panel and the status boxes, and
// sets the window's size; the menu follows.
TEST(MainWindowModes, EachModeShowsItsControlsInsideItsWindow) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.show();
    ASSERT_TRUE(window.Form_Load(QString()));
    auto* transport = window.findChild<TransportPanel*>();
    auto* menus = window.findChild<WindowMenus*>();
    ASSERT_NE(transport, nullptr);
    ASSERT_NE(menus, nullptr);
    // The playing song's position marker moves with its line.
    window.assembly().transportModel().setTimeMarkerLeft(5700 + 600);
    const auto markerOnLine = [&] { return control(window, "LinMMTimeBar")->x() - control(window, "LinMMTimeLin")->x(); };
    const int markerOffset = markerOnLine();
    const char* fullOnly[] = {"Drive1", "Dir1", "File1", "lblDirDetails", "imgPopDirFav", "listPLItemName",
                              "imgCopySongLink", "imgLoadSPPL", "lblDetailsSwt", "lblInternetSwt", "rFrame1"};
    const char* pageOnly[] = {"lblPLItemName", "lblPLBorder", "lblPLMargin", "cmdlblPLPage_0", "cmdlblPLPage_1"};
    const struct {
        int menuIndex;
        QSize sizeTwips;
        int transportLeftTwips;
        TwipsRect state;
        TwipsRect open;
        const char* enabled;
        bool lyricHeader, lyricViewer;
    } rows[] = {
        {2, WindowModeController::kSimpleSize, 120, FramePanel::kStateSimple, {4200, 4680, 270, 300}, "100", false, false},
        {0, WindowModeController::kFullSize, 3600, FramePanel::kState, {6120, 7320, 270, 300}, "011", true, false},
        {1, WindowModeController::kLyricViewSize, 120, FramePanel::kStateLyricView, {4200, 5160, 270, 300}, "100", true,
         true},
        {0, WindowModeController::kFullSize, 3600, FramePanel::kState, {6120, 7320, 270, 300}, "011", true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.menuIndex);
        menus->mnuZELMode(r.menuIndex)->trigger();
        const bool compact = r.menuIndex != 0;
        EXPECT_EQ(window.size(), Twips::toPx(r.sizeTwips));
        EXPECT_EQ(transport->x(), Twips::toPx(r.transportLeftTwips));
        EXPECT_EQ(control(window, "txtState")->geometry(), Twips::rectToPx(r.state));
        EXPECT_EQ(control(window, "cmdPlaySpecificSong")->geometry(), Twips::rectToPx(r.open));
        for (const char* name : fullOnly) EXPECT_EQ(control(window, name)->isVisible(), !compact) << name;
        for (const char* name : pageOnly) EXPECT_EQ(control(window, name)->isVisible(), compact) << name;
        EXPECT_EQ(control(window, "lblLyricSwt")->isVisible(), r.lyricHeader);
        EXPECT_EQ(control(window, "lblLyricViewer")->isVisible(), r.lyricViewer);
        const auto* copyEntry = window.menu(MainMenu::File)->findChild<QAction*>(QStringLiteral("mnuFileCopy(1)"));
        ASSERT_TRUE(copyEntry);
        EXPECT_EQ(copyEntry->isEnabled(), !compact) << "move and copy need the browser";
        QString enabled;
        for (int i = 0; i < 3; ++i) enabled += menus->mnuZELMode(i)->isEnabled() ? u'1' : u'0';
        EXPECT_EQ(enabled, QLatin1String(r.enabled));
        EXPECT_EQ(markerOnLine(), markerOffset);
        EXPECT_EQ(cutOff(window), QStringList());
    }
}

// The option file's background (by the hour: 21 h is "Night.jpg") shows at
// start: its picture under the controls, its colours on the three lists and
// the playlist name label.
TEST(MainWindowModes, TheStoredBackgroundShowsAtStartWithItsColours) {
    QDir().mkpath(DataFolder::backgroundFolder());
    const QString night = DataFolder::backgroundFolder() + QStringLiteral("Night.jpg");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(night, "PNG"));
    FakeServices fakes;
    fakes.clock.setTime(QTime(21, 5));
    Frm_Main window(fakes.services);
    ASSERT_TRUE(window.Form_Load(QString()));
    QFile::remove(night);
    EXPECT_EQ(window.look().backgroundPicture().size(), QSize(64, 48));
    for (const char* name : {"Dir1", "File1", "listPLItemName"}) {
        const QPalette palette = window.findChild<QAbstractItemView*>(QLatin1String(name))->palette();
        EXPECT_EQ(palette.color(QPalette::Base), QColor(0, 0, 128)) << name;
        EXPECT_EQ(palette.color(QPalette::Text), QColor(128, 128, 255)) << name;
    }
    auto* name = window.findChild<QLabel*>(QStringLiteral("lblPLDetails_1"));
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(name->autoFillBackground()) << "the yellow text sits on the lists' background";
}

}  // namespace

namespace {

// The pointer reaching the folder-shortcut picture pops up "移至(&M)", once
// the menu has entries.
TEST(MainWindowModes, TheFolderShortcutPicturePopsUpTheGoToMenu) {
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.show();
    QWidget* picture = control(window, "imgPopDirFav");
    QMenu* goTo = window.menu(MainMenu::GoTo);
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("移至"));
    const auto hover = [&] {
        QEnterEvent enter(QPointF(4, 4), picture->mapTo(&window, QPointF(4, 4)), picture->mapToGlobal(QPointF(4, 4)));
        QCoreApplication::sendEvent(picture, &enter);
    };
    const QList<QAction*> shortcuts = goTo->actions();
    for (QAction* action : shortcuts) goTo->removeAction(action);
    hover();
    EXPECT_FALSE(goTo->isVisible()) << "an empty menu stays closed";
    goTo->addActions(shortcuts);
    hover();
    EXPECT_TRUE(goTo->isVisible());
    goTo->hide();
}

}  // namespace
