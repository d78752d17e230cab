#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <vector>

#include "MediaGen.h"
#include "app/AppState.h"
#include "common/DataFolder.h"
#include "common/IntervalTimer.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "platform/Clock.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/CaptionScroll.h"
#include "playback/FileHistory.h"
#include "playback/JumpTime.h"
#include "playback/LyricHook.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/PositionToTime.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "playback/TransportPanel.h"
#include "playback/VolumeScale.h"
#include "playback/WindowCaption.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

const QString kProgram = u"Corvane Audio Player"_s;
const QString kBuild = u" 2004 Quorvel \u03B5 Build 3311"_s;

struct FakeCaption final : WindowCaption {
    QString caption() const override { return text; }
    void setCaption(const QString& t) override { text = t; }
    QString text = kProgram + kBuild;
};

struct RecordingLyricHook final : LyricHook {
    bool lyricSectionOpen() const override { return open; }
    void LoadLyricFile(qint32 startMs) override { loads.push_back(startMs); }
    void clearLyricLine() override { ++clears; }
    bool open = false;
    std::vector<qint32> loads;  // (QList== of two empty int lists trips UBSan inside Qt)
    int clears = 0;
};

// Song start and the transport on fakes: the media engine answers from a
// script, the clock stands still until moved, dialogs answer from queues.
// Given `real` services, they run on those instead.
struct PlaybackRig {
    explicit PlaybackRig(AppServices* real = nullptr) : services(real ? *real : fakes.services) {}
    ~PlaybackRig() {  // a real song must not play on into the next test
        timer.set(0, false);
        media.MMClose(QString(), true);
    }

    FakeServices fakes;
    AppServices& services;
    AppState state;
    MultiMedia media{services.mci};
    RecordingStatusLine status;
    FakeCaption caption;
    TransportModel display;
    IntervalTimer timer;
    RecordingLyricHook lyric;
    TransportListeners listeners;
    PlaybackContext context{state,  services.dialogs, services.clock, services.waveOut, media,    status,
                            caption, display,         timer,          lyric,            listeners};
    SongPlayer player{context};
    FakePlaylistAccess playlist;
    TransportController transport{context, player, playlist};
    TempDir dir;

    // "Blue Sky", started and playing, its commands forgotten; at 60 s a unit of the time line is 30 ms.
    QString startPlaying(qint32 lengthMs = 60000) {
        const QString path = dir.writeFile(QStringLiteral("Blue Sky.wav"), "0123456789");
        fakes.mci.answer(QStringLiteral("Status ZELSong length"), QString::number(lengthMs));
        player.SongStarted(path);
        fakes.mci.clear();
        setMode(QStringLiteral("playing"));
        return path;
    }
    void setMode(const QString& word) { fakes.mci.answer(QStringLiteral("Status ZELSong mode"), word); }
    void setPosition(qint32 ms) { fakes.mci.answer(QStringLiteral("Status ZELSong position"), QString::number(ms)); }
    // Commands sent, without the status queries, joined by " | ".
    QString actions() const {
        QStringList list;
        for (const QString& c : fakes.mci.commands())
            if (!c.startsWith(QLatin1String("Status "))) list.append(c);
        return list.join(QStringLiteral(" | "));
    }
};

