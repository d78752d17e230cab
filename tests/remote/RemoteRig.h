#pragma once

#include <QStringList>

#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeSeams.h"
#include "app/SongStarter.h"
#include "playback/Transport.h"
#include "remote/IpLists.h"
#include "remote/RemoteCommands.h"

// The player a remote command reaches: songs started and transport calls are
// recorded in one list, in order ("SongStarted /a.mp3", "stop").
class RemotePlayerCalls final : public SongStarter, public Transport {
public:
    void SongStarted(const QString& path) override { calls << QStringLiteral("SongStarted ") + path; }
    void play() override { calls << QStringLiteral("play"); }
    void pause() override { calls << QStringLiteral("pause"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void seekTo(qint32 positionMs) override { calls << QStringLiteral("seekTo %1").arg(positionMs); }
    void setSpeed(int thousandths) override { calls << QStringLiteral("setSpeed %1").arg(thousandths); }
    int speed() override { return 1000; }
    void setVolume(int units) override { calls << QStringLiteral("setVolume %1").arg(units); }
    int volume() const override { return 1000; }
    Mode mode() override { return NoSong; }
    qint32 positionMs() override { return 0; }
    qint32 lengthMs() const override { return 0; }
    QString songPath() const override { return {}; }
    void addListener(TransportListener*) override {}
    void removeListener(TransportListener*) override {}

    QStringList calls;
};

// One player's remote side: its commands over fakes, its lists and dialogs.
struct RemotePlayerRig {
    RemotePlayerCalls player;
    FakePlaylistAccess playlist;
    FakeBrowser browser;
    FakeDialogs dialogs;
    FakeClock clock;
    IpLists lists;
    RemoteCommands commands{player, player, playlist, browser};
};
