#pragma once

#include <QString>
#include <QtGlobal>

#include "playback/Transport.h"

struct PlaybackContext;
class PlaylistAccess;
class SongPlayer;

// The transport's decisions: what the 500 ms tick shows and when the song
// has ended, what the six buttons, the transport menu and clicks on the
// time and volume lines do. While the speed differs from normal the shown
// position comes from the software clock (DoTimeAccumulate, AccTimePos,
// AccLastTime), advanced each tick by the elapsed time times the speed.
// Parts outside the panel drive the same decisions through Transport.
class TransportController final : public Transport {
public:
    enum Button { Play = 0, Pause = 1, Stop = 2, Back4s = 3, ApplySpeed = 4, FromStart = 5 };
    // The play menu's entries mnuMMControl(0..7).
    enum MenuEntry {
        MenuPlay = 0,
        MenuPause = 1,
        MenuStop = 2,
        MenuStartPlaylist = 3,
        MenuStartPlaylistInOrder = 4,
        MenuStopPlaylist = 5,
        MenuJumpToTime = 6,
        MenuAskSpeed = 7,
    };

    TransportController(PlaybackContext& context, SongPlayer& player, PlaylistAccess& playlist);

    void MMTimer_Timer();
    void cmdMMControl_Click(int index);  // 0..5
    void mnuMMControl_Click(int index);  // 0..7
    // A click on the time line at xUnits (0..2000 along the line).
    void LinMMTimeLin_MouseDown(double xUnits);
    // A click on the volume line at xUnits (0..1000 along the line).
    void LinMMVolLin_MouseDown(double xUnits);
    // Switches between the state label and the volume slider.
    void lblVolSwt_Click();
    // "Current Position: <ms>/<length ms>" for the time line and its marker.
    QString timeLineToolTip();

    // Transport.
    void play() override { cmdMMControl_Click(Play); }
    void pause() override;
    void stop() override { cmdMMControl_Click(Stop); }
    void seekTo(qint32 positionMs) override;
    void setSpeed(int thousandths) override;
    int speed() override;
    void setVolume(int units) override;
    int volume() const override;
    Mode mode() override;
    qint32 positionMs() override;
    qint32 lengthMs() const override;
    QString songPath() const override;
    void addListener(TransportListener* listener) override;
    void removeListener(TransportListener* listener) override;

private:
    void runButton(int index);
    void seekToTarget(qint32 target);
    void showVolume(int units);
    void tickPlaying();
    void tickPlayingByClock();
    void tickPaused();
    void showPosition(qint32 positionMs);
    void placeTimeMarker(qint32 positionMs);
    void jumpToTypedTime();
    void askForSpeed();
    void playFrom(qint32 positionMs);
    void reportStartTime(qint32 positionMs);

    PlaybackContext& ctx_;
    SongPlayer& player_;
    PlaylistAccess& playlist_;
};
