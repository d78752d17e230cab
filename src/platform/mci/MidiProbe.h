#pragma once

#include <QtGlobal>

#include <optional>

class ByteSource;

struct MidiInfo {
    int format = 0;
    int tracks = 0;        // track chunks read
    qint64 endTick = 0;    // the latest end of any track
    qint64 lengthMs = 0;   // endTick through the tempo map
};

// The length of a standard MIDI file (format 0 or 1, also inside a RIFF
// RMID wrapper): every track is read for its tempo changes and its end, and
// the latest end is converted through the merged tempo map. Format 2 (songs
// of independent patterns) and malformed headers give std::nullopt; a track
// that breaks off ends where it breaks.
class MidiProbe {
public:
    static std::optional<MidiInfo> probe(ByteSource& source);
};
