#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

#include "MediaGen.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/GstMciEngine.h"
#include "support/TempDir.h"

// Songs made once for all real-engine tests: a few seconds each, playing
// into a fake sink that keeps time.
struct TestSongs {
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

inline QByteArray randomBytes(QRandomGenerator& random, qsizetype count) {
    QByteArray bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random.bounded(256));
    return bytes;
}

// Polls until the condition holds or timeoutMs passes.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QThread::msleep(20);
    }
    return true;
}

// The real engine, with every command held to the 2 s bound.
struct TimedEngine {
    ProcessWaveOut waveOut;
    GstMciEngine mci{waveOut};

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
};
