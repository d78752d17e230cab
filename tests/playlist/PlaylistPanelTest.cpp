#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "PlaylistFixture.h"
#include "common/Twips.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistPageLabel.h"
#include "playlist/PlaylistPanel.h"
#include "ui/widgets/ClickLabel.h"

namespace {

// Every menu of the main window is this one menu.
struct OneMenu final : MainMenus {
    QMenu* menu(MainMenu) const override { return const_cast<QMenu*>(&only); }
    QMenu only;
};

// The panel on a canvas the size of the full-mode window, its menu entries in one menu.
class PlaylistPanelTest : public ::testing::Test, protected PlaylistWorld {
protected:
    PlaylistPanelTest() {
        canvas.resize(Twips::toPx(QSize(12000, 8385)));
        canvas.show();
        panel->addMenuEntries(menus);
    }
    QAction* action(const char* name) const { return menus.only.findChild<QAction*>(QString::fromLatin1(name)); }

    Playlist playlist{state, fakes.dialogs, fakes.clock, status, media, seams()};
    QWidget canvas;
    PlaylistPanel* panel = new PlaylistPanel(&canvas, playlist, state);  // the canvas's
    OneMenu menus;
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

// The panel driven by real mouse events. The menu's entries reach their commands. In the list (entry n is s<n>, n seconds long) a drag moves an entry with its length, a press
// released where it started moves nothing. On the page label left picks a row and moves the marker, right plays it,
// Ctrl+right removes it; Shift+right and presses below the last row do nothing.
TEST_F(PlaylistPanelTest, MenuListDragsAndPageLabelPressesReachThePlaylist) {
    ASSERT_NE(action("mnuPLSequence_1"), nullptr);
    ASSERT_NE(action("mnuRefresh_3"), nullptr);
    action("mnuPLSequence_1")->trigger();
    EXPECT_EQ(state.PlayNextNo, 1);
    action("mnuRefresh_3")->trigger();
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
    const QStringList s = makeSongs(6);
    for (int i = 0; i < s.size(); ++i) playlist.entries().append(s[i], (i + 1) * 1000);
    playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false);
    PlaylistListView* list = panel->listPLItemName();
    const auto row = [&](int r) { return list->visualRect(list->model()->index(r, 0)).center(); };
    const struct { const char* name; int from, to; QString order; } drags[] = {
        {"5 onto 2", 4, 1, "152346"}, {"plain click", 3, 3, "152346"}, {"first to last", 0, 5, "523461"}};
    for (const auto& d : drags) {
        sendMouse(list->viewport(), QEvent::MouseButtonPress, row(d.from), Qt::LeftButton, Qt::LeftButton);
        sendMouse(list->viewport(), QEvent::MouseMove, row(d.to), Qt::NoButton, Qt::LeftButton);
        sendMouse(list->viewport(), QEvent::MouseButtonRelease, row(d.to), Qt::LeftButton, Qt::NoButton);
        for (int i = 0; i < s.size(); ++i)
            EXPECT_EQ(playlist.display().lines().line(i), QString("%1. s%2 [0:0%2.00]").arg(i + 1).arg(d.order[i]))
                << d.name;
        EXPECT_EQ(list->currentIndex().row(), d.to) << d.name;
    }
    enterPageView(2);
    panel->applyWindowMode(WindowMode::Simple);
    playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false);
    PlaylistPageLabel* page = panel->lblPLItemName();
    EXPECT_TRUE(page->isVisible()) << "the simple view shows the page label";
    EXPECT_FALSE(list->isVisible()) << "and hides the list";
    pathBox.history.clear();
    const auto press = [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int row, int releaseRow) {
        const auto at = [](int r) { return QPoint(20, Twips::toPx(15 + r * 180 + 90)); };
        sendMouse(page, QEvent::MouseButtonPress, at(row), button, button, modifiers);
        sendMouse(page, QEvent::MouseButtonRelease, at(releaseRow), button, Qt::NoButton, modifiers);
    };
    const QStringList before = playlist.entries().paths();  // s5 s2 s3 s4 s6 s1
    press(Qt::LeftButton, Qt::NoModifier, 1, 1);
    EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(180 + 1695)) << "the marker on row 1";
    press(Qt::RightButton, Qt::NoModifier, 2, 2);
    press(Qt::RightButton, Qt::ShiftModifier, 0, 0);
    press(Qt::LeftButton, Qt::NoModifier, 7, 1);  // below the last row, released on a row
    press(Qt::RightButton, Qt::ControlModifier, 9, 9);
    EXPECT_EQ(pathBox.history, (QStringList{before[1], before[2], QString()})) << "the path box: rows 1 and 2, then none";
    EXPECT_EQ(opener.opened, QStringList{before[2]}) << "right button opens the row";
    EXPECT_EQ(playlist.entries().paths(), before) << "nothing moved or removed";
    press(Qt::RightButton, Qt::ControlModifier, 1, 1);
    EXPECT_EQ(playlist.entries().paths(), before.first(1) + before.mid(2)) << "the second entry went";
    EXPECT_TRUE(page->text().contains(QStringLiteral("  2. s3"))) << "the label is redrawn";
    state.WindowMode = 0;
    playlist.display().PLRefreshItems(false, QStringLiteral("1%1"), false);
    EXPECT_EQ(playlist.display().lines().count(), 5) << "the full mode keeps no line of a removed entry";
    const QString second = playlist.display().lines().line(1);
    EXPECT_TRUE(second.startsWith("2. s3")) << second.toStdString();
}

