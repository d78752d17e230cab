#include "platform/mci/MidiTempoMap.h"

#include <algorithm>

#include "platform/mci/ByteSource.h"

namespace {

constexpr double kDefaultUsPerQuarter = 500000.0;

struct Tempo {
    qint64 tick;
    int order;  // tracks in file order, then events in track order
    quint32 usPerQuarter;
};

}  // namespace

MidiTempoMap MidiTempoMap::build(ByteSource& source, const MidiLayout& layout) {
    MidiTempoMap map;
    std::vector<Tempo> tempos;
    for (const MidiLayout::Track& track : layout.tracks) {
        MidiTrackReader reader(source.view(track.offset, track.length));
        MidiEvent event;
        while (reader.next(event)) {
            if (event.isTempo() && event.usPerQuarter() > 0)
                tempos.push_back({event.tick, static_cast<int>(tempos.size()), event.usPerQuarter()});
        }
        map.endTick_ = std::max(map.endTick_, reader.tick());
    }

    if (const double ticksPerSecond = layout.smpteTicksPerSecond(); ticksPerSecond > 0) {
        map.smpte_ = true;
        map.changes_.push_back({0, 0.0, 1e6 / ticksPerSecond});
        return map;
    }
    std::stable_sort(tempos.begin(), tempos.end(), [](const Tempo& a, const Tempo& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    const double ticksPerQuarter = layout.division;
    map.changes_.push_back({0, 0.0, kDefaultUsPerQuarter / ticksPerQuarter});
    for (const Tempo& t : tempos) {
        Change& last = map.changes_.back();
        const double usPerTick = t.usPerQuarter / ticksPerQuarter;
        if (t.tick == last.tick) {
            last.usPerTick = usPerTick;  // the later of two changes at one tick wins
            continue;
        }
        map.changes_.push_back({t.tick, last.startUs + static_cast<double>(t.tick - last.tick) * last.usPerTick, usPerTick});
    }
    return map;
}

double MidiTempoMap::microsecondsAt(qint64 tick) const {
    const auto after = std::upper_bound(changes_.begin(), changes_.end(), tick,
                                        [](qint64 t, const Change& c) { return t < c.tick; });
    const Change& c = *(after - 1);  // changes_ starts at tick 0 and ticks are not negative
    return c.startUs + static_cast<double>(tick - c.tick) * c.usPerTick;
}

bool MidiTempoMap::changesTempo() const {
    if (smpte_) return true;
    for (size_t i = 1; i < changes_.size(); ++i)
        if (changes_[i].usPerTick != changes_[i - 1].usPerTick) return true;
    return false;
}
