// The engine with real pipelines, on short generated songs playing into a
// fake sink in real time. Every command is held to the time bound.
#include "EngineFixture.h"

namespace {

class RealEngine : public ::testing::Test {
protected:
    TimedEngine e;
    const TestSongs& s = TestSongs::get();
};

}  // namespace

TEST_F(RealEngine, EveryKindOfSongHasItsTrueLengthAndPlaysAtOnce) {
    // MP3 exact to the frame (±1 ms of rounding), the others within 1 %.
    struct Song {
        const char* name;
        QString path;
        qint64 lengthMs, toleranceMs;
    };
    const Song songs[] = {
        {"WAV", s.wav, s.wavMs, 0},
        {"CBR MP3 (frame scan)", s.cbrMp3, TestSongs::mp3Ms(s.cbrFrames), 1},
        {"VBR MP3 (Xing)", s.vbrMp3, TestSongs::mp3Ms(s.vbrFrames), 1},
        {"MIDI format 0, tempo changes", s.midi0, s.midiMs, s.midiMs / 100},
        {"MIDI format 1, tempo changes", s.midi1, s.midiMs, s.midiMs / 100},
        {"WMA", s.wma, s.wmaMs, s.wmaMs / 100},
    };
    for (const Song& song : songs) {
        SCOPED_TRACE(song.name);
        ASSERT_EQ(e.send("open " + s.quoted(song.path) + " alias song").code, 0u);
        e.ok("set song time format milliseconds");
        EXPECT_NEAR(e.number("status song length"), song.lengthMs, song.toleranceMs);
        EXPECT_EQ(e.mode("song"), "stopped") << "a new device stands still";
        e.ok("play song from 0");
        EXPECT_EQ(e.mode("song"), "playing") << "playing at once, before any sound";
        EXPECT_TRUE(TimedEngine::waitUntil([&] { return e.position("song") >= 150; }, 3000))
            << "the position never advanced";
        e.ok("close song");
    }
}

TEST_F(RealEngine, NaturalEndComesAfterTheTrueTimeAtTheLength) {
    // The MIDI song changes tempo twice: 3 s as written, 7 s if each tempo
    // were taken to hold from the start.
    struct Case {
        const char* name;
        QString path;
        qint64 lengthMs;
    };
    for (const Case& c : {Case{"WAV", s.shortWav, s.shortWavMs}, Case{"MIDI", s.midi0, s.midiMs}}) {
        SCOPED_TRACE(c.name);
        e.ok("open " + s.quoted(c.path) + " alias a");
        QElapsedTimer wall;
        wall.start();
        e.ok("play a");
        ASSERT_TRUE(TimedEngine::waitUntil([&] { return e.mode("a") == "stopped"; }, int(c.lengthMs) + 4000));
        EXPECT_GT(wall.elapsed(), c.lengthMs * 9 / 10);
        EXPECT_LT(wall.elapsed(), c.lengthMs * 3 / 2 + 1000);
        EXPECT_EQ(e.position("a"), c.lengthMs);
        e.ok("close a");
    }

    e.ok("open " + s.quoted(s.shortWav) + " alias a");
    e.ok("play a from 100 to 300");
    EXPECT_EQ(e.mode("a"), "playing");
    ASSERT_TRUE(TimedEngine::waitUntil([&] { return e.mode("a") == "stopped"; }, 3000));
    EXPECT_EQ(e.position("a"), 300) << "\"to\" ends the play there";
    e.ok("seek a to end");
    e.ok("play a");
    EXPECT_EQ(e.mode("a"), "stopped") << "nothing is left to play at the end";
    EXPECT_EQ(e.position("a"), s.shortWavMs);
}

TEST_F(RealEngine, SeekStopAndPauseHoldThePositionAndPlayGoesOnFromThere) {
    e.ok("open " + s.quoted(s.vbrMp3) + " alias a");
    e.ok("play a from 0");
    e.ok("seek a to 1500");
    EXPECT_EQ(e.mode("a"), "stopped");
    EXPECT_EQ(e.position("a"), 1500);
    e.ok("pause a");
    EXPECT_EQ(e.mode("a"), "paused");
    QThread::msleep(300);
    EXPECT_EQ(e.position("a"), 1500) << "a paused device does not move";

    e.ok("play a");
    EXPECT_EQ(e.mode("a"), "playing");
    EXPECT_TRUE(TimedEngine::waitUntil([&] { return e.position("a") >= 1700; }, 3000));
    e.ok("stop a");
    EXPECT_EQ(e.mode("a"), "stopped");
    const qint64 stoppedAt = e.position("a");
    EXPECT_GE(stoppedAt, 1700);
    EXPECT_LT(stoppedAt, 2500) << "played from the seek target, not from the start";
    QThread::msleep(200);
    EXPECT_EQ(e.position("a"), stoppedAt) << "a stopped device does not move";
    e.ok("play a");
    EXPECT_GE(e.position("a"), stoppedAt) << "resumed, not restarted";
    EXPECT_TRUE(TimedEngine::waitUntil([&] { return e.position("a") >= stoppedAt + 200; }, 3000));
    e.ok("pause a");
    e.ok("resume a");
    EXPECT_EQ(e.mode("a"), "playing");

    e.ok("seek a to start");
    EXPECT_EQ(e.position("a"), 0);
    EXPECT_EQ(e.send("play a from -4000").code, MciError::OutOfRange);
    EXPECT_EQ(e.position("a"), 0) << "a refused command changes nothing";
}

