#include "BeatGrid.h"

#include <algorithm>

namespace platform {

void BeatGrid::start(std::int64_t first, int periodMs)
{
    running_ = true;
    periodMs_ = std::max(periodMs, 1);
    origin_ = first;
    next_ = 0;
    counted_ = 0;
    beatsPerBar_ = wantedBeatsPerBar_;
    barStart_ = 0;
}

void BeatGrid::beatSounded()
{
    ++next_;
    ++counted_;
    takeNewCountAtBarLine();
}

void BeatGrid::setBeatsPerBar(int beats)
{
    wantedBeatsPerBar_ = beats < 2 ? 0 : beats;
    takeNewCountAtBarLine();
}

bool BeatGrid::nextIsAccented() const
{
    return beatsPerBar_ > 0 && (counted_ - barStart_) % beatsPerBar_ == 0;
}

// A new count waits for the next beat that begins a bar of the count under way,
// or without an accent for the next beat whose number is a multiple of it.
void BeatGrid::takeNewCountAtBarLine()
{
    if (wantedBeatsPerBar_ == beatsPerBar_)
        return;
    const int bar = beatsPerBar_ > 0 ? beatsPerBar_ : wantedBeatsPerBar_;
    if ((counted_ - barStart_) % bar != 0)
        return;
    beatsPerBar_ = wantedBeatsPerBar_;
    barStart_ = beatsPerBar_ > 0 ? counted_ : 0;
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
