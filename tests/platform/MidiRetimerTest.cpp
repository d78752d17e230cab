// The re-timed copy that GStreamer's MIDI parser plays: the same events at
// the times the tempo map gives them, under one tempo.
#include <gtest/gtest.h>

#include "MediaGen.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/MidiProbe.h"
#include "platform/mci/MidiRetimer.h"
#include "platform/mci/MidiTempoMap.h"
#include "platform/mci/MidiTrackReader.h"

namespace {

struct Reading {
    qint64 lengthMs = -1;
    int tempos = 0;
    QList<double> noteTimesMs;  // of every note-on
};

Reading read(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    Reading r;
    const auto layout = MidiLayout::read(source);
    if (!layout) return r;
    const MidiTempoMap map = MidiTempoMap::build(source, *layout);
    for (const MidiLayout::Track& track : layout->tracks) {
        MidiTrackReader reader(source.view(track.offset, track.length));
        MidiEvent e;
        while (reader.next(e)) {
            r.tempos += e.isTempo();
            if ((e.status & 0xF0) == 0x90 && e.data[1] > 0) r.noteTimesMs.append(map.microsecondsAt(e.tick) / 1000.0);
        }
    }
    r.lengthMs = MidiProbe::probe(source)->lengthMs;
    return r;
}

std::optional<QByteArray> retime(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    return MidiRetimer::retimedCopy(source);
}

}  // namespace

TEST(MidiRetimer, CopyKeepsEveryNoteAtItsTimeUnderOneTempo) {
    MediaGen::MidiSong format0;
    format0.sections = {{3, 500000}, {2, 1000000}, {5, 300000}};
    MediaGen::MidiSong format1 = format0;
    format1.format = 1;
    format1.noteTracks = 3;
    format1.ticksPerQuarter = 96;
    QByteArray cut = MediaGen::makeMidi(format0);
    cut.chop(9);  // into the last note, and no end-of-track
    const QList<QPair<const char*, QByteArray>> cases{{"format 0", MediaGen::makeMidi(format0)},
                                                      {"format 1, 96 ticks", MediaGen::makeMidi(format1)},
                                                      {"track broken off", cut}};
    for (const auto& [name, original] : cases) {
        SCOPED_TRACE(name);
        const std::optional<QByteArray> copy = retime(original);
        ASSERT_TRUE(copy.has_value());
        EXPECT_TRUE(copy->endsWith(QByteArray("\xFF\x2F\x00", 3))) << "the copy's tracks end properly";
        const Reading before = read(original);
        const Reading after = read(*copy);
        EXPECT_EQ(after.tempos, 1);
        EXPECT_NEAR(after.lengthMs, before.lengthMs, 1);
        ASSERT_EQ(after.noteTimesMs.size(), before.noteTimesMs.size());
        for (qsizetype i = 0; i < before.noteTimesMs.size(); ++i)
            EXPECT_NEAR(after.noteTimesMs[i], before.noteTimesMs[i], 0.5) << "note " << i;
        EXPECT_FALSE(retime(*copy).has_value()) << "the copy plays right as it is";
    }
}

TEST(MidiRetimer, OnlyFilesThatNeedItAreCopied) {
    MediaGen::MidiSong same;
    same.sections = {{2, 600000}, {2, 600000}};
    const QList<QPair<const char*, QByteArray>> asTheyAre{{"one tempo", MediaGen::makeMidi({})},
                                                          {"a tempo event that changes nothing", MediaGen::makeMidi(same)},
                                                          {"not a MIDI file", "not a MIDI file"}};
    for (const auto& [name, bytes] : asTheyAre) EXPECT_FALSE(retime(bytes).has_value()) << name;

    // SMPTE timing, which the parser refuses: copied to ticks per quarter.
    const QByteArray smpte = QByteArray("MThd\0\0\0\x06\0\0\0\x01\xE7\x28", 14) +
                             QByteArray("MTrk\0\0\0\x0C\x00\x90\x3C\x40\x97\x38\x3C\x00\x00\xFF\x2F\x00", 20);
    const std::optional<QByteArray> copy = retime(smpte);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(read(*copy).lengthMs, 3000);
    EXPECT_EQ(read(*copy).noteTimesMs.size(), 1);
}