// A start opens and plays the song from 0, leaves the software clock, files the song first among the recent files
// and sets the transport timer going, also when the engine will not open the file (so the playlist moves on at its
// next tick): then the status line says it cannot be played, with the first line of the engine's reason.
TEST(SongStarted, OpensPlaysAndFilesTheSongAlsoWhenTheEngineRefusesIt) {
    PlaybackRig rig;
    rig.fakes.mci.errorTexts.insert(MciError::CannotPlay, u" 無法播放這個檔案。\r\n請檢查格式。"_s);
    const struct { const char* name; quint32 openCode; QString status; } cases[] = {
        {"letter.mp3", MciError::CannotPlay, u"無法播放. (letter) 無法播放這個檔案。"_s},
        {"x.wav", 0, u"播放中...(x)"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = rig.dir.writeFile(QString::fromUtf8(c.name), "x");
        rig.fakes.mci.answer(u"Open \""_s + path + u"\" Alias ZELSong"_s, QString(), c.openCode);
        rig.fakes.mci.clear();
        rig.timer.set(0, false);
        rig.state.DoTimeAccumulate = true;
        rig.state.AccTimePos = 777;
        rig.player.SongStarted(path);
        EXPECT_EQ(rig.actions(), u"Close ZELSong | Open \""_s + path + u"\" Alias ZELSong | "_s +
                                     u"Set ZELSong time format milliseconds | Play ZELSong from 0"_s);
        EXPECT_EQ(rig.status.status(), c.status);
        EXPECT_FALSE(rig.state.DoTimeAccumulate) << "the software clock is left";
        EXPECT_EQ(rig.state.AccTimePos, 0);
        EXPECT_EQ(rig.state.PSongLink, path);
        EXPECT_EQ(rig.state.FileHist[1], path);
        EXPECT_TRUE(rig.timer.isEnabled());
    }
    EXPECT_EQ(rig.state.PLyricLink, DataFolder::lyricsFolder() + u"x.lyr"_s);
}

// A path that is no file only says so: nothing reaches the device and the song playing goes on. Only a new song
// redraws the recent files; its lyric loads while the lyric section is open.
TEST(SongStarted, AMissingFileOnlySaysSoAndOnlyANewSongRedrawsTheRecentFiles) {
    PlaybackRig rig;
    const QString path = rig.startPlaying();
    int redraws = 0;
    QObject::connect(&rig.display, &TransportModel::fileHistChanged, [&] { ++redraws; });
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
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.caption.text, captionBefore);
    EXPECT_TRUE(rig.timer.isEnabled()) << "the song playing goes on";
    rig.player.SongStarted(path);
    EXPECT_EQ(redraws, 0) << "the same song again leaves the recent files";
    rig.lyric.open = true;
    rig.player.SongStarted(rig.dir.writeFile(u"b.wav"_s, "x"));
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(rig.lyric.loads, std::vector<qint32>{0});
}

// What a start shows of each file. The bit rate rounds half to even (257 bytes over 16 ms are 128.5 bits a ms), a
// huge file does not overflow a 32-bit product, and a song without a length has no rate. The caption names an MP3
// by its tag, any other file by its name.
TEST(SongStarted, BitRateLengthAndCaptionOfEachFile) {
    PlaybackRig rig;
    const struct { const char* name; qint64 bytes; qint32 lengthMs; const char *quality, *length; } cases[] = {
        {"unmeasured.wav", 9, 0, "0 Kbps", "0:00.00"},  // first, while the timer is still off
        {"x.wav", 257, 16, "128 Kbps", "0:00.01"},
        {"huge.wav", 300000000, 1000, "2400000 Kbps", "0:01.00"},
    };
    for (const auto& c : cases) {
        const QString path = rig.dir.writeFile(QString::fromUtf8(c.name), QByteArray());
        ASSERT_TRUE(QFile(path).resize(c.bytes)) << c.name;
        rig.fakes.mci.answer(u"Status ZELSong length"_s, QString::number(c.lengthMs));
        rig.player.SongStarted(path);
        EXPECT_EQ(rig.display.qualityText(), QString::fromUtf8(c.quality)) << c.name;
        EXPECT_EQ(rig.state.PSongLenS, QString::fromUtf8(c.length)) << c.name;
    }
    const QString tagged = rig.dir.writeFile(u"t.mp3"_s, QByteArray(1000, '\x55'));
    ASSERT_TRUE(WriteID3Tag(rig.fakes.dialogs, Id3::Append, tagged, u"A"_s, u"B"_s, u"C"_s, QString(), QString(), 0));
    const QString untagged = rig.dir.writeFile(u"plain.MP3"_s, QByteArray(1000, '\x55'));
    const QString quoted = u" \""_s + rig.dir.writeFile(u"Blue Sky.wav"_s, "x") + u"\" "_s;  // names the file inside
    const struct { QString path; quint8 direction; QString caption; } captions[] = {
        {tagged, 0, u"A ~ B ~ C - "_s + kProgram + kBuild},    {tagged, 1, u"A ~ B ~ C - "_s + kProgram + u" - "_s},
        {untagged, 0, u" - "_s + kProgram + kBuild},          {quoted, 2, u"Blue Sky - "_s + kProgram + u" - "_s},
    };
    for (const auto& c : captions) {
        rig.state.TitleDirection = c.direction;
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.caption.text, c.caption) << c.path.toStdString() << " direction " << int(c.direction);
    }
    EXPECT_TRUE(rig.fakes.dialogs.messages.isEmpty());
}

