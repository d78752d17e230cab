#pragma once

#include <QStringList>

#include "app/SongStarter.h"
#include "playback/Transport.h"

// A transport that answers from its fields and records what it is told,
// songs started included, in one list in order ("SongStarted /a.mp3", "stop").
class FakeTransport final : public Transport, public SongStarter {
public:
    void SongStarted(const QString& path) override { calls << QStringLiteral("SongStarted ") + path; }
    void play() override { calls << QStringLiteral("play"); }
    void pause() override { calls << QStringLiteral("pause"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void seekTo(qint32 ms) override { calls << QStringLiteral("seekTo %1").arg(ms); }
    void setSpeed(int thousandths) override { calls << QStringLiteral("setSpeed %1").arg(thousandths); }
    int speed() override { return 1000; }
    void setVolume(int units) override { calls << QStringLiteral("setVolume %1").arg(units); }
    int volume() const override { return 500; }
    Mode mode() override { return songMode; }
    qint32 positionMs() override { return position; }
    qint32 lengthMs() const override { return 4000; }
    QString songPath() const override { return path; }
    void addListener(TransportListener*) override {}
    void removeListener(TransportListener*) override {}

    Mode songMode = NoSong;
    qint32 position = 0;
    QString path;
    QStringList calls;
};
