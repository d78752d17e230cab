#include "playlist/PlaylistEntries.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>

#include "playback/PositionToTime.h"

QString PlaylistEntries::path(int index) const { return contains(index) ? at(index).path : QString(); }

qint32 PlaylistEntries::lengthMs(int index) const { return contains(index) ? at(index).lengthMs : 0; }

QStringList PlaylistEntries::paths() const {
    QStringList list;
    list.reserve(count());
    for (const PlaylistEntry& e : entries_) list.append(e.path);
    return list;
}

bool PlaylistEntries::append(const QString& path, qint32 lengthMs) {
    if (isFull()) return false;
    entries_.push_back({path, lengthMs});
    return true;
}

int PlaylistEntries::appendAll(const QStringList& paths) {
    const int room = kMaxEntries - count();
    const int taken = std::min(room, static_cast<int>(paths.size()));
    entries_.reserve(entries_.size() + static_cast<size_t>(taken));
    for (int i = 0; i < taken; ++i) entries_.push_back({paths.at(i), 0});
    return static_cast<int>(paths.size()) - taken;
}

void PlaylistEntries::setLength(int index, qint32 lengthMs) {
    if (contains(index)) entries_[static_cast<size_t>(index)].lengthMs = lengthMs;
}

void PlaylistEntries::setPath(int index, const QString& path) {
    if (contains(index)) entries_[static_cast<size_t>(index)].path = path;
}

void PlaylistEntries::remove(int index) {
    if (contains(index)) entries_.erase(entries_.begin() + index);
}

int PlaylistEntries::removeIf(const std::function<bool(const PlaylistEntry&)>& picked) {
    const auto kept = std::remove_if(entries_.begin(), entries_.end(), picked);
    const auto removed = static_cast<int>(std::distance(kept, entries_.end()));
    entries_.erase(kept, entries_.end());
    return removed;
}

void PlaylistEntries::clear() { entries_.clear(); }

void PlaylistEntries::swap(int a, int b) {
    if (contains(a) && contains(b)) std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
}

bool PlaylistEntries::move(int from, int to) {
    if (!contains(from) || !contains(to)) return false;
    // A rotation is the same as the chain of adjacent swaps, in one step.
    if (to < from)
        std::rotate(entries_.begin() + to, entries_.begin() + from, entries_.begin() + from + 1);
    else if (to > from)
        std::rotate(entries_.begin() + from, entries_.begin() + from + 1, entries_.begin() + to + 1);
    return true;
}

qint32 PlaylistEntries::PLCountLength(int startInd, int endInd) const {
    const int first = std::max(startInd, 0);
    const int last = std::min(endInd, count() - 1);
    qint64 sum = 0;
    for (int i = first; i <= last; ++i) sum += at(i).lengthMs;
    // 32,767 long songs can pass the 32-bit limit (about 596 hours); the
    // total then stays at the limit rather than turning negative.
    return static_cast<qint32>(std::clamp<qint64>(sum, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<qint32>::max()));
}

QString PlaylistEntries::PLCountLengthS() const {
    const bool anyUnmeasured =
        std::any_of(entries_.begin(), entries_.end(), [](const PlaylistEntry& e) { return e.lengthMs == 0; });
    const QString total = PositionToTime(PLCountLength(0, count() - 1), true);
    return anyUnmeasured ? QStringLiteral("＞") + total : total;
}