struct TransportControls : ::testing::Test {
    PlaybackRig rig;
    QString path = rig.startPlaying();
};

// The 500 ms tick; the caption scrolls only while playing, the end closes the song and clears the lyric line.
TEST(TransportTick, EachModeOfTheDevice) {
    const struct { const char *mode; qint32 lengthMs, positionMs; qint16 lineLeft; const char *stateText, *timeText;
                   int markerLeft; bool timerOn; } cases[] = {  // markerLeft -1: the marker stays
        {"playing", 60000, 75, 2220, "Playing", "0:00.07/1:00.00", 2220 + 2, true},  // 2.5 units: half to even
        {"playing", 0, 1234, 5700, "Playing", "0:01.23/0:00.00", 5700, true},  // no length: no scale to divide by
        {"paused", 60000, 2500, 5700, "Paused", "0:02.50/1:00.00", -1, true},
        {"stopped", 60000, 2500, 5700, "Stopped", "1:00.00/1:00.00", 5700 + 2000, false},
        {"", 60000, 2500, 5700, "", "0:00.00/1:00.00", -1, true},  // no device: the display as the start left it
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        rig.startPlaying(c.lengthMs);
        rig.state.ShiftConst[0] = c.lineLeft;
        rig.setMode(QString::fromUtf8(c.mode));
        rig.setPosition(c.positionMs);
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

// The software clock over a script of ticks; it starts just before midnight, so the first tick crosses it. The end
// leaves the clock; then the time line opens the song again at the point, and play starts it anew.
TEST_F(TransportControls, SoftwareClockCountsPlayingTimeTimesSpeedAndAfterTheEndTheSongOpensAgain) {
    rig.fakes.clock.setTime(QTime(23, 59, 59, 800));
    rig.setPosition(10000);
    rig.transport.cmdMMControl_Click(TransportController::ApplySpeed);
    const struct { const char* mode; int speed, advanceMs; qint32 accTimePos; const char* stateText; } ticks[] = {
        {"playing", 2000, 500, 11000, "Playing × 2.0"},
        {"playing", 1500, 331, 11496, "Playing × 1.5"},  // 496.5, half to even
        {"paused", 1500, 10000, 11496, "Paused"},        // paused time does not count
        {"playing", 2000, 500, 12496, "Playing × 2.0"}, {"playing", 1000, 20000, 32496, "Playing × 1.0"},  // late
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
    EXPECT_EQ(rig.display.timeText(), u"0:32.49/1:00.00"_s);
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 1083);  // 32496 / 30 = 1083.2
    rig.setMode(u"stopped"_s);
    rig.transport.MMTimer_Timer();
    EXPECT_FALSE(rig.state.DoTimeAccumulate) << "the end leaves the clock";
    const QString reopen =
        u"Close ZELSong | Open \""_s + path + u"\" Alias ZELSong | Set ZELSong time format milliseconds | "_s;
    rig.setMode(QString());
    rig.fakes.mci.clear();
    rig.transport.LinMMTimeLin_MouseDown(500);
    EXPECT_EQ(rig.actions(), reopen + u"Seek ZELSong to 15000 | Pause ZELSong"_s);
    EXPECT_EQ(rig.status.status(), u"已設定歌曲起始時間為 0:15.00"_s);
    EXPECT_EQ(rig.timer.intervalMs(), 500);
    rig.transport.cmdMMControl_Click(TransportController::Play);  // the fake device still answers that none is open
    EXPECT_EQ(rig.status.status(), u"播放中...(Blue Sky)"_s) << "a new start";
}

// What a button, a menu entry (with its box's answer) or a click on the time line at 1000.4 units sends, on the
// device or on the software clock; the device stands at 2.5 s, the clock at 10 s, the lyric section is open.
TEST_F(TransportControls, ControlsMoveTheDeviceOrTheClock) {
    using enum TransportController::Button;
    enum Via { ByButton, ByMenu, ByLine };
    const struct { Via via; int index; const char *answer, *mode; bool clock; const char* commands; qint32 accTimePos;
                   bool clockAfter; } cases[] = {
        {ByButton, Back4s, "", "playing", false, "Play ZELSong from -1500", 10000, false},  // not held at 0
        {ByButton, Back4s, "", "playing", true, "Play ZELSong from 6000", 6000, true},
        {ByButton, FromStart, "", "playing", true, "Play ZELSong from 0", 0, true},
        {ByButton, ApplySpeed, "", "playing", false, "Set ZELSong speed 2000 | Play ZELSong from 2500", 2500, true},
        {ByButton, ApplySpeed, "", "playing", true, "Set ZELSong speed 2000 | Play ZELSong from 10000", 10000, true},
        {ByMenu, 0, "", "paused", false, "Play ZELSong", 10000, false},
        {ByMenu, 1, "", "playing", false, "Pause ZELSong", 10000, false},
        {ByMenu, 2, "", "playing", false, "Stop ZELSong", 10000, false},
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
    for (int i : {3, 4, 5}) rig.transport.mnuMMControl_Click(i);
    EXPECT_EQ(rig.playlist.calls, (QStringList{u"Start 0"_s, u"Start 1"_s, u"Stop"_s})) << "entries 3 to 5";
}

TEST_F(TransportControls, VolumeSliderShowsTheLeftChannelInPlaceOfTheBitRateUntilItCloses) {
    rig.fakes.waveOut.setVolume(0x1234C147u);  // left channel 75.5%
    rig.display.setQualityText(u"128 Kbps"_s);
    rig.transport.lblVolSwt_Click();
    EXPECT_EQ(std::tuple(rig.display.volumeSliderShown(), rig.display.volumeUnits(), rig.display.qualityText()),
              std::tuple(true, 755, u"75.5%"_s));
    rig.transport.lblVolSwt_Click();
    EXPECT_EQ(std::tuple(rig.display.volumeSliderShown(), rig.display.qualityText()), std::tuple(false, u"128 Kbps"_s));
}

// Parts outside the panel (remote, console, media keys) drive the player through Transport: each call does what
// its button does, and every listener hears of song start, finish and each command, but not of a mere tick.
TEST_F(TransportControls, TheTransportSeamDrivesTheSameDecisionsAndTellsItsListeners) {
    struct Counter final : TransportListener {
        void transportChanged() override { ++count; }
        int count = 0;
    } heard;
    ::Transport& seam = rig.transport;
    seam.addListener(&heard);
    rig.setPosition(2500);
    const struct { const char* name; std::function<void()> call; const char* commands; int heard; } cases[] = {
        {"tick", [&] { rig.transport.MMTimer_Timer(); }, "", 0},
        {"seek 30 s", [&] { seam.seekTo(30000); }, "Play ZELSong from 30000", 1},
        {"pause while playing", [&] { seam.pause(); }, "Pause ZELSong", 1},
        {"pause while paused resumes", [&] { rig.setMode(u"paused"_s); seam.pause(); }, "Play ZELSong", 1},
        {"stop", [&] { seam.stop(); }, "Stop ZELSong", 1},
        {"speed refused", [&] { seam.setSpeed(0); }, "", 0},
        {"volume above the top", [&] { seam.setVolume(1500); }, "", 1},
        {"song starts again", [&] { rig.startPlaying(); }, "", 1},
        {"song ends", [&] { rig.setMode(u"stopped"_s); rig.transport.MMTimer_Timer(); }, "Close ZELSong", 1},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        if (QLatin1String(c.name) != QLatin1String("pause while paused resumes")) rig.setMode(u"playing"_s);
        heard.count = 0;
        c.call();
        EXPECT_EQ(rig.actions(), QString::fromUtf8(c.commands)) << c.name;
        EXPECT_EQ(heard.count, c.heard) << c.name;
    }
    EXPECT_EQ(seam.volume(), 1000) << "held to the top of the scale";
    EXPECT_EQ(rig.fakes.waveOut.volume(), 0xFFFFFFFFu) << "both channels";
    EXPECT_EQ(std::tuple(seam.songPath(), seam.lengthMs()), std::tuple(path, qint32{60000}));
    seam.removeListener(&heard);
    heard.count = 0;
    rig.startPlaying();
    EXPECT_EQ(heard.count, 0) << "a removed listener hears nothing";
}

// The transport panel in a window of its own, on the real media engine and the real clock: what the main
// window does with a two-second song, without the rest. That a paused device holds its place is the engine's
// own test; here the resumed song goes on from the software clock's position.
TEST(RealEngine, DoubleSpeedPauseResumeAndTheSongEndsByItself) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    FakeServices fakes;
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppServices services{fakes.dialogs, fakes.clipboard, fakes.launcher, clock, fakes.screen, engine, fakes.waveOut, fakes.files};
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
    EXPECT_EQ(std::tuple(rig.state.DoTimeAccumulate, rig.media.MMGetSpeed(QString())), std::tuple(true, qint16{2000}));
    ASSERT_TRUE(waitForState("Playing × 2.0")) << rig.display.stateText().toStdString();
    click(TransportController::Pause);
    ASSERT_TRUE(waitForState("Paused")) << rig.display.stateText().toStdString();
    const qint32 clockPosition = rig.state.AccTimePos;
    click(TransportController::Play);
    EXPECT_EQ(std::tuple(rig.state.DoTimeAccumulate, rig.media.MMGetSpeed(QString())), std::tuple(false, qint16{1000}))
        << "back on the device";
    EXPECT_NEAR(rig.media.MMGetPosition(QString()), clockPosition, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.status.status() == QStringLiteral("播放完畢!..(song)"); }, 6000))
        << rig.status.status().toStdString();
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(rig.display.timeText(), rig.state.PSongLenS + QLatin1Char('/') + rig.state.PSongLenS);
    EXPECT_EQ(rig.display.timeMarkerLeft(), rig.state.ShiftConst[0] + 2000) << "the marker at the line's end";
    EXPECT_FALSE(rig.timer.isRunning());
    EXPECT_EQ(rig.media.MMGetMode(QString()), MultiMedia::kModeNone) << "closed";
}

