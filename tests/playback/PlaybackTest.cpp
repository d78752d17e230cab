#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "MediaGen.h"
#include "PlaybackRig.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "platform/Clock.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/TransportPanel.h"

// Song start and the transport on the rig's fakes, then both on the real media engine.
namespace {

using namespace Qt::StringLiterals;

const QString kProgram = u"Corvane Audio Player"_s;
const QString kBuild = u" 2004 Quorvel \u03B5 Build 3311"_s;

// A start opens and plays the song from 0, leaves the software clock, files the song first among the recent files
// (only a new one redraws the menu) and loads its lyric while the lyric section is open. A path that is no file
// only says so: nothing reaches the device and the song playing goes on.
TEST(SongStarted, OpensPlaysAndFilesTheSongOrOnlyReportsAMissingOne) {
    PlaybackRig rig;
    int redraws = 0;
    rig.player.onFileHistChanged = [&] { ++redraws; };
    const QString path = rig.dir.writeFile(u"music/x.wav"_s, "x");
    rig.state.DoTimeAccumulate = true;
    rig.state.AccTimePos = 777;
    rig.player.SongStarted(path);
    EXPECT_EQ(rig.actions(), u"Close ZELSong | Open \""_s + path +
                                 u"\" Alias ZELSong | Set ZELSong time format milliseconds | Play ZELSong from 0"_s);
    EXPECT_TRUE(!rig.state.DoTimeAccumulate && rig.state.AccTimePos == 0) << "the software clock is left";
    EXPECT_TRUE(rig.state.PSongLink == path && rig.state.FileHist[1] == path);
    EXPECT_EQ(rig.state.PLyricLink, DataFolder::lyricsFolder() + u"x.lyr"_s);
    EXPECT_TRUE(rig.lyric.loads.empty()) << "the lyric section is closed";
    rig.fakes.mci.clear();
    const QString captionBefore = rig.caption.text;
    const struct { QString path, title; } missing[] = {
        {rig.dir.path(u"gone/Blue Sky.mp3"_s), u"Blue Sky"_s}, {QString(), QString()}, {u"   "_s, u"   "_s},
        {rig.dir.path(), GetFileTitle(rig.dir.path())},  // a folder is not a song
    };
    for (const auto& c : missing) {
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.status.status(), u"檔案不存在. ("_s + c.title + u")"_s) << c.path.toStdString();
    }
    EXPECT_TRUE(rig.fakes.mci.sent.isEmpty()) << rig.fakes.mci.commands().join(u'\n').toStdString();
    EXPECT_TRUE(rig.state.PSongLink == path && rig.caption.text == captionBefore && rig.timer.isEnabled());
    rig.player.SongStarted(path);
    EXPECT_EQ(redraws, 1) << "the same song again leaves the recent files";
    rig.lyric.open = true;
    rig.player.SongStarted(rig.dir.writeFile(u"b.wav"_s, "x"));
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(rig.lyric.loads, std::vector<qint32>{0});
}

// The bit rate rounds half to even (257 bytes over 16 ms are 128.5 bits a ms), a huge file does not overflow
// a 32-bit product, and a file the engine cannot open plays on without a length.
TEST(SongStarted, LengthAndBitRate) {
    const struct { const char* name; qint64 bytes; qint32 lengthMs; int openError; const char *quality, *length; }
    cases[] = {
        {"x.wav", 257, 16, 0, "128 Kbps", "0:00.01"},
        {"huge.wav", 300000000, 1000, 0, "2400000 Kbps", "0:01.00"},
        {"broken.wav", 9, 0, 296, "0 Kbps", "0:00.00"},
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        const QString path = rig.dir.writeFile(QString::fromUtf8(c.name), QByteArray());
        ASSERT_TRUE(QFile(path).resize(c.bytes)) << c.name;
        if (c.openError) rig.fakes.mci.answer(u"Open \""_s + path + u"\" Alias ZELSong"_s, QString(), c.openError);
        else rig.fakes.mci.answer(u"Status ZELSong length"_s, QString::number(c.lengthMs));
        rig.player.SongStarted(path);
        EXPECT_EQ(rig.display.qualityText(), QString::fromUtf8(c.quality)) << c.name;
        EXPECT_EQ(rig.state.PSongLenS, QString::fromUtf8(c.length)) << c.name;
        EXPECT_TRUE(rig.timer.isEnabled() && rig.status.status() == u"播放中...("_s + GetFileTitle(path) + u")"_s)
            << c.name << ": it plays";
    }
}

