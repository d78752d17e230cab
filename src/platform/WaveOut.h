#pragma once

#include <QtGlobal>

// The output level of the player as one 32-bit value: the low 16 bits are
// the left channel and the high 16 bits the right channel, each 0..0xFFFF.
class WaveOut {
public:
    virtual ~WaveOut() = default;
    virtual quint32 volume() const = 0;
    virtual void setVolume(quint32 level) = 0;
};
