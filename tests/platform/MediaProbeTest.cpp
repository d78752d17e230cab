// The header probes and the MIDI re-timer on files built byte by byte, so
// every tag, header and damage case is known exactly; the real encoders'
// files are measured in the engine's tests.
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "Bytes.h"
#include "MediaGen.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/MediaProbe.h"
#include "platform/mci/MidiProbe.h"
#include "platform/mci/MidiRetimer.h"
#include "platform/mci/MidiTempoMap.h"
#include "platform/mci/MidiTrackReader.h"
#include "platform/mci/MpegAudioProbe.h"
#include "platform/mci/WaveProbe.h"
#include "support/TempDir.h"

using MediaGen::le16;
using MediaGen::le32;
using MediaGen::makeMidi;

namespace {

// MPEG audio built byte by byte: real frame headers with silent bodies, which is all a header probe reads.
// One frame: MPEG-1 layer III, 44.1 kHz, stereo, no CRC.
QByteArray frame(int bitrateIndex, bool padding = false) {
    static const int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    QByteArray bytes(144 * kbps[bitrateIndex] * 1000 / 44100 + (padding ? 1 : 0), '\0');
    qToBigEndian(0xFFFB0000u | (quint32(bitrateIndex) << 12) | (padding ? 0x200u : 0u), bytes.data());
    return bytes;
}

// `count` frames, alternating bit rates when vbr (so a CBR guess is wrong).
QByteArray frames(int count, bool vbr = false) {
    QByteArray out;
    for (int i = 0; i < count; ++i) out += frame(vbr ? 5 + (i * 7) % 9 : 9, !vbr && i % 3 == 1);
    return out;
}

QByteArray be32(quint32 value) { return le32(qbswap(value)); }

// A frame carrying a length header after its side information (32 bytes in a stereo MPEG-1 frame).
QByteArray headerFrame(const QByteArray& header) { return frame(9).replace(4 + 32, header.size(), header); }

// A Xing/Info header holding a frame count and a byte count (0: left out), and an encoder name after the table
// of contents and quality.
QByteArray xingFrame(quint32 frameCount, quint32 byteCount, const char* encoder = "", const char* id = "Xing") {
    const QByteArray counts = be32(frameCount) + (byteCount ? be32(byteCount) : QByteArray());
    return headerFrame(id + be32(1u | (byteCount ? 2u : 0u) | 4u | 8u) + counts + QByteArray(104, '\0') + encoder);
}

QByteArray vbriFrame(quint32 frameCount, quint32 byteCount) {  // version 1, no delay, no quality
    return headerFrame("VBRI" + QByteArray("\0\x01\0\0\0\0", 6) + be32(byteCount) + be32(frameCount));
}

QByteArray id3v2(int bodyBytes, bool footer = false) {
    QByteArray tag("ID3\x04\x00", 5);
    tag.append(static_cast<char>(footer ? 0x10 : 0x00));
    for (int shift = 21; shift >= 0; shift -= 7) tag.append(static_cast<char>((bodyBytes >> shift) & 0x7F));
    tag.append(QByteArray(bodyBytes, 'x'));
    return footer ? tag + QByteArray("3DI\x04\x00\x10\x00\x00\x00\x00", 10) : tag;
}

QByteArray apeTag(int itemBytes, bool withHeader) {
    auto block = [&](bool isHeader) {  // version, size without the header, item count, flags, reserved
        const quint32 flags = (withHeader ? 0x80000000u : 0u) | (isHeader ? 0x20000000u : 0u);
        return "APETAGEX" + le32(2000) + le32(quint32(itemBytes + 32)) + le32(0) + le32(flags) + QByteArray(8, '\0');
    };
    return (withHeader ? block(true) : QByteArray()) + QByteArray(itemBytes, 'i') + block(false);
}

QByteArray lyrics3v2(int bodyBytes) {
    return "LYRICSBEGIN" + QByteArray(bodyBytes - 11, 'l') + QByteArray::number(bodyBytes).rightJustified(6, '0') +
           "LYRICS200";
}

QByteArray chunk(const char* id, const QByteArray& body, quint32 declared = 0xFFFFFFFEu) {
    const QByteArray out = id + le32(declared == 0xFFFFFFFEu ? quint32(body.size()) : declared) + body;
    return body.size() % 2 ? out + '\0' : out;
}

QByteArray fmtChunk(quint16 tag, quint16 channels, quint32 rate, quint32 byteRate, quint16 align, quint16 bits) {
    return chunk("fmt ", le16(tag) + le16(channels) + le32(rate) + le32(byteRate) + le16(align) + le16(bits));
}

QByteArray riffWave(const QByteArray& chunks) { return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

qint64 probedMs(const QByteArray& bytes, MediaKind kind) {  // -1: no length at all
    MemoryByteSource source(bytes);
    return MediaProbe::lengthMs(source, kind).value_or(-1);
}

std::optional<QByteArray> retime(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    return MidiRetimer::retimedCopy(source);
}

// The note-on times through the tempo map, and how many tempo events the file holds.
QPair<QList<double>, int> notesAndTempos(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    QPair<QList<double>, int> found{{}, 0};
    const auto layout = MidiLayout::read(source);
    if (!layout) return found;
    const MidiTempoMap map = MidiTempoMap::build(source, *layout);
    for (const MidiLayout::Track& track : layout->tracks) {
        MidiTrackReader reader(source.view(track.offset, track.length));
        for (MidiEvent e; reader.next(e);) {
            found.second += e.isTempo();
            if ((e.status & 0xF0) == 0x90 && e.data[1] > 0) found.first.append(map.microsecondsAt(e.tick) / 1000.0);
        }
    }
    return found;
}

QByteArray mutate(QByteArray bytes, QRandomGenerator& random) {
    static const quint32 extremes[] = {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFFEu};
    for (int edits = 1 + random.bounded(8); edits > 0 && !bytes.isEmpty(); --edits) {
        const qsizetype at = random.bounded(bytes.size());
        switch (random.bounded(6)) {
        case 0: bytes[at] = static_cast<char>(bytes.at(at) ^ (1 << random.bounded(8))); break;
        case 1: bytes[at] = static_cast<char>(random.bounded(256)); break;
        case 2: bytes.truncate(at); break;
        case 3: bytes.insert(at, bytes.mid(random.bounded(bytes.size()), random.bounded(64))); break;
        case 4: bytes.remove(at, random.bounded(64)); break;
        default:  // a length or count field at its extremes
            const quint32 value = extremes[random.bounded(6)];
            for (int b = 0; b < 4 && at + b < bytes.size(); ++b) bytes[at + b] = static_cast<char>(value >> (8 * b));
        }
    }
    return bytes;
}

// Whatever the bytes, the probes answer sane values; ASan and UBSan catch a stray read.
void probeEverything(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    (void)MediaSniffer::sniff(source);
    if (const auto mpeg = MpegAudioProbe::probe(source)) {
        EXPECT_GE(mpeg->frames, 0);
        EXPECT_GE(mpeg->lengthMs(), 0);
        EXPECT_LE(mpeg->firstFrame, mpeg->audioEnd);
    }
    if (const auto wave = WaveProbe::probe(source)) {
        EXPECT_GE(wave->dataBytes, 0);
        EXPECT_LE(wave->dataBytes, bytes.size());
        EXPECT_GE(wave->lengthMs(), 0);
    }
    if (const auto midi = MidiProbe::probe(source)) {
        EXPECT_GE(midi->lengthMs, 0);
        EXPECT_LE(midi->lengthMs, std::numeric_limits<qint32>::max());
        // A re-timed copy is itself a file the probe reads, as long as the original.
        if (const auto copy = MidiRetimer::retimedCopy(source)) {
            EXPECT_NEAR(probedMs(*copy, MediaKind::Midi), midi->lengthMs, 1);
        }
    }
}

}  // namespace

TEST(MpegAudioProbe, CountsFramesPastTagsAndHeadersAndRejectsTheRest) {
    const QByteArray audio = frames(100), vbrAudio = frames(100, true), tail = MediaGen::makeId3v1({"t"});
    QByteArray mpeg2;  // MPEG-2 layer III, 64 kbit/s, 22.05 kHz: 208-byte frames of 576 samples
    for (int i = 0; i < 50; ++i) mpeg2 += QByteArray("\xFF\xF3\x80\x00", 4) + QByteArray(204, '\0');
    using Source = MpegAudioInfo::Source;
    const Source scan = Source::FrameScan, xing = Source::XingHeader;
    struct Case { const char* name; QByteArray bytes; qint64 frames; Source source; qint64 ms; };  // -1: not MPEG
    const Case cases[] = {
        {"plain CBR", audio, 100, scan, 2612},
        {"two ID3v2 tags, one with footer", id3v2(300, true) + id3v2(50) + vbrAudio, 100, scan, 2612},
        {"APE with header and ID3v1", audio + apeTag(200, true) + tail, 100, scan, 2612},
        {"APE without header", vbrAudio + apeTag(64, false), 100, scan, 2612},
        {"Lyrics3 and ID3v1", audio + lyrics3v2(120) + tail, 100, scan, 2612},
        {"junk before the first frame", QByteArray(1000, 'j') + audio, 100, scan, 2612},
        {"junk inside the audio", frames(50) + QByteArray(500, '\x11') + frames(50), 100, scan, 2612},
        {"last frame cut", audio.left(audio.size() - 200), 99, scan, 2586},
        {"MPEG-2 half rate", mpeg2, 50, scan, 1306},
        {"Xing named by LAME counts audio frames", xingFrame(100, 0, "LAME3.100") + vbrAudio, 100, xing, 2612},
        {"Info named by FFmpeg", xingFrame(100, 0, "Lavf58.76", "Info") + audio, 100, xing, 2612},
        {"unnamed Xing counts itself", xingFrame(101, 0) + vbrAudio, 100, xing, 2612},
        {"Xing, byte count fits", xingFrame(100, quint32(418 + vbrAudio.size()), "LAME") + vbrAudio, 100, xing, 2612},
        {"Xing of a cut file: scanned", xingFrame(1000, 400000, "LAME") + vbrAudio, 100, scan, 2612},
        {"Xing without count: scanned", xingFrame(0, 0, "LAME") + vbrAudio, 100, scan, 2612},
        {"VBRI", vbriFrame(100, quint32(vbrAudio.size())) + vbrAudio, 100, Source::VbriHeader, 2612},
        {"empty", {}, -1, scan, -1}, {"text", "This is a letter, not a song.\r\n", -1, scan, -1},
        {"a tag and nothing else", id3v2(100), -1, scan, -1}, {"frame past the end", frame(9).left(100), -1, scan, -1},
        {"free-format bit rate", QByteArray("\xFF\xFB\x00\x00", 4) + QByteArray(2000, '\0'), -1, scan, -1},
        {"tag size beyond the file", QByteArray("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10), -1, scan, -1},
    };
    for (const Case& c : cases) {
        MemoryByteSource source(c.bytes);
        std::tuple<qint64, Source, qint64> got{-1, scan, -1};
        if (const auto info = MpegAudioProbe::probe(source)) got = {info->frames, info->source, info->lengthMs()};
        EXPECT_EQ(got, std::tuple(c.frames, c.source, c.ms)) << c.name;
    }
}

TEST(WaveProbe, LengthFromTheDataChunkAndTheFormatOrNoLength) {
    const QByteArray pcm(44100 * 4, '\0');  // one second of 16-bit stereo
    const QByteArray fmt = fmtChunk(1, 2, 44100, 176400, 4, 16), adpcm = fmtChunk(2, 1, 22050, 11155, 512, 4),
                     mp3 = fmtChunk(0x55, 2, 44100, 16000, 1, 0);
    struct Case { const char* name; QByteArray bytes; qint64 ms; };  // ms -1: no length at all
    const Case cases[] = {
        {"list chunk before fmt, odd-sized", riffWave(chunk("LIST", "abc") + fmt + chunk("data", pcm)), 1000},
        {"data size left at 0 by a recorder", riffWave(fmt + chunk("data", pcm, 0)), 1000},
        {"data size of all ones", riffWave(fmt + chunk("data", pcm, 0xFFFFFFFFu)), 1000},
        {"cut short: what the file holds", riffWave(fmt + chunk("data", pcm)).left(44 + 88200), 500},
        {"ADPCM + fact", riffWave(adpcm + chunk("fact", le32(22050)) + chunk("data", pcm.left(11155))), 1000},
        {"compressed without fact: byte rate", riffWave(mp3 + chunk("data", pcm.left(8000))), 500},
        {"no rate: 0, not a division by zero", riffWave(fmtChunk(1, 2, 0, 0, 0, 16) + chunk("data", "xxxx")), 0},
        {"empty", {}, -1},
        {"AVI", QByteArray("RIFF\0\0\0\0AVI LIST", 16), -1},
        {"no data chunk", riffWave(fmt), -1},
        {"no format chunk", riffWave(chunk("data", "xx")), -1},
        {"format chunk too short", riffWave(chunk("fmt ", "short") + chunk("data", "xx")), -1},
        {"data running past the end before the format", riffWave(chunk("data", "xx", 0xFFFFFFF0u) + fmt), -1},
    };
    for (const Case& c : cases) EXPECT_EQ(probedMs(c.bytes, MediaKind::Wave), c.ms) << c.name;
}

TEST(MediaSniffer, ToldApartByTheirFirstBytes) {
    struct Case { const char* name; QByteArray bytes; MediaKind kind; };
    const Case cases[] = {
        {"RIFF MIDI", QByteArray("RIFF\0\0\0\0RMIDdata", 16), MediaKind::Midi},
        {"MP3 behind ID3v2", id3v2(5000) + frames(20, true), MediaKind::MpegAudio},
        {"WMA", QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16), MediaKind::Asf},
        {"FLAC behind ID3v2", id3v2(40) + "fLaC\0\0\0\x22", MediaKind::OtherAudio},
        {"M4A", QByteArray("\0\0\0\x20" "ftypM4A ", 12), MediaKind::OtherAudio},
        {"AAC ADTS", QByteArray("\xFF\xF1\x50\x80\x02\x1F\xFC", 7), MediaKind::OtherAudio},
        {"AVI is not WAVE", QByteArray("RIFF\0\0\0\0AVI LIST", 16), MediaKind::Unknown},
        {"WAVE outside RIFF", QByteArray("JUNK\0\0\0\0WAVEfmt ", 16), MediaKind::Unknown},
        {"empty", {}, MediaKind::Unknown},
    };
    for (const Case& c : cases) {
        MemoryByteSource source(c.bytes);
        EXPECT_EQ(MediaSniffer::sniff(source), c.kind) << c.name;
    }
}

TEST(FileByteSource, ViewsAcrossWindowsMatchTheFile) {
    TempDir dir;
    QByteArray bytes(200 * 1024, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    FileByteSource source;
    EXPECT_FALSE(source.open(QStringLiteral("/dev/zero"))) << "a device, which never ends";
    ASSERT_TRUE(source.open(dir.writeFile("bytes.bin", bytes)));
    EXPECT_EQ(source.size(), bytes.size());
    // offset, length asked, length the file holds there
    for (const auto& [offset, length, held] : {std::tuple<qint64, qint64, qint64>{0, 16, 16}, {65530, 20, 20},
                                               {100, 70000, 70000}, {204790, 100, 10}, {204800, 4, 0}, {-1, 4, 0},
                                               {10, 0, 0}, {131072, 65536, 65536}}) {
        const auto view = source.view(offset, length);
        const QByteArray got(reinterpret_cast<const char*>(view.data()), qsizetype(view.size()));
        EXPECT_EQ(got, bytes.mid(offset, held)) << offset << "+" << length;
    }
}

// A MIDI file's length through its tempo map; a file whose tempo changes, and only such a file, gets a copy
// under one tempo that GStreamer plays in the true time.
TEST(MidiProbeAndRetimer, LengthThroughTheTempoMapAndACopyKeepingEveryNoteAtItsTime) {
    const QList<MediaGen::MidiSection> changes{{2, 500000}, {2, 1000000}, {4, 250000}};  // 1 s + 2 s + 1 s
    const QByteArray format0 = makeMidi({.sections = changes});
    const QByteArray format1 = makeMidi({.format = 1, .ticksPerQuarter = 96, .sections = changes, .noteTracks = 3});
    // SMPTE timing, which GStreamer's parser refuses: 25 frames × 40 ticks = 1000 ticks a second; one note
    // from 0 to 3 s.
    const QByteArray smpte = QByteArray("MThd\0\0\0\x06\0\0\0\x01\xE7\x28", 14) +
                             QByteArray("MTrk\0\0\0\x0C\x00\x90\x3C\x40\x97\x38\x3C\x00\x00\xFF\x2F\x00", 20);
    // No tempo event: 120 beats a minute; an unknown chunk between tracks.
    const QByteArray noTempo = QByteArray("MThd\0\0\0\x06\0\x01\0\x02\x01\xE0", 14) +
                               QByteArray("XTRA\0\0\0\x02zz", 10) + QByteArray("MTrk\0\0\0\x04\x00\xFF\x2F\x00", 12) +
                               QByteArray("MTrk\0\0\0\x09\x87\x40\x90\x3C\x40\x00\xFF\x2F\x00", 17);
    struct Case { const char* name; QByteArray bytes; qint64 ms; bool needsCopy; };  // ms -1: no length at all
    const Case cases[] = {
        {"format 0, one tempo", makeMidi({}), 2000, false},
        {"a tempo event that changes nothing", makeMidi({.sections = {{2, 600000}, {2, 600000}}}), 2400, false},
        {"format 0, tempo changes", format0, 4000, true},
        {"format 1 at 96 ticks a quarter, tempo track ends early", format1, 4000, true},
        {"track broken off in its last note", format0.chopped(9), 3750, true},
        {"in RIFF RMID", "RIFF" + le32(12 + format0.size()) + "RMIDdata" + le32(format0.size()) + format0, 4000, true},
        {"SMPTE timing", smpte, 3000, true},
        {"default tempo, unknown chunk skipped", noTempo, 1000, false},
        {"format 2: no single length", QByteArray(format1).replace(9, 1, "\x02"), -1, false},
        {"not a MIDI file", "not MIDI", -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(probedMs(c.bytes, MediaKind::Midi), c.ms);
        const std::optional<QByteArray> copy = retime(c.bytes);
        ASSERT_EQ(copy.has_value(), c.needsCopy);
        if (!copy) continue;
        EXPECT_TRUE(copy->endsWith(QByteArray("\xFF\x2F\x00", 3))) << "the copy's tracks end properly";
        EXPECT_NEAR(probedMs(*copy, MediaKind::Midi), c.ms, 1);
        const auto [notes, tempos] = notesAndTempos(*copy);
        const QList<double> before = notesAndTempos(c.bytes).first;
        EXPECT_EQ(tempos, 1);
        ASSERT_FALSE(notes.isEmpty());
        ASSERT_EQ(notes.size(), before.size()) << "notes in the copy and in the original";
        for (qsizetype i = 0; i < notes.size(); ++i) EXPECT_NEAR(notes[i], before[i], 0.5) << "note " << i;
        EXPECT_FALSE(retime(*copy).has_value()) << "the copy plays right as it is";
    }
}

TEST(MediaProbeFuzz, ProbesTakeAnyBytes) {
    const QList<QByteArray> seeds{
        MediaGen::makeWave({40, 8000, 1}), makeMidi({}),
        makeMidi({.format = 1, .sections = {{3, 400000}, {2, 900000}}, .noteTracks = 2}),
        id3v2(64, true) + xingFrame(20, 0, "LAME") + frames(20, true) + apeTag(16, true) + MediaGen::makeId3v1({"t"}),
        vbriFrame(10, 4000) + frames(10) + lyrics3v2(30),
        QByteArray("RIFF\0\0\0\0RMIDdata\0\0\0\0", 20) + makeMidi({}),
    };
    QRandomGenerator random(11);
    for (qsizetype n = 0; n < seeds.size(); ++n)
        for (int i = 0; i < 1500; ++i) {
            SCOPED_TRACE(testing::Message() << "seed " << n << ", mutation " << i);
            probeEverything(i ? mutate(seeds[n], random) : seeds[n]);
        }
}
