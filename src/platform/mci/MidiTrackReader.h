#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>
#include <span>

class ByteSource;

// The chunks of a standard MIDI file (format 0 or 1, also inside a RIFF
// RMID wrapper): its header fields and where each track's events lie.
struct MidiLayout {
    int format = 0;
    int division = 0;  // ticks per quarter, or SMPTE timing when bit 15 is set
    struct Track {
        qint64 offset = 0;  // of the events
        qint64 length = 0;  // cut short at the end of a broken file
    };
    QList<Track> tracks;

    // Ticks a second for SMPTE timing; 0 for ticks per quarter note.
    double smpteTicksPerSecond() const;

    // MIDI files are small; the cap bounds the memory a hostile file can claim.
    static constexpr qint64 kMaxFileBytes = 16LL * 1024 * 1024;
    // Format 2 (independent patterns), a zero division and files over the
    // cap give std::nullopt, as does a file without any track.
    static std::optional<MidiLayout> read(ByteSource& source);
};

// One event of a track, its running status resolved.
struct MidiEvent {
    qint64 tick = 0;
    quint8 status = 0;    // 0x80..0xEF channel message, 0xFF meta, 0xF0/0xF7 sysex
    quint8 metaType = 0;  // for meta events
    std::span<const quint8> data;  // channel data bytes, or the meta/sysex payload

    bool isTempo() const { return status == 0xFF && metaType == 0x51 && data.size() == 3; }
    quint32 usPerQuarter() const { return (quint32(data[0]) << 16) | (quint32(data[1]) << 8) | data[2]; }
    bool isEndOfTrack() const { return status == 0xFF && metaType == 0x2F; }
};

// Walks the events of one track. It stops at the end-of-track event or
// where the track breaks off (a cut file, a status byte that does not
// belong in a file); what was read up to there stands.
class MidiTrackReader {
public:
    explicit MidiTrackReader(std::span<const quint8> bytes) : bytes_(bytes) {}

    // The next event; false when the track has ended.
    bool next(MidiEvent& event);
    // The tick where the track ends (its end-of-track event or its last event).
    qint64 tick() const { return tick_; }

private:
    bool readVlq(quint32& value);

    std::span<const quint8> bytes_;
    size_t pos_ = 0;
    qint64 tick_ = 0;
    quint8 runningStatus_ = 0;
    bool ended_ = false;
};