TEST_F(RealEngine, SpeedTwoThousandAdvancesTwiceAsFast) {
    e.ok("open " + s.quoted(s.wav) + " alias a");
    e.ok("set a speed 2000");
    EXPECT_EQ(e.number("status a speed"), 2000);
    e.ok("play a from 0");
    ASSERT_TRUE(TimedEngine::waitUntil([&] { return e.position("a") >= 100; }, 3000));
    QElapsedTimer wall;
    wall.start();
    const qint64 first = e.position("a");
    QThread::msleep(800);
    const double ratio = double(e.position("a") - first) / double(wall.elapsed());
    EXPECT_GT(ratio, 1.5);
    EXPECT_LT(ratio, 2.6);
    EXPECT_EQ(e.send("set a speed 0").code, MciError::OutOfRange);
    EXPECT_EQ(e.number("status a speed"), 2000);
}

TEST_F(RealEngine, DevicesAtOnceByAliasOrPathAndCloseAll) {
    // Without an alias a device is named by its path, as it was written.
    const QString spaced = '"' + s.dir.writeFile("with blank.wav", MediaGen::makeWave({1000})) + '"';
    EXPECT_EQ(e.ok("open " + s.wav), "1") << "open answers the device id";
    EXPECT_EQ(e.ok("open " + s.quoted(s.cbrMp3) + " alias two"), "2");
    e.ok("open " + spaced + " type waveaudio");
    EXPECT_EQ(e.number("status " + s.wav + " length"), s.wavMs);
    EXPECT_EQ(e.send("open " + s.wav).code, MciError::DuplicateAlias);
    e.ok("play " + s.wav);
    e.ok("play two from 500");
    EXPECT_EQ(e.mode(s.wav), "playing");
    EXPECT_EQ(e.mode("TWO"), "playing") << "aliases are case-insensitive";
    EXPECT_EQ(e.mode(spaced), "stopped");
    e.ok("stop all");
    EXPECT_EQ(e.mode(s.wav), "stopped");
    EXPECT_EQ(e.mode("two"), "stopped");
    e.ok("close all");
    for (const QString& name : {s.wav, QStringLiteral("two"), spaced})
        EXPECT_EQ(e.send("status " + name + " mode").code, MciError::InvalidDevice) << qPrintable(name);
    e.ok("close all");  // nothing open: still fine
}

TEST_F(RealEngine, FailuresGiveTheirCodesAndNoReply) {
    const QString letter = s.dir.writeFile("letter.mp3", "Dear friend,\r\nthis is not a song.\r\n");
    const QString empty = s.dir.writeFile("empty.wav", {});
    e.ok("open " + s.quoted(s.wav) + " alias a");
    const QList<QPair<QString, quint32>> cases{
        {"open " + s.quoted(s.dir.path("missing.mp3")) + " alias m", MciError::FileNotFound},
        {"open \"\" alias m", MciError::FileNotFound},
        {"open " + s.quoted(letter) + " alias m", MciError::CannotPlay},
        {"open " + s.quoted(empty) + " alias m", MciError::CannotPlay},
        {"open " + s.quoted(s.dir.path()) + " alias m", MciError::CannotPlay},
        {"open " + s.quoted(s.cbrMp3) + " alias A", MciError::DuplicateAlias},
        {"open " + s.quoted(s.cbrMp3) + " alias all", MciError::CannotUseAll},
        {"play nothing", MciError::InvalidDevice},
        {"close nothing", MciError::InvalidDevice},
        {"Status  position", MciError::InvalidDevice},
        {"fly a to the moon", MciError::UnrecognizedCommand},
        {"play a from 100000", MciError::OutOfRange},
        {"play a from 2000 to 1000", MciError::OutOfRange},
        {"status a", MciError::MissingParameter},
        {"status a mode length", MciError::FlagsNotCompatible},
        {"seek a", MciError::MissingParameter},
        {"set a", MciError::MissingParameter},
        {"set a time format frames", MciError::BadTimeFormat},
        {"setaudio a volume to 1001", MciError::OutOfRange},
    };
    for (const auto& [command, code] : cases) {
        const MciReply reply = e.send(command);
        EXPECT_EQ(reply.code, code) << qPrintable(command);
        EXPECT_TRUE(reply.text.isEmpty()) << qPrintable(command);
    }
    EXPECT_EQ(e.mode("a"), "stopped") << "the open device is untouched";
}

