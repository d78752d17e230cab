#pragma once

#include <QtGlobal>

#include "playback/MultiMedia.h"

// What the lyric display asks of the song now loaded: whether it plays and
// where it is. The window answers through the media layer; tests script it.
class SongDevice {
public:
    virtual ~SongDevice() = default;
    // 0 no song device, 1 playing, 2 stopped, 3 paused.
    virtual quint8 songMode() = 0;
    virtual qint32 songPositionMs() = 0;
};

// The song device as the media layer sees it, always through the empty
// alias, which addresses the song now loaded.
class MediaSongDevice final : public SongDevice {
public:
    explicit MediaSongDevice(MultiMedia& media) : media_(media) {}
    quint8 songMode() override { return media_.MMGetMode(QString()); }
    qint32 songPositionMs() override { return media_.MMGetPosition(QString()); }

private:
    MultiMedia& media_;
};
