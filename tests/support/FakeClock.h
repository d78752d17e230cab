#pragma once

#include "platform/Clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    FakeClock() : now_(QDate(2004, 6, 6), QTime(13, 30, 0)) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& when) { now_ = when; }
    void setTime(const QTime& time) { now_.setTime(time); }
    void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms); }

private:
    QDateTime now_;
};
