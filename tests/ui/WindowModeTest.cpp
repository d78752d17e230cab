#include <gtest/gtest.h>

#include <QStringList>

#include "browser/InfoArea.h"
#include "playlist/PlaylistFixture.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeScreen.h"
#include "ui/ModeWindow.h"
#include "ui/WindowModeController.h"

namespace {

// Every call the controller makes goes to the playlist's list of calls, so
// the order shows.
using ModeLog = QStringList;

class LoggingInfoArea final : public InfoArea {
public:
    explicit LoggingInfoArea(ModeLog& log) : log_(log) {}
    InfoSection section() const override { return InfoSection::None; }
    bool isOpen(InfoSection) const override { return false; }
    void SetFrameState(InfoSection s) override { log_ << QStringLiteral("SetFrameState %1").arg(int(s)); }
    void showFileDetails(const QString&) override {}

private:
    ModeLog& log_;
};

class LoggingModeWindow final : public ModeWindow {
public:
    explicit LoggingModeWindow(ModeLog& log) : log_(log) {}
    void showNormalSized(QSize twips) override {
        log_ << QStringLiteral("normal %1x%2").arg(twips.width()).arg(twips.height());
    }
    void maximize() override { log_ << QStringLiteral("maximize"); }
    void applyWindowMode(WindowMode mode) override { log_ << QStringLiteral("panels %1").arg(int(mode)); }

private:
    ModeLog& log_;
};

struct ModeRig {
    AppState state;
    FakeScreen screen;
    FakePlaylistAccess playlist;
    ModeLog& log = playlist.calls;
    LoggingInfoArea info{log};
    LoggingModeWindow window{log};
    WindowModeController modes{state, {info, playlist, window, screen}};
};

// Each compact mode: the information area closes first, then the mode's
// fields and size, the panels, and the playlist rebuilt for the page view.
TEST(WindowModeController, CompactModesSetTheirFieldsAndSizeInOrder) {
    const struct {
        int index;
        qint16 firstRow;
        quint8 rows;
        const char* size;
    } rows[] = {{1, 375, 27, "normal 8115x6540"}, {2, 1695, 15, "normal 4650x6345"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.index);
        ModeRig rig;
        rig.state.lblPLpage = 4;
        rig.modes.mnuZELMode_Click(r.index);
        EXPECT_EQ(rig.log, (QStringList{QStringLiteral("SetFrameState 0"), QString::fromLatin1(r.size),
                                              QStringLiteral("panels %1").arg(r.index),
                                              QStringLiteral("PLRefreshItems 0 -1 0")}));
        EXPECT_EQ(rig.state.WindowMode, r.index);
        EXPECT_EQ(rig.state.ShiftConst[0], 2220);
        EXPECT_EQ(rig.state.ShiftConst[1], r.firstRow);
        EXPECT_EQ(rig.state.lblPLItemNo, r.rows);
        EXPECT_EQ(rig.state.lblPLpage, 0) << "every compact mode starts on the first page";
    }
}

// Back to the full mode: maximised on a desktop exactly 800 pixels wide,
// the full size otherwise; the time line's left end goes back.
TEST(WindowModeController, TheFullModeMaximisesOnlyOnAnEightHundredPixelDesktop) {
    const struct {
        QSize desktop;
        const char* window;
    } rows[] = {{{800, 600}, "maximize"}, {{1024, 768}, "normal 12000x8385"}, {{801, 600}, "normal 12000x8385"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.desktop.width());
        ModeRig rig;
        rig.screen.setSize(r.desktop);
        rig.modes.mnuZELMode_Click(2);
        rig.log.clear();
        rig.state.lblPLpage = 1;
        rig.modes.mnuZELMode_Click(0);
        EXPECT_EQ(rig.log, (QStringList{QString::fromLatin1(r.window), QStringLiteral("panels 0"),
                                              QStringLiteral("PLRefreshItems 0 -1 0")}));
        EXPECT_EQ(rig.state.WindowMode, 0);
        EXPECT_EQ(rig.state.ShiftConst[0], 5700);
        EXPECT_EQ(rig.state.ShiftConst[1], 1695) << "the page fields stay as they were";
        EXPECT_EQ(rig.state.lblPLpage, 1) << "the page fields stay as they were";
    }
}

// The menu leads from the full mode to either compact mode and from a
// compact mode only back to the full mode; a disabled entry does nothing.
TEST(WindowModeController, TheMenuNeverGoesFromOneCompactModeToTheOther) {
    ModeRig rig;
    const struct {
        int click;
        bool acts;
        const char* enabledAfter;  // entries 0, 1, 2
    } steps[] = {{0, false, "011"}, {1, true, "100"}, {2, false, "100"}, {0, true, "011"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "entry " << s.click << " from mode " << rig.state.WindowMode);
        rig.log.clear();
        rig.modes.mnuZELMode_Click(s.click);
        EXPECT_EQ(rig.log.isEmpty(), !s.acts);
        QString enabled;
        for (int i = 0; i < 3; ++i) enabled += rig.modes.entryEnabled(i) ? u'1' : u'0';
        EXPECT_EQ(enabled, QLatin1String(s.enabledAfter));
    }
}

class WindowModePlaylistTest : public PlaylistFixture {
protected:
    ModeLog log;
    LoggingModeWindow window{log};
    FakeScreen screen;
    WindowModeController modes{state, {info, playlist, window, screen}};
};

// While the scheduler plays entry 20 of 40, the simple mode opens on page 0;
// the scheduler's next song then turns the page label to the playing entry.
TEST_F(WindowModePlaylistTest, TheSimpleModeShowsPageZeroUntilTheSchedulerMovesThePage) {
    addEntries(makeSongs(40), 1000);
    refresh();
    playlist.scheduler().Start(1);
    state.PlayNextNo = 19;
    playlist.scheduler().tick();
    ASSERT_FALSE(starter.started.isEmpty());
    ASSERT_TRUE(starter.started.last().endsWith(QStringLiteral("/s20.mp3"))) << starter.started.last().toStdString();
    modes.EnterCompactMode(WindowMode::Simple);
    const QString page = playlist.display().pageText();
    EXPECT_TRUE(page.startsWith(QStringLiteral("  1. s1 "))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("  15. s15 "))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("20. s20"))) << page.toStdString();
    playlist.scheduler().tick();  // the song "ended": no device plays
    ASSERT_TRUE(starter.started.last().endsWith(QStringLiteral("/s21.mp3"))) << starter.started.last().toStdString();
    EXPECT_EQ(state.lblPLpage, 1);
    EXPECT_TRUE(playlist.display().pageText().startsWith(QStringLiteral("  16. s16 ")))
        << playlist.display().pageText().toStdString();
}

