#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QToolButton>

#include "PlaylistFixture.h"
#include "common/Twips.h"
#include "playlist/PlaylistClickLabel.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistPageLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

// The panel on a canvas the size of the full-mode window.
class PlaylistPanelTest : public ::testing::Test {
protected:
    PlaylistPanelTest() : media(fakes.mci) {
        state.TotalPLRep = 1;
        canvas.resize(Twips::toPx(QSize(12000, 8385)));
        panel = new PlaylistPanel(&canvas, state, fakes.services, status, media, starter);
        canvas.show();
    }
    Playlist& playlist() { return panel->playlist(); }
    template <typename T>
    T* child(const QString& name) {
        T* widget = canvas.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QRect twipsRect(int left, int top, int width) { return Twips::rectToPx(left, top, width, 240); }
    void addSongs(int count) {
        for (int i = 1; i <= count; ++i) playlist().entries().append(songs.writeFile(QStringLiteral("s%1.mp3").arg(i), "x"));
        playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    }
    QPoint rowCenter(int row) {
        PlaylistListView* list = panel->listPLItemName();
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, modifiers);
        QApplication::sendEvent(target, &event);
    }

    void click(QWidget* target, QPoint pos) {
        sendMouse(target, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        sendMouse(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    void doubleClick(QWidget* target, QPoint pos) {
        click(target, pos);
        sendMouse(target, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        sendMouse(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    void key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    ScopedDataFolder data;
    TempDir songs;
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter starter;
    AppState state;
    MultiMedia media;
    QWidget canvas;
    PlaylistPanel* panel = nullptr;
};

TEST_F(PlaylistPanelTest, FullModeFillsTheRightColumn) {
    EXPECT_EQ(panel->lblPLDetails(0)->geometry(), twipsRect(8040, 120, 3855));
    EXPECT_EQ(panel->lblPLDetails(1)->geometry(), twipsRect(8040, 7080, 3615));
    const QRect list = panel->listPLItemName()->geometry();
    EXPECT_GT(list.top(), panel->lblPLDetails(0)->geometry().bottom());
    EXPECT_LT(list.bottom(), panel->lblPLDetails(1)->geometry().top());
    for (const char* name : {"listPLItemName", "cmdStartPlayList_0", "cmdStartPlayList_1", "cmdStopPlayList",
                             "imgLoadSPPL", "cmdAddItem_1", "lblPLDetails_0", "lblPLDetails_1"}) {
        QWidget* w = child<QWidget>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible()) << name;
        EXPECT_TRUE(canvas.rect().contains(w->geometry())) << name << " fits the window";
        if (w != panel->listPLItemName()) {
            EXPECT_FALSE(w->geometry().intersects(list)) << name << " overlaps the list";
        }
    }
    for (const char* name : {"lblPLItemName", "lblPLMargin", "lblPLBorder", "cmdlblPLPage_0", "cmdlblPLPage_1"})
        EXPECT_FALSE(child<QWidget>(QString::fromLatin1(name))->isVisible()) << name;
    EXPECT_EQ(panel->lblPLDetails(1)->text(), QStringLiteral("PlayList 名稱: 未命名"));
    EXPECT_EQ(panel->lblPLDetails(0)->text(), QStringLiteral("PlayList共有0首歌曲 (0/1)"));
}

TEST_F(PlaylistPanelTest, CompactModesPlaceThePageView) {
    struct Case {
        int mode;
        QRect border, label0, label1, page0, page1;
        int shift;
    } cases[] = {
        {1, Twips::rectToPx(4560, 360, 3375, 5100), twipsRect(4560, 120, 3375), twipsRect(4560, 5520, 3375),
         Twips::rectToPx(7680, 375, 240, 240), Twips::rectToPx(7680, 5210, 240, 240), 375},
        {2, Twips::rectToPx(240, 1680, 4095, 2715), twipsRect(240, 1440, 3975), twipsRect(240, 4440, 3975),
         Twips::rectToPx(4080, 1725, 240, 240), Twips::rectToPx(4080, 4120, 240, 240), 1695},
    };
    for (const Case& c : cases) {
        state.WindowMode = static_cast<quint8>(c.mode);
        state.ShiftConst[1] = static_cast<qint16>(c.shift);
        state.lblPLItemNo = c.mode == 1 ? 27 : 15;
        panel->applyWindowMode(c.mode);
        EXPECT_EQ(child<QWidget>("lblPLBorder")->geometry(), c.border) << "mode " << c.mode;
        EXPECT_EQ(panel->lblPLDetails(0)->geometry(), c.label0) << "mode " << c.mode;
        EXPECT_EQ(panel->lblPLDetails(1)->geometry(), c.label1) << "mode " << c.mode;
        EXPECT_EQ(child<QWidget>("cmdlblPLPage_0")->geometry(), c.page0) << "mode " << c.mode;
        EXPECT_EQ(child<QWidget>("cmdlblPLPage_1")->geometry(), c.page1) << "mode " << c.mode;
        EXPECT_TRUE(panel->lblPLItemName()->isVisible()) << "mode " << c.mode;
        EXPECT_FALSE(panel->listPLItemName()->isVisible()) << "mode " << c.mode;
        EXPECT_FALSE(child<QWidget>("cmdStartPlayList_0")->isVisible()) << "mode " << c.mode;
        playlist().display().moveMarkerToRow(2);
        EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(2 * 180 + c.shift)) << "mode " << c.mode;
        EXPECT_TRUE(c.border.contains(panel->lblPLItemName()->geometry())) << "mode " << c.mode;
    }
    state.WindowMode = 0;
    panel->applyWindowMode(0);
    EXPECT_TRUE(panel->listPLItemName()->isVisible());
    EXPECT_FALSE(panel->lblPLItemName()->isVisible());
}

TEST_F(PlaylistPanelTest, DraggingInTheListMovesTheEntry) {
    addSongs(6);
    const QStringList before = playlist().entries().paths();
    QWidget* viewport = panel->listPLItemName()->viewport();
    sendMouse(viewport, QEvent::MouseButtonPress, rowCenter(4), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(state.PLPressed, 4);
    sendMouse(viewport, QEvent::MouseMove, rowCenter(2), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, rowCenter(1), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, rowCenter(1), Qt::LeftButton, Qt::NoButton);
    const QStringList after = playlist().entries().paths();
    EXPECT_EQ(after, (QStringList{before[0], before[4], before[1], before[2], before[3], before[5]}));
    EXPECT_EQ(panel->listPLItemName()->currentIndex().row(), 1);
    EXPECT_EQ(playlist().display().selectedRow(), 1);
}

TEST_F(PlaylistPanelTest, DoubleClickAndKeysReachTheLogic) {
    addSongs(3);
    QWidget* viewport = panel->listPLItemName()->viewport();
    click(viewport, rowCenter(2));
    doubleClick(viewport, rowCenter(2));
    ASSERT_EQ(starter.started.size(), 1);
    EXPECT_TRUE(starter.started[0].endsWith(QStringLiteral("s3.mp3")));
    key(panel->listPLItemName(), Qt::Key_Up);
    EXPECT_EQ(playlist().display().selectedRow(), 1) << "keyboard selection reaches the logic";
    key(panel->listPLItemName(), Qt::Key_Delete);
    EXPECT_EQ(playlist().entries().count(), 2);
    EXPECT_FALSE(playlist().entries().paths().join(u'|').contains(QStringLiteral("s2.mp3")));
}

TEST_F(PlaylistPanelTest, PageLabelMapsClicksToRows) {
    addSongs(4);
    state.WindowMode = 2;
    state.lblPLItemNo = 15;
    state.ShiftConst[1] = 1695;
    panel->applyWindowMode(2);
    playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    EXPECT_TRUE(panel->lblPLItemName()->text().startsWith(QStringLiteral("  1. s1")));
    const QPoint row1(20, Twips::toPx(15 + 180 + 90));
    sendMouse(panel->lblPLItemName(), QEvent::MouseButtonPress, row1, Qt::RightButton, Qt::RightButton,
              Qt::ControlModifier);
    sendMouse(panel->lblPLItemName(), QEvent::MouseButtonRelease, row1, Qt::RightButton, Qt::NoButton,
              Qt::ControlModifier);
    EXPECT_EQ(playlist().entries().count(), 3);
    EXPECT_TRUE(panel->lblPLItemName()->text().contains(QStringLiteral("  2. s3")));
    EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(180 + 1695));
}

TEST_F(PlaylistPanelTest, ButtonsAndLabelsRunTheirCommands) {
    addSongs(2);
    child<QToolButton>("cmdStartPlayList_1")->click();
    EXPECT_TRUE(playlist().scheduler().isRunning());
    EXPECT_EQ(starter.started.size(), 1);
    child<QToolButton>("cmdStopPlayList")->click();
    EXPECT_FALSE(playlist().scheduler().isRunning());
    state.options.passEntry = 2;
    click(panel->lblPLDetails(1), QPoint(5, 5));
    EXPECT_EQ(state.TotalPLRep, 3);
    child<QToolButton>("imgLoadSPPL")->click();
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.openRequests[0].title, QStringLiteral("開啟PlayList"));
}

TEST_F(PlaylistPanelTest, MenuHoldsEveryPlaylistCommand) {
    QMenu menu;
    panel->fillMenu(&menu);
    QStringList names;
    for (QAction* a : menu.actions())
        if (!a->isSeparator()) names.append(a->objectName());
    QStringList expected = {"mnuOpenNewPL_0", "mnuOpenNewPL_1"};
    for (int i = 0; i < 8; ++i) expected.append(QStringLiteral("mnuPLEvents_%1").arg(i));
    expected.append("mnuRestorePlayList");
    for (int i = 0; i < 6; ++i) expected.append(QStringLiteral("mnuPLSequence_%1").arg(i));
    expected.append("mnuRandomizePL");
    for (int i = 0; i < 4; ++i) expected.append(QStringLiteral("mnuRefresh_%1").arg(i));
    EXPECT_EQ(names, expected);
    auto* skip = menu.findChild<QAction*>(QStringLiteral("mnuPLSequence_1"));
    ASSERT_NE(skip, nullptr);
    EXPECT_EQ(skip->text(), QStringLiteral("播完這首歌後跳過下一首歌"));
    skip->trigger();
    EXPECT_EQ(state.PlayNextNo, 1);
    auto* refresh = menu.findChild<QAction*>(QStringLiteral("mnuRefresh_3"));
    ASSERT_NE(refresh, nullptr);
    refresh->trigger();
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
}

TEST_F(PlaylistPanelTest, TimersAreThereForTheInspector) {
    EXPECT_EQ(panel->PLInfoTimer().intervalMs(), 1000);
    EXPECT_EQ(panel->PlayListTimer().intervalMs(), 0);
    EXPECT_EQ(panel->SongLenTimer().intervalMs(), 0);
}

TEST_F(PlaylistPanelTest, RemovingThePanelTakesItsWidgetsAlong) {
    addSongs(2);
    delete panel;
    panel = nullptr;
    for (const char* name : {"listPLItemName", "lblPLItemName", "lblPLDetails_0", "cmdStartPlayList_0", "lblPLMargin"})
        EXPECT_EQ(canvas.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

}  // namespace
