#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <vector>

// One playlist entry: a song path and its measured length (0 = not yet).
struct PlaylistEntry {
    QString path;
    qint32 lengthMs = 0;
};

// The paths of the playlist with their cached lengths (listPLItemLink), and
// the "played before the current entry" tag the information line adds the
// song position to. Positions are 16-bit throughout the playlist, so the list
// never grows past kMaxEntries; every accessor tolerates a stale index, since
// timers and clicks may refer to an entry that was removed meanwhile.
class PlaylistEntries {
public:
    static constexpr int kMaxEntries = 32767;

    int count() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    bool isFull() const { return count() >= kMaxEntries; }
    bool contains(int index) const { return index >= 0 && index < count(); }

    // Empty text / 0 for an index outside the list.
    QString path(int index) const;
    qint32 lengthMs(int index) const;
    const PlaylistEntry& at(int index) const { return entries_[static_cast<size_t>(index)]; }
    QStringList paths() const;

    // False (and nothing added) when the list is full.
    bool append(const QString& path, qint32 lengthMs = 0);
    // Appends until full; returns how many were left out.
    int appendAll(const QStringList& paths);
    void setLength(int index, qint32 lengthMs);
    void setPath(int index, const QString& path);
    void remove(int index);
    // Removes every entry the test picks, in one pass; returns how many.
    int removeIf(const std::function<bool(const PlaylistEntry&)>& picked);
    void clear();
    void swap(int a, int b);
    // Moves the entry at `from` to `to` by adjacent swaps; the entries in
    // between shift by one. False when either index is outside the list.
    bool move(int from, int to);

    // PLCountLength: sum of the lengths of StartInd..EndInd (inclusive),
    // 0 when StartInd > EndInd. Out-of-range ends are cut to the list; the
    // sum saturates at the 32-bit maximum instead of wrapping.
    qint32 PLCountLength(int startInd, int endInd) const;
    // PLCountLengthS: the total as time text with hundredths, with "＞" in
    // front when any entry is still unmeasured.
    QString PLCountLengthS() const;

    // listPLItemLink's tag: ms of the entries before PlayNo, set when the
    // scheduler starts an entry.
    qint32 playedBeforeMs() const { return playedBeforeMs_; }
    void setPlayedBeforeMs(qint32 ms) { playedBeforeMs_ = ms; }

private:
    std::vector<PlaylistEntry> entries_;
    qint32 playedBeforeMs_ = 0;
};
