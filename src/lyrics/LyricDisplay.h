#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "common/IntervalTimer.h"
#include "playback/LyricHook.h"

class InfoArea;
class SongDevice;
class StatusLine;
struct AppState;

// The lyric section's timed display. A lyric has no times: its N lines are
// spread evenly over the song, one line per tick of LyricTimer, whose
// interval is the song length over N minus the speed adjustment DLSM. The
// display is placed once, when loaded, at the line matching the position it
// is given, and then runs on its own timer: pausing or seeking does not move
// it, loading again does (new song, seek, opening the section).
//
// Plain logic: the song's mode and position come from SongDevice, the open
// flag of the section from InfoArea, and the timer is driven by the window
// (or by tests, which call LyricTimer_Timer directly).
class LyricDisplay : public QObject, public LyricHook {
    Q_OBJECT
public:
    static inline const QString kInitialDetails = QStringLiteral("動態化歌詞資料");

    LyricDisplay(AppState& state, StatusLine& status, InfoArea& info, SongDevice& song, QObject* parent = nullptr);

    IntervalTimer& LyricTimer() { return timer_; }
    const QStringList& listLyricContainer() const { return container_; }
    // lblLyricViewer: seven entries joined by CR LF.
    QString viewerText() const { return viewer_; }
    // lblLyricDetails: rate and line count.
    QString detailsText() const { return details_; }

    // LyricHook.
    bool lyricSectionOpen() const override;
    void LoadLyricFile(qint32 startMs) override;
    void clearLyricLine() override;

    void LyricTimer_Timer();
    // 0 back one line, 1 forward one line.
    void cmdLyricPos_Click(int index);
    // Left: forward; right: back; other buttons nothing.
    void lblLyricViewer_MouseDown(Qt::MouseButton button);
    // Opens or closes the lyric section.
    void lblLyricSwt_Click();
    // Interval 0, disabled: the display stays where it is.
    void stop();
    // Loads the lyric at the song's position when the song plays; with
    // `onlyWhenIdle` not while a display already runs.
    void loadIfPlaying(bool onlyWhenIdle = false);

    // The tick interval for a song length and a line count: below 1 ms is
    // raised to 1 ms (a short song with a large adjustment would stop the
    // timer instead); long intervals are kept.
    static int intervalFor(qint32 songLengthMs, int lineCount, qint16 adjustmentMs);
    // The container entry of the start position: the share of the song
    // already played, times the whole entry count, cut toward zero; 0 for
    // position 0, an unknown length or a negative position.
    static int startEntryFor(qint32 startMs, qint32 songLengthMs, int entryCount);

signals:
    void viewerChanged();
    void detailsChanged();

private:
    // One tick; false when the entries to show are not in the list.
    bool tick();
    void showEnd();
    void setViewer(const QString& text);
    void setDetails(const QString& text);
    // The current song has no lyric to show: the old song's display stops.
    void stopForOtherSong();
    QString lyricName() const;

    AppState& state_;
    StatusLine& status_;
    InfoArea& info_;
    SongDevice& song_;
    IntervalTimer timer_;
    QStringList container_;
    QString viewer_;
    QString details_ = kInitialDetails;
};
