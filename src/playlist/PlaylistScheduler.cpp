#include "playlist/PlaylistScheduler.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "common/Numbers.h"
#include "platform/Dialogs.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistLabels.h"
#include "playback/PositionToTime.h"
#include "playlist/SchedulerHost.h"

namespace {

// Where the number box opens, in twips from the screen's corner.
const QPoint kNumberBoxTwips(2500, 2000);

const QString kScheduled = QStringLiteral("PlayList播放正在排程.");

}  // namespace

PlaylistScheduler::PlaylistScheduler(PlaylistEntries& entries, PlaylistLabels& labels, AppState& state,
                                     StatusLine& status, Dialogs& dialogs, SchedulerHost& host, QObject* parent)
    : QObject(parent), entries_(entries), labels_(labels), state_(state), status_(status), dialogs_(dialogs),
      host_(host), tickTimer_(this), infoTimer_(this) {
    tickTimer_.onTick = [this] { tick(); };
    infoTimer_.onTick = [this] { updateInfo(); };
    infoTimer_.set(kInfoMs, true);
}

void PlaylistScheduler::Start(int index) {
    if (entries_.isEmpty()) {
        status_.setStatus(QStringLiteral("PlayList 內沒有歌曲項目."));
        return;
    }
    if (index == 0 && state_.options.optCheck[OptCheck::ShuffleBeforePlaying]) host_.shuffle();
    state_.PlayNo = -1;
    state_.PlayNextNo = 0;
    entries_.setPlayedBeforeMs(0);
    // Starting while running keeps the pass count: that is how a new pass
    // continues counting.
    if (!isRunning()) {
        state_.PLRep = 1;
        tickTimer_.set(kTickMs, true);
    }
    status_.setStatus(kScheduled);
    if (state_.options.optCheck[OptCheck::StartStopsSong]) host_.stopSong();
    // An idle player starts the first entry now, not two seconds later.
    tick();
}

void PlaylistScheduler::Stop() {
    if (!isRunning()) {
        status_.setStatus(QStringLiteral("沒有PlayList播放中."));
        return;
    }
    state_.PlayNo = -1;
    state_.PlayNextNo = 0;
    tickTimer_.set(0, false);
    if (state_.options.optCheck[OptCheck::StopStopsSong]) host_.stopSong();
    status_.setStatus(QStringLiteral("PlayList 已被中止或已經完成播放!"));
}

void PlaylistScheduler::tick() {
    // The number box runs its own event loop, in which the timer still
    // ticks: a song that ends meanwhile must not start the next entry before
    // the answer says which one comes next.
    if (!isRunning() || askingNumber_) return;
    const quint8 mode = host_.songMode();
    if (mode == 1 || mode == 3) return;
    // Every entry was removed while a song played: there is no pass left to
    // count, and endless play would otherwise restart an empty list forever.
    if (entries_.isEmpty()) {
        Stop();
        return;
    }
    // "Previous" on the first entry, or a jump to a number below 1, points
    // before the list: play the first entry again.
    if (state_.PlayNextNo < 0) state_.PlayNextNo = 0;
    if (state_.PlayNextNo < entries_.count()) {
        state_.PlayNo = state_.PlayNextNo;
        state_.PlayNextNo = static_cast<qint16>(state_.PlayNo + 1);
        host_.playEntry(state_.PlayNo);
        entries_.setPlayedBeforeMs(entries_.PLCountLength(0, state_.PlayNo - 1));
        host_.showEntry(state_.PlayNo);
        return;
    }
    if (state_.TotalPLRep != -1 && state_.PLRep >= state_.TotalPLRep) {
        Stop();
        return;
    }
    // Endless play counts on; the count stops at its limit, not wrapping.
    if (state_.PLRep < std::numeric_limits<qint16>::max()) ++state_.PLRep;
    Start(0);
}

void PlaylistScheduler::setPlayNextNo(qint64 value) {
    state_.PlayNextNo = static_cast<qint16>(std::clamp<qint64>(value, 0, PlaylistEntries::kMaxEntries));
}

void PlaylistScheduler::mnuPLSequence(int index) {
    switch (index) {
    case RepeatThis: setPlayNextNo(state_.PlayNo); break;
    case SkipNext: setPlayNextNo(qint64(state_.PlayNextNo) + 1); break;
    case JumpAfterThis:
        if (const auto n = askEntryNumber()) setPlayNextNo(*n - 1);
        break;
    case PreviousNow:
        setPlayNextNo(qint64(state_.PlayNo) - 1);
        host_.stopSong();
        break;
    case NextNow: host_.stopSong(); break;
    case JumpNow:
        if (const auto n = askEntryNumber()) {
            setPlayNextNo(*n - 1);
            host_.stopSong();
        }
        break;
    default: break;
    }
}

std::optional<int> PlaylistScheduler::askEntryNumber() {
    const int count = entries_.count();
    // The box offers the number of the song now playing, as the list shows it.
    const QString offer = QString::number(state_.PlayNo >= 0 ? state_.PlayNo + 1 : 1);
    askingNumber_ = true;
    QString answer = dialogs_.inputBox(QStringLiteral("請輸入歌曲編號(1 至 ") + QString::number(count) +
                                           QStringLiteral("首)"),
                                       QString(), offer, kNumberBoxTwips);
    askingNumber_ = false;
    answer.remove(u' ').remove(u'\t');
    const double number = leadingNumber(answer);
    if (!(number > 0) || number > count) {
        status_.setStatus(QStringLiteral("沒有效的編號. (") + shortestNumberText(number) + u')');
        return std::nullopt;
    }
    return static_cast<int>(std::trunc(number));
}

QString PlaylistScheduler::infoLine() {
    const QString n = QString::number(entries_.count());
    const QString passes =
        QStringLiteral(" (") + QString::number(state_.PLRep) + u'/' + QString::number(state_.TotalPLRep) + u')';
    if (!isRunning()) return QStringLiteral("PlayList共有") + n + QStringLiteral("首歌曲") + passes;
    const QString p = QString::number(state_.PlayNo + 1);
    const QString q = QString::number(state_.PlayNextNo + 1);
    QString line;
    if (state_.PlayNextNo == 0)
        line = QStringLiteral("播放中: -- /") + n + QStringLiteral("  下一首:") + q + u'/' + n;
    else if (state_.PlayNextNo >= entries_.count())
        line = QStringLiteral("播放中:") + p + u'/' + n + QStringLiteral("  下一首: --/") + n;
    else
        line = QStringLiteral("播放中:") + p + u'/' + n + QStringLiteral("  下一首:") + q + u'/' + n;
    const qint64 elapsed = qint64(entries_.playedBeforeMs()) + host_.songPositionMs();
    const auto elapsedMs = static_cast<qint32>(
        std::clamp<qint64>(elapsed, 0, std::numeric_limits<qint32>::max()));
    return line + QStringLiteral("  [") + PositionToTime(elapsedMs, false) + u']' + passes;
}

void PlaylistScheduler::updateInfo() { labels_.setInfoCaption(infoLine()); }
