// corvane-demo <folder>: makes the demo songs that `make run` plays, so the
// player has something to play without downloading anything: an MP3 with an
// ID3v1 tag (its title shows in the caption), a MIDI tune and a WAV tone.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "MediaGen.h"

namespace {

bool report(const QString& path, bool ok, const QString& error = {}) {
    if (ok)
        std::printf("corvane-demo: made %s\n", qPrintable(QFileInfo(path).fileName()));
    else
        std::fprintf(stderr, "corvane-demo: could not make %s: %s\n", qPrintable(path), qPrintable(error));
    return ok;
}

bool makeTaggedMp3(const QString& path) {
    MediaGen::Mp3Song mp3;
    mp3.tone.durationMs = 12000;
    mp3.tone.frequencyHz = 523.25;
    mp3.tone.amplitude = 0.25;
    mp3.bitrateKbps = 128;
    mp3.xingHeader = true;
    const MediaGen::EncodeResult encoded = MediaGen::encodeMp3(path, mp3);
    if (!encoded.ok) return report(path, false, encoded.error);
    MediaGen::Id3v1Fields tag;
    tag.title = QStringLiteral("Blue Sky");
    tag.artist = QStringLiteral("Corvane Demo Band");
    tag.album = QStringLiteral("示範歌曲");
    tag.year = QStringLiteral("2004");
    tag.comment = QStringLiteral("made by corvane-demo");
    tag.genre = 13;
    return report(path, MediaGen::appendId3v1(path, tag), QStringLiteral("cannot append the tag"));
}

bool makeMidi(const QString& path) {
    MediaGen::MidiSong song;
    song.format = 1;
    song.noteTracks = 2;
    song.sections = {MediaGen::MidiSection{8, 500000}, MediaGen::MidiSection{8, 400000}};
    return report(path, MediaGen::writeMidi(path, song), QStringLiteral("cannot write the file"));
}

bool makeWave(const QString& path) {
    MediaGen::Tone tone;
    tone.durationMs = 6000;
    tone.frequencyHz = 440.0;
    tone.amplitude = 0.25;
    return report(path, MediaGen::writeWave(path, tone), QStringLiteral("cannot write the file"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane-demo <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "corvane-demo: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir dir(folder);
    int made = 0;
    made += makeTaggedMp3(dir.filePath(QStringLiteral("Blue Sky.mp3")));
    made += makeMidi(dir.filePath(QStringLiteral("Morning Tune.mid")));
    made += makeWave(dir.filePath(QStringLiteral("A440 Tone.wav")));
    // A missing encoder costs one song, not the build.
    return made > 0 ? 0 : 1;
}
