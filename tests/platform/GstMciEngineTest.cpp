// The engine with real pipelines, on short generated songs playing into a
// fake sink in real time. Every command is held to the 2 s time bound.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

#include "MediaGen.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/GstMciEngine.h"
#include "platform/mci/MediaSniffer.h"
#include "support/TempDir.h"

namespace {

struct TestSongs {  // made once for all the tests
    TempDir dir;
    QString wav = dir.path("tone.wav"), shortWav = dir.path("short.wav"), cbrMp3 = dir.path("cbr.mp3"),
            vbrMp3 = dir.path("vbr.mp3"), midi0 = dir.path("format0.mid"), midi1 = dir.path("format1.mid"),
            wma = dir.path("tone.wma");
    qint64 wavMs = 3000, shortWavMs = 500, midiMs = 0, wmaMs = 0, cbrFrames = 0, vbrFrames = 0;

    static const TestSongs& get() { static const TestSongs songs; return songs; }
    TestSongs() {
        const MediaGen::Tone tone{3000, 44100, 2};
        MediaGen::writeWave(wav, tone);
        MediaGen::writeWave(shortWav, {500, 22050, 1});
        EXPECT_TRUE(MediaGen::encodeMp3(cbrMp3, {tone, false, 128}).ok);
        EXPECT_TRUE(MediaGen::encodeMp3(vbrMp3, {tone, true, 128, 4, true}).ok);
        cbrFrames = MediaGen::countMpegAudioFrames(cbrMp3);
        vbrFrames = MediaGen::countMpegAudioFrames(vbrMp3);
        const MediaGen::MidiSong midi{.sections = {{2, 500000}, {4, 250000}, {1, 1000000}}};  // 1 s at each of 3 tempos
        midiMs = MediaGen::midiLengthMs(midi);
        MediaGen::writeMidi(midi0, midi);
        MediaGen::writeMidi(midi1, {.format = 1, .sections = midi.sections, .noteTracks = 2});
        EXPECT_TRUE(MediaGen::encodeWma(wma, tone).ok);
        wmaMs = MediaGen::wmaLengthMs(tone);
    }
    static qint64 mp3Ms(qint64 frames) { return qRound64(frames * 1152 * 1000.0 / 44100); }
    static QString quoted(const QString& path) { return '"' + path + '"'; }
};

class RealEngine : public ::testing::Test {
protected:
    MciReply send(const QString& command, int capacity = 255) {
        QElapsedTimer timer;
        timer.start();
        MciReply reply = mci.sendString(command, capacity);
        EXPECT_LT(timer.elapsed(), 2000) << "too slow: " << qPrintable(command);
        return reply;
    }
    QString ok(const QString& command) {  // a command that must succeed; its reply
        const MciReply reply = send(command);
        EXPECT_EQ(reply.code, 0u) << qPrintable(command);
        return reply.text;
    }
    qint64 number(const QString& command) { return ok(command).toLongLong(); }
    QString mode(const QString& alias) { return ok("status " + alias + " mode"); }
    qint64 position(const QString& alias) { return number("status " + alias + " position"); }
    QString open(const QString& path, const QString& alias) { return ok("open " + s.quoted(path) + " alias " + alias); }
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < timeoutMs) QThread::msleep(20);
        return condition();
    }

    ProcessWaveOut waveOut;
    GstMciEngine mci{waveOut};
    const TestSongs& s = TestSongs::get();
};

}  // namespace

