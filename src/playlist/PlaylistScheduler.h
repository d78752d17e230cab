#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "common/IntervalTimer.h"

class Dialogs;
class PlaylistEntries;
class PlaylistLabels;
class SchedulerHost;
class StatusLine;
struct AppState;

// Plays the playlist entry after entry. It does not listen for the end of a
// song: every 2 s (PlayListTimer) it looks at the song device and, when no
// song plays or is paused, starts PlayNextNo, counting passes until
// TotalPLRep is reached (-1: endless). The sequence commands only move
// PlayNextNo (and may stop the current song); the next tick does the rest.
// PLInfoTimer writes the progress line once a second, always.
class PlaylistScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 2000;
    static constexpr int kInfoMs = 1000;

    PlaylistScheduler(PlaylistEntries& entries, PlaylistLabels& labels, AppState& state, StatusLine& status,
                      Dialogs& dialogs, SchedulerHost& host, QObject* parent = nullptr);

    IntervalTimer& PlayListTimer() { return tickTimer_; }
    IntervalTimer& PLInfoTimer() { return infoTimer_; }
    bool isRunning() const { return tickTimer_.intervalMs() != 0; }

    // 0: play (shuffles first when that option is on); 1: play in order.
    void Start(int index);
    void Stop();
    void tick();
    // mnuPLSequence(0..5).
    enum Sequence { RepeatThis = 0, SkipNext = 1, JumpAfterThis = 2, PreviousNow = 3, NextNow = 4, JumpNow = 5 };
    void mnuPLSequence(int index);

    // The information line as it reads now.
    QString infoLine();
    void updateInfo();

private:
    // The number box of the jump commands; nothing when the answer is not
    // an entry number (the status line then says so).
    std::optional<int> askEntryNumber();
    void setPlayNextNo(qint64 value);

    PlaylistEntries& entries_;
    PlaylistLabels& labels_;
    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    SchedulerHost& host_;
    IntervalTimer tickTimer_;
    IntervalTimer infoTimer_;
    bool askingNumber_ = false;
};
