#include "lyrics/LyricDisplay.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "browser/InfoArea.h"
#include "common/PathText.h"
#include "lyrics/LyricFile.h"
#include "lyrics/SongDevice.h"

namespace {

constexpr int kLead = LyricFile::kLeadEntries;
// Entries shown above and below the middle line of the viewer.
constexpr int kContext = 3;

}  // namespace

LyricDisplay::LyricDisplay(AppState& state, StatusLine& status, InfoArea& info, SongDevice& song, QObject* parent)
    : QObject(parent), state_(state), status_(status), info_(info), song_(song), timer_(this) {
    timer_.onTick = [this] { LyricTimer_Timer(); };
}

bool LyricDisplay::lyricSectionOpen() const { return info_.isOpen(InfoSection::Lyric); }

int LyricDisplay::intervalFor(qint32 songLengthMs, int lineCount, qint16 adjustmentMs) {
    if (lineCount <= 0) return 1;
    const qint64 perLine = static_cast<qint64>(std::trunc(double(songLengthMs) / lineCount));
    const qint64 interval = perLine - adjustmentMs;
    return static_cast<int>(std::clamp<qint64>(interval, 1, std::numeric_limits<int>::max()));
}

int LyricDisplay::startEntryFor(qint32 startMs, qint32 songLengthMs, int entryCount) {
    if (startMs <= 0 || songLengthMs <= 0) return 0;
    const double entry = std::trunc(double(startMs) / songLengthMs * entryCount);
    // A position past the end (a length measured short) ends the display.
    return static_cast<int>(qMin<double>(entry, entryCount));
}

QString LyricDisplay::lyricName() const { return GetFileTitle(state_.PLyricLink) + QStringLiteral(".lyr"); }

void LyricDisplay::LoadLyricFile(qint32 startMs) {
    const QString link = state_.PLyricLink;
    if (TrimSpaces(link).isEmpty() || !QFileInfo(link).isFile()) {
        status_.setStatus(QStringLiteral("此歌曲沒有歌詞檔! [") + lyricName() + u']');
        stopForOtherSong();
        return;
    }
    const LyricFile::ReadResult read = LyricFile::readLines(link);
    if (!read.ok) {
        // The display goes on as it was; the user learns why nothing changed.
        status_.setStatus(QStringLiteral("無法讀取歌詞檔! [") + lyricName() + QStringLiteral("] ") + read.error);
        return;
    }
    container_ = LyricFile::containerFor(read.lines);
    const int entryCount = int(container_.size());
    if (read.lines.isEmpty()) {
        status_.setStatus(QStringLiteral("歌詞檔內沒有歌詞. [") + lyricName() + u']');
        stopForOtherSong();
        return;
    }
    const int start = startEntryFor(startMs, state_.PSongLenL, entryCount);
    if (startMs != 0)
        status_.setStatus(QStringLiteral("動態化歌詞列已從歌詞檔內的第") + QString::number(start) +
                          QStringLiteral("行插播."));
    state_.LyricNo = static_cast<qint16>(start + kLead);
    state_.LyricNoTotal = static_cast<qint16>(read.lines.size());
    timer_.setEnabled(true);
    timer_.setIntervalMs(intervalFor(state_.PSongLenL, state_.LyricNoTotal, state_.DLSM));
    LyricTimer_Timer();
}

void LyricDisplay::stopForOtherSong() {
    // The old song's lines would run on over a song they do not belong to.
    stop();
    setViewer(QString());
}

void LyricDisplay::LyricTimer_Timer() {
    if (!tick()) showEnd();
}

bool LyricDisplay::tick() {
    const int no = state_.LyricNo;
    const int total = state_.LyricNoTotal;
    if (no >= total + kLead) {
        showEnd();
        return true;
    }
    if (no < kLead) return true;
    if (no - kContext < 0 || no + kContext >= container_.size()) return false;
    setDetails(QStringLiteral("更新速率: ") + QString::number(timer_.intervalMs()) + QStringLiteral(" (ms) [") +
               QString::number(state_.DLSM) + QStringLiteral("] 行數: ") + QString::number(no - 2) + u'/' +
               QString::number(total));
    setViewer(container_.mid(no - kContext, 2 * kContext + 1).join(QStringLiteral("\r\n")));
    state_.LyricNo = static_cast<qint16>(no + 1);
    return true;
}

void LyricDisplay::showEnd() {
    const QString total = QString::number(state_.LyricNoTotal);
    setDetails(QStringLiteral("更新速率: 0 (ms)   行數: ") + total + u'/' + total);
    stop();
}

void LyricDisplay::cmdLyricPos_Click(int index) {
    const int no = state_.LyricNo;
    if (index == 0) {
        if (no <= kLead) return;
        // From the first line in the middle a back step stays there: two
        // back would leave the cursor before the lyric, where ticks do nothing.
        state_.LyricNo = static_cast<qint16>(qMax(no - 2, kLead));
    } else if (no == state_.LyricNoTotal - 1) {
        return;
    }
    if (!tick()) {
        showEnd();
        status_.setStatus(QStringLiteral("顯示歌詞時出現不知名的錯誤."));
    }
}

void LyricDisplay::lblLyricViewer_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        cmdLyricPos_Click(1);
    else if (button == Qt::RightButton)
        cmdLyricPos_Click(0);
}

void LyricDisplay::lblLyricSwt_Click() {
    if (lyricSectionOpen()) {
        info_.SetFrameState(InfoSection::None);
        stop();
        return;
    }
    info_.SetFrameState(InfoSection::Lyric);
    loadIfPlaying();
}

void LyricDisplay::loadIfPlaying(bool onlyWhenIdle) {
    if (onlyWhenIdle && timer_.isEnabled()) return;
    if (song_.songMode() == MultiMedia::kModePlaying) LoadLyricFile(song_.songPositionMs());
}

void LyricDisplay::stop() { timer_.set(0, false); }

void LyricDisplay::clearLyricLine() { setViewer(QString()); }

void LyricDisplay::setViewer(const QString& text) {
    if (viewer_ == text) return;
    viewer_ = text;
    emit viewerChanged();
}

void LyricDisplay::setDetails(const QString& text) {
    if (details_ == text) return;
    details_ = text;
    emit detailsChanged();
}