TEST_F(RealEngine, EveryKindOfSongHasItsTrueLengthAndPlaysAtOnce) {
    // The songs themselves first, or every length below is checked against a wrong truth: 3 s at 44.1 kHz are
    // 114.8 frames, plus the encoder's delay; the VBR song carries a Xing header, the CBR one must be scanned;
    // the WMA song is 65 blocks of 2048 samples.
    EXPECT_GE(s.cbrFrames, 115);
    EXPECT_LE(s.cbrFrames, 117);
    EXPECT_EQ(std::tuple(s.vbrFrames, s.midiMs, s.wmaMs), std::tuple(s.cbrFrames, 3000, 3019)) << "VBR, MIDI, WMA";
    EXPECT_EQ(readWholeFile(s.vbrMp3).indexOf("Xing"), 36);
    EXPECT_EQ(readWholeFile(s.cbrMp3).indexOf("Xing"), -1);
    // MP3 exact to the frame (±1 ms of rounding), the others within 1 %.
    struct Song { const char* name; QString path; qint64 lengthMs, toleranceMs; };
    for (const Song& song : {Song{"WAV", s.wav, s.wavMs, 0}, Song{"CBR MP3", s.cbrMp3, s.mp3Ms(s.cbrFrames), 1},
                             Song{"VBR MP3", s.vbrMp3, s.mp3Ms(s.vbrFrames), 1},
                             Song{"MIDI format 0, tempo changes", s.midi0, s.midiMs, s.midiMs / 100},
                             Song{"MIDI format 1, tempo changes", s.midi1, s.midiMs, s.midiMs / 100},
                             Song{"WMA", s.wma, s.wmaMs, s.wmaMs / 100}}) {
        SCOPED_TRACE(song.name);
        open(song.path, "song");
        ok("set song time format milliseconds");
        EXPECT_NEAR(number("status song length"), song.lengthMs, song.toleranceMs);
        EXPECT_EQ(mode("song"), "stopped") << "a new device stands still";
        ok("play song from 0");
        EXPECT_EQ(mode("song"), "playing") << "playing at once, before any sound";
        EXPECT_TRUE(waitUntil([&] { return position("song") >= 150; }, 3000)) << "the position never advanced";
        ok("close song");
    }
}

TEST_F(RealEngine, NaturalEndComesAfterTheTrueTimeAtTheLength) {
    // The MIDI song changes tempo twice: 3 s as written, 7 s if each tempo held from the start.
    struct Case { const char* name; QString path; qint64 lengthMs; };
    for (const Case& c : {Case{"WAV", s.shortWav, s.shortWavMs}, Case{"MIDI", s.midi0, s.midiMs}}) {
        SCOPED_TRACE(c.name);
        open(c.path, "a");
        QElapsedTimer wall;
        wall.start();
        ok("play a");
        ASSERT_TRUE(waitUntil([&] { return mode("a") == "stopped"; }, int(c.lengthMs) + 4000));
        EXPECT_GT(wall.elapsed(), c.lengthMs * 9 / 10);
        EXPECT_LT(wall.elapsed(), c.lengthMs * 3 / 2 + 1000);
        EXPECT_EQ(position("a"), c.lengthMs);
        ok("play a from 0");
        EXPECT_EQ(mode("a"), "playing") << "out of the end by a seek";
        ok("close a");
    }
    open(s.shortWav, "a");
    ok("play a from 100 to 300");
    ASSERT_TRUE(waitUntil([&] { return mode("a") == "stopped"; }, 3000));
    EXPECT_EQ(position("a"), 300) << "\"to\" ends the play there";
    ok("seek a to end");
    ok("play a");
    EXPECT_EQ(mode("a"), "stopped") << "nothing is left to play at the end";
    EXPECT_EQ(position("a"), s.shortWavMs);
}

TEST_F(RealEngine, SeekStopAndPauseHoldThePositionAndPlayGoesOnFromThere) {
    open(s.vbrMp3, "a");
    ok("play a from 0");
    ok("seek a to 1500");
    EXPECT_EQ(mode("a"), "stopped");
    ok("pause a");
    QThread::msleep(300);
    EXPECT_EQ(mode("a"), "paused");
    EXPECT_EQ(position("a"), 1500) << "paused at the seek target, and not moving";
    ok("play a");
    EXPECT_EQ(mode("a"), "playing");
    EXPECT_TRUE(waitUntil([&] { return position("a") >= 1700; }, 3000));
    ok("stop a");
    const qint64 stoppedAt = position("a");
    EXPECT_GE(stoppedAt, 1700);
    EXPECT_LT(stoppedAt, 2500) << "played from the seek target, not the start";
    QThread::msleep(200);
    EXPECT_EQ(mode("a"), "stopped");
    EXPECT_EQ(position("a"), stoppedAt) << "a stopped device does not move";
    ok("play a");
    EXPECT_GE(position("a"), stoppedAt) << "resumed, not restarted";
    EXPECT_TRUE(waitUntil([&] { return position("a") >= stoppedAt + 200; }, 3000));
    ok("pause a");
    ok("resume a");
    EXPECT_EQ(mode("a"), "playing");
    ok("seek a to start");
    EXPECT_EQ(send("play a from -4000").code, MciError::OutOfRange);
    EXPECT_EQ(position("a"), 0) << "at the start, where a refused command leaves it";
}

