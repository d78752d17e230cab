#include "platform/mci/MidiProbe.h"

#include <algorithm>

#include "common/Numbers.h"
#include "platform/mci/MidiTempoMap.h"
#include "platform/mci/MidiTrackReader.h"

std::optional<MidiInfo> MidiProbe::probe(ByteSource& source) {
    const std::optional<MidiLayout> layout = MidiLayout::read(source);
    if (!layout) return std::nullopt;
    const MidiTempoMap map = MidiTempoMap::build(source, *layout);

    MidiInfo info;
    info.format = layout->format;
    info.tracks = static_cast<int>(layout->tracks.size());
    info.endTick = map.endTick();
    const double ms = map.microsecondsAt(info.endTick) / 1000.0;
    info.lengthMs = static_cast<qint64>(roundHalfEven(std::min(ms, 2147483647.0)));
    return info;
}
