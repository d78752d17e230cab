#include "playback/TransportController.h"

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "common/IntervalTimer.h"
#include "common/Numbers.h"
#include "platform/Dialogs.h"
#include "platform/WaveOut.h"
#include "playlist/PlaylistAccess.h"
#include "playback/CaptionScroll.h"
#include "playback/JumpTime.h"
#include "playback/LyricHook.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/PositionToTime.h"
#include "playback/SongPlayer.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "playback/VolumeScale.h"
#include "playback/WindowCaption.h"

namespace {

constexpr double kMsPerDay = 24.0 * 60 * 60 * 1000;

qint32 clampToInt32(double value) {
    return static_cast<qint32>(qBound<double>(INT32_MIN, roundHalfEven(value), INT32_MAX));
}

// The marker's left edge in window twips. Units far off the line (a clock
// run past the song's end, a song of a few milliseconds) are held to a
// range that cannot overflow the sum.
int markerLeft(qint16 lineLeft, qint64 units) {
    constexpr qint64 kFar = 1 << 24;
    return static_cast<int>(lineLeft + qBound(-kFar, units, kFar));
}

}  // namespace

TransportController::TransportController(PlaybackContext& context, SongPlayer& player, PlaylistAccess& playlist)
    : ctx_(context), player_(player), playlist_(playlist) {
    ctx_.MMTimer.onTick = [this] { MMTimer_Timer(); };
}

void TransportController::MMTimer_Timer() {
    switch (ctx_.media.MMGetMode(QString())) {
    case MultiMedia::kModeStopped: {
        const QString length = ctx_.state.PSongLenS;
        ctx_.display.setTimeText(length + QLatin1Char('/') + length);
        ctx_.display.setStateText(QStringLiteral("Stopped"));
        ctx_.display.setTimeMarkerLeft(markerLeft(ctx_.state.ShiftConst[0], TransportModel::kTimeLineUnits));
        player_.SongFinished();
        break;
    }
    case MultiMedia::kModePlaying:
        if (ctx_.state.DoTimeAccumulate)
            tickPlayingByClock();
        else
            tickPlaying();
        ctx_.caption.setCaption(scrollCaption(ctx_.caption.caption(), ctx_.state.TitleDirection));
        break;
    case MultiMedia::kModePaused:
        tickPaused();
        break;
    default:
        break;
    }
}

void TransportController::tickPlaying() {
    ctx_.display.setStateText(QStringLiteral("Playing"));
    showPosition(ctx_.media.MMGetPosition(QString()));
    placeTimeMarker(ctx_.media.MMGetPosition(QString()));
}

void TransportController::tickPlayingByClock() {
    AppState& s = ctx_.state;
    const double factor = ctx_.media.MMGetSpeed(QString()) / 1000.0;
    ctx_.display.setStateText(QStringLiteral("Playing × ") + formatFixed(factor, 1));
    const double now = player_.clockNowMs();
    double elapsed = roundHalfEven(now - s.AccLastTime);
    // A tick across midnight: the clock started again from 0.
    if (elapsed < 0) elapsed += kMsPerDay;
    const double delta = roundHalfEven(elapsed * factor);
    const qint32 position = clampToInt32(double(s.AccTimePos) + delta);
    showPosition(position);
    placeTimeMarker(position);
    s.AccLastTime = now;
    s.AccTimePos = position;
}

void TransportController::tickPaused() {
    AppState& s = ctx_.state;
    ctx_.display.setStateText(QStringLiteral("Paused"));
    if (s.DoTimeAccumulate) {
        // Paused time does not count.
        s.AccLastTime = player_.clockNowMs();
        showPosition(s.AccTimePos);
    } else {
        showPosition(ctx_.media.MMGetPosition(QString()));
    }
}

void TransportController::showPosition(qint32 positionMs) {
    ctx_.display.setTimeText(PositionToTime(positionMs, true) + QLatin1Char('/') + ctx_.state.PSongLenS);
}

void TransportController::placeTimeMarker(qint32 positionMs) {
    // A song without a length has no scale; the marker then stays at the
    // line's start instead of dividing by zero.
    const double scale = ctx_.display.timeBarScale();
    const auto units = scale > 0 ? tryRoundTo<qint32>(positionMs / scale) : std::optional<qint32>(0);
    ctx_.display.setTimeMarkerLeft(markerLeft(ctx_.state.ShiftConst[0], units.value_or(0)));
}

