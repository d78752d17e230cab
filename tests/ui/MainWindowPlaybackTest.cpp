#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "app/PlayerAssembly.h"
#include "common/Twips.h"
#include "playback/FileHistMenu.h"
#include "playback/TransportPanel.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"

namespace {

struct MainWindowPlayback : ::testing::Test {
    FakeServices fakes;
    Frm_Main window{fakes.services};
    TempDir dir;
    PlayerAssembly& parts = window.assembly();

    QString status() { return control<QLineEdit>(QStringLiteral("txtState"))->text(); }
    QWidget* canvas() { return window.centralWidget(); }

    // 960,000 bytes: 128 Kbps over a minute.
    QString song(const QString& name) { return dir.writeFile(name, QByteArray(960000, 'x')); }
    template <typename T>
    T* control(const QString& name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
};

// A song on the command line plays through the song start; the tick draws
// its state, time and marker, and clicks on the time and volume lines arrive
// in line units (600 units of 30 ms; 15 units of volume are silence). A double
// click on the status line selects all of it, not one word.
TEST_F(MainWindowPlayback, CommandLineSongPlaysAndItsLinesFollowTicksAndClicks) {
    window.show();
    fakes.mci.answer(QStringLiteral("Status ZELSong length"), QStringLiteral("60000"));
    window.Form_Load(song(QStringLiteral("Blue Sky.wav")));
    EXPECT_TRUE(fakes.mci.commands().contains(QStringLiteral("Play ZELSong from 0")));
    EXPECT_EQ(status(), QStringLiteral("播放中...(Blue Sky)"));
    QTest::mouseDClick(control<QLineEdit>(QStringLiteral("txtState")), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtState"))->selectedText(), QStringLiteral("播放中...(Blue Sky)"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Blue Sky - Corvane Audio Player 2004 Quorvel \u03B5 Build 3311"));
    EXPECT_TRUE(parts.MMTimer().isRunning());
    EXPECT_EQ(parts.timers().intervalMs(QStringLiteral("MMTimer")), 500);

    fakes.mci.answer(QStringLiteral("Status ZELSong mode"), QStringLiteral("playing"));
    fakes.mci.answer(QStringLiteral("Status ZELSong position"), QStringLiteral("30000"));
    parts.transport().MMTimer_Timer();
    EXPECT_EQ(control<QLabel>(QStringLiteral("lblMMState"))->text(), QStringLiteral("Playing"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("lblMMTime"))->text(), QStringLiteral("0:30.00/1:00.00"));
    auto* marker = control<QWidget>(QStringLiteral("LinMMTimeBar"));
    EXPECT_EQ(marker->mapTo(canvas(), QPoint(marker->width() / 2, 0)).x(), Twips::toPx(5700 + 1000));

    fakes.mci.clear();
    auto* line = control<QWidget>(QStringLiteral("LinMMTimeLin"));
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(40, line->height() / 2));
    EXPECT_TRUE(fakes.mci.commands().contains(QStringLiteral("Play ZELSong from 18000")))
        << fakes.mci.commands().join(u'\n').toStdString();
    control<QToolButton>(QStringLiteral("lblVolSwt"))->click();
    auto* volume = control<QWidget>(QStringLiteral("LinMMVolLin"));
    EXPECT_TRUE(volume->isVisible());
    EXPECT_FALSE(control<QLabel>(QStringLiteral("lblMMState"))->isVisible());
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(1, volume->height() / 2));
    EXPECT_EQ(fakes.waveOut.volume(), 0u);
    EXPECT_EQ(control<QLabel>(QStringLiteral("lblMMQuality"))->text(), QStringLiteral("0%"));
}

TEST_F(MainWindowPlayback, RecentFilesMenuFollowsTheSongsAndStartsThem) {
    window.Form_Load(QString());
    FileHistMenu* menu = window.findChild<FileHistMenu*>();
    EXPECT_EQ(menu->entry(1)->text(), QStringLiteral("1. "));
    const QString a = song(QStringLiteral("a & b.wav"));
    const QString b = song(QStringLiteral("c.wav"));
    parts.songPlayer().SongStarted(a);
    parts.songPlayer().SongStarted(b);
    EXPECT_EQ(menu->entry(1)->text(), QStringLiteral("1. ") + b);
    EXPECT_EQ(menu->entry(2)->text(), QStringLiteral("2. ") + QString(a).replace(u'&', QStringLiteral("&&")));
    menu->entry(2)->trigger();
    EXPECT_EQ(parts.state().PSongLink, a);
}

// The transport panel sits in the middle column above the information area;
// its eight entries make up the Play menu, where 3 and 5 reach the playlist's
// scheduler.
TEST_F(MainWindowPlayback, TransportPanelFitsTheMiddleColumnAndMakesUpThePlayMenu) {
    window.Form_Load(QString());
    TransportPanel* panel = control<TransportPanel>(QStringLiteral("TransportPanel"));
    const QRect panelPx = panel->geometry();
    EXPECT_GE(panelPx.left(), Twips::toPx(3495));
    EXPECT_LE(panelPx.right(), Twips::toPx(8040));
    EXPECT_LE(panelPx.bottom(), Twips::toPx(1950));
    auto* line = control<QWidget>(QStringLiteral("LinMMTimeLin"));
    EXPECT_EQ(line->mapTo(canvas(), QPoint(0, 0)).x(), Twips::toPx(5700));
    EXPECT_EQ(line->width(), Twips::toPx(2000));
    for (int i = 0; i < 6; ++i) {
        auto* button = control<QToolButton>(QStringLiteral("cmdMMControl(%1)").arg(i));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull()) << "button " << i;
        EXPECT_TRUE(panel->rect().contains(button->geometry())) << "button " << i;
    }
    for (int i = 0; i < 8; ++i) {
        QAction* entry = panel->menuEntry(i);
        EXPECT_TRUE(window.menu(MainMenu::Play)->actions().contains(entry)) << "entry " << i;
    }
    panel->menuEntry(3)->trigger();
    EXPECT_EQ(status(), QStringLiteral("PlayList 內沒有歌曲項目."));
    panel->menuEntry(5)->trigger();
    EXPECT_EQ(status(), QStringLiteral("沒有PlayList播放中."));
}

}  // namespace
