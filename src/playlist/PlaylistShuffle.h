#pragma once

#include <QtGlobal>

#include <functional>
#include <random>

class PlaylistEntries;

// The shuffle: one forward pass over the list, swapping entry i with a
// partner drawn from the whole list (j = (n - 1) * r rounded, halves to
// even), not from a shrinking range. Positions of the scheduler are left as
// they are, so a shuffle during play goes on with whatever entry now has the
// number PlayNextNo.
namespace PlaylistShuffle {

// Draws uniform single-precision values in [0, 1).
using Draw = std::function<float()>;

void shuffle(PlaylistEntries& entries, const Draw& draw);

// A generator seeded from the time of day, as each shuffle is.
class SeededDraw {
public:
    explicit SeededDraw(quint32 seed) : engine_(seed) {}
    float operator()();

private:
    std::mt19937 engine_;
};

}  // namespace PlaylistShuffle
