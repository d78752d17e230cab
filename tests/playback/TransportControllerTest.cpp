#include <gtest/gtest.h>

#include "PlaybackRig.h"

namespace {

using namespace Qt::StringLiterals;

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
    rig.setSpeed(2000);
    rig.setPosition(10000);
    rig.transport.cmdMMControl_Click(TransportController::ApplySpeed);
    EXPECT_TRUE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.actions(), u"Set ZELSong speed 2000 | Play ZELSong from 10000"_s);
    const struct { const char* mode; int speed, advanceMs; qint32 accTimePos; const char* stateText; } ticks[] = {
        {"playing", 2000, 500, 11000, "Playing × 2.0"}, {"playing", 2000, 500, 12000, "Playing × 2.0"},
        {"playing", 1500, 333, 12500, "Playing × 1.5"},  // 499.5, half to even
        {"paused", 1500, 10000, 12500, "Paused"},        // paused time does not count
        {"paused", 1500, 10000, 12500, "Paused"},       {"playing", 2000, 500, 13500, "Playing × 2.0"},
        {"playing", 1000, 20000, 33500, "Playing × 1.0"},  // a late tick
    };
    int step = 0;
    for (const auto& t : ticks) {
        rig.setMode(QString::fromUtf8(t.mode));
        rig.setSpeed(t.speed);
        rig.fakes.clock.advanceMs(t.advanceMs);
        rig.transport.MMTimer_Timer();
        EXPECT_EQ(rig.state.AccTimePos, t.accTimePos) << "tick " << step;
        EXPECT_EQ(rig.display.stateText(), QString::fromUtf8(t.stateText)) << "tick " << step++;
    }
    EXPECT_EQ(rig.display.timeText(), u"0:33.50/1:00.00"_s);
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 1117);  // 33500 / 30 = 1116.7
    rig.fakes.mci.clear();
    rig.transport.cmdMMControl_Click(TransportController::Play);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.actions(), u"Seek ZELSong to 33500 | Pause ZELSong | Set ZELSong speed 1000 | Play ZELSong"_s);
}

// Play, pause, stop and the speed button are seen by the menu and clock tests.
TEST_F(Transport, BackAndFromStartFollowTheDeviceOrTheClock) {
    const struct { int button; bool clock; qint32 position; const char* commands; qint32 accTimePos; } cases[] = {
        {TransportController::Back4s, false, 9000, "Play ZELSong from 5000", 0},
        {TransportController::Back4s, false, 2500, "Play ZELSong from -1500", 0},
        {TransportController::Back4s, true, 0, "Play ZELSong from 6000", 6000},
        {TransportController::FromStart, true, 0, "Play ZELSong from 0", 0},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = c.clock ? 10000 : 0;
        rig.setPosition(c.position);
        rig.transport.cmdMMControl_Click(c.button);
        const std::string name = "button " + std::to_string(c.button) + (c.clock ? " clock on" : "");
        EXPECT_EQ(rig.actions(), QString::fromUtf8(c.commands)) << name;
        EXPECT_EQ(rig.state.AccTimePos, c.accTimePos) << name;
    }
}

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
    EXPECT_EQ(rig.status.status(), u"已設定歌曲起始時間為 0:15.00"_s);
    EXPECT_EQ(rig.timer.intervalMs(), 500);
    rig.timer.set(0, false);
    rig.fakes.mci.clear();  // the fake device still answers that no song is open
    rig.transport.cmdMMControl_Click(TransportController::Play);
    EXPECT_EQ(rig.actions(), reopen + u"Play ZELSong from 0"_s);
    EXPECT_EQ(rig.status.status(), u"播放中...(Blue Sky)"_s);
    EXPECT_TRUE(rig.timer.isEnabled());
}

