#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer with the two settings the window code works with: an interval in
// milliseconds and an enabled flag. It ticks only while enabled with an
// interval above 0, so "interval 0" stops it whatever the flag says. Tests
// drive the handler directly instead of waiting for ticks.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent = nullptr);

    int intervalMs() const { return intervalMs_; }
    bool isEnabled() const { return enabled_; }
    bool isRunning() const { return timer_.isActive(); }

    void setIntervalMs(int ms);
    void setEnabled(bool enabled);
    // Interval and enabled flag in one step: (500, true) starts, (0, false) stops.
    void set(int ms, bool enabled);

    std::function<void()> onTick;

private:
    void apply();

    QTimer timer_;
    int intervalMs_ = 0;
    bool enabled_ = false;
};