TEST(PositionToTime, CutsEveryPartAndNeverWidensMinutes) {
    const struct { qint32 ms; bool hundredths; const char* text; } cases[] = {
        {61234, true, "1:01.23"}, {61234, false, "1:01"}, {0, true, "0:00.00"}, {599999, true, "9:59.99"},
        {4500000, false, "75:00"}, {-61234, true, "-1:01.23"}, {-4000, false, "-0:04"}, {-5, true, "0:00.00"},
        {-500, false, "0:00"}, {INT32_MAX, true, "35791:23.64"}, {INT32_MIN, true, "-35791:23.64"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionToTime(c.ms, c.hundredths), QString::fromUtf8(c.text))
            << c.ms << (c.hundredths ? " with" : " without") << " hundredths";
}

// The list after each add, newest first, from ten songs 1..10.
TEST(FileHistory, NewestFirstAndTheEleventhDropsTheOldest) {
    const auto listOf = [](const std::vector<int>& newestFirst) {
        FileHistory::List list;
        for (size_t i = 0; i < newestFirst.size(); ++i) list[i + 1] = u"/m/%1.mp3"_s.arg(newestFirst[i]);
        return list;
    };
    FileHistory::List list;
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(FileHistory::add(list, u"/m/%1.mp3"_s.arg(i))) << i;
    const struct { int added; bool changed; std::vector<int> after; } steps[] = {
        {10, false, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},  // the newest again changes nothing
        {11, true, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}},  // the oldest falls out
        {5, true, {5, 11, 10, 9, 8, 7, 6, 5, 4, 3}},   // an older entry comes first and stays below
    };
    for (const auto& step : steps) {
        EXPECT_EQ(FileHistory::add(list, u"/m/%1.mp3"_s.arg(step.added)), step.changed) << "adding " << step.added;
        EXPECT_EQ(list, listOf(step.after)) << "adding " << step.added;
    }
}

