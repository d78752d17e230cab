#include "playlist/PlaylistShuffle.h"

#include "common/Numbers.h"
#include "playlist/PlaylistEntries.h"

namespace PlaylistShuffle {

float SeededDraw::operator()() {
    // 24 random bits fill a float's mantissa exactly, so the value can never
    // round up to 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void shuffle(PlaylistEntries& entries, const Draw& draw) {
    const int n = entries.count();
    for (int i = 0; i < n; ++i) {
        const float r = draw();
        const int j = static_cast<int>(roundHalfEven(static_cast<double>(static_cast<float>(n - 1) * r)));
        entries.swap(i, j);
    }
}

}  // namespace PlaylistShuffle
