#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

struct PlaybackContext;
class SongPlayer;

// The transport's decisions: what the 500 ms tick shows and when the song
// has ended, what the six buttons, the transport menu and clicks on the
// time and volume lines do. While the speed differs from normal the shown
// position comes from the software clock (DoTimeAccumulate, AccTimePos,
// AccLastTime), advanced each tick by the elapsed time times the speed.
class TransportController {
public:
    enum Button { Play = 0, Pause = 1, Stop = 2, Back4s = 3, ApplySpeed = 4, FromStart = 5 };

    TransportController(PlaybackContext& context, SongPlayer& player);

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

    // The playlist scheduler's start (0 shuffled/as set, 1 in order) and stop;
    // the menu entries 3..5 do nothing while these are empty.
    std::function<void(int order)> startPlaylist;
    std::function<void()> stopPlaylist;

private:
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
};
