#include "platform/mci/OutputLevel.h"

#include <algorithm>

OutputLevel OutputLevel::fromWaveOut(quint32 level) {
    const double left = (level & 0xFFFFu) / 65535.0;
    const double right = (level >> 16) / 65535.0;
    OutputLevel out;
    out.gain = std::max(left, right);
    if (out.gain <= 0.0 || left == right) return out;
    // The quieter channel keeps quieter/louder of the gain.
    out.balance = left > right ? -(1.0 - right / left) : 1.0 - left / right;
    return out;
}
