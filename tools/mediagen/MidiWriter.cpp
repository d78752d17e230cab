#include "MediaGen.h"

#include <QFile>
#include <QtEndian>

namespace MediaGen {

namespace {

void putBe16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

void putBe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// MIDI's variable-length quantity: 7 bits per byte, high bit = more follows.
void putVlq(QByteArray& out, quint32 value) {
    char bytes[5];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0) bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0) out.append(bytes[--n]);
}

void putTempo(QByteArray& out, quint32 delta, int usPerQuarter) {
    putVlq(out, delta);
    out.append("\xFF\x51\x03", 3);
    out.append(static_cast<char>((usPerQuarter >> 16) & 0xFF));
    out.append(static_cast<char>((usPerQuarter >> 8) & 0xFF));
    out.append(static_cast<char>(usPerQuarter & 0xFF));
}

void putEndOfTrack(QByteArray& out, quint32 delta) {
    putVlq(out, delta);
    out.append("\xFF\x2F\x00", 3);
}

QByteArray trackChunk(const QByteArray& events) {
    QByteArray out("MTrk");
    putBe32(out, static_cast<quint32>(events.size()));
    out.append(events);
    return out;
}

// Quarter notes on one channel; the note-off is a note-on with velocity 0
// in running status. `tempos` adds the tempo changes at section starts.
QByteArray noteEvents(const MidiSpec& spec, int channel, bool tempos) {
    QByteArray out;
    const int ticks = spec.ticksPerQuarter;
    const char noteOn = static_cast<char>(0x90 | (channel & 0x0F));
    int note = 60 + channel * 4;
    quint32 pending = 0;  // delta before the next event
    for (const MidiSection& section : spec.sections) {
        if (tempos) {
            putTempo(out, pending, section.usPerQuarter);
            pending = 0;
        }
        for (int beat = 0; beat < section.beats; ++beat) {
            putVlq(out, pending);
            out.append(noteOn);
            out.append(static_cast<char>(note));
            out.append(static_cast<char>(96));
            putVlq(out, static_cast<quint32>(ticks));
            out.append(static_cast<char>(note));  // running status
            out.append(static_cast<char>(0));
            pending = 0;
            note = note >= 72 ? 60 : note + 1;
        }
    }
    putEndOfTrack(out, pending);
    return out;
}

// Format 1's tempo track: the tempo changes only, ending at the last one.
QByteArray tempoTrack(const MidiSpec& spec) {
    QByteArray out;
    quint32 pending = 0;
    for (const MidiSection& section : spec.sections) {
        putTempo(out, pending, section.usPerQuarter);
        pending = static_cast<quint32>(section.beats * spec.ticksPerQuarter);
    }
    putEndOfTrack(out, 0);
    return out;
}

}  // namespace

qint64 midiLengthMs(const MidiSpec& spec) {
    qint64 us = 0;
    for (const MidiSection& section : spec.sections) us += qint64(section.beats) * section.usPerQuarter;
    return (us + 500) / 1000;
}

QByteArray makeMidi(const MidiSpec& spec) {
    QList<QByteArray> tracks;
    if (spec.format == 0) {
        tracks.append(noteEvents(spec, 0, true));
    } else {
        tracks.append(tempoTrack(spec));
        for (int t = 0; t < spec.noteTracks; ++t) tracks.append(noteEvents(spec, t, false));
    }
    QByteArray out("MThd");
    putBe32(out, 6);
    putBe16(out, static_cast<quint16>(spec.format));
    putBe16(out, static_cast<quint16>(tracks.size()));
    putBe16(out, static_cast<quint16>(spec.ticksPerQuarter));
    for (const QByteArray& events : tracks) out.append(trackChunk(events));
    return out;
}

bool writeMidi(const QString& path, const MidiSpec& spec) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = makeMidi(spec);
    return file.write(bytes) == bytes.size();
}

}  // namespace MediaGen
