#pragma once

#include <QtGlobal>

// The process-wide output level (low word left, high word right, each
// 0..0xFFFF) as a pipeline applies it: the louder channel sets the gain and
// the other one is a balance towards it.
struct OutputLevel {
    double gain = 1.0;     // 0..1
    double balance = 0.0;  // -1 left only .. 1 right only

    static OutputLevel fromWaveOut(quint32 level);
};
