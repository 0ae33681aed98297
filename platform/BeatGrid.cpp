#include "BeatGrid.h"

#include <algorithm>

namespace platform {

void BeatGrid::start(std::int64_t first, int periodMs)
{
    running_ = true;
    periodMs_ = std::max(periodMs, 1);
    origin_ = first;
    next_ = 0;
}

void BeatGrid::setPeriod(int periodMs, std::int64_t now)
{
    if (next_ > 0) {
        origin_ = frameOf(next_ - 1);
        next_ = 1;
    }
    periodMs_ = std::max(periodMs, 1);
    if (frameOf(next_) < now) {
        origin_ = now;
        next_ = 0;
    }
}

std::int64_t BeatGrid::frameOf(std::int64_t beat) const
{
    // Halves round up; the product stays far inside 64 bits for any run a
    // program lives through.
    return origin_ + (beat * periodMs_ * rate_ + 500) / 1000;
}

} // namespace platform
