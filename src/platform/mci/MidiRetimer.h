#pragma once

#include <QByteArray>

#include <optional>

class ByteSource;

// GStreamer's MIDI parser times every event by the tempo in force when it
// reaches it, as if that tempo had held from the start, so a song that
// changes tempo plays parts too fast or too slow (and SMPTE-timed files do
// not play at all). This makes a copy with one tempo throughout and every
// event moved to the time the tempo map gives it, which the parser then
// plays as the song was written.
class MidiRetimer {
public:
    // Ticks of the copy: 1000 a quarter note at 500000 µs a quarter, 0.5 ms each.
    static constexpr int kTicksPerQuarter = 1000;
    static constexpr quint32 kUsPerQuarter = 500000;

    // The copy, or std::nullopt when the file plays right as it is (one
    // tempo, ticks per quarter note) or cannot be read.
    static std::optional<QByteArray> retimedCopy(ByteSource& source);
};
