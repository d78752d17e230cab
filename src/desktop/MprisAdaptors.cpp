#include "desktop/MprisAdaptors.h"

#include <QTimer>
#include <QUrl>

#include <cmath>

#include "app/SongStarter.h"
#include "app/WindowControl.h"
#include "desktop/MprisPlayerState.h"
#include "playback/Transport.h"
#include "playlist/PlaylistAccess.h"

// ---- org.mpris.MediaPlayer2 ----

MprisRootAdaptor::MprisRootAdaptor(QObject* service, WindowControl& window)
    : QDBusAbstractAdaptor(service), window_(window) {}

QString MprisRootAdaptor::identity() const { return QStringLiteral("Corvane Audio Player"); }

QString MprisRootAdaptor::desktopEntry() const { return QStringLiteral("corvane-player"); }

QStringList MprisRootAdaptor::supportedUriSchemes() const { return {QStringLiteral("file")}; }

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    return {QStringLiteral("audio/mpeg"),   QStringLiteral("audio/x-wav"),    QStringLiteral("audio/wav"),
            QStringLiteral("audio/midi"),   QStringLiteral("audio/x-midi"),   QStringLiteral("audio/x-ms-wma"),
            QStringLiteral("audio/ogg"),    QStringLiteral("audio/flac"),     QStringLiteral("audio/x-flac")};
}

void MprisRootAdaptor::Raise() { window_.raiseWindow(); }

void MprisRootAdaptor::Quit() {
    QTimer::singleShot(0, this, [this] { window_.closeWindow(); });
}

// ---- org.mpris.MediaPlayer2.Player ----

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* service, MprisPlayerState& state, Transport& transport,
                                       PlaylistAccess& playlist, SongStarter& songs)
    : QDBusAbstractAdaptor(service), state_(state), transport_(transport), playlist_(playlist), songs_(songs) {}

QString MprisPlayerAdaptor::playbackStatus() const { return state_.playbackStatus(); }

double MprisPlayerAdaptor::rate() const { return state_.rate(); }

void MprisPlayerAdaptor::setRate(double rate) {
    if (!(rate >= MprisPlayerState::kMinimumRate && rate <= MprisPlayerState::kMaximumRate)) return;
    transport_.setSpeed(static_cast<int>(std::lround(rate * 1000)));
}

double MprisPlayerAdaptor::minimumRate() const { return MprisPlayerState::kMinimumRate; }

double MprisPlayerAdaptor::maximumRate() const { return MprisPlayerState::kMaximumRate; }

QVariantMap MprisPlayerAdaptor::metadata() const { return state_.metadata(); }

double MprisPlayerAdaptor::volume() const { return state_.volume(); }

void MprisPlayerAdaptor::setVolume(double volume) {
    if (std::isnan(volume)) return;
    transport_.setVolume(static_cast<int>(std::lround(qBound(0.0, volume, 1.0) * 1000)));
}

qlonglong MprisPlayerAdaptor::position() const { return state_.positionUs(); }

bool MprisPlayerAdaptor::canGoNext() const { return state_.canGoNext(); }

bool MprisPlayerAdaptor::canPlay() const { return state_.hasSong(); }

bool MprisPlayerAdaptor::canSeek() const { return state_.lengthUs() > 0; }

void MprisPlayerAdaptor::Next() {
    if (playlist_.isPlaying()) playlist_.next();
}

void MprisPlayerAdaptor::Previous() {
    if (playlist_.isPlaying()) playlist_.previous();
}

void MprisPlayerAdaptor::Pause() {
    if (transport_.mode() == Transport::Playing) transport_.pause();
}

void MprisPlayerAdaptor::PlayPause() {
    if (transport_.mode() == Transport::Playing)
        transport_.pause();
    else
        transport_.play();
}

void MprisPlayerAdaptor::Stop() { transport_.stop(); }

void MprisPlayerAdaptor::Play() {
    if (transport_.mode() != Transport::Playing) transport_.play();
}

void MprisPlayerAdaptor::Seek(qlonglong offsetUs) {
    if (!canSeek()) return;
    moveTo(state_.positionUs() + offsetUs);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong positionUs) {
    // A position meant for another song, or outside this one, is ignored.
    if (!canSeek() || trackId != state_.trackId()) return;
    if (positionUs < 0 || positionUs > state_.lengthUs()) return;
    moveTo(positionUs);
}

void MprisPlayerAdaptor::moveTo(qlonglong positionUs) {
    const qlonglong target = qBound(0LL, positionUs, state_.lengthUs());
    transport_.seekTo(static_cast<qint32>(target / 1000));
    emit Seeked(target);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    const QUrl url(uri);
    if (url.isLocalFile()) songs_.SongStarted(url.toLocalFile());
}
