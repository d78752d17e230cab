#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QTime timeOfDay() const { return now().time(); }
    // Seconds since midnight with the fraction, as the software clock uses it.
    double secondsSinceMidnight() const { return timeOfDay().msecsSinceStartOfDay() / 1000.0; }
    // The time of day as status texts show it ("14:05:09").
    QString timeOfDayText() const { return timeOfDay().toString(QStringLiteral("HH:mm:ss")); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