// Rows removed with Ctrl and the right button in the page view leave the
// hidden list box behind; the full mode shows it in step with the paths.
TEST_F(WindowModePlaylistTest, TheFullModeListMatchesThePathsAfterCompactModeRemovals) {
    addEntries(makeSongs(6));
    refresh();
    playlist.display().selectRow(5);
    modes.EnterCompactMode(WindowMode::LyricView);
    const double secondRowTwips = 15 + 180 + 90;
    playlist.events().pageMouseDown(Qt::RightButton, Qt::ControlModifier, secondRowTwips);
    playlist.events().pageMouseDown(Qt::RightButton, Qt::ControlModifier, secondRowTwips);
    ASSERT_EQ(playlist.entries().count(), 4);
    EXPECT_EQ(playlist.display().lines().count(), 6) << "the hidden list box is not rebuilt in the page view";
    modes.RestoreFullMode(WindowMode::LyricView);
    const QStringList lines = playlist.display().lines().lines();
    ASSERT_EQ(lines.size(), 4);
    const char* titles[] = {"s1", "s4", "s5", "s6"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("%1. %2 ").arg(i + 1).arg(QLatin1String(titles[i]))))
            << "line " << i << ": " << lines[i].toStdString();
    EXPECT_EQ(playlist.display().selectedRow(), 3) << "the selection falls back to the last line";
}

}  // namespace
