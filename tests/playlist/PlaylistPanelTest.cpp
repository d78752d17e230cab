#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "PlaylistFixture.h"
#include "common/DataFolder.h"
#include "common/Twips.h"
#include "playlist/PlaylistClickLabel.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistPageLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

// The panel on a canvas the size of the full-mode window.
class PlaylistPanelTest : public ::testing::Test, protected PlaylistWorld {
protected:
    PlaylistPanelTest() {
        canvas.resize(Twips::toPx(QSize(12000, 8385)));
        panel = new PlaylistPanel(&canvas, state, fakes.services, status, media, starter);
        canvas.show();
    }
    Playlist& playlist() { return panel->playlist(); }
    QWidget* child(const QString& name) {
        QWidget* widget = canvas.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget ? widget : &canvas;
    }
    void clickButton(const char* name) {
        auto* button = canvas.findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    void addSongs(int count) {
        for (const QString& path : makeSongs(count)) playlist().entries().append(path);
        playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    }
    QPoint rowCenter(int row) {
        PlaylistListView* list = panel->listPLItemName();
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    static void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                          Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, modifiers);
        QApplication::sendEvent(target, &event);
    }
    static void click(QWidget* target, QPoint pos, QEvent::Type press = QEvent::MouseButtonPress) {
        sendMouse(target, press, pos, Qt::LeftButton, Qt::LeftButton);
        sendMouse(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    static void key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    QWidget canvas;
    PlaylistPanel* panel = nullptr;
};

// Each mode shows its own controls, inside the window and clear of the list
// or the page text they stand around.
TEST_F(PlaylistPanelTest, EachModeShowsItsOwnControls) {
    const QStringList full = {"cmdStartPlayList_0", "cmdStartPlayList_1", "cmdStopPlayList", "imgLoadSPPL",
                              "cmdAddItem_1"};
    const QStringList page = {"cmdlblPLPage_0", "cmdlblPLPage_1", "lblPLBorder", "lblPLMargin"};
    for (int mode : {1, 2, 0}) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode);
        enterPageView(mode);
        panel->applyWindowMode(mode);
        QWidget* lines = mode == 0 ? static_cast<QWidget*>(panel->listPLItemName()) : panel->lblPLItemName();
        QWidget* otherLines = mode == 0 ? static_cast<QWidget*>(panel->lblPLItemName()) : panel->listPLItemName();
        EXPECT_TRUE(lines->isVisible() && !otherLines->isVisible());
        for (const QString& name : (mode == 0 ? full : page) + QStringList{"lblPLDetails_0", "lblPLDetails_1"}) {
            EXPECT_TRUE(child(name)->isVisible()) << name.toStdString();
            EXPECT_TRUE(canvas.rect().contains(child(name)->geometry())) << name.toStdString() << " fits";
            const bool around = name == "lblPLBorder" || name == "lblPLMargin";
            EXPECT_TRUE(around || !child(name)->geometry().intersects(lines->geometry())) << name.toStdString();
        }
        for (const QString& name : mode == 0 ? page : full)
            EXPECT_FALSE(child(name)->isVisible()) << name.toStdString();
        EXPECT_TRUE(mode == 0 || child("lblPLBorder")->geometry().contains(lines->geometry()));
    }
    EXPECT_EQ(panel->lblPLDetails(1)->text(), QStringLiteral("PlayList 名稱: 未命名"));
    EXPECT_EQ(panel->lblPLDetails(0)->text(), QStringLiteral("PlayList共有0首歌曲 (0/1)"));
}

TEST_F(PlaylistPanelTest, DraggingInTheListMovesTheEntry) {
    addSongs(6);
    const QStringList before = playlist().entries().paths();
    QWidget* viewport = panel->listPLItemName()->viewport();
    sendMouse(viewport, QEvent::MouseButtonPress, rowCenter(4), Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, rowCenter(2), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, rowCenter(1), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, rowCenter(1), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(playlist().entries().paths(),
              (QStringList{before[0], before[4], before[1], before[2], before[3], before[5]}));
    EXPECT_EQ(panel->listPLItemName()->currentIndex().row(), 1);
}

TEST_F(PlaylistPanelTest, PageLabelPressAndReleaseReachTheLogic) {
    addSongs(4);
    enterPageView(2);
    panel->applyWindowMode(2);
    playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    EXPECT_TRUE(panel->lblPLItemName()->text().startsWith(QStringLiteral("  1. s1")));
    QWidget* page = panel->lblPLItemName();
    const QPoint row1(20, Twips::toPx(15 + 180 + 90));
    sendMouse(page, QEvent::MouseButtonPress, row1, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    sendMouse(page, QEvent::MouseButtonRelease, row1, Qt::RightButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(playlist().entries().count(), 3);
    EXPECT_TRUE(panel->lblPLItemName()->text().contains(QStringLiteral("  2. s3")));
    EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(180 + 1695));
}

TEST_F(PlaylistPanelTest, ClicksKeysAndButtonsRunTheirCommands) {
    addSongs(3);
    QWidget* viewport = panel->listPLItemName()->viewport();
    click(viewport, rowCenter(2));
    click(viewport, rowCenter(2), QEvent::MouseButtonDblClick);
    EXPECT_EQ(starter.started, QStringList{playlist().entries().path(2)});
    key(panel->listPLItemName(), Qt::Key_Delete);
    EXPECT_EQ(playlist().entries().count(), 2);
    clickButton("cmdStartPlayList_1");
    EXPECT_TRUE(playlist().scheduler().isRunning());
    EXPECT_EQ(starter.started.size(), 2);
    clickButton("cmdStopPlayList");
    EXPECT_FALSE(playlist().scheduler().isRunning());
    state.options.passEntry = 2;
    click(panel->lblPLDetails(1), QPoint(5, 5));
    EXPECT_EQ(state.TotalPLRep, 3);
    clickButton("imgLoadSPPL");
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.openRequests[0].title, QStringLiteral("開啟PlayList"));
}

TEST_F(PlaylistPanelTest, MenuHoldsEveryPlaylistCommand) {
    QMenu menu;
    panel->fillMenu(&menu);
    QStringList names;
    for (QAction* a : menu.actions())
        if (!a->isSeparator()) names.append(a->objectName());
    // New (2), file (8), restore, sequence (6), shuffle, refresh (4).
    EXPECT_EQ(names.size(), 22) << names.join(u' ').toStdString();
    EXPECT_EQ(names.value(11), "mnuPLSequence_0");
    const auto action = [&](const char* name) { return menu.findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_TRUE(action("mnuPLEvents_0") && action("mnuPLSequence_1") && action("mnuRefresh_3"));
    EXPECT_EQ(action("mnuPLEvents_0")->text(),
              QStringLiteral("載入預設PlayList (") + DataFolder::root() + QStringLiteral("playlist.ini)"));
    EXPECT_EQ(action("mnuPLSequence_1")->text(), QStringLiteral("播完這首歌後跳過下一首歌"));
    action("mnuPLSequence_1")->trigger();
    EXPECT_EQ(state.PlayNextNo, 1);
    action("mnuRefresh_3")->trigger();
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
}

TEST_F(PlaylistPanelTest, RemovingThePanelTakesItsWidgetsAlong) {
    addSongs(2);
    delete panel;
    panel = nullptr;
    for (const char* name : {"listPLItemName", "lblPLItemName", "lblPLDetails_0", "cmdStartPlayList_0", "lblPLMargin"})
        EXPECT_EQ(canvas.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

}  // namespace
