// The song makers the other tests rely on: if a fixture is wrong, every
// length the engine reports would be checked against a wrong truth.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QtEndian>

#include "MediaGen.h"
#include "support/TempDir.h"

using namespace MediaGen;

namespace {

quint32 le32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

}  // namespace

TEST(MediaGen, WaveHeaderMatchesTheTone) {
    struct Case {
        int ms, rate, channels;
    };
    for (const Case c : {Case{1000, 44100, 2}, Case{250, 8000, 1}, Case{3, 22050, 2}}) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms " << c.rate << " Hz " << c.channels << " ch");
        const QByteArray wave = makeWave({c.ms, c.rate, c.channels});
        const qint64 frames = qint64(c.ms) * c.rate / 1000;
        ASSERT_EQ(wave.size(), 44 + frames * c.channels * 2);
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(le32(wave, 4), quint32(wave.size() - 8));
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le16(wave, 22), c.channels);
        EXPECT_EQ(le32(wave, 24), quint32(c.rate));
        EXPECT_EQ(le32(wave, 28), quint32(c.rate * c.channels * 2));
        EXPECT_EQ(le32(wave, 40), quint32(frames * c.channels * 2));
    }
}

TEST(MediaGen, MidiLengthIsTheSumOfItsSections) {
    MidiSong song;
    song.sections = {{2, 500000}, {2, 1000000}, {4, 250000}};
    EXPECT_EQ(midiLengthMs(song), 1000 + 2000 + 1000);
    for (int format : {0, 1}) {
        song.format = format;
        song.noteTracks = 2;
        const QByteArray midi = makeMidi(song);
        SCOPED_TRACE(format);
        EXPECT_EQ(midi.left(4), "MThd");
        EXPECT_EQ(qFromBigEndian<quint16>(midi.constData() + 8), format);
        EXPECT_EQ(qFromBigEndian<quint16>(midi.constData() + 10), format == 0 ? 1 : 3);
        EXPECT_EQ(midi.count("MTrk"), format == 0 ? 1 : 3);
        EXPECT_EQ(midi.count("\xFF\x51\x03"), 3) << "one tempo event per section";
    }
}

TEST(MediaGen, Id3v1RecordHasFixedFieldPositions) {
    const QByteArray tag = makeId3v1({"Title", "Artist", "Album", "2004", "Note", 7, 12});
    ASSERT_EQ(tag.size(), 128);
    EXPECT_EQ(tag.left(8), "TAGTitle");
    EXPECT_EQ(tag.mid(33, 6), "Artist");
    EXPECT_EQ(tag.mid(63, 5), "Album");
    EXPECT_EQ(tag.mid(93, 4), "2004");
    EXPECT_EQ(tag.at(125), '\0');
    EXPECT_EQ(tag.at(126), 7);
    EXPECT_EQ(tag.at(127), 12);
}

TEST(MediaGen, EncodersWriteDecodableFiles) {
    TempDir dir;
    const Tone tone{1000, 44100, 2};
    const QString cbr = dir.path("cbr.mp3");
    const QString vbr = dir.path("vbr.mp3");
    const QString wma = dir.path("a.wma");
    const EncodeResult cbrResult = encodeMp3(cbr, {tone, false, 128});
    ASSERT_TRUE(cbrResult.ok) << qPrintable(cbrResult.error);
    ASSERT_TRUE(encodeMp3(vbr, {tone, true, 128, 4, true}).ok);
    ASSERT_TRUE(encodeWma(wma, tone).ok);

    // One second at 44.1 kHz is 38.3 frames of 1152 samples; the encoder adds
    // its delay and flushes, so 39 to 41 frames, the same for both.
    const int cbrFrames = countMpegAudioFrames(cbr);
    EXPECT_GE(cbrFrames, 39);
    EXPECT_LE(cbrFrames, 41);
    EXPECT_EQ(countMpegAudioFrames(vbr), cbrFrames);
    EXPECT_EQ(readWholeFile(vbr).indexOf("Xing"), 36) << "VBR header frame expected";
    EXPECT_EQ(readWholeFile(cbr).indexOf("Xing"), -1);
    EXPECT_GT(QFileInfo(wma).size(), 1000);
    EXPECT_EQ(wmaLengthMs(tone), 1022);  // 22 blocks of 2048 samples: 1021.7 ms
    EXPECT_EQ(countMpegAudioFrames(dir.path("missing.mp3")), -1);
}
