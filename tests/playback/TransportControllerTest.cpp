#include <gtest/gtest.h>

#include "PlaybackRig.h"

namespace {

// A song of 60 s is loaded: 30 ms per unit of the time line.
struct Transport : ::testing::Test {
    PlaybackRig rig;
    QString path;
    void SetUp() override {
        path = rig.startSong(QStringLiteral("Blue Sky.wav"), 10, 60000);
        rig.setMode(QStringLiteral("playing"));
    }
};

TEST_F(Transport, PlayingTickShowsThePositionAndMovesTheMarker) {
    rig.setPosition(61234 / 2);
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Playing"));
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:30.61/1:00.00"));
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 1021);  // 30617 / 30 = 1020.57
    rig.state.ShiftConst[0] = 2220;  // a compact window mode
    rig.setPosition(45);             // 1.5 units: halves go to even
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.timeMarkerLeft(), 2220 + 2);
}

TEST_F(Transport, TheCaptionScrollsOnlyWhilePlaying) {
    rig.state.TitleDirection = 1;
    rig.caption.text = QStringLiteral("ab - ");
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.caption.text, QStringLiteral("b - a"));
    rig.state.TitleDirection = 2;
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.caption.text, QStringLiteral("ab - "));
    rig.state.TitleDirection = 3;
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.caption.text, QStringLiteral("ab - "));
    rig.state.TitleDirection = 1;
    rig.setMode(QStringLiteral("paused"));
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.caption.text, QStringLiteral("ab - "));
}

TEST_F(Transport, TheEndShowsTheLengthTwiceThenFinishes) {
    rig.setMode(QStringLiteral("stopped"));
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("1:00.00/1:00.00"));
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 2000);
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放完畢!..(Blue Sky)"));
    EXPECT_FALSE(rig.timer.isEnabled());
    EXPECT_TRUE(rig.actions().contains(QStringLiteral("Close ZELSong")));
}

TEST_F(Transport, NoDeviceChangesNothing) {
    rig.setMode(QString());
    rig.display.setTimeText(QStringLiteral("unchanged"));
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("unchanged"));
    EXPECT_TRUE(rig.actions().isEmpty());
}

TEST_F(Transport, ASongWithoutLengthKeepsTheMarkerAtTheStart) {
    rig.startSong(QStringLiteral("empty.wav"), 10, 0);
    rig.setMode(QStringLiteral("playing"));
    rig.setPosition(1234);
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700);
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:01.23/0:00.00"));
}

TEST_F(Transport, SoftwareClockAdvancesByElapsedTimesSpeed) {
    rig.setSpeed(2000);
    rig.setPosition(10000);
    rig.transport.cmdMMControl_Click(TransportController::ApplySpeed);
    EXPECT_TRUE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.actions(), (QStringList{QStringLiteral("Set ZELSong speed 2000"), QStringLiteral("Play ZELSong from 10000")}));
    for (qint32 expected : {11000, 12000}) {
        rig.fakes.clock.advanceMs(500);
        rig.transport.MMTimer_Timer();
        EXPECT_EQ(rig.state.AccTimePos, expected);
        EXPECT_EQ(rig.display.stateText(), QStringLiteral("Playing × 2.0"));
    }
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:12.00/1:00.00"));
    EXPECT_EQ(rig.display.timeMarkerLeft(), 5700 + 400);

    rig.setSpeed(1500);
    rig.fakes.clock.advanceMs(333);
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.state.AccTimePos, 12000 + 500);  // 333 x 1.5 = 499.5, half to even
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Playing × 1.5"));
}

TEST_F(Transport, SoftwareClockSurvivesMidnightAndLongGaps) {
    rig.state.DoTimeAccumulate = true;
    rig.setSpeed(2000);
    rig.fakes.clock.setTime(QTime(23, 59, 59, 800));
    rig.player.MMSetNewPos(1000, false, false);
    rig.fakes.clock.advanceMs(500);  // 00:00:00.300 the next day
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.state.AccTimePos, 2000);
    rig.fakes.clock.advanceMs(40000);  // a tick far later than usual
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.state.AccTimePos, 82000);
}