TEST(SongStarted, TheCaptionNamesTheSongByItsTagOrItsFile) {
    PlaybackRig rig;
    const QString tagged = rig.dir.writeFile(u"t.mp3"_s, QByteArray(1000, '\x55'));
    ASSERT_TRUE(WriteID3Tag(rig.fakes.dialogs, Id3::Append, tagged, u"A"_s, u"B"_s, u"C"_s, QString(), QString(), 0));
    const QString untagged = rig.dir.writeFile(u"plain.MP3"_s, QByteArray(1000, '\x55'));
    const QString quoted = u" \""_s + rig.dir.writeFile(u"Blue Sky.wav"_s, "x") + u"\" "_s;  // names the file inside
    const struct { QString path; quint8 direction; QString caption; } cases[] = {
        {tagged, 0, u"A ~ B ~ C - "_s + kProgram + kBuild},    {tagged, 1, u"A ~ B ~ C - "_s + kProgram + u" - "_s},
        {untagged, 0, u" - "_s + kProgram + kBuild},          {quoted, 2, u"Blue Sky - "_s + kProgram + u" - "_s},
    };
    for (const auto& c : cases) {
        rig.state.TitleDirection = c.direction;
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.caption.text, c.caption) << c.path.toStdString() << " direction " << int(c.direction);
    }
    EXPECT_TRUE(rig.fakes.dialogs.messages.isEmpty());
}

struct Transport : ::testing::Test {
    PlaybackRig rig;
    QString path = rig.startPlaying();
};

// The 500 ms tick; the caption scrolls only while playing, the end closes the song and clears the lyric line.
TEST(TransportTick, EachModeOfTheDevice) {
    const struct { const char *mode; qint32 lengthMs, positionMs; qint16 lineLeft; const char *stateText, *timeText;
                   int markerLeft; bool timerOn; } cases[] = {  // markerLeft -1: the marker stays
        {"playing", 60000, 30617, 5700, "Playing", "0:30.61/1:00.00", 5700 + 1021, true},  // 1020.57 units
        {"playing", 60000, 45, 2220, "Playing", "0:00.04/1:00.00", 2220 + 2, true},        // 1.5: half to even
        {"playing", 0, 1234, 5700, "Playing", "0:01.23/0:00.00", 5700, true},  // no length: no scale to divide by
        {"paused", 60000, 2500, 5700, "Paused", "0:02.50/1:00.00", -1, true},
        {"stopped", 60000, 2500, 5700, "Stopped", "1:00.00/1:00.00", 5700 + 2000, false},
        {"", 60000, 2500, 5700, "-", "-", -1, true},  // no device
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        rig.startPlaying(c.lengthMs);
        rig.state.ShiftConst[0] = c.lineLeft;
        rig.setMode(QString::fromUtf8(c.mode));
        rig.setPosition(c.positionMs);
        rig.display.setStateText(u"-"_s);
        rig.display.setTimeText(u"-"_s);
        rig.display.setTimeMarkerLeft(-1);
        rig.state.TitleDirection = 1;
        rig.caption.text = u"ab - "_s;
        rig.transport.MMTimer_Timer();
        const std::string name = "'" + std::string(c.mode) + "' at " + std::to_string(c.positionMs);
        EXPECT_EQ(rig.display.stateText(), QString::fromUtf8(c.stateText)) << name;
        EXPECT_EQ(rig.display.timeText(), QString::fromUtf8(c.timeText)) << name;
        EXPECT_EQ(rig.display.timeMarkerLeft(), c.markerLeft) << name;
        EXPECT_EQ(rig.timer.isEnabled(), c.timerOn) << name;
        EXPECT_EQ(rig.actions() == u"Close ZELSong"_s, !c.timerOn) << name;
        EXPECT_EQ(rig.lyric.clears, c.timerOn ? 0 : 1) << name;
        EXPECT_EQ(rig.caption.text, c.stateText == std::string("Playing") ? u"b - a"_s : u"ab - "_s) << name;
    }
}

