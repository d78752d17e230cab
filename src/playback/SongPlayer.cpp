#include "playback/SongPlayer.h"

#include <QFileInfo>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "common/DataFolder.h"
#include "common/IntervalTimer.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "platform/Clock.h"
#include "playback/FileHistory.h"
#include "playback/LyricHook.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/PositionToTime.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "playback/WindowCaption.h"

namespace {

// A path handed over in quotes (as a Windows shell passes it) names the file
// inside them.
QString withoutQuotes(const QString& path) {
    const QString trimmed = path.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"')) return trimmed.mid(1, trimmed.size() - 2);
    return path;
}

// Bits per millisecond are kilobits per second. The product is formed in
// floating point so no file size can overflow it.
double bitRateKbps(qint64 sizeBytes, qint32 lengthMs) {
    if (lengthMs == 0) return 0.0;
    return static_cast<double>(sizeBytes) * 8.0 / lengthMs;
}

}  // namespace

SongPlayer::SongPlayer(PlaybackContext& context) : ctx_(context) {}

double SongPlayer::clockNowMs() const { return ctx_.clock.secondsSinceMidnight() * 1000.0; }

void SongPlayer::SongStarted(const QString& requested) {
    const QString path = withoutQuotes(requested);
    const QString title = GetFileTitle(path);
    const QFileInfo file(path);
    if (path.trimmed().isEmpty() || !file.isFile()) {
        ctx_.status.setStatus(QStringLiteral("檔案不存在. (") + title + QStringLiteral(")"));
        return;
    }
    AppState& s = ctx_.state;
    MultiMedia& media = ctx_.media;
    const qint16 openCode = media.MMOpen(path, QLatin1String(kSongAlias), true);
    media.MMPlay(QString(), 0);

    s.DoTimeAccumulate = false;
    s.AccTimePos = 0;
    s.PSongLink = path;
    s.PLyricLink = DataFolder::lyricFileFor(title);
    s.PSongLenL = media.MMGetFileLength(QString(), QString());
    s.PSongLenS = PositionToTime(s.PSongLenL, true);
    const double rate = bitRateKbps(file.size(), s.PSongLenL);

    ctx_.MMTimer.set(kTransportIntervalMs, true);
    TransportModel& display = ctx_.display;
    display.setTimeBarScale(s.PSongLenL / double(TransportModel::kTimeLineUnits));
    display.setTimeText(QStringLiteral("0:00.00/") + s.PSongLenS);
    display.setQualityText(formatFixed(roundHalfEven(rate), 0) + QStringLiteral(" Kbps"));
    ctx_.status.setStatus(startText(title, openCode));

    s.VersionH = displayTitle(path) + QStringLiteral(" - ");
    ctx_.caption.setCaption(songCaption());
    AddToFileHist(s.PSongLink);
    if (ctx_.lyric.lyricSectionOpen()) ctx_.lyric.LoadLyricFile(0);
    ctx_.listeners.notify();
}

// A file the engine would not open is not playing, whatever else the start
// did; the engine's own text says why. The rest of the start stands, so the
// recent files keep the song and the playlist moves on at its next tick.
QString SongPlayer::startText(const QString& title, qint16 openCode) const {
    if (openCode == 0) return QStringLiteral("播放中...(") + title + QStringLiteral(")");
    return QStringLiteral("無法播放. (") + title + QStringLiteral(") ") + ctx_.media.MMGetErrorText(openCode);
}

QString SongPlayer::displayTitle(const QString& path) const {
    if (GetFileExt(path).toLower() != QLatin1String("mp3")) return GetFileTitle(path);
    const QString joined = ReadID3Tag(ctx_.dialogs, path, 123);
    return ReplaceText(joined, QStringLiteral("|"), QStringLiteral(" ~ "), true);
}

QString SongPlayer::songCaption() const {
    const AppState& s = ctx_.state;
    // The scrolling form ends in " - " so its end joins its start.
    if (s.TitleDirection == 0) return s.VersionH + s.VersionB + s.VersionT;
    return s.VersionH + s.VersionB + QStringLiteral(" - ");
}

void SongPlayer::SongFinished() {
    ctx_.MMTimer.set(0, false);
    ctx_.media.MMClose(QString(), false);
    ctx_.state.DoTimeAccumulate = false;
    ctx_.lyric.clearLyricLine();
    ctx_.status.setStatus(QStringLiteral("播放完畢!..(") + GetFileTitle(ctx_.state.PSongLink) + QStringLiteral(")"));
    ctx_.listeners.notify();
}

void SongPlayer::MMSetNewPos(qint32 pos, bool doSeek, bool doPlay) {
    AppState& s = ctx_.state;
    if (pos != -1) s.AccTimePos = pos;
    s.AccLastTime = clockNowMs();
    if (doSeek) ctx_.media.MMSeek(QString(), s.AccTimePos);
    if (doPlay) ctx_.media.MMPlay(QString(), s.AccTimePos);
}

void SongPlayer::AddToFileHist(const QString& path) {
    if (FileHistory::add(ctx_.state.FileHist, path)) emit ctx_.display.fileHistChanged();
}

void SongPlayer::mnuFileHist_Click(int index) {
    if (index < 1 || index > FileHistory::kEntries) return;
    SongStarted(ctx_.state.FileHist[static_cast<size_t>(index)]);
}
