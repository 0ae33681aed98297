#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace tempo {

// Tap tempo: the user taps the beat, and from the second tap of a series on
// the tempo is 60 000 divided by the mean interval of its last taps (up to
// eight taps), rounded to the nearest whole tempo with halves to the even
// neighbour and at most the fastest accepted tempo. A pause of more than two
// seconds, or a tap that comes before the one before it, begins a new series,
// so a series is never slower than 30.
class TapTempo
{
public:
    // Counts a tap at a time in milliseconds and returns the tempo the series
    // now gives; nothing for the first tap of a series.
    std::optional<int> tap(std::int64_t ms);

private:
    std::deque<std::int64_t> taps_; // oldest first
};

} // namespace tempo
