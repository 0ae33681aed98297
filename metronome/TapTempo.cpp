#include "TapTempo.h"

#include "Tempo.h"

#include <algorithm>
#include <cmath>

namespace tempo {

namespace {

constexpr std::int64_t LongestPauseMs = 2000;
constexpr std::size_t TapsCounted = 8;

} // namespace

std::optional<int> TapTempo::tap(std::int64_t ms)
{
    if (!taps_.empty() && (ms < taps_.back() || ms - taps_.back() > LongestPauseMs))
        taps_.clear();
    taps_.push_back(ms);
    if (taps_.size() > TapsCounted)
        taps_.pop_front();
    if (taps_.size() < 2)
        return std::nullopt;
    // Taps within the same millisecond are as fast as can be.
    const auto span = double(taps_.back() - taps_.front());
    const double tapped = 60000.0 * double(taps_.size() - 1) / std::max(span, 1.0);
    // The default rounding mode rounds halves to the even neighbour.
    return int(std::nearbyint(std::min(tapped, double(MaximumTempo))));
}

} // namespace tempo
