#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class IntervalTimer;

// The main window's timers by name (MMTimer, VariableTimer, PlayListTimer,
// ...), so the state inspector shows the interval of every timer that
// exists. A panel registers its timers when it is built; a name nobody has
// registered, or a timer that is gone, reads as interval 0 (stopped).
class TimerRegistry {
public:
    void add(const QString& name, IntervalTimer* timer);
    int intervalMs(const QString& name) const;
    IntervalTimer* timer(const QString& name) const;

private:
    QHash<QString, QPointer<IntervalTimer>> timers_;
};
