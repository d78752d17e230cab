#pragma once

#include <QObject>

#include <functional>

#include "common/IntervalTimer.h"

class MultiMedia;
class PlaylistEntries;
class StatusLine;
struct AppState;

// Measures the lengths of playlist entries in the background: one entry per
// tick of SongLenTimer (500 ms), so the window never waits long. A quick test
// skips entries that already have a length; a complete test measures every
// entry of its range. The cursor lives in the shared state (ChkSongLen,
// ChkSongLenEND, ChkSongLenQuick) so the state inspector can follow it.
class SongLengthTest : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 500;

    SongLengthTest(PlaylistEntries& entries, AppState& state, StatusLine& status, MultiMedia& media,
                   QObject* parent = nullptr);

    IntervalTimer& SongLenTimer() { return timer_; }
    bool isRunning() const { return timer_.intervalMs() != 0; }

    // Replaces any test that runs with the range first..last (inclusive).
    void start(int first, int last, bool quick);
    // The refresh menu's "停止時間測試".
    void stop();
    // One tick: skips measured entries (quick test), measures one entry, or
    // ends the test when the range is done.
    void tick();

    // Rebuilds the display once the test has ended, so the new lengths and
    // the total show.
    std::function<void()> onEnded;

private:
    void finish(const QString& message);
    bool measureNext();

    PlaylistEntries& entries_;
    AppState& state_;
    StatusLine& status_;
    MultiMedia& media_;
    IntervalTimer timer_;
};
