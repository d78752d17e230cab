#include "desktop/MprisPlayerState.h"

#include <QUrl>

#include "desktop/TrackTags.h"
#include "playback/Transport.h"
#include "playlist/PlaylistAccess.h"

namespace {

const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

}  // namespace

MprisPlayerState::MprisPlayerState(Transport& transport, PlaylistAccess& playlist)
    : transport_(transport), playlist_(playlist) {}

QString MprisPlayerState::playbackStatus() {
    switch (transport_.mode()) {
    case Transport::Playing: return QStringLiteral("Playing");
    case Transport::Paused: return QStringLiteral("Paused");
    default: return QStringLiteral("Stopped");
    }
}

bool MprisPlayerState::hasSong() const { return !transport_.songPath().isEmpty(); }

QDBusObjectPath MprisPlayerState::trackId() {
    if (!hasSong()) return QDBusObjectPath(kNoTrack);
    // Each new song is a new track, even the same file started again later
    // is the same track until another song comes.
    if (transport_.songPath() != trackedPath_) {
        trackedPath_ = transport_.songPath();
        ++trackNumber_;
    }
    return QDBusObjectPath(QStringLiteral("/org/corvane/Player/Track/%1").arg(trackNumber_));
}

QVariantMap MprisPlayerState::metadata() {
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId()));
    if (!hasSong()) return map;
    const QString path = transport_.songPath();
    const TrackTags tags = TrackTags::of(path);
    map.insert(QStringLiteral("mpris:length"), lengthUs());
    map.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(path).toString());
    map.insert(QStringLiteral("xesam:title"), tags.title);
    if (!tags.artist.isEmpty()) map.insert(QStringLiteral("xesam:artist"), QStringList{tags.artist});
    if (!tags.album.isEmpty()) map.insert(QStringLiteral("xesam:album"), tags.album);
    return map;
}

qlonglong MprisPlayerState::positionUs() { return hasSong() ? qlonglong(transport_.positionMs()) * 1000 : 0; }

qlonglong MprisPlayerState::lengthUs() const { return qlonglong(transport_.lengthMs()) * 1000; }

double MprisPlayerState::volume() const { return transport_.volume() / 1000.0; }

double MprisPlayerState::rate() { return transport_.speed() / 1000.0; }

bool MprisPlayerState::canGoNext() const { return playlist_.isPlaying(); }

QVariantMap MprisPlayerState::watched() {
    return {
        {QStringLiteral("PlaybackStatus"), playbackStatus()},
        {QStringLiteral("Metadata"), metadata()},
        {QStringLiteral("Volume"), volume()},
        {QStringLiteral("Rate"), rate()},
        {QStringLiteral("CanGoNext"), canGoNext()},
        {QStringLiteral("CanGoPrevious"), canGoNext()},
        {QStringLiteral("CanPlay"), hasSong()},
        {QStringLiteral("CanSeek"), lengthUs() > 0},
    };
}

QVariantMap MprisPlayerState::changedSinceLast() {
    const QVariantMap now = watched();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (lastWatched_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
    lastWatched_ = now;
    return changed;
}