// Real clicks on the editing row and the copy picture reach their commands; the menu holds the editing group, in
// order, between the file commands and the sequence commands. The row stands under the list and above the name
// label without touching either or itself, and the compact modes hide it with the copy picture.
TEST_F(PlaylistPanelTest, EditingButtonsAndMenusReachTheirCommands) {
    const auto click = [](QWidget* w) {
        ASSERT_NE(w, nullptr);
        const QPoint centre = w->rect().center();
        sendMouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        sendMouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    };
    browser.selected = {"/f/sel.mp3"};
    browser.names = {"a.mp3", "n.txt"};
    browser.current = "/f/cur.mp3";
    pathBox.value = "/typed.mp3";
    for (int i = 0; i < 3; ++i) click(panel->cmdAddItem(i));
    EXPECT_EQ(playlist.entries().paths(), (QStringList{"/f/sel.mp3", "/f/a.mp3", "/typed.mp3"})) << "add 0, 1, 2";
    playlist.display().selectRow(0);
    click(panel->cmdAddItem(3));
    EXPECT_EQ(playlist.entries().path(0), "/f/cur.mp3") << "replace";
    playlist.display().selectRow(1);
    click(panel->imgCopySongLink());
    EXPECT_EQ(fakes.clipboard.text(), "/f/a.mp3") << "copy picture";
    click(panel->cmdDeleteItem(0));
    EXPECT_EQ(playlist.entries().paths(), (QStringList{"/f/cur.mp3", "/typed.mp3"})) << "remove selected";
    click(panel->cmdDeleteItem(1));
    EXPECT_TRUE(playlist.entries().isEmpty()) << "remove all";

    QStringList names;
    for (QAction* a : menus.only.actions()) names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    const QStringList group = {"mnuRestorePlayList", "-", "mnuAddPLItemFromCMDG", "mnuEditPLItemLink",
                               "mnuRemoveInvalidPLItem", "mnuOutputNL_0", "mnuOutputNL_1", "mnuOutputNL_2", "-",
                               "mnuPLSequence_0"};
    const qsizetype at = names.indexOf("mnuRestorePlayList");
    EXPECT_EQ(names.mid(at, group.size()), group);
    ASSERT_NE(action("mnuOutputNL_1"), nullptr);
    ASSERT_NE(action("mnuRemoveInvalidPLItem"), nullptr);
    EXPECT_EQ(action("mnuOutputNL_1")->text(), "輸出PlayList歌曲路徑至剪貼薄");
    playlist.entries().append("/gone.mp3");
    action("mnuOutputNL_1")->trigger();
    EXPECT_EQ(fakes.clipboard.text(), "/gone.mp3") << "the export menu";
    action("mnuRemoveInvalidPLItem")->trigger();
    EXPECT_TRUE(playlist.entries().isEmpty()) << "the clearing menu";

    QList<QWidget*> row;
    for (int i = 0; i < 4; ++i) row << panel->cmdAddItem(i);
    for (int i = 0; i < 2; ++i) row << panel->cmdDeleteItem(i);
    for (int i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(row[i]->objectName().toStdString());
        EXPECT_TRUE(row[i]->isVisible());
        EXPECT_FALSE(row[i]->geometry().intersects(panel->listPLItemName()->geometry()));
        EXPECT_FALSE(row[i]->geometry().intersects(panel->lblPLDetails(1)->geometry()));
        for (int j = i + 1; j < row.size(); ++j) EXPECT_FALSE(row[i]->geometry().intersects(row[j]->geometry()));
    }
    enterPageView(1);
    panel->applyWindowMode(WindowMode::LyricView);
    for (QWidget* w : row + QList<QWidget*>{panel->imgCopySongLink()})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString() << " in the lyric view";
}

}  // namespace
