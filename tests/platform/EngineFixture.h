#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MediaGen.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/GstMciEngine.h"
#include "support/TempDir.h"

// Songs made once for all real-engine tests (a few seconds each, playing
// into a fake sink that keeps time), and an engine that checks the time
// bound of every command it is sent.
struct TestSongs {
    TempDir dir;
    QString wav, shortWav, cbrMp3, vbrMp3, midi0, midi1, wma;
    qint64 wavMs = 3000, shortWavMs = 500, midiMs = 0, wmaMs = 0;
    qint64 cbrFrames = 0, vbrFrames = 0;

    static const TestSongs& get();
    static qint64 mp3Ms(qint64 frames) { return qRound64(frames * 1152 * 1000.0 / 44100); }
    QString quoted(const QString& path) const { return QLatin1Char('"') + path + QLatin1Char('"'); }
};

inline const TestSongs& TestSongs::get() {
    static const std::unique_ptr<TestSongs> songs = [] {
        auto s = std::make_unique<TestSongs>();
        const MediaGen::Tone tone{3000, 44100, 2};
        s->wav = s->dir.path("tone.wav");
        s->shortWav = s->dir.path("short.wav");
        MediaGen::writeWave(s->wav, tone);
        MediaGen::writeWave(s->shortWav, {500, 22050, 1});
        s->cbrMp3 = s->dir.path("cbr.mp3");
        s->vbrMp3 = s->dir.path("vbr.mp3");
        EXPECT_TRUE(MediaGen::encodeMp3(s->cbrMp3, {tone, false, 128}).ok);
        EXPECT_TRUE(MediaGen::encodeMp3(s->vbrMp3, {tone, true, 128, 4, true}).ok);
        s->cbrFrames = MediaGen::countMpegAudioFrames(s->cbrMp3);
        s->vbrFrames = MediaGen::countMpegAudioFrames(s->vbrMp3);

        MediaGen::MidiSong midi;
        midi.sections = {{2, 500000}, {4, 250000}, {1, 1000000}};  // 1 s + 1 s + 1 s
        s->midiMs = MediaGen::midiLengthMs(midi);
        s->midi0 = s->dir.path("format0.mid");
        MediaGen::writeMidi(s->midi0, midi);
        midi.format = 1;
        midi.noteTracks = 2;
        s->midi1 = s->dir.path("format1.mid");
        MediaGen::writeMidi(s->midi1, midi);

        s->wma = s->dir.path("tone.wma");
        EXPECT_TRUE(MediaGen::encodeWma(s->wma, tone).ok);
        s->wmaMs = MediaGen::wmaLengthMs(tone);
        return s;
    }();
    return *songs;
}

inline QByteArray randomBytes(QRandomGenerator& random, qsizetype count) {
    QByteArray bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random.bounded(256));
    return bytes;
}

class TimedEngine {
public:
    static constexpr int kCommandBoundMs = 2000;

    ProcessWaveOut waveOut;
    GstMciEngine mci{waveOut};

    MciReply send(const QString& command, int capacity = 255) {
        QElapsedTimer timer;
        timer.start();
        MciReply reply = mci.sendString(command, capacity);
        EXPECT_LT(timer.elapsed(), kCommandBoundMs) << "too slow: " << qPrintable(command);
        return reply;
    }
    // A command that must succeed; its reply text.
    QString ok(const QString& command) {
        const MciReply reply = send(command);
        EXPECT_EQ(reply.code, 0u) << qPrintable(command);
        return reply.text;
    }
    qint64 number(const QString& command) { return ok(command).toLongLong(); }
    QString mode(const QString& alias) { return ok(QStringLiteral("status ") + alias + QStringLiteral(" mode")); }
    qint64 position(const QString& alias) { return number(QStringLiteral("status ") + alias + QStringLiteral(" position")); }

    // Polls until the condition holds or timeoutMs passes.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs) return false;
            QThread::msleep(20);
        }
        return true;
    }
};