TEST_F(Transport, PausedWithTheClockOnHoldsThePositionThenPlayResumesAtIt) {
    rig.setSpeed(2000);
    rig.setPosition(5000);
    rig.transport.cmdMMControl_Click(TransportController::ApplySpeed);
    rig.fakes.clock.advanceMs(500);
    rig.transport.MMTimer_Timer();
    ASSERT_EQ(rig.state.AccTimePos, 6000);

    rig.setMode(QStringLiteral("paused"));
    for (int i = 0; i < 5; ++i) {
        rig.fakes.clock.advanceMs(10000);
        rig.transport.MMTimer_Timer();
        EXPECT_EQ(rig.display.stateText(), QStringLiteral("Paused"));
        EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:06.00/1:00.00"));
    }
    EXPECT_EQ(rig.state.AccTimePos, 6000);

    rig.fakes.mci.clear();
    rig.transport.cmdMMControl_Click(TransportController::Play);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.actions(), (QStringList{QStringLiteral("Seek ZELSong to 6000"), QStringLiteral("Pause ZELSong"),
                                          QStringLiteral("Set ZELSong speed 1000"), QStringLiteral("Play ZELSong")}));
}

TEST_F(Transport, PausedWithTheClockOffShowsTheDevicePosition) {
    rig.setMode(QStringLiteral("paused"));
    rig.setPosition(2500);
    rig.transport.MMTimer_Timer();
    EXPECT_EQ(rig.display.stateText(), QStringLiteral("Paused"));
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:02.50/1:00.00"));
}

TEST_F(Transport, ButtonsSendTheirCommands) {
    const struct {
        int button;
        bool clock;
        qint32 position;
        QStringList commands;
        qint32 accTimePos;
    } cases[] = {
        {TransportController::Play, false, 0, {QStringLiteral("Play ZELSong")}, 0},
        {TransportController::Pause, false, 0, {QStringLiteral("Pause ZELSong")}, 0},
        {TransportController::Stop, false, 0, {QStringLiteral("Stop ZELSong")}, 0},
        {TransportController::Back4s, false, 9000, {QStringLiteral("Play ZELSong from 5000")}, 0},
        {TransportController::Back4s, false, 2500, {QStringLiteral("Play ZELSong from -1500")}, 0},
        {TransportController::Back4s, true, 0, {QStringLiteral("Play ZELSong from 6000")}, 6000},
        {TransportController::ApplySpeed, true, 0,
         {QStringLiteral("Set ZELSong speed 2000"), QStringLiteral("Play ZELSong from 10000")}, 10000},
        {TransportController::FromStart, false, 0, {QStringLiteral("Play ZELSong from 0")}, 0},
        {TransportController::FromStart, true, 0, {QStringLiteral("Play ZELSong from 0")}, 0},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = c.clock ? 10000 : 0;
        rig.setPosition(c.position);
        rig.transport.cmdMMControl_Click(c.button);
        EXPECT_EQ(rig.actions(), c.commands) << "button " << c.button << (c.clock ? " clock on" : "");
        EXPECT_EQ(rig.state.AccTimePos, c.accTimePos) << "button " << c.button << (c.clock ? " clock on" : "");
    }
}

