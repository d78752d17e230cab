#include "app/TimerRegistry.h"

#include "common/IntervalTimer.h"

void TimerRegistry::add(const QString& name, IntervalTimer* timer) { timers_.insert(name, timer); }

IntervalTimer* TimerRegistry::timer(const QString& name) const { return timers_.value(name).data(); }

int TimerRegistry::intervalMs(const QString& name) const {
    const IntervalTimer* t = timer(name);
    return t ? t->intervalMs() : 0;
}