TEST(JumpTime, AnswersInEveryForm) {
    const struct { const char* answer; std::optional<qint32> ms; } cases[] = {
        {"90", 90000}, {"1:30.25", 90250}, {"12.5", 12050}, {"0:00.01", 10}, {"75:00", 4500000}, {" 2:05", 125000},
        {"abc", 0}, {"1:x", 60000}, {"-5", -5000}, {"0:-10", -10000}, {"", std::nullopt},
        {"40000", std::nullopt}, {"1.5:30", 120000},  // beyond 16 bits; minutes round half to even, no "." after ":"
    };
    for (const auto& c : cases) EXPECT_EQ(parseJumpTime(QString::fromUtf8(c.answer)), c.ms) << c.answer;
}

TEST(VolumeScale, ClicksSnapAtTheEndsAndSetBothChannels) {
    const struct { double x; int units; quint32 level; const char* percent; } cases[] = {
        {20, 0, 0u, "0%"}, {24.4, 0, 0u, "0%"}, {25, 25, 0x06660666u, "2.5%"}, {755, 755, 0xC147C147u, "75.5%"},
        {950, 950, 0xF332F332u, "95%"}, {960, 1000, 0xFFFFFFFFu, "100%"}, {1e12, 1000, 0xFFFFFFFFu, "100%"},
    };
    for (const auto& c : cases) {
        const int v = VolumeScale::unitsFromClick(c.x);
        EXPECT_EQ(v, c.units) << "x " << c.x;
        EXPECT_EQ(VolumeScale::levelFromUnits(v), c.level) << "x " << c.x;
        EXPECT_EQ(VolumeScale::unitsFromLevel(c.level), c.units) << "x " << c.x;
        EXPECT_EQ(VolumeScale::percentText(v), QString::fromUtf8(c.percent)) << "x " << c.x;
    }
}

TEST(CaptionScroll, MovesOneCharacterPerStep) {
    const struct { const char16_t* caption; quint8 direction; const char16_t* scrolled; } cases[] = {
        {u"Blue Sky - ", 1, u"lue Sky - B"}, {u"Blue Sky - ", 2, u" Blue Sky -"}, {u"Blue Sky - ", 0, u"Blue Sky - "},
        {u"Blue Sky - ", 3, u"Blue Sky - "}, {u"藍天 - ", 1, u"天 - 藍"}, {u"😀ab", 1, u"ab😀"}, {u"ab😀", 2, u"😀ab"},
        {u"", 1, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scrollCaption(QString::fromUtf16(c.caption), c.direction), QString::fromUtf16(c.scrolled))
            << QString::fromUtf16(c.caption).toStdString() << " direction " << int(c.direction);
}

}  // namespace
