#include "MediaGen.h"

#include <QFile>

#include "Bytes.h"

namespace MediaGen {

namespace {

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
QByteArray noteEvents(const MidiSong& song, int channel, bool tempos) {
    QByteArray out;
    const int ticks = song.ticksPerQuarter;
    const char noteOn = static_cast<char>(0x90 | (channel & 0x0F));
    int note = 60 + channel * 4;
    quint32 pending = 0;  // delta before the next event
    for (const MidiSection& section : song.sections) {
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
QByteArray tempoTrack(const MidiSong& song) {
    QByteArray out;
    quint32 pending = 0;
    for (const MidiSection& section : song.sections) {
        putTempo(out, pending, section.usPerQuarter);
        pending = static_cast<quint32>(section.beats * song.ticksPerQuarter);
    }
    putEndOfTrack(out, 0);
    return out;
}

}  // namespace

qint64 midiLengthMs(const MidiSong& song) {
    qint64 us = 0;
    for (const MidiSection& section : song.sections) us += qint64(section.beats) * section.usPerQuarter;
    return (us + 500) / 1000;
}

QByteArray makeMidi(const MidiSong& song) {
    QList<QByteArray> tracks;
    if (song.format == 0) {
        tracks.append(noteEvents(song, 0, true));
    } else {
        tracks.append(tempoTrack(song));
        for (int t = 0; t < song.noteTracks; ++t) tracks.append(noteEvents(song, t, false));
    }
    QByteArray out("MThd");
    putBe32(out, 6);
    putBe16(out, static_cast<quint16>(song.format));
    putBe16(out, static_cast<quint16>(tracks.size()));
    putBe16(out, static_cast<quint16>(song.ticksPerQuarter));
    for (const QByteArray& events : tracks) out.append(trackChunk(events));
    return out;
}

bool writeMidi(const QString& path, const MidiSong& song) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = makeMidi(song);
    return file.write(bytes) == bytes.size();
}

}  // namespace MediaGen
