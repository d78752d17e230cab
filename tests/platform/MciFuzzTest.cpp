// Random and mutated input for everything that reads outside data: the
// command parser (what a user types in the console) and each header probe
// (whatever file a user opens). The test build runs under ASan and UBSan,
// so a stray read or an overflow fails here even when the answer looks fine.
#include <gtest/gtest.h>

#include <limits>

#include "EngineFixture.h"
#include "SyntheticMpeg.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/MediaProbe.h"
#include "platform/mci/MidiProbe.h"
#include "platform/mci/MidiRetimer.h"
#include "platform/mci/MpegAudioProbe.h"
#include "platform/mci/WaveProbe.h"

namespace {

const QStringList kWords{
    "open", "close", "play", "pause", "resume", "stop", "seek", "set", "status", "setaudio", "all", "alias", "type",
    "from", "to", "start", "end", "time", "format", "milliseconds", "ms", "speed", "mode", "length", "position",
    "ready", "volume", "wait", "notify", "shareable", "\"", "\"a b\"", "-", "0", "-1", "2000", "99999999999",
    "ZELSong", "tmpFile", "x", "１２", "é", "\t", "", "-2147483648", "2147483648", "\"\"", "to start", "time format"};

QString randomCommand(QRandomGenerator& random) {
    QStringList words;
    for (int i = random.bounded(9); i > 0; --i) words.append(kWords.at(random.bounded(kWords.size())));
    QString text = words.join(QString(random.bounded(3) + 1, QLatin1Char(' ')));
    // Now and then, raw characters anywhere, including control and surrogate halves.
    for (int i = random.bounded(4); i > 0; --i)
        text.insert(random.bounded(text.size() + 1), QChar(static_cast<char16_t>(random.bounded(0x10000))));
    return text;
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

void probeEverything(const QByteArray& bytes) {
    MemoryByteSource source(bytes);
    (void)MediaSniffer::sniff(source);
    const auto mpeg = MpegAudioProbe::probe(source);
    EXPECT_TRUE(!mpeg || (mpeg->frames >= 0 && mpeg->lengthMs() >= 0 && mpeg->firstFrame <= mpeg->audioEnd));
    const auto wave = WaveProbe::probe(source);
    EXPECT_TRUE(!wave || (wave->dataBytes >= 0 && wave->dataBytes <= bytes.size() && wave->lengthMs() >= 0));
    if (const auto midi = MidiProbe::probe(source)) {
        EXPECT_TRUE(midi->lengthMs >= 0 && midi->lengthMs <= std::numeric_limits<qint32>::max()) << midi->lengthMs;
        // A re-timed copy is itself a file the probe reads, as long as the original.
        if (const auto copy = MidiRetimer::retimedCopy(source)) {
            MemoryByteSource again(*copy);
            const auto retimed = MidiProbe::probe(again);
            ASSERT_TRUE(retimed.has_value());
            EXPECT_NEAR(retimed->lengthMs, midi->lengthMs, 1);
        }
    }
    for (MediaKind k : {MediaKind::MpegAudio, MediaKind::Wave, MediaKind::Midi})
        EXPECT_GE(MediaProbe::lengthMs(source, k).value_or(0), 0);
}

}  // namespace

TEST(MciFuzz, ParserTakesAnyCommand) {
    const QList<MciSyntax> table = GstMciEngine::syntax();
    const MciParser parser(table);
    QRandomGenerator random(7);
    int parsed = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString text = randomCommand(random);
        const MciParseResult result = parser.parse(text);
        if (result.code != 0) {
            EXPECT_GE(result.code, 256u) << qPrintable(text);
            continue;
        }
        ++parsed;
        ASSERT_TRUE(result.syntaxIndex >= 0 && result.syntaxIndex < table.size()) << qPrintable(text);
        EXPECT_EQ(result.command.verb, table.at(result.syntaxIndex).verb) << qPrintable(text);
    }
    EXPECT_GT(parsed, 100) << "the random commands should reach the handlers now and then";
}

TEST(MciFuzz, ProbesTakeAnyBytes) {
    using namespace SyntheticMpeg;
    const QList<QByteArray> seeds{
        MediaGen::makeWave({40, 8000, 1}), MediaGen::makeMidi({}),
        MediaGen::makeMidi({.format = 1, .sections = {{3, 400000}, {2, 900000}}, .noteTracks = 2}),
        id3v2(64, true) + xingFrame(20, 0, "LAME3.100") + frames(20, true) + apeTag(16, true) + MediaGen::makeId3v1({"t"}),
        vbriFrame(10, 4000) + frames(10) + lyrics3v2(30),
        QByteArray("RIFF\0\0\0\0RMIDdata\0\0\0\0", 20) + MediaGen::makeMidi({}),
    };
    QRandomGenerator random(11);
    for (qsizetype n = 0; n < seeds.size(); ++n) {
        for (int i = 0; i < 1500; ++i) {
            SCOPED_TRACE(testing::Message() << "seed " << n << ", mutation " << i);
            probeEverything(i ? mutate(seeds[n], random) : seeds[n]);
        }
    }
    for (int i = 0; i < 2000; ++i) {
        SCOPED_TRACE(testing::Message() << "noise " << i);
        QByteArray noise = randomBytes(random, random.bounded(4096));
        // Plant a signature now and then, so the probes get past their first check.
        static const QByteArray heads[] = {"RIFF\x10\0\0\0WAVE", "MThd\0\0\0\x06", "ID3\x03\0\0", "\xFF\xFB\x90\x64"};
        const QByteArray& head = heads[random.bounded(4)];
        if (random.bounded(2) && noise.size() > head.size()) noise.replace(0, head.size(), head);
        probeEverything(noise);
    }
}