TEST_F(RealEngine, SpeedTwoThousandAdvancesTwiceAsFast) {
    open(s.wav, "a");
    ok("play a from 0");
    ASSERT_TRUE(waitUntil([&] { return position("a") >= 100; }, 3000));
    const qint64 before = position("a");
    ok("set a speed 2000");  // the play goes on from where it stood
    QElapsedTimer wall;
    wall.start();
    const qint64 first = position("a");
    EXPECT_GE(first, before);
    EXPECT_LT(first, before + 300);
    QThread::msleep(800);
    const double ratio = double(position("a") - first) / double(wall.elapsed());
    EXPECT_GT(ratio, 1.5);
    EXPECT_LT(ratio, 2.6);
    EXPECT_EQ(send("set a speed 0").code, MciError::OutOfRange);
    EXPECT_EQ(number("status a speed"), 2000) << "a refused speed leaves the last one";
}

// Devices at once, each by its alias or, without one, by its path as it was written; a failure leaves them as
// they were and answers its code with no reply, and a reply is cut to the caller's capacity.
TEST_F(RealEngine, DevicesByAliasOrPathAndFailuresGiveCodesWithoutReply) {
    const QString spaced = s.quoted(s.dir.writeFile("with blank.wav", MediaGen::makeWave({1000})));
    EXPECT_EQ(ok("open " + s.wav), "1") << "open answers the device id";
    EXPECT_EQ(open(s.cbrMp3, "two"), "2");
    ok("open " + spaced + " type waveaudio");
    EXPECT_EQ(number("status " + s.wav + " length"), s.wavMs);
    ok("play " + s.wav);
    ok("play two from 500");
    EXPECT_EQ(mode(s.wav), "playing");
    EXPECT_EQ(mode("TWO"), "playing") << "aliases are case-insensitive";
    EXPECT_EQ(mode(spaced), "stopped");
    ok("stop all");
    EXPECT_EQ(mode(s.wav), "stopped");

    auto openAs = [&](const QString& path, const char* alias = "m") { return "open \"" + path + "\" alias " + alias; };
    const QList<QPair<QString, quint32>> cases{
        {openAs(s.dir.path("missing.mp3")), MciError::FileNotFound}, {openAs({}), MciError::FileNotFound},
        {openAs(s.dir.path()), MciError::CannotPlay}, {openAs(s.cbrMp3, "Two"), MciError::DuplicateAlias},
        {"open " + s.wav, MciError::DuplicateAlias}, {openAs(s.cbrMp3, "all"), MciError::CannotUseAll},
        {"play nothing", MciError::InvalidDevice}, {"close nothing", MciError::InvalidDevice},
        {"Status  position", MciError::InvalidDevice}, {"fly two to the moon", MciError::UnrecognizedCommand},
        {"play two from 100000", MciError::OutOfRange}, {"play two from 2000 to 1000", MciError::OutOfRange},
        {"status two", MciError::MissingParameter}, {"status two mode length", MciError::FlagsNotCompatible},
        {"seek two", MciError::MissingParameter}, {"set two", MciError::MissingParameter},
        {"set two time format frames", MciError::BadTimeFormat}, {"setaudio two volume to 1001", MciError::OutOfRange},
    };
    for (const auto& [command, code] : cases) {
        const MciReply reply = send(command);
        EXPECT_EQ(std::pair(reply.code, reply.text), std::pair(code, QString())) << qPrintable(command);
    }
    EXPECT_EQ(mode("two"), "stopped") << "the open devices are untouched";
    for (const auto& [capacity, text] : QList<QPair<int, QString>>{
             {255, "stopped"}, {8, "stopped"}, {7, "stoppe"}, {3, "st"}, {1, ""}, {0, ""}, {-5, ""}})
        EXPECT_EQ(send("status two mode", capacity).text, text) << capacity;

    ok("close all");
    for (const QString& name : {s.wav, QStringLiteral("two"), spaced})
        EXPECT_EQ(send("status " + name + " mode").code, MciError::InvalidDevice) << qPrintable(name);
    ok("close all");  // nothing open: still fine
}

