#include <gtest/gtest.h>

#include <memory>

#include "app/AppState.h"
#include "app/StateInspector.h"
#include "app/TimerRegistry.h"
#include "common/IntervalTimer.h"

namespace {

TEST(StateInspector, ThirtyNineLinesInOrderWithNoSongLoaded) {
    AppState state;
    TimerRegistry timers;
    const QStringList lines = StateInspector::lines(state, timers, 0);
    const QStringList expected = {
        /*  1 */ "PSongLink = ", "VersionH = ", "VersionB = Corvane Audio Player",
        /*  4 */ QStringLiteral("VersionT =  2004 Quorvel \u03B5 Build 3311"), "InitDir = ", "PLyricLink = ",
        /*  7 */ "UPlayList = ", "PlayNo = 0", "PlayNextNo = 0", "LyricNo = 0", "LyricNoTotal = 0",
        /* 12 */ "LyricTimer = 0", "ChkSongLen = 0", "ChkSongLenEND = 0", "SongLenTimer = 0", "PLRep = 0",
        /* 17 */ "TotalPLRep = 0", "PLPressed = 0", "FrameState = 0", "MMCentre.Position = 0", "PSongLenL = 0",
        /* 22 */ "PSongLenS = ", "DLSM = 0", "PLBackUpNo = 1", "TitleDirection = 0", "WindowMode = 0",
        /* 27 */ "ShiftConst(0) = 5700", "ShiftConst(1) = 0", "ShiftConst(2) = 0", "MMTimer = 0", "PLInfoTimer = 0",
        /* 32 */ "PlayListTimer = 0", "VariableTimer = 0", "lblPLItemNo = 0", "lblPLpage = 0", "mnuOptCombo(3).Tag = 0",
        /* 37 */ "DoTimeAccumulate = False", "AccTimePos = 0", "AccLastTime = 0",
    };
    ASSERT_EQ(lines.size(), 39);
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].toStdString(), expected.value(i).toStdString()) << "line " << i + 1;
}

// A timer's interval is shown whether or not it runs; a timer that is gone
// reads as stopped.
TEST(StateInspector, ValuesAndTimerIntervalsAsTheyStand) {
    AppState state;
    state.PSongLink = QStringLiteral("/music/Blue Sky.mp3");
    state.TotalPLRep = -1;
    state.DoTimeAccumulate = true;
    state.AccLastTime = 45296789.5;
    IntervalTimer mmTimer, lyricTimer;
    mmTimer.set(500, true);
    lyricTimer.set(3250, false);
    auto gone = std::make_unique<IntervalTimer>();
    TimerRegistry timers;
    timers.add(QStringLiteral("MMTimer"), &mmTimer);
    timers.add(QStringLiteral("LyricTimer"), &lyricTimer);
    timers.add(QStringLiteral("PlayListTimer"), gone.get());
    gone->set(1000, true);
    gone.reset();
    const QStringList lines = StateInspector::lines(state, timers, 61234);
    const struct { int line; const char* text; } cases[] = {
        {1, "PSongLink = /music/Blue Sky.mp3"}, {12, "LyricTimer = 3250"}, {17, "TotalPLRep = -1"},
        {20, "MMCentre.Position = 61234"}, {30, "MMTimer = 500"}, {32, "PlayListTimer = 0"},
        {37, "DoTimeAccumulate = True"}, {39, "AccLastTime = 45296789.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(lines.value(c.line - 1).toStdString(), c.text) << "line " << c.line;
}

}  // namespace
