#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "MediaGen.h"
#include "app/AppServices.h"
#include "app/PlayerAssembly.h"
#include "common/DataFolder.h"
#include "platform/mci/GstMciEngine.h"
#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"

namespace {

// The main window on the GStreamer engine: with the lyric section open, a
// three-second song with a six-line lyric shows each line in the middle of
// the viewer in turn, every 500 ms, and the display ends with the song.
TEST(LyricOnEngine, ThreeSecondSongShowsEachLineInTurnAndEnds) {
    FakeServices fakes;
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock,
                         fakes.screen,  engine,          fakes.waveOut,   fakes.files};
    TempDir dir;
    const QString song = dir.path(QStringLiteral("Six Lines.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{3000, 22050, 1}));
    QDir().mkpath(DataFolder::lyricsFolder());
    QFile lyric(DataFolder::lyricFileFor(QStringLiteral("Six Lines")));
    ASSERT_TRUE(lyric.open(QIODevice::WriteOnly));
    lyric.write("line 1\r\n\r\nline 2\r\nline 3\r\n  line 4  \r\nline 5\r\nline 6\r\n");
    lyric.close();

    Frm_Main window{services};
    window.show();
    auto* header = window.findChild<QLabel*>(QStringLiteral("lblLyricSwt"));
    auto* details = window.findChild<QLabel*>(QStringLiteral("lblLyricDetails"));
    ASSERT_NE(header, nullptr);
    ASSERT_NE(details, nullptr);
    QTest::mouseClick(header, Qt::LeftButton);
    ASSERT_TRUE(window.assembly().infoArea().isOpen(InfoSection::Lyric));

    LyricDisplay& display = window.assembly().lyricDisplay();
    window.assembly().options().mnuOptComboList2_Click(2);  // "沒有加速(原本速度)": DLSM 0
    window.assembly().songPlayer().SongStarted(song);
    EXPECT_EQ(display.LyricTimer().intervalMs(), 500);
    QStringList shown;
    const QString end = QStringLiteral("更新速率: 0 (ms)   行數: 6/6");
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && details->text() != end) {
        const QStringList lines = display.viewerText().split(QStringLiteral("\r\n"));
        if (lines.size() == 7 && (shown.isEmpty() || shown.last() != lines.at(3))) shown << lines.at(3);
        QTest::qWait(10);
    }
    EXPECT_EQ(shown, (QStringList{"line 1", "line 2", "line 3", "line 4", "line 5", "line 6"}));
    EXPECT_EQ(details->text(), end);
    EXPECT_FALSE(display.LyricTimer().isEnabled());
}

}  // namespace