// A file that holds no song is refused at open, before a pipeline could fail where no command hears of it: nothing
// at all, a letter under a song's name, or noise, even noise in which MPEG frame headers happen to follow each
// other. A song, even a short cut of one, still opens.
TEST_F(RealEngine, FilesHoldingNoSongAreRefusedAtOpen) {
    QByteArray noise(50000, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QByteArray lookalike = noise;
    const QByteArray header("\xFF\xFB\x90\x64", 4);  // MPEG 1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame
    lookalike.replace(1000, 4, header).replace(1417, 4, header);
    MemoryByteSource probed(lookalike);
    ASSERT_EQ(MediaSniffer::sniff(probed), MediaKind::MpegAudio) << "the header probe must take it for MPEG audio";
    const struct { const char* name; QByteArray bytes; quint32 code; } cases[] = {
        {"empty.mp3", {}, MciError::CannotPlay}, {"empty.wav", {}, MciError::CannotPlay},
        {"letter.mp3", "Dear friend,\r\nthis is not a song.\r\n", MciError::CannotPlay},
        {"noise.mp3", noise, MciError::CannotPlay},
        {"noise with two frame headers.mp3", lookalike, MciError::CannotPlay},
        {"cut.mp3", readWholeFile(s.cbrMp3).left(2000), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(send("open " + s.quoted(s.dir.writeFile(c.name, c.bytes)) + " alias song").code, c.code) << c.name;
        send("close song");
    }
}

TEST_F(RealEngine, VolumeFollowsTheOutputLevelAndEachDevice) {
    quint32 heard = 0;
    ProcessWaveOut output;  // whoever listened to the output level before the engine still hears it
    output.onChange = [&](quint32 level) { heard = level; };
    {
        GstMciEngine engine(output);
        ASSERT_EQ(engine.sendString("open " + s.quoted(s.wav) + " alias a", 0).code, 0u);
        engine.sendString("play a", 0);
        output.setVolume(0x40004000u);
        EXPECT_EQ(heard, 0x40004000u);
        EXPECT_EQ(engine.sendString("setaudio a volume to 500", 0).code, 0u);
        EXPECT_EQ(engine.sendString("status a volume", 255).text, "500");
    }
    output.setVolume(0xFFFFu);  // the engine is gone and has let go
    EXPECT_EQ(heard, 0xFFFFu);
}

TEST_F(RealEngine, DamagedAndHostileFilesStayWithinBounds) {
    QRandomGenerator random(20240601);
    QByteArray noise(50000, '\0');
    for (char& c : noise) c = static_cast<char>(random.bounded(256));
    const QByteArray mp3 = readWholeFile(s.vbrMp3), wav = readWholeFile(s.wav), mid = readWholeFile(s.midi1),
                     wma = readWholeFile(s.wma);
    QByteArray oddFormat = MediaGen::makeWave({1000, 8000, 1});  // headers fine, no decoder for the format
    oddFormat.replace(20, 2, "\x34\x12");
    const QList<QPair<QString, QByteArray>> files{
        {"cut.mp3", mp3.left(1000)}, {"cut-xing.mp3", mp3.left(mp3.size() / 3)},
        {"random.wav", "RIFF" + noise.mid(100, 20000)}, {"header-only.wav", wav.left(44)}, {"cut.wav", wav.left(30)},
        {"odd-format.wav", oddFormat}, {"cut.mid", mid.left(40)}, {"header-only.mid", mid.left(14)},
        {"cut.wma", wma.left(wma.size() / 2)}, {"asf-header.wma", wma.left(64)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(qPrintable(name));
        const MciReply opened = send("open " + s.quoted(s.dir.writeFile(name, bytes)) + " alias bad");
        EXPECT_TRUE(opened.code == 0 || opened.code == MciError::CannotPlay) << opened.code;
        if (opened.code) continue;
        EXPECT_GE(number("status bad length"), 0);
        send("set bad speed 4000");  // what is left of the audio plays out quickly
        send("play bad");
        waitUntil([&] { return mode("bad") != "playing"; }, 1000);
        const QString now = mode("bad");
        EXPECT_TRUE(now == "playing" || now == "stopped" || now == "not ready") << qPrintable(now);
        EXPECT_GE(position("bad"), 0);
        ok("close bad");
    }
}