void TransportController::playFrom(qint32 positionMs) {
    if (ctx_.state.DoTimeAccumulate)
        player_.MMSetNewPos(positionMs, false, true);
    else
        ctx_.media.MMPlay(QString(), positionMs);
}

void TransportController::cmdMMControl_Click(int index) {
    runButton(index);
    ctx_.listeners.notify();
}

void TransportController::runButton(int index) {
    AppState& s = ctx_.state;
    MultiMedia& media = ctx_.media;
    switch (index) {
    case Play:
        if (s.DoTimeAccumulate) {
            media.MMSeek(QString(), s.AccTimePos);
            media.MMSetSpeed(QString(), 1000);
            s.DoTimeAccumulate = false;
        }
        if (media.MMGetMode(QString()) != MultiMedia::kModeNone)
            media.MMPlay(QString(), -1);
        else
            player_.SongStarted(s.PSongLink);
        break;
    case Pause:
        media.MMPause(QString());
        break;
    case Stop:
        media.MMStop(QString());
        break;
    case Back4s: {
        // Within the first four seconds the device gets the negative
        // position as it is; it starts from the beginning.
        const qint64 from = (s.DoTimeAccumulate ? qint64{s.AccTimePos} : media.MMGetPosition(QString())) - 4000;
        playFrom(static_cast<qint32>(qMax<qint64>(from, INT32_MIN)));
        break;
    }
    case ApplySpeed: {
        const auto speed = tryRoundTo<qint32>(leadingNumber(ctx_.display.speedTag()));
        if (!speed) break;
        media.MMSetSpeed(QString(), *speed);
        if (!s.DoTimeAccumulate) {
            player_.MMSetNewPos(media.MMGetPosition(QString()), false, true);
            s.DoTimeAccumulate = true;
        } else {
            player_.MMSetNewPos(-1, false, true);
        }
        break;
    }
    case FromStart:
        playFrom(0);
        break;
    default:
        break;
    }
}

void TransportController::mnuMMControl_Click(int index) {
    switch (index) {
    case MenuPlay:
    case MenuPause:
    case MenuStop:
        cmdMMControl_Click(index);
        break;
    case MenuStartPlaylist:
    case MenuStartPlaylistInOrder:
        playlist_.Start(index - MenuStartPlaylist);
        break;
    case MenuStopPlaylist:
        playlist_.Stop();
        break;
    case MenuJumpToTime:
        jumpToTypedTime();
        break;
    case MenuAskSpeed:
        askForSpeed();
        break;
    default:
        break;
    }
}

void TransportController::jumpToTypedTime() {
    const QString answer = ctx_.dialogs.inputBox(QStringLiteral("請輸入要跳至的歌曲時間(MM:SS.MS)\n歌曲長度: ") +
                                                          ctx_.state.PSongLenS);
    const std::optional<qint32> target = parseJumpTime(answer);
    if (!target || *target < 0) return;
    playFrom(*target);
    ctx_.listeners.notify();
}

void TransportController::askForSpeed() {
    const QString answer = ctx_.dialogs.inputBox(
        QStringLiteral("請輸入歌曲的更新速度(微秒)\n正常速度: 1000  2倍速度: 2000"));
    const double speed = leadingNumber(answer);
    // No speed, or a backward one the device cannot play, changes nothing.
    if (!(speed > 0)) return;
    ctx_.display.setSpeedTag(shortestNumberText(speed));
    cmdMMControl_Click(ApplySpeed);
}

void TransportController::LinMMTimeLin_MouseDown(double xUnits) {
    const qint32 x = clampToInt32(xUnits);
    ctx_.display.setTimeMarkerLeft(markerLeft(ctx_.state.ShiftConst[0], x));
    seekToTarget(clampToInt32(ctx_.display.timeBarScale() * x));
}

void TransportController::seekTo(qint32 positionMs) {
    placeTimeMarker(positionMs);
    seekToTarget(positionMs);
}

