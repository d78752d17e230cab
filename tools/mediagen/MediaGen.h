#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// Short songs made on the spot for tests and demos: a sine tone as WAV,
// MP3 (CBR or VBR) and WMA, and MIDI files with tempo changes. Every maker
// also says how long its song truly is, worked out from what it wrote rather
// than by reading the file back, so a length probe can be checked against it.
namespace MediaGen {

// ---- WAV (written directly) -------------------------------------------

struct Tone {
    int durationMs = 2000;
    int sampleRate = 44100;
    int channels = 2;
    double frequencyHz = 440.0;
    double amplitude = 0.4;  // of full scale
    qint64 exactFrames = 0;  // when above 0, the sample frames, overriding durationMs
};

// Sample frames of the tone: exactFrames, or durationMs × rate / 1000 rounded.
qint64 toneFrames(const Tone& tone);
// A 16-bit PCM RIFF WAVE file holding the tone.
QByteArray makeWave(const Tone& tone);
bool writeWave(const QString& path, const Tone& tone);

// ---- MIDI (written directly) ------------------------------------------

// A stretch of quarter notes played at one tempo.
struct MidiSection {
    int beats = 4;
    int usPerQuarter = 500000;  // 120 beats per minute
};

struct MidiSong {
    int format = 0;  // 0: one track; 1: a tempo track plus note tracks
    int ticksPerQuarter = 480;
    QList<MidiSection> sections{MidiSection{}};
    int noteTracks = 1;  // format 1 only
};

// The song's length: the sum of its sections, beats × tempo.
qint64 midiLengthMs(const MidiSong& song);
// A standard MIDI file. Format 1 ends its tempo track at the last tempo
// change, before the notes end, and note-offs use running status, so a
// reader must merge the tracks' ends and handle running status.
QByteArray makeMidi(const MidiSong& song);
bool writeMidi(const QString& path, const MidiSong& song);

// ---- MP3 and WMA (GStreamer encoders) ---------------------------------

struct EncodeResult {
    bool ok = false;
    QString error;  // empty when ok
};

struct Mp3Song {
    Tone tone;
    bool vbr = false;
    int bitrateKbps = 128;  // CBR
    int vbrQuality = 4;     // VBR, 0 best .. 9
    // A Xing/Info header frame in front of the audio. VBR files need it for a
    // fast length; a CBR file without it makes a reader count frames.
    bool xingHeader = false;
};
EncodeResult encodeMp3(const QString& path, const Mp3Song& mp3);

// WMA (version 2 in ASF). The encoder works in blocks of 2048 samples, so
// the tone is lengthened to whole blocks; wmaLengthMs gives the result.
EncodeResult encodeWma(const QString& path, const Tone& tone);
qint64 wmaLengthMs(const Tone& tone);

// MPEG audio frames that GStreamer's parser hands to the decoder (header
// frames such as Xing/Info are not counted); -1 when the file cannot be
// parsed. This is the reference for "exact to the frame".
int countMpegAudioFrames(const QString& path);

// ---- Tags --------------------------------------------------------------

struct Id3v1Fields {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    int track = 0;    // 1..255 writes an ID3v1.1 track number; 0 none
    int genre = 255;  // 255 = none
};
// The 128-byte "TAG" record (code page 950, fields cut to their size).
QByteArray makeId3v1(const Id3v1Fields& fields);
bool appendId3v1(const QString& path, const Id3v1Fields& fields);
// Puts an empty ID3v2.3 tag of paddingBytes padding in front of the file.
bool prependId3v2(const QString& path, int paddingBytes);

}  // namespace MediaGen