// The software clock over a script of ticks; it starts just before midnight, so the first tick crosses it.
TEST_F(Transport, SoftwareClockCountsPlayingTimeTimesSpeed) {
    rig.fakes.clock.setTime(QTime(23, 59, 59, 800));
    rig.setPosition(10000);
    rig.transport.cmdMMControl_Click(TransportController::ApplySpeed);
    const struct { const char* mode; int speed, advanceMs; qint32 accTimePos; const char* stateText; } ticks[] = {
        {"playing", 2000, 500, 11000, "Playing × 2.0"},
        {"playing", 1500, 333, 11500, "Playing × 1.5"},  // 499.5, half to even
        {"paused", 1500, 10000, 11500, "Paused"},        // paused time does not count
        {"playing", 2000, 500, 12500, "Playing × 2.0"}, {"playing", 1000, 20000, 32500, "Playing × 1.0"},  // late
    };
    int step = 0;
    for (const auto& t : ticks) {
        rig.setMode(QString::fromUtf8(t.mode));
        rig.fakes.mci.answer(u"Status ZELSong speed"_s, QString::number(t.speed));
        rig.fakes.clock.advanceMs(t.advanceMs);
        rig.transport.MMTimer_Timer();
        EXPECT_EQ(rig.state.AccTimePos, t.accTimePos) << "tick " << step;
        EXPECT_EQ(rig.display.stateText(), QString::fromUtf8(t.stateText)) << "tick " << step++;
    }
    EXPECT_EQ(rig.display.timeText(), u"0:32.50/1:00.00"_s);
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 1083);  // 32500 / 30 = 1083.3
}

// The end leaves the software clock; then the time line opens the song again at the point, and play starts it anew.
TEST_F(Transport, AfterTheEndPlayStartsTheSongAgainAndTheTimeLineReopensItAtThePoint) {
    const QString reopen =
        u"Close ZELSong | Open \""_s + path + u"\" Alias ZELSong | Set ZELSong time format milliseconds | "_s;
    rig.state.DoTimeAccumulate = true;
    rig.setMode(u"stopped"_s);
    rig.transport.MMTimer_Timer();
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    rig.setMode(QString());
    rig.fakes.mci.clear();
    rig.transport.LinMMTimeLin_MouseDown(500);
    EXPECT_EQ(rig.actions(), reopen + u"Seek ZELSong to 15000 | Pause ZELSong"_s);
    EXPECT_TRUE(rig.status.status() == u"已設定歌曲起始時間為 0:15.00"_s && rig.timer.intervalMs() == 500);
    rig.fakes.mci.clear();  // the fake device still answers that no song is open
    rig.transport.cmdMMControl_Click(TransportController::Play);
    EXPECT_EQ(rig.actions(), reopen + u"Play ZELSong from 0"_s);
}

