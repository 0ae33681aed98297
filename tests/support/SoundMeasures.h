#pragma once

// Measures of rendered sound for the tests: pitch, peak and level of mono
// samples.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace measure {

// The signal times itself lag samples later, summed over span samples from.
inline double correlation(const std::vector<float>& x, std::size_t from, int lag, int span)
{
    double sum = 0.0;
    for (std::size_t n = from; n < from + std::size_t(span); ++n)
        sum += double(x[n]) * x[n + std::size_t(lag)];
    return sum;
}

// The correlation peak reached by climbing from lag, between samples.
inline double peakLag(const std::vector<float>& x, std::size_t from, int lag, int span)
{
    for (;;) {
        const double before = correlation(x, from, lag - 1, span);
        const double at = correlation(x, from, lag, span);
        const double after = correlation(x, from, lag + 1, span);
        if (before <= at && after <= at)
            return lag + 0.5 * (before - after) / (before - 2 * at + after);
        lag += before > at ? -1 : 1;
    }
}

// The fundamental by autocorrelation over span samples from, for pitches from
// lowestHz to 2 kHz: the first peak that comes close to the highest lies one
// period on. Good to some cents over a few periods.
inline double roughFundamental(const std::vector<float>& x, int rate, std::size_t from, int span,
                               double lowestHz)
{
    std::vector<double> r(std::size_t(rate / lowestHz) + 2);
    const int shortest = rate / 2000;
    for (std::size_t lag = std::size_t(shortest); lag < r.size(); ++lag)
        r[lag] = correlation(x, from, int(lag), span);
    const double highest = *std::max_element(r.begin() + shortest, r.end());
    std::size_t lag = std::size_t(shortest);
    while (r[lag] < 0.9 * highest || r[lag] < r[lag + 1])
        ++lag;
    return rate / peakLag(x, from, int(lag), span);
}

// The fundamental of a note at least 0.7 s long, from its second tenth on: the
// rough period, then the correlation peak near as many periods as fit in
// 0.1 s, over half a second, gives it to a small fraction of a cent.
inline double fundamental(const std::vector<float>& x, int rate)
{
    const std::size_t from = std::size_t(rate / 10);
    const int tenth = rate / 10;
    const double period = rate / roughFundamental(x, rate, from, tenth, 50.0);
    const int periods = int(tenth / period);
    return rate * periods / peakLag(x, from, int(std::lround(periods * period)), 5 * tenth);
}

// The largest magnitude from one second to another.
inline float peak(const std::vector<float>& x, int rate, double from = 0.0, double to = 1e9)
{
    const auto first = std::size_t(std::min(double(x.size()), from * rate));
    const auto last = std::size_t(std::min(double(x.size()), to * rate));
    float highest = 0.0f;
    for (std::size_t n = first; n < last; ++n)
        highest = std::max(highest, std::abs(x[n]));
    return highest;
}

// The root mean square over a tenth of a second from the given second.
inline double rms(const std::vector<float>& x, int rate, double from)
{
    const auto start = std::size_t(from * rate);
    return std::sqrt(correlation(x, start, 0, rate / 10) / (rate / 10));
}

} // namespace measure
