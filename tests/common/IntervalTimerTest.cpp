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

TEST(IntervalTimer, RunsOnlyWhenEnabledWithAnInterval) {
    IntervalTimer timer;
    EXPECT_FALSE(timer.isRunning());
    timer.setIntervalMs(10);
    EXPECT_FALSE(timer.isRunning());  // not enabled yet
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_GT(ticksWithin(timer, 100), 0);

    timer.setIntervalMs(0);  // interval 0 stops it although enabled
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(ticksWithin(timer, 50), 0);

    timer.set(10, true);
    EXPECT_TRUE(timer.isRunning());
    timer.set(0, false);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.intervalMs(), 0);
}

TEST(IntervalTimer, NegativeIntervalMeansStopped) {
    IntervalTimer timer;
    timer.set(-5, true);
    EXPECT_EQ(timer.intervalMs(), 0);
    EXPECT_FALSE(timer.isRunning());
}

}  // namespace