// What a button, a menu entry (with its box's answer) or a click on the time line at 1000.4 units sends, on the
// device or on the software clock; the device stands at 2.5 s, the clock at 10 s, the lyric section is open.
TEST_F(Transport, ControlsMoveTheDeviceOrTheClock) {
    using enum TransportController::Button;
    enum Via { ByButton, ByMenu, ByLine };
    const struct { Via via; int index; const char *answer, *mode; bool clock; const char* commands; qint32 accTimePos;
                   bool clockAfter; } cases[] = {
        {ByButton, Back4s, "", "playing", false, "Play ZELSong from -1500", 10000, false},  // not held at 0
        {ByButton, Back4s, "", "playing", true, "Play ZELSong from 6000", 6000, true},
        {ByButton, FromStart, "", "playing", true, "Play ZELSong from 0", 0, true},
        {ByButton, ApplySpeed, "", "playing", false, "Set ZELSong speed 2000 | Play ZELSong from 2500", 2500, true},
        {ByButton, ApplySpeed, "", "playing", true, "Set ZELSong speed 2000 | Play ZELSong from 10000", 10000, true},
        {ByButton, Play, "", "paused", true,
         "Seek ZELSong to 10000 | Pause ZELSong | Set ZELSong speed 1000 | Play ZELSong", 10000, false},
        {ByMenu, 0, "", "paused", false, "Play ZELSong", 10000, false},
        {ByMenu, 1, "", "playing", false, "Pause ZELSong", 10000, false},
        {ByMenu, 2, "", "playing", false, "Stop ZELSong", 10000, false},
        {ByMenu, 3, "", "playing", false, "", 10000, false}, {ByMenu, 5, "", "playing", false, "", 10000, false},
        {ByMenu, 6, "1:30.25", "playing", false, "Play ZELSong from 90250", 10000, false},
        {ByMenu, 6, "12.5", "playing", true, "Play ZELSong from 12050", 12050, true},
        {ByMenu, 6, "0:-1", "playing", true, "", 10000, true},  // before the start
        {ByMenu, 6, "", "playing", false, "", 10000, false},
        {ByMenu, 7, "1500", "playing", false, "Set ZELSong speed 1500 | Play ZELSong from 2500", 2500, true},
        {ByMenu, 7, "0", "playing", false, "", 10000, false},  // no speed, or one the device cannot play
        {ByMenu, 7, "-1000", "playing", false, "", 10000, false},
        {ByLine, 1000, "", "playing", false, "Play ZELSong from 30000", 10000, false},
        {ByLine, 1000, "", "playing", true, "Play ZELSong from 30000", 30000, true},
        {ByLine, 1000, "", "paused", false, "Seek ZELSong to 30000 | Pause ZELSong", 10000, false},
        {ByLine, 1000, "", "stopped", false, "", 10000, false},
    };
    rig.setPosition(2500);
    rig.lyric.open = true;
    rig.status.history.clear();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "via " << c.via << " #" << c.index << " '" << c.answer << "' " << c.mode
                                          << (c.clock ? ", clock on" : ""));
        rig.fakes.mci.clear();
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = 10000;
        rig.setMode(QString::fromUtf8(c.mode));
        rig.display.setTimeMarkerLeft(-1);
        rig.fakes.dialogs.inputAnswers = {QString::fromUtf8(c.answer)};
        if (c.via == ByButton) rig.transport.cmdMMControl_Click(c.index);
        if (c.via == ByMenu) rig.transport.mnuMMControl_Click(c.index);
        if (c.via == ByLine) rig.transport.LinMMTimeLin_MouseDown(c.index + 0.4);
        EXPECT_EQ(rig.actions(), QString::fromUtf8(c.commands));
        EXPECT_EQ(rig.state.AccTimePos, c.accTimePos);
        EXPECT_EQ(rig.state.DoTimeAccumulate, c.clockAfter);
        EXPECT_EQ(rig.display.timeMarkerLeft(), c.via == ByLine ? 5700 + 1000 : -1) << "only a click moves it";
    }
    EXPECT_EQ(rig.display.speedTag(), u"1500"_s) << "the speed accepted, not the ones refused after it";
    EXPECT_EQ(rig.lyric.loads, (std::vector<qint32>{30000, 30000})) << "the clicks while playing";
    EXPECT_EQ(rig.status.history, QStringList{u"已設定歌曲起始時間為 0:30.00"_s}) << "the click while paused";
    EXPECT_EQ(rig.fakes.dialogs.inputs.value(0).prompt, u"請輸入要跳至的歌曲時間(MM:SS.MS)\n歌曲長度: 1:00.00"_s);
    QList<int> playlist;  // the order each start asks for, -1 for a stop
    rig.transport.startPlaylist = [&](int order) { playlist.append(order); };
    rig.transport.stopPlaylist = [&] { playlist.append(-1); };
    for (int i : {3, 4, 5}) rig.transport.mnuMMControl_Click(i);
    EXPECT_EQ(playlist, (QList<int>{0, 1, -1})) << "entries 3 to 5, once there is a playlist";
}