void TransportController::seekToTarget(qint32 target) {
    AppState& s = ctx_.state;
    if (s.DoTimeAccumulate) player_.MMSetNewPos(target, false, false);
    switch (ctx_.media.MMGetMode(QString())) {
    case MultiMedia::kModeNone:
        if (s.PSongLink.isEmpty()) break;
        // The finished song is opened again and waits at the chosen point
        // for the play button.
        ctx_.media.MMOpen(s.PSongLink, QLatin1String(SongPlayer::kSongAlias), true);
        ctx_.media.MMSeek(QString(), target);
        reportStartTime(target);
        ctx_.MMTimer.set(SongPlayer::kTransportIntervalMs, true);
        break;
    case MultiMedia::kModePlaying:
        ctx_.media.MMPlay(QString(), target);
        if (ctx_.lyric.lyricSectionOpen()) ctx_.lyric.LoadLyricFile(target);
        break;
    case MultiMedia::kModePaused:
        ctx_.media.MMSeek(QString(), target);
        reportStartTime(target);
        break;
    default:
        break;
    }
    ctx_.listeners.notify();
}

void TransportController::reportStartTime(qint32 positionMs) {
    ctx_.status.setStatus(QStringLiteral("已設定歌曲起始時間為 ") + PositionToTime(positionMs, true));
}

QString TransportController::timeLineToolTip() {
    return QStringLiteral("Current Position: ") + QString::number(ctx_.media.MMGetPosition(QString())) +
           QLatin1Char('/') + QString::number(ctx_.state.PSongLenL);
}

void TransportController::lblVolSwt_Click() {
    TransportModel& d = ctx_.display;
    if (d.volumeSliderShown()) {
        d.setVolumeSliderShown(false);
        d.setQualityText(d.qualityToolTip());
        return;
    }
    d.setVolumeSliderShown(true);
    const int v = VolumeScale::unitsFromLevel(ctx_.waveOut.volume());
    d.setVolumeUnits(v);
    d.setVolumeToolTip(VolumeScale::toolTip(v));
    d.setQualityToolTip(d.qualityText());
    d.setQualityText(VolumeScale::percentText(v));
}

void TransportController::LinMMVolLin_MouseDown(double xUnits) {
    showVolume(VolumeScale::unitsFromClick(xUnits));
    ctx_.listeners.notify();
}

void TransportController::showVolume(int units) {
    TransportModel& d = ctx_.display;
    d.setVolumeUnits(units);
    d.setVolumeToolTip(VolumeScale::toolTip(units));
    d.setQualityText(VolumeScale::percentText(units));
    ctx_.waveOut.setVolume(VolumeScale::levelFromUnits(units));
}

// ---- Transport ----

void TransportController::pause() {
    // The pause button pauses; a paused song goes on where it stood.
    if (mode() == Paused)
        cmdMMControl_Click(Play);
    else
        cmdMMControl_Click(Pause);
}

void TransportController::setSpeed(int thousandths) {
    if (thousandths <= 0) return;
    ctx_.display.setSpeedTag(QString::number(thousandths));
    cmdMMControl_Click(ApplySpeed);
}

int TransportController::speed() {
    // No song device answers no speed: normal is what a new song gets.
    const int current = ctx_.media.MMGetSpeed(QString());
    return current > 0 ? current : 1000;
}

void TransportController::setVolume(int units) {
    // Outside the slider's display the level moves without showing it.
    const int v = qBound(0, units, 1000);
    if (ctx_.display.volumeSliderShown())
        showVolume(v);
    else
        ctx_.waveOut.setVolume(VolumeScale::levelFromUnits(v));
    ctx_.listeners.notify();
}

int TransportController::volume() const { return VolumeScale::unitsFromLevel(ctx_.waveOut.volume()); }

Transport::Mode TransportController::mode() {
    const quint8 m = ctx_.media.MMGetMode(QString());
    return m <= Paused ? static_cast<Mode>(m) : NoSong;
}

qint32 TransportController::positionMs() {
    return ctx_.state.DoTimeAccumulate ? ctx_.state.AccTimePos : ctx_.media.MMGetPosition(QString());
}

qint32 TransportController::lengthMs() const { return ctx_.state.PSongLenL; }

QString TransportController::songPath() const { return ctx_.state.PSongLink; }

void TransportController::addListener(TransportListener* listener) { ctx_.listeners.add(listener); }

void TransportController::removeListener(TransportListener* listener) { ctx_.listeners.remove(listener); }
