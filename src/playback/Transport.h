#pragma once

#include <QString>
#include <QtGlobal>

// Told when the song or its state changes (a song starts or ends, play,
// pause, stop, a seek or a new speed).
class TransportListener {
public:
    virtual ~TransportListener() = default;
    virtual void transportChanged() = 0;
};

// The player as parts outside its panel drive it (the remote link, the
// command console, the desktop's media keys): the same decisions the
// transport buttons take.
class Transport {
public:
    // The song device's modes, as MMGetMode answers.
    enum Mode : quint8 { NoSong = 0, Playing = 1, Stopped = 2, Paused = 3 };

    virtual ~Transport() = default;
    virtual void play() = 0;
    // Pauses a playing song and resumes a paused one.
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seekTo(qint32 positionMs) = 0;
    // Thousandths of normal speed (1000 normal).
    virtual void setSpeed(int thousandths) = 0;
    virtual int speed() = 0;
    // 0..1000, both channels.
    virtual void setVolume(int units) = 0;
    virtual int volume() const = 0;
    virtual Mode mode() = 0;
    virtual qint32 positionMs() = 0;
    virtual qint32 lengthMs() const = 0;
    virtual QString songPath() const = 0;

    virtual void addListener(TransportListener* listener) = 0;
    virtual void removeListener(TransportListener* listener) = 0;
};
