#pragma once

#include <QString>

// Starting a song by its path: the one entry every subsystem uses (playlist,
// browser, recent files, remote control, command line). The playback side
// implements it.
class SongStarter {
public:
    virtual ~SongStarter() = default;
    virtual void SongStarted(const QString& path) = 0;
};
