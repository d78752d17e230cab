#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QtCore/qtestsupport_core.h>

#include "MediaGen.h"
#include "PlaylistFixture.h"
#include "common/Twips.h"
#include "platform/mci/GstMciEngine.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistPageLabel.h"
#include "playlist/PlaylistPanel.h"

namespace {

class PlaylistPanelTest : public ::testing::Test, protected PlaylistWorld {};
using RealEnginePlaylistTest = PlaylistPanelTest;

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

// The panel on a canvas the size of the full-mode window, six songs in its list, driven by real mouse events: a
// drag in the list and a Ctrl+right press on the page label reach the playlist, as do the menu's entries.
TEST_F(PlaylistPanelTest, ListDragPageLabelPressAndMenuReachThePlaylist) {
    QWidget canvas;
    canvas.resize(Twips::toPx(QSize(12000, 8385)));
    auto* panel = new PlaylistPanel(&canvas, state, fakes.services, status, media, starter);
    canvas.show();
    QMenu menu;
    panel->fillMenu(&menu);
    const auto action = [&](const char* name) { return menu.findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_TRUE(action("mnuPLSequence_1") && action("mnuRefresh_3"));
    action("mnuPLSequence_1")->trigger();
    EXPECT_EQ(state.PlayNextNo, 1);
    action("mnuRefresh_3")->trigger();
    EXPECT_EQ(status.status(), QStringLiteral("已經全部完成歌曲長度測試!"));
    Playlist& playlist = panel->playlist();
    const QStringList s = makeSongs(6);
    for (const QString& path : s) playlist.entries().append(path);
    playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false);
    PlaylistListView* list = panel->listPLItemName();
    const auto row = [&](int r) { return list->visualRect(list->model()->index(r, 0)).center(); };
    sendMouse(list->viewport(), QEvent::MouseButtonPress, row(4), Qt::LeftButton, Qt::LeftButton);
    sendMouse(list->viewport(), QEvent::MouseMove, row(1), Qt::NoButton, Qt::LeftButton);
    sendMouse(list->viewport(), QEvent::MouseButtonRelease, row(1), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(playlist.entries().paths(), (QStringList{s[0], s[4], s[1], s[2], s[3], s[5]}));
    EXPECT_EQ(list->currentIndex().row(), 1);
    enterPageView(2);
    panel->applyWindowMode(2);
    playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false);
    PlaylistPageLabel* page = panel->lblPLItemName();
    EXPECT_TRUE(page->isVisible() && !list->isVisible());
    const QPoint row1(20, Twips::toPx(15 + 180 + 90));
    sendMouse(page, QEvent::MouseButtonPress, row1, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    sendMouse(page, QEvent::MouseButtonRelease, row1, Qt::RightButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(playlist.entries().paths(), (QStringList{s[0], s[1], s[2], s[3], s[5]})) << "the second entry went";
    EXPECT_TRUE(page->text().contains(QStringLiteral("  2. s2"))) << "the label is redrawn";
    EXPECT_EQ(panel->lblPLMargin()->y(), Twips::toPx(180 + 1695));
}

// Starts songs as the player does: open under "ZELSong", play from 0. The scheduler notices by itself that the
// device stopped at a song's end.
struct EngineStarter final : SongStarter {
    explicit EngineStarter(MultiMedia& media) : media(media) {}
    ~EngineStarter() override { media.MMClose(QString(), true); }
    void SongStarted(const QString& path) override {
        started.append(QFileInfo(path).completeBaseName());
        media.MMOpen(path, QStringLiteral("ZELSong"), true);
        media.MMPlay(QString(), 0);
    }

    MultiMedia& media;
    QStringList started;
};

// The list follows the playing entry, and the last one played stays selected.
TEST_F(RealEnginePlaylistTest, PlaysTheListInOrderTwiceThenStops) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, fakes.waveOut};
    MultiMedia engineMedia(engine);
    EngineStarter engineStarter(engineMedia);
    QWidget window;
    auto* panel = new PlaylistPanel(&window, state, services, status, engineMedia, engineStarter);
    window.show();
    QByteArray list;
    for (const char* name : {"one", "two", "three"}) {
        const QString song = songs.path(QString::fromLatin1(name) + QStringLiteral(".wav"));
        ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1})) << name;
        list += song.toUtf8() + "\r\n";
    }
    ASSERT_TRUE(panel->PLLoadFile(songs.writeFile("three.ini", list), false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->SongLenTimer().isRunning(); }, 10000)) << "length test";
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(panel->playlist().entries().lengthMs(i), 1000, 30) << "entry " << i;
    state.TotalPLRep = 2;
    window.findChild<QToolButton*>(QStringLiteral("cmdStartPlayList_1"))->click();
    // Looking for a song's end more often than every two seconds keeps the test to seconds.
    panel->PlayListTimer().setIntervalMs(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->PlayListTimer().isRunning(); }, 30000))
        << "played: " << engineStarter.started.join(u' ').toStdString();
    EXPECT_EQ(engineStarter.started, (QStringList{"one", "two", "three", "one", "two", "three"}));
    EXPECT_EQ(panel->playlist().display().selectedRow(), 2);
    EXPECT_TRUE(status.status() == "PlayList 已被中止或已經完成播放!" && state.PlayNo == -1);
}

}  // namespace
