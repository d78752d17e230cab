#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

#include "desktop/MprisPlayerState.h"
#include "playback/Transport.h"

class PlaylistAccess;
class SongStarter;
class WindowControl;

// The player on the session bus as org.mpris.MediaPlayer2.corvane, so the
// keyboard's media keys, the desktop's media widget and playerctl drive it.
// It tells the bus when the state, the song or the volume change, not on
// every tick of the position.
class MprisService : public QObject, private TransportListener {
    Q_OBJECT
public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.corvane";

    MprisService(Transport& transport, PlaylistAccess& playlist, WindowControl& window, SongStarter& songs,
                 QObject* parent = nullptr);
    ~MprisService() override;

    // Registers on `bus`; false (and nothing registered) when the bus is not
    // there or the object cannot be put on it. A second copy of the player
    // takes a name of its own, as the desktop's convention has it.
    bool registerOn(const QDBusConnection& bus);
    // On the user's session bus when there is one; null, silently, without.
    static std::unique_ptr<MprisService> startOnSessionBus(Transport& transport, PlaylistAccess& playlist,
                                                           WindowControl& window, SongStarter& songs);

    QString serviceName() const { return serviceName_; }

private:
    void transportChanged() override;

    Transport& transport_;
    MprisPlayerState state_;
    QDBusConnection bus_;
    QString serviceName_;
};
