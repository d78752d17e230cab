#include "playlist/SongLengthTest.h"

#include <exception>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "playback/MultiMedia.h"
#include "playlist/PlaylistEntries.h"

SongLengthTest::SongLengthTest(PlaylistEntries& entries, AppState& state, StatusLine& status,
                               MultiMedia& media, QObject* parent)
    : QObject(parent), entries_(entries), state_(state), status_(status), media_(media), timer_(this) {
    timer_.onTick = [this] { tick(); };
}

void SongLengthTest::start(int first, int last, bool quick) {
    state_.ChkSongLenQuick = quick ? -1 : 0;
    timer_.set(kIntervalMs, true);
    state_.ChkSongLen = static_cast<qint16>(qBound(0, first, PlaylistEntries::kMaxEntries));
    state_.ChkSongLenEND = static_cast<qint16>(qBound(-1, last, PlaylistEntries::kMaxEntries - 1));
    status_.setStatus(QStringLiteral("準備進行歌曲長度測試中..."));
}

void SongLengthTest::stop() {
    timer_.set(0, false);
    status_.setStatus(QStringLiteral("已經全部完成歌曲長度測試!"));
    if (onEnded) onEnded();
}

void SongLengthTest::finish(const QString& message) {
    timer_.set(0, false);
    status_.setStatus(message);
    if (onEnded) onEnded();
}

void SongLengthTest::tick() {
    if (!isRunning()) return;
    bool more = false;
    try {
        more = measureNext();
    } catch (const std::exception&) {
        more = false;
    }
    if (!more) finish(QStringLiteral("已經完成歌曲長度測試."));
}

// Returns false when the test has reached its end (or lost its entries).
bool SongLengthTest::measureNext() {
    const bool quick = state_.ChkSongLenQuick != 0;
    // Entries may have been removed since the test started; the range then
    // ends at the new last entry.
    while (state_.ChkSongLen <= state_.ChkSongLenEND && entries_.contains(state_.ChkSongLen)) {
        const int index = state_.ChkSongLen;
        if (quick && entries_.lengthMs(index) != 0) {
            ++state_.ChkSongLen;
            continue;
        }
        status_.setStatus(QStringLiteral("歌曲長度測試中..(") + QString::number(index) + u'/' +
                          QString::number(state_.ChkSongLenEND) + u')');
        qint32 length = media_.MMGetFileLength(QString(), entries_.path(index));
        // Where the song that plays holds its file, it cannot be opened a
        // second time; its own length stands in for it. Any other file that
        // cannot be measured keeps 0, so no other song's length is shown.
        if (length == 0 && entries_.path(index) == state_.PSongLink) length = state_.PSongLenL;
        entries_.setLength(index, length);
        ++state_.ChkSongLen;
        return true;
    }
    return false;
}
