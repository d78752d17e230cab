#pragma once

#include <QStringList>
#include <QtGlobal>

struct AppState;
class TimerRegistry;

// The lines of the state inspector (ListVariable): 39 lines of
// "Name = value" in a fixed order, numbers in decimal, Booleans as
// "True"/"False", texts unchanged. `positionMs` is the song's position as
// the media layer reports it.
namespace StateInspector {

inline constexpr int kLineCount = 39;

QStringList lines(const AppState& state, const TimerRegistry& timers, qint32 positionMs);

}  // namespace StateInspector
