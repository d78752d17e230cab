#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

#include "PlaylistFixture.h"
#include "common/Twips.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistPageLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

// The panel on a canvas the size of the full-mode window, driven by real mouse events.
class PlaylistPanelTest : public ::testing::Test, protected PlaylistWorld {
protected:
    PlaylistPanelTest() {
        canvas.resize(Twips::toPx(QSize(12000, 8385)));
        panel = new PlaylistPanel(&canvas, state, fakes.services, status, media, starter);
        canvas.show();
        for (const QString& path : makeSongs(6)) playlist().entries().append(path);
        playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    }
    Playlist& playlist() { return panel->playlist(); }
    QPoint rowCenter(int row) {
        return panel->listPLItemName()->visualRect(panel->listPLItemName()->model()->index(row, 0)).center();
    }
    static void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                          Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, modifiers);
        QApplication::sendEvent(target, &event);
    }

    QWidget canvas;
    PlaylistPanel* panel = nullptr;
};

TEST_F(PlaylistPanelTest, DraggingInTheListMovesTheEntry) {
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
    enterPageView(2);
    panel->applyWindowMode(2);
    playlist().display().PLRefreshItems(false, QStringLiteral("-1"), false);
    QWidget* page = panel->lblPLItemName();
    EXPECT_TRUE(page->isVisible() && !panel->listPLItemName()->isVisible());
    EXPECT_TRUE(panel->lblPLItemName()->text().startsWith(QStringLiteral("  1. s1")));
    const QPoint row1(20, Twips::toPx(15 + 180 + 90));
    sendMouse(page, QEvent::MouseButtonPress, row1, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    sendMouse(page, QEvent::MouseButtonRelease, row1, Qt::RightButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(playlist().entries().count(), 5);
    EXPECT_TRUE(panel->lblPLItemName()->text().contains(QStringLiteral("  2. s3")));
    EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(180 + 1695));
}

TEST_F(PlaylistPanelTest, MenuActionsRunTheirCommands) {
    QMenu menu;
    panel->fillMenu(&menu);
    const auto action = [&](const char* name) { return menu.findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_TRUE(action("mnuPLSequence_1") && action("mnuRefresh_3"));
    action("mnuPLSequence_1")->trigger();
    EXPECT_EQ(state.PlayNextNo, 1);
    action("mnuRefresh_3")->trigger();
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
}

}  // namespace