TEST_F(Transport, PlayAfterTheSongFinishedStartsItAgain) {
    rig.setMode(QStringLiteral("stopped"));
    rig.transport.MMTimer_Timer();
    rig.setMode(QString());
    rig.fakes.mci.clear();
    rig.transport.cmdMMControl_Click(TransportController::Play);
    EXPECT_TRUE(rig.actions().contains(QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ZELSong")));
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放中...(Blue Sky)"));
    EXPECT_TRUE(rig.timer.isEnabled());
}

TEST_F(Transport, JumpAnswers) {
    const struct {
        const char* answer;
        bool clock;
        QStringList commands;
    } cases[] = {
        {"90", false, {QStringLiteral("Play ZELSong from 90000")}},
        {"1:30", false, {QStringLiteral("Play ZELSong from 90000")}},
        {"1:30.25", false, {QStringLiteral("Play ZELSong from 90250")}},
        {"12.5", false, {QStringLiteral("Play ZELSong from 12050")}},
        {"12.5", true, {QStringLiteral("Play ZELSong from 12050")}},
        {"-3", false, {}},
        {"0:-1", true, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.state.DoTimeAccumulate = c.clock;
        rig.state.AccTimePos = 777;
        rig.fakes.dialogs.inputAnswers.push_back(QString::fromUtf8(c.answer));
        rig.transport.mnuMMControl_Click(6);
        EXPECT_EQ(rig.actions(), c.commands) << c.answer << (c.clock ? " clock on" : "");
        const qint32 expectedClock = (c.clock && !c.commands.isEmpty()) ? 12050 : 777;
        EXPECT_EQ(rig.state.AccTimePos, expectedClock) << c.answer << (c.clock ? " clock on" : "");
    }
    ASSERT_FALSE(rig.fakes.dialogs.inputs.isEmpty());
    EXPECT_EQ(rig.fakes.dialogs.inputs[0].prompt,
              QStringLiteral("請輸入要跳至的歌曲時間(MM:SS.MS)\n歌曲長度: 1:00.00"));
}

TEST_F(Transport, SpeedMenuSetsTheSpeedButtonAndPressesIt) {
    const struct {
        const char* answer;
        QString tag;
        QStringList commands;
    } cases[] = {
        {"1500", QStringLiteral("1500"), {QStringLiteral("Set ZELSong speed 1500"), QStringLiteral("Play ZELSong from 4000")}},
        {"0", QStringLiteral("2000"), {}},
        {"fast", QStringLiteral("2000"), {}},
        {"", QStringLiteral("2000"), {}},
        {"-1000", QStringLiteral("2000"), {}},
    };
    for (const auto& c : cases) {
        PlaybackRig fresh;
        fresh.startSong(QStringLiteral("a.wav"), 10, 60000);
        fresh.setMode(QStringLiteral("playing"));
        fresh.setPosition(4000);
        fresh.fakes.dialogs.inputAnswers.push_back(QString::fromUtf8(c.answer));
        fresh.transport.mnuMMControl_Click(7);
        EXPECT_EQ(fresh.display.speedTag(), c.tag) << c.answer;
        EXPECT_EQ(fresh.actions(), c.commands) << c.answer;
        EXPECT_EQ(fresh.state.DoTimeAccumulate, !c.commands.isEmpty()) << c.answer;
        ASSERT_EQ(fresh.fakes.dialogs.inputs.size(), 1);
        EXPECT_EQ(fresh.fakes.dialogs.inputs[0].prompt,
                  QStringLiteral("請輸入歌曲的更新速度(微秒)\n正常速度: 1000  2倍速度: 2000"));
    }
}

TEST_F(Transport, MenuEntriesReachTheButtonsAndThePlaylist) {
    for (int i : {0, 1, 2}) {
        rig.fakes.mci.clear();
        rig.transport.mnuMMControl_Click(i);
        EXPECT_EQ(rig.actions().size(), 1) << "entry " << i;
    }
    rig.fakes.mci.clear();
    for (int i : {3, 4, 5}) rig.transport.mnuMMControl_Click(i);  // no playlist yet
    EXPECT_TRUE(rig.actions().isEmpty());

    QList<int> starts;
    int stops = 0;
    rig.transport.startPlaylist = [&](int order) { starts.append(order); };
    rig.transport.stopPlaylist = [&] { ++stops; };
    for (int i : {3, 4, 5}) rig.transport.mnuMMControl_Click(i);
    EXPECT_EQ(starts, (QList<int>{0, 1}));
    EXPECT_EQ(stops, 1);
}

TEST_F(Transport, TimeLineClicksByMode) {
    RecordingLyricHook lyric;
    lyric.open = true;
    rig.context.lyric = &lyric;
    const struct {
        const char* mode;
        QStringList commands;
        QString status;
        std::vector<qint32> lyricLoads;
    } cases[] = {
        {"playing", {QStringLiteral("Play ZELSong from 30000")}, QString(), {30000}},
        {"paused", {QStringLiteral("Seek ZELSong to 30000"), QStringLiteral("Pause ZELSong")},
         QStringLiteral("已設定歌曲起始時間為 0:30.00"), {}},
        {"stopped", {}, QString(), {}},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.status.history.clear();
        lyric.loads.clear();
        rig.setMode(QString::fromUtf8(c.mode));
        rig.transport.LinMMTimeLin_MouseDown(1000.4);
        EXPECT_EQ(rig.display.timeMarkerLeft(), 6700) << c.mode;
        EXPECT_EQ(rig.actions(), c.commands) << c.mode;
        EXPECT_EQ(rig.status.status(), c.status) << c.mode;
        EXPECT_EQ(lyric.loads, c.lyricLoads) << c.mode;
    }
}

TEST_F(Transport, TimeLineClickAfterTheEndReopensTheSongAtThatPoint) {
    rig.setMode(QStringLiteral("stopped"));
    rig.transport.MMTimer_Timer();
    rig.setMode(QString());
    rig.fakes.mci.clear();
    rig.transport.LinMMTimeLin_MouseDown(500);
    EXPECT_EQ(rig.actions(),
              (QStringList{QStringLiteral("Close ZELSong"), QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ZELSong"),
                           QStringLiteral("Set ZELSong time format milliseconds"), QStringLiteral("Seek ZELSong to 15000"),
                           QStringLiteral("Pause ZELSong")}));
    EXPECT_EQ(rig.status.status(), QStringLiteral("已設定歌曲起始時間為 0:15.00"));
    EXPECT_TRUE(rig.timer.isEnabled());
    EXPECT_EQ(rig.timer.intervalMs(), 500);
}

TEST_F(Transport, TimeLineClickMovesTheSoftwareClock) {
    rig.state.DoTimeAccumulate = true;
    rig.fakes.clock.setTime(QTime(10, 0, 0));
    rig.transport.LinMMTimeLin_MouseDown(100);
    EXPECT_EQ(rig.state.AccTimePos, 3000);
    EXPECT_DOUBLE_EQ(rig.state.AccLastTime, 36000000.0);
    EXPECT_EQ(rig.actions(), QStringList{QStringLiteral("Play ZELSong from 3000")});
}

TEST_F(Transport, ToolTipShowsPositionAndLengthInMilliseconds) {
    rig.setPosition(1234);
    EXPECT_EQ(rig.transport.timeLineToolTip(), QStringLiteral("Current Position: 1234/60000"));
}

TEST_F(Transport, VolumeSliderReadsAndSetsTheOutputLevel) {
    rig.fakes.waveOut.setVolume(0x1234C147u);  // left channel 75.5%
    rig.display.setQualityText(QStringLiteral("128 Kbps"));
    rig.transport.lblVolSwt_Click();
    EXPECT_TRUE(rig.display.volumeSliderShown());
    EXPECT_EQ(rig.display.volumeUnits(), 755);
    EXPECT_EQ(rig.display.volumeToolTip(), QStringLiteral("Volume: 755/ 1000"));
    EXPECT_EQ(rig.display.qualityText(), QStringLiteral("75.5%"));

    const struct {
        double x;
        int units;
        quint32 level;
        const char* quality;
    } clicks[] = {{20, 0, 0u, "0%"}, {960, 1000, 0xFFFFFFFFu, "100%"}, {500, 500, 0x80008000u, "50%"}};
    for (const auto& c : clicks) {
        rig.transport.LinMMVolLin_MouseDown(c.x);
        EXPECT_EQ(rig.display.volumeUnits(), c.units) << "x " << c.x;
        EXPECT_EQ(rig.fakes.waveOut.volume(), c.level) << "x " << c.x;
        EXPECT_EQ(rig.display.qualityText(), QString::fromUtf8(c.quality)) << "x " << c.x;
    }

    rig.transport.lblVolSwt_Click();
    EXPECT_FALSE(rig.display.volumeSliderShown());
    EXPECT_EQ(rig.display.qualityText(), QStringLiteral("128 Kbps"));
}

}  // namespace
