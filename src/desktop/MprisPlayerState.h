#pragma once

#include <QDBusObjectPath>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class PlaylistAccess;
class Transport;

// What the desktop's media widget (MPRIS) sees of the player, read through
// the transport and the playlist: the org.mpris.MediaPlayer2.Player
// properties by their names, with their D-Bus types.
class MprisPlayerState {
public:
    static constexpr double kMinimumRate = 0.1;
    static constexpr double kMaximumRate = 10.0;

    MprisPlayerState(Transport& transport, PlaylistAccess& playlist);

    QString playbackStatus();
    // mpris:trackid, mpris:length, xesam:url, xesam:title/artist/album.
    QVariantMap metadata();
    QDBusObjectPath trackId();
    qlonglong positionUs();
    qlonglong lengthUs() const;
    double volume() const;
    double rate();
    bool canGoNext() const;
    bool hasSong() const;

    // The properties that tell a change of song, state or volume, by name;
    // and of those, the ones whose value differs from the last call.
    QVariantMap watched();
    QVariantMap changedSinceLast();

private:
    Transport& transport_;
    PlaylistAccess& playlist_;
    QString trackedPath_;
    int trackNumber_ = 0;
    QVariantMap lastWatched_;
};