TEST_F(RealEngine, ReplyIsCutToTheCapacity) {
    e.ok("open " + s.quoted(s.wav) + " alias a");
    const QList<QPair<int, QString>> cases{{255, "stopped"}, {10, "stopped"}, {8, "stopped"}, {7, "stoppe"},
                                           {3, "st"},        {1, ""},         {0, ""},         {-5, ""}};
    for (const auto& [capacity, text] : cases) EXPECT_EQ(e.send("status a mode", capacity).text, text) << capacity;
    EXPECT_EQ(e.send("status a length", 3).text, "30");
}

TEST_F(RealEngine, VolumeFollowsTheOutputLevelAndEachDevice) {
    quint32 heard = 0;
    // Whoever listened to the output level before the engine still hears it.
    ProcessWaveOut waveOut;
    waveOut.onChange = [&](quint32 level) { heard = level; };
    {
        GstMciEngine engine(waveOut);
        ASSERT_EQ(engine.sendString("open " + s.quoted(s.wav) + " alias a", 0).code, 0u);
        engine.sendString("play a", 0);
        waveOut.setVolume(0x40004000u);
        EXPECT_EQ(heard, 0x40004000u);
        EXPECT_EQ(engine.sendString("setaudio a volume to 500", 0).code, 0u);
        EXPECT_EQ(engine.sendString("status a volume", 255).text, "500");
    }
    waveOut.setVolume(0xFFFFu);  // the engine is gone and has let go
    EXPECT_EQ(heard, 0xFFFFu);
}

TEST_F(RealEngine, ErrorBeforeAnyPrerollReadsNotReady) {
    // A WAVE file in a format no decoder knows: it opens (the headers are
    // fine) but the pipeline fails.
    QByteArray wave = MediaGen::makeWave({1000, 8000, 1});
    wave[20] = '\x34';
    wave[21] = '\x12';
    e.ok("open " + s.dir.writeFile("odd.wav", wave) + " alias odd");
    for (int attempt = 1; attempt <= 2; ++attempt) {  // the second play fails again, never crashes
        e.ok("play odd");
        ASSERT_TRUE(TimedEngine::waitUntil([&] { return e.mode("odd") != "playing"; }, 4000)) << attempt;
        EXPECT_EQ(e.mode("odd"), "not ready") << attempt;
        EXPECT_EQ(e.ok("status odd ready"), "false") << attempt;
    }
    e.ok("close odd");
}

TEST_F(RealEngine, DamagedAndHostileFilesStayWithinBounds) {
    QRandomGenerator random(20240601);
    const QByteArray mp3 = readWholeFile(s.vbrMp3);
    const QByteArray wav = readWholeFile(s.wav);
    const QByteArray mid = readWholeFile(s.midi1);
    const QByteArray wma = readWholeFile(s.wma);
    const QList<QPair<QString, QByteArray>> files{
        {"cut.mp3", mp3.left(1000)},         {"cut-xing.mp3", mp3.left(mp3.size() / 3)},
        {"random.mp3", randomBytes(random, 50000)},  {"random.wav", "RIFF" + randomBytes(random, 20000)},
        {"header-only.wav", wav.left(44)},   {"cut.wav", wav.left(30)},
        {"cut.mid", mid.left(40)},           {"header-only.mid", mid.left(14)},
        {"cut.wma", wma.left(wma.size() / 2)}, {"asf-header.wma", wma.left(64)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(qPrintable(name));
        const MciReply opened = e.send("open " + s.quoted(s.dir.writeFile(name, bytes)) + " alias bad");
        if (opened.code != 0) {
            EXPECT_EQ(opened.code, MciError::CannotPlay);
            continue;
        }
        EXPECT_GE(e.number("status bad length"), 0);
        e.send("set bad speed 4000");  // what is left of the audio plays out quickly
        e.send("play bad");
        TimedEngine::waitUntil([&] { return e.mode("bad") != "playing"; }, 1000);
        const QString mode = e.mode("bad");
        EXPECT_TRUE(mode == "playing" || mode == "stopped" || mode == "not ready") << qPrintable(mode);
        EXPECT_GE(e.position("bad"), 0);
        e.ok("close bad");
    }
}
