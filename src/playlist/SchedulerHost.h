#pragma once

#include <QtGlobal>

// What the playlist scheduler drives and asks: the song device's mode and
// position, starting and stopping songs, showing the entry it started and
// shuffling the playlist. The window implements it over the media layer;
// tests script it.
class SchedulerHost {
public:
    virtual ~SchedulerHost() = default;
    // 0 no song device, 1 playing, 2 stopped, 3 paused.
    virtual quint8 songMode() = 0;
    virtual qint32 songPositionMs() = 0;
    virtual void playEntry(int index) = 0;
    virtual void stopSong() = 0;
    virtual void showEntry(int index) = 0;
    virtual void shuffle() = 0;
};
