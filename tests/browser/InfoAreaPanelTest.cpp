#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "InfoAreaWorld.h"
#include "browser/InfoAreaPanel.h"
#include "common/Twips.h"
#include "lyrics/LyricDisplay.h"
#include "support/FakeSongDevice.h"
#include "support/QStringPrinter.h"
#include "ui/widgets/ClickLabel.h"

namespace {

class InfoAreaPanelTest : public ::testing::Test, protected InfoAreaWorld {
protected:
    InfoAreaPanelTest() {
        canvas.resize(Twips::toPx(QSize(12000, 8385)));
        canvas.show();
    }
    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = canvas.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // A lyric of six lines for a 60-second song that plays at 10 s.
    void playSongWithLyric() {
        writeLyric(QStringLiteral("Song"), "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\n");
        state.PLyricLink = DataFolder::lyricFileFor(QStringLiteral("Song"));
        state.PSongLenL = 60000;
        song.mode = 1;
        song.positionMs = 10000;
    }

    FakeSongDevice song;
    LyricDisplay lyric{state, status, info, song};
    QWidget canvas;
    ClickLabel* dirDetails = new ClickLabel(&canvas);
    InfoAreaPanel* panel = new InfoAreaPanel(&canvas, info, lyric, dirDetails, &canvas);
};

// Header clicks open one section at a time: its contents show, the headers
// below move, the other section's contents hide. Clicks on the contents and
// on the browser's folder details reach the logic.
TEST_F(InfoAreaPanelTest, HeadersShowOneSectionAndForwardClicks) {
    QTest::mouseClick(control("lblDetailsSwt"), Qt::LeftButton);
    EXPECT_TRUE(control("lblFileDetails")->isVisible());
    EXPECT_FALSE(control("lblLyricViewer")->isVisible());
    EXPECT_EQ(control("lblLyricSwt")->pos(), Twips::toPx(QPoint(3660, 4950)));
    const QRect frame = control("rFrame1")->geometry();
    EXPECT_EQ(std::pair(frame.top(), frame.height()), std::pair(Twips::toPx(1560), Twips::toPx(3255)));

    QTest::mouseClick(control("lblLyricSwt"), Qt::LeftButton);
    EXPECT_FALSE(control("lblFileDetails")->isVisible());
    EXPECT_TRUE(control("lblLyricViewer")->isVisible());
    EXPECT_TRUE(control("cmdLyricPos(1)")->isVisible());
    EXPECT_EQ(control("lblLyricSwt")->pos(), Twips::toPx(QPoint(3660, 1950)));

    QTest::mouseClick(dirDetails, Qt::RightButton);
    EXPECT_EQ(launcher.openedPaths, QStringList{browser.folder}) << "the folder details forward their button";

    playSongWithLyric();
    lyric.LoadLyricFile(0);
    EXPECT_TRUE(control<QLabel>("lblLyricViewer")->text().contains(QStringLiteral("<b>one</b>")));
    QTest::mouseClick(control("lblLyricViewer"), Qt::LeftButton);
    EXPECT_TRUE(control<QLabel>("lblLyricViewer")->text().contains(QStringLiteral("<b>two</b>")));
    control<QPushButton>("cmdLyricPos(0)")->click();
    EXPECT_TRUE(control<QLabel>("lblLyricViewer")->text().contains(QStringLiteral("<b>one</b>")));
    EXPECT_EQ(control<QLabel>("lblLyricDetails")->text(), QStringLiteral("更新速率: 10000 (ms) [0] 行數: 1/6"));
}

// Entering the lyric-viewing mode while a song plays and the lyric timer is
// idle loads and shows its lyric at once, at the viewer's compact place;
// the full mode puts the lyric header back and stops the display. The
// simple mode hides the header, and the full mode shows it again.
TEST_F(InfoAreaPanelTest, WindowModesMoveTheLyricSection) {
    playSongWithLyric();
    panel->applyWindowMode(WindowMode::LyricView);
    EXPECT_TRUE(lyric.LyricTimer().isEnabled());
    EXPECT_EQ(status.status(), QStringLiteral("動態化歌詞列已從歌詞檔內的第2行插播."));
    EXPECT_TRUE(control<QLabel>("lblLyricViewer")->text().contains(QStringLiteral("<b>three</b>")));
    EXPECT_TRUE(lyric.lyricSectionOpen());
    const struct {
        const char* name;
        QPoint twips;
        bool visible;
    } compact[] = {{"lblLyricSwt", {240, 1560}, true},
                   {"lblLyricDetails", {1440, 1560}, true},
                   {"lblLyricViewer", {240, 1800}, true},
                   {"lblDetailsSwt", {}, false},
                   {"lblInternetSwt", {}, false},
                   {"rFrame1", {}, false},
                   {"rFrame4", {}, false},
                   {"cmdLyricPos(0)", {}, false}};
    for (const auto& row : compact) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control(row.name)->isVisible(), row.visible);
        if (row.visible) {
            EXPECT_EQ(control(row.name)->pos(), Twips::toPx(row.twips));
        }
    }
    EXPECT_FALSE(control("lblLyricSwt")->isEnabled());

    // Already running: a second entry does not reload.
    status.history.clear();
    panel->applyWindowMode(WindowMode::LyricView);
    EXPECT_TRUE(status.history.isEmpty());

    panel->applyWindowMode(WindowMode::Full);
    EXPECT_EQ(control("lblLyricSwt")->pos(), Twips::toPx(QPoint(3660, 1950)));
    EXPECT_TRUE(control("lblLyricSwt")->isEnabled());
    EXPECT_FALSE(lyric.lyricSectionOpen());
    EXPECT_FALSE(control("lblLyricViewer")->isVisible());
    EXPECT_EQ(std::pair(lyric.LyricTimer().intervalMs(), lyric.LyricTimer().isEnabled()), std::pair(0, false));
    EXPECT_EQ(control("lblLyricViewer")->pos(), Twips::toPx(QPoint(3720, 2160)));
    EXPECT_EQ(control("lblLyricDetails")->pos(), Twips::toPx(QPoint(4920, 1950)));

    panel->applyWindowMode(WindowMode::Simple);
    EXPECT_FALSE(control("lblLyricSwt")->isVisible());
    EXPECT_FALSE(lyric.LyricTimer().isEnabled()) << "the simple mode loads no lyric";
    panel->applyWindowMode(WindowMode::Full);
    EXPECT_TRUE(control("lblLyricSwt")->isVisible());
    EXPECT_TRUE(control("rFrame2")->isVisible());
}

}  // namespace
