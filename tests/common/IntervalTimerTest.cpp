#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "common/IntervalTimer.h"

namespace {

int ticksWithin(IntervalTimer& timer, int ms) {
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return ticks;
}

TEST(IntervalTimer, TicksOnlyWhenEnabledWithAnIntervalAboveZero) {
    IntervalTimer timer;
    timer.setIntervalMs(10);
    EXPECT_EQ(ticksWithin(timer, 50), 0) << "not enabled yet";
    timer.setEnabled(true);
    EXPECT_GT(ticksWithin(timer, 100), 0);
    timer.setIntervalMs(0);
    EXPECT_EQ(ticksWithin(timer, 50), 0) << "interval 0 stops it although enabled";
    timer.set(-5, true);
    EXPECT_EQ(timer.intervalMs(), 0);
    EXPECT_FALSE(timer.isRunning());
}

}  // namespace