// The jump (entry 6) and speed (entry 7) boxes: what a target or a speed does and what is ignored.
TEST_F(Transport, MenuAnswers) {
    const struct { int entry; const char* answer; bool clock; const char* commands; qint32 accTimePos; } cases[] = {
        {6, "1:30.25", false, "Play ZELSong from 90250", 777}, {6, "12.5", true, "Play ZELSong from 12050", 12050},
        {6, "-3", false, "", 777}, {6, "0:-1", true, "", 777},  // before the start
        {6, "", false, "", 777},   {7, "0", false, "", 777},     // no speed, or one the device cannot play
        {7, "fast", false, "", 777}, {7, "-1000", false, "", 777},
        {7, "1500", false, "Set ZELSong speed 1500 | Play ZELSong from 4000", 4000},
    };
    rig.setPosition(4000);
    for (const auto& c : cases) {
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = 777;
        rig.fakes.mci.clear();
        rig.fakes.dialogs.inputAnswers.push_back(QString::fromUtf8(c.answer));
        rig.transport.mnuMMControl_Click(c.entry);
        const std::string name = std::to_string(c.entry) + " '" + c.answer + "'";
        EXPECT_EQ(rig.actions(), QString::fromUtf8(c.commands)) << name;
        EXPECT_EQ(rig.state.AccTimePos, c.accTimePos) << name;
        EXPECT_EQ(rig.display.speedTag(), c.entry == 7 && *c.commands ? u"1500"_s : u"2000"_s) << name;
    }
    EXPECT_TRUE(rig.state.DoTimeAccumulate) << "a new speed runs on the software clock";
    EXPECT_EQ(rig.fakes.dialogs.inputs.value(0).prompt, u"請輸入要跳至的歌曲時間(MM:SS.MS)\n歌曲長度: 1:00.00"_s);
}

TEST_F(Transport, MenuEntriesReachTheButtonsAndThePlaylist) {
    for (int i : {0, 1, 2, 3, 4, 5}) rig.transport.mnuMMControl_Click(i);  // no playlist yet
    EXPECT_EQ(rig.actions(), u"Play ZELSong | Pause ZELSong | Stop ZELSong"_s);
    QList<int> starts;
    int stops = 0;
    rig.transport.startPlaylist = [&](int order) { starts.append(order); };
    rig.transport.stopPlaylist = [&] { ++stops; };
    for (int i : {3, 4, 5}) rig.transport.mnuMMControl_Click(i);
    EXPECT_EQ(starts, (QList<int>{0, 1}));
    EXPECT_EQ(stops, 1);
}

TEST_F(Transport, TimeLineClicksByMode) {
    rig.lyric.open = true;
    const struct { const char* mode; bool clock; const char *commands, *status; std::vector<qint32> loads; } cases[] = {
        {"playing", false, "Play ZELSong from 30000", "", {30000}},
        {"playing", true, "Play ZELSong from 30000", "", {30000}},
        {"paused", false, "Seek ZELSong to 30000 | Pause ZELSong", "已設定歌曲起始時間為 0:30.00", {}},
        {"stopped", false, "", "", {}},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.status.history.clear();
        rig.lyric.loads.clear();
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = 0;
        rig.setMode(QString::fromUtf8(c.mode));
        rig.transport.LinMMTimeLin_MouseDown(1000.4);
        const std::string name = c.mode + std::string(c.clock ? " clock on" : "");
        EXPECT_EQ(rig.display.timeMarkerLeft(), 6700) << name;
        EXPECT_EQ(rig.actions(), QString::fromUtf8(c.commands)) << name;
        EXPECT_EQ(rig.status.status(), QString::fromUtf8(c.status)) << name;
        EXPECT_EQ(rig.lyric.loads, c.loads) << name;
        EXPECT_EQ(rig.state.AccTimePos, c.clock ? 30000 : 0) << name;
    }
}

// Where a click lands has its own table; here the slider's round trip through the output level.
TEST_F(Transport, VolumeSliderReadsAndSetsTheOutputLevel) {
    rig.fakes.waveOut.setVolume(0x1234C147u);  // left channel 75.5%
    rig.display.setQualityText(u"128 Kbps"_s);
    rig.transport.lblVolSwt_Click();
    EXPECT_TRUE(rig.display.volumeSliderShown());
    EXPECT_EQ(rig.display.volumeUnits(), 755);
    EXPECT_EQ(rig.display.qualityText(), u"75.5%"_s);
    rig.transport.LinMMVolLin_MouseDown(960);
    EXPECT_EQ(rig.fakes.waveOut.volume(), 0xFFFFFFFFu);
    EXPECT_EQ(rig.display.qualityText(), u"100%"_s);
    rig.transport.lblVolSwt_Click();
    EXPECT_FALSE(rig.display.volumeSliderShown());
    EXPECT_EQ(rig.display.qualityText(), u"128 Kbps"_s);
}

}  // namespace
