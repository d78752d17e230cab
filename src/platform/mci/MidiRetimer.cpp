#include "platform/mci/MidiRetimer.h"

#include <cmath>

#include "platform/mci/ByteSource.h"
#include "platform/mci/ByteWriter.h"
#include "platform/mci/MidiTempoMap.h"
#include "platform/mci/MidiTrackReader.h"

namespace {

using namespace ByteWriter;

constexpr qint64 kMaxDelta = 0x0FFFFFFF;  // the largest variable-length quantity
constexpr double kUsPerTick = double(MidiRetimer::kUsPerQuarter) / MidiRetimer::kTicksPerQuarter;

void putEvent(QByteArray& out, const MidiEvent& event) {
    out.append(static_cast<char>(event.status));
    if (event.status == 0xFF) out.append(static_cast<char>(event.metaType));
    if (event.status >= 0xF0) putVlq(out, static_cast<quint32>(event.data.size()));
    out.append(reinterpret_cast<const char*>(event.data.data()), static_cast<qsizetype>(event.data.size()));
}

// One track re-timed; false when a gap does not fit the file format.
bool retimeTrack(std::span<const quint8> bytes, const MidiTempoMap& map, bool withTempo, QByteArray& events) {
    qint64 lastTick = 0;
    auto putDelta = [&](qint64 tick) {
        const qint64 delta = tick - lastTick;
        if (delta < 0 || delta > kMaxDelta) return false;
        putVlq(events, static_cast<quint32>(delta));
        lastTick = tick;
        return true;
    };
    if (withTempo) {
        putVlq(events, 0);
        events.append("\xFF\x51\x03\x07\xA1\x20", 6);  // 500000 µs a quarter
    }
    MidiTrackReader reader(bytes);
    MidiEvent event;
    bool ended = false;
    while (reader.next(event)) {
        if (event.isTempo()) continue;
        const auto tick = static_cast<qint64>(std::llround(map.microsecondsAt(event.tick) / kUsPerTick));
        if (!putDelta(tick)) return false;
        putEvent(events, event);
        ended = event.isEndOfTrack();
    }
    if (!ended) {  // a track that broke off still ends properly in the copy
        const auto tick = static_cast<qint64>(std::llround(map.microsecondsAt(reader.tick()) / kUsPerTick));
        if (!putDelta(std::max(tick, lastTick))) return false;
        events.append("\xFF\x2F\x00", 3);
    }
    return true;
}

}  // namespace

std::optional<QByteArray> MidiRetimer::retimedCopy(ByteSource& source) {
    const std::optional<MidiLayout> layout = MidiLayout::read(source);
    if (!layout) return std::nullopt;
    const MidiTempoMap map = MidiTempoMap::build(source, *layout);
    if (!map.changesTempo()) return std::nullopt;

    QByteArray out("MThd");
    putBe32(out, 6);
    putBe16(out, static_cast<quint16>(layout->format));
    putBe16(out, static_cast<quint16>(layout->tracks.size()));
    putBe16(out, kTicksPerQuarter);
    bool first = true;
    for (const MidiLayout::Track& track : layout->tracks) {
        QByteArray events;
        if (!retimeTrack(source.view(track.offset, track.length), map, first, events)) return std::nullopt;
        first = false;
        out.append("MTrk", 4);
        putBe32(out, static_cast<quint32>(events.size()));
        out.append(events);
    }
    return out;
}
