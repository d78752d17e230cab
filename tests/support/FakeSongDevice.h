#pragma once

#include "lyrics/SongDevice.h"

// A song device the test sets: its mode and position.
class FakeSongDevice final : public SongDevice {
public:
    quint8 songMode() override { return mode; }
    qint32 songPositionMs() override { return positionMs; }
    quint8 mode = 0;  // 1 playing
    qint32 positionMs = 0;
};
