// The header probes and the MIDI re-timer on files built byte by byte, so
// every tag, header and damage case is known exactly; the real encoders'
// files are measured in the engine's tests.
#include <gtest/gtest.h>

#include <tuple>

#include "MediaGen.h"
#include "SyntheticMpeg.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/MediaProbe.h"
#include "platform/mci/MidiRetimer.h"
#include "platform/mci/MidiTempoMap.h"
#include "platform/mci/MidiTrackReader.h"
#include "platform/mci/MpegAudioProbe.h"
#include "support/TempDir.h"

using namespace SyntheticMpeg;
using MediaGen::le16;
using MediaGen::le32;

namespace {

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
        {"ID3v2 and ID3v1", id3v2(1000) + audio + tail, 100, scan, 2612},
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
        {"Xing between ID3v2 and ID3v1", id3v2(2000) + xingFrame(100, 0, "LAME") + vbrAudio + tail, 100, xing, 2612},
        {"empty", {}, -1, scan, -1},
        {"text", "This is a letter, not a song.\r\n", -1, scan, -1},
        {"a tag and nothing else", id3v2(100), -1, scan, -1},
        {"one header whose frame runs past the end", frame(9).left(100), -1, scan, -1},
        {"free-format bit rate", QByteArray("\xFF\xFB\x00\x00", 4) + QByteArray(2000, '\0'), -1, scan, -1},
        {"tag size beyond the file", QByteArray("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10), -1, scan, -1},
    };
    for (const Case& c : cases) {
        MemoryByteSource source(c.bytes);
        const auto info = MpegAudioProbe::probe(source);
        EXPECT_EQ(info ? std::tuple(info->frames, info->source, info->lengthMs()) : std::tuple(qint64(-1), scan, qint64(-1)),
                  std::tuple(c.frames, c.source, c.ms))
            << c.name;
    }
}

TEST(MediaProbe, WaveFromTheDataChunkMidiThroughTheTempoMapOrNoLength) {
    const QByteArray pcm(44100 * 4, '\0');  // one second of 16-bit stereo
    const QByteArray fmt = fmtChunk(1, 2, 44100, 176400, 4, 16), adpcm = fmtChunk(2, 1, 22050, 11155, 512, 4),
                     mp3 = fmtChunk(0x55, 2, 44100, 16000, 1, 0);
    const QList<MediaGen::MidiSection> changes{{2, 500000}, {2, 1000000}, {4, 250000}};  // 1 s + 2 s + 1 s
    const QByteArray plain = MediaGen::makeMidi({.sections = changes});
    const QByteArray rmid = "RIFF" + le32(quint32(12 + plain.size())) + "RMIDdata" + le32(quint32(plain.size())) + plain;
    const QByteArray format1 = MediaGen::makeMidi({.format = 1, .sections = changes, .noteTracks = 3});
    const QByteArray patterns = QByteArray(format1).replace(9, 1, "\x02");  // format 2: no single length
    // SMPTE timing, 25 frames × 40 ticks = 1000 ticks a second; one event at 3000.
    const QByteArray smpte = QByteArray("MThd\0\0\0\x06\0\0\0\x01\xE7\x28", 14) +
                             QByteArray("MTrk\0\0\0\x06\x97\x38\xFF\x2F\x00\x00", 14);
    // No tempo event: 120 beats a minute; an unknown chunk between tracks.
    const QByteArray noTempo = QByteArray("MThd\0\0\0\x06\0\x01\0\x02\x01\xE0", 14) + QByteArray("XTRA\0\0\0\x02zz", 10) +
                               QByteArray("MTrk\0\0\0\x04\x00\xFF\x2F\x00", 12) +
                               QByteArray("MTrk\0\0\0\x09\x87\x40\x90\x3C\x40\x00\xFF\x2F\x00", 17);
    const MediaKind wave = MediaKind::Wave, midi = MediaKind::Midi;
    struct Case { const char* name; MediaKind kind; QByteArray bytes; qint64 ms; };  // ms -1: no length at all
    const Case cases[] = {
        {"WAV by the generator", wave, MediaGen::makeWave({250, 8000, 1}), 250},
        {"list chunk before fmt, odd-sized", wave, riffWave(chunk("LIST", "abc") + fmt + chunk("data", pcm)), 1000},
        {"data size left at 0 by a recorder", wave, riffWave(fmt + chunk("data", pcm, 0)), 1000},
        {"data size of all ones", wave, riffWave(fmt + chunk("data", pcm, 0xFFFFFFFFu)), 1000},
        {"cut short: what the file holds", wave, riffWave(fmt + chunk("data", pcm)).left(44 + 88200), 500},
        {"ADPCM with a fact chunk", wave, riffWave(adpcm + chunk("fact", le32(22050)) + chunk("data", pcm.left(11155))), 1000},
        {"compressed without fact: byte rate", wave, riffWave(mp3 + chunk("data", pcm.left(8000))), 500},
        {"no rate: 0, not a division by zero", wave, riffWave(fmtChunk(1, 2, 0, 0, 0, 16) + chunk("data", "xxxx")), 0},
        {"empty", wave, {}, -1},
        {"AVI", wave, QByteArray("RIFF\0\0\0\0AVI LIST", 16), -1},
        {"no data chunk", wave, riffWave(fmt), -1},
        {"no format chunk", wave, riffWave(chunk("data", "xx")), -1},
        {"format chunk too short", wave, riffWave(chunk("fmt ", "short") + chunk("data", "xx")), -1},
        {"data running past the end before the format", wave, riffWave(chunk("data", "xx", 0xFFFFFFF0u) + fmt), -1},
        {"MIDI format 0, one tempo", midi, MediaGen::makeMidi({}), 2000},
        {"format 0, tempo changes", midi, plain, 4000},
        {"format 1, tempo track ends early", midi, format1, 4000},
        {"96 ticks a quarter", midi, MediaGen::makeMidi({.ticksPerQuarter = 96, .sections = changes}), 4000},
        {"inside RIFF RMID", midi, rmid, 4000},
        {"SMPTE timing", midi, smpte, 3000},
        {"default tempo, unknown chunk skipped", midi, noTempo, 1000},
        {"format 2", midi, patterns, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(probedMs(c.bytes, c.kind), c.ms) << c.name;
    const QByteArray whole = MediaGen::makeMidi({});
    for (qsizetype cut = 14; cut < whole.size(); cut += 7)
        EXPECT_LE(probedMs(whole.left(cut), midi), 2000) << "MIDI cut at " << cut;
}

TEST(MediaSniffer, ToldApartByTheirFirstBytes) {
    struct Case { const char* name; QByteArray bytes; MediaKind kind; };
    const Case cases[] = {
        {"RIFF MIDI", QByteArray("RIFF\0\0\0\0RMIDdata", 16), MediaKind::Midi},
        {"MP3 behind ID3v2", id3v2(5000) + frames(20, true), MediaKind::MpegAudio},
        {"WMA", QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16) + "rest", MediaKind::Asf},
        {"Ogg", "OggS\0\x02", MediaKind::OtherAudio},
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
    TempDir dir;
    EXPECT_EQ(MediaProbe::fileLengthMs(dir.writeFile("a.mp3", id3v2(10) + frames(100))), 2612) << "sniffed and probed";
    EXPECT_FALSE(MediaProbe::fileLengthMs(dir.writeFile("a.ogg", "OggS\0\x02")).has_value()) << "no probe for Ogg";
    EXPECT_FALSE(MediaProbe::fileLengthMs(dir.path()).has_value()) << "a folder";
    EXPECT_FALSE(MediaProbe::fileLengthMs(dir.path("missing.mp3")).has_value());
    EXPECT_FALSE(MediaProbe::fileLengthMs(QStringLiteral("/dev/zero")).has_value()) << "a device never ends";
}

TEST(FileByteSource, ViewsAcrossWindowsMatchTheFile) {
    TempDir dir;
    QByteArray bytes(200 * 1024, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    FileByteSource source;
    ASSERT_TRUE(source.open(dir.writeFile("bytes.bin", bytes)));
    EXPECT_EQ(source.size(), bytes.size());
    // offset, length asked, length the file holds there
    for (const auto& [offset, length, held] : {std::tuple<qint64, qint64, qint64>{0, 16, 16}, {65530, 20, 20},
                                               {100, 70000, 70000}, {204790, 100, 10}, {204800, 4, 0}, {-1, 4, 0},
                                               {10, 0, 0}, {131072, 65536, 65536}}) {
        const auto view = source.view(offset, length);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(view.data()), qsizetype(view.size())), bytes.mid(offset, held))
            << offset << "+" << length;
    }
}

TEST(MidiRetimer, CopyKeepsEveryNoteAtItsTimeUnderOneTempoAndIsMadeOnlyWhenNeeded) {
    const QList<MediaGen::MidiSection> changes{{3, 500000}, {2, 1000000}, {5, 300000}};
    const QByteArray format0 = MediaGen::makeMidi({.sections = changes});
    QByteArray cut = format0;
    cut.chop(9);  // into the last note, and no end-of-track
    // SMPTE timing, which GStreamer's parser refuses: one note at 0, ending at 3 s.
    const QByteArray smpte = QByteArray("MThd\0\0\0\x06\0\0\0\x01\xE7\x28", 14) +
                             QByteArray("MTrk\0\0\0\x0C\x00\x90\x3C\x40\x97\x38\x3C\x00\x00\xFF\x2F\x00", 20);
    const QByteArray format1 = MediaGen::makeMidi({.format = 1, .ticksPerQuarter = 96, .sections = changes, .noteTracks = 3});
    const QList<std::tuple<const char*, QByteArray, bool>> cases{  // name, file, whether it needs a copy
        {"format 0", format0, true}, {"format 1, 96 ticks", format1, true}, {"track broken off", cut, true},
        {"SMPTE", smpte, true}, {"one tempo", MediaGen::makeMidi({}), false}, {"not a MIDI file", "not MIDI", false},
        {"a tempo event that changes nothing", MediaGen::makeMidi({.sections = {{2, 600000}, {2, 600000}}}), false}};
    for (const auto& [name, original, needsCopy] : cases) {
        SCOPED_TRACE(name);
        const std::optional<QByteArray> copy = retime(original);
        ASSERT_EQ(copy.has_value(), needsCopy);
        if (!copy) continue;
        EXPECT_TRUE(copy->endsWith(QByteArray("\xFF\x2F\x00", 3))) << "the copy's tracks end properly";
        EXPECT_NEAR(probedMs(*copy, MediaKind::Midi), probedMs(original, MediaKind::Midi), 1);
        const auto [notes, tempos] = notesAndTempos(*copy);
        const QList<double> originalNotes = notesAndTempos(original).first;
        EXPECT_EQ(tempos, 1);
        ASSERT_TRUE(!notes.isEmpty() && notes.size() == originalNotes.size()) << notes.size() << "/" << originalNotes.size();
        for (qsizetype i = 0; i < notes.size(); ++i) EXPECT_NEAR(notes[i], originalNotes[i], 0.5) << "note " << i;
        EXPECT_FALSE(retime(*copy).has_value()) << "the copy plays right as it is";
    }
}