// The slider shows the output level's left channel in place of the bit rate, which comes back when it closes.
TEST_F(Transport, VolumeSliderShowsTheOutputLevelInPlaceOfTheBitRate) {
    rig.fakes.waveOut.setVolume(0x1234C147u);  // left channel 75.5%
    rig.display.setQualityText(u"128 Kbps"_s);
    rig.transport.lblVolSwt_Click();
    EXPECT_TRUE(rig.display.volumeSliderShown() && rig.display.volumeUnits() == 755);
    EXPECT_EQ(rig.display.qualityText(), u"75.5%"_s);
    rig.transport.lblVolSwt_Click();
    EXPECT_TRUE(!rig.display.volumeSliderShown() && rig.display.qualityText() == u"128 Kbps"_s);
}

// The transport panel in a window of its own, on the real media engine and the real clock: what the main
// window does with a two-second song, without the rest. That a paused device holds its place is the engine's
// own test; here the resumed song goes on from the software clock's position.
TEST(RealEngine, DoubleSpeedPauseResumeAndTheSongEndsByItself) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    FakeServices fakes;
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, fakes.waveOut};
    PlaybackRig rig{&services};
    QWidget window;  // destroyed before the rig its panel draws
    const QString song = rig.dir.path(QStringLiteral("song.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{2000, 44100, 2}));
    new TransportPanel(rig.transport, rig.display, &window);
    window.show();
    const auto click = [&](int button) {
        window.findChild<QToolButton*>(QStringLiteral("cmdMMControl(%1)").arg(button))->click();
    };
    const auto waitForState = [&](const char* text) {
        return QTest::qWaitFor([&] { return rig.display.stateText() == QString::fromUtf8(text); }, 3000);
    };
    rig.player.SongStarted(song);
    EXPECT_NEAR(rig.state.PSongLenL, 2000, 30);
    ASSERT_TRUE(waitForState("Playing")) << rig.display.stateText().toStdString();
    click(TransportController::ApplySpeed);
    EXPECT_TRUE(rig.state.DoTimeAccumulate && rig.media.MMGetSpeed(QString()) == 2000);
    ASSERT_TRUE(waitForState("Playing × 2.0")) << rig.display.stateText().toStdString();
    click(TransportController::Pause);
    ASSERT_TRUE(waitForState("Paused")) << rig.display.stateText().toStdString();
    const qint32 clockPosition = rig.state.AccTimePos;
    click(TransportController::Play);
    EXPECT_TRUE(!rig.state.DoTimeAccumulate && rig.media.MMGetSpeed(QString()) == 1000) << "back on the device";
    EXPECT_NEAR(rig.media.MMGetPosition(QString()), clockPosition, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.status.status() == QStringLiteral("播放完畢!..(song)"); }, 6000))
        << rig.status.status().toStdString();
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(rig.display.timeText(), rig.state.PSongLenS + QLatin1Char('/') + rig.state.PSongLenS);
    EXPECT_EQ(rig.display.timeMarkerLeft(), rig.state.ShiftConst[0] + 2000) << "the marker at the line's end";
    EXPECT_TRUE(!rig.timer.isRunning() && rig.media.MMGetMode(QString()) == MultiMedia::kModeNone) << "closed";
}

}  // namespace
