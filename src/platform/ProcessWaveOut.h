#pragma once

#include <functional>

#include "platform/WaveOut.h"

// The one output level of the process. The media engine listens to changes
// and applies the level to every open device and to devices opened later.
class ProcessWaveOut final : public WaveOut {
public:
    quint32 volume() const override { return level_; }
    void setVolume(quint32 level) override {
        level_ = level;
        if (onChange) onChange(level_);
    }
    std::function<void(quint32)> onChange;

private:
    quint32 level_ = 0xFFFFFFFFu;  // both channels at full level
};
