#pragma once

#include <QtGlobal>

#include <vector>

#include "platform/mci/MidiTrackReader.h"

class ByteSource;

// When each tick of a MIDI file sounds: the tempo changes of all tracks
// merged in tick order (a tempo holds for every track from its tick on),
// and the latest end of any track.
class MidiTempoMap {
public:
    static MidiTempoMap build(ByteSource& source, const MidiLayout& layout);

    double microsecondsAt(qint64 tick) const;
    qint64 endTick() const { return endTick_; }
    // True when the tempo changes after the first tick, or the file counts
    // time in SMPTE frames.
    bool changesTempo() const;

private:
    struct Change {
        qint64 tick;
        double startUs;  // time at that tick
        double usPerTick;
    };

    std::vector<Change> changes_;  // the first one is at tick 0
    qint64 endTick_ = 0;
    bool smpte_ = false;
};
