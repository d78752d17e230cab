#include "common/IntervalTimer.h"

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (onTick) onTick();
    });
}

void IntervalTimer::setIntervalMs(int ms) {
    intervalMs_ = ms < 0 ? 0 : ms;
    apply();
}

void IntervalTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void IntervalTimer::set(int ms, bool enabled) {
    intervalMs_ = ms < 0 ? 0 : ms;
    enabled_ = enabled;
    apply();
}

void IntervalTimer::apply() {
    if (enabled_ && intervalMs_ > 0) {
        // Restarting on every change matches a window timer: a new interval
        // counts from now.
        timer_.start(intervalMs_);
    } else {
        timer_.stop();
    }
}
