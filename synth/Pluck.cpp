#include "Pluck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <random>

namespace synth {

namespace {

// The fundamental dies away by this much over the length of a note.
constexpr double DecayDb = 40.0;
constexpr double FadeInSeconds = 0.003;
constexpr double FadeOutSeconds = 0.05;
// The allpass takes a delay from this to one sample more: there its
// coefficient stays small, so it rings little when the loop starts.
constexpr double ShortestAllpassDelay = 0.618;
// How much of each new noise sample the burst's low-pass lets through; lower
// is a softer pluck.
constexpr double Brightness = 0.5;
// The noise generator always starts here, so every note of one pitch is the same.
constexpr std::uint_fast32_t NoiseStart = 48271;

// One loop's worth of noise, low-passed so that the pluck is a thump rather
// than a hiss, with its mean removed so that the loop holds no constant offset.
std::vector<double> burst(int length)
{
    std::minstd_rand noise(NoiseStart);
    const double span = double(noise.max() - noise.min());
    std::vector<double> samples(static_cast<std::size_t>(length));
    double smooth = 0.0;
    for (double& s : samples) {
        const double white = 2.0 * double(noise() - noise.min()) / span - 1.0;
        smooth += Brightness * (white - smooth);
        s = smooth;
    }
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / length;
    for (double& s : samples)
        s -= mean;
    return samples;
}

// Raised-cosine ramps at both ends, then the scale that puts the peak at NotePeak.
std::vector<float> shaped(std::vector<double> samples, int sampleRate)
{
    const std::size_t in = std::size_t(FadeInSeconds * sampleRate);
    const std::size_t out = std::size_t(FadeOutSeconds * sampleRate);
    const auto ramp = [](std::size_t i, std::size_t n) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * (double(i) + 0.5) / double(n));
    };
    for (std::size_t i = 0; i < in; ++i)
        samples[i] *= ramp(i, in);
    for (std::size_t i = 0; i < out; ++i)
        samples[samples.size() - 1 - i] *= ramp(i, out);

    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double scale = peak > 0.0 ? NotePeak / peak : 0.0;
    std::vector<float> result(samples.size());
    std::transform(samples.begin(), samples.end(), result.begin(),
                   [scale](double s) { return float(s * scale); });
    return result;
}

} // namespace

std::vector<float> renderPluck(double frequencyHz, int sampleRate)
{
    if (!(frequencyHz > 0.0) || sampleRate <= 0 || 3.0 * frequencyHz > sampleRate)
        return {};

    // One pass through the loop must take exactly one period: a delay line of
    // whole samples, the two-point average (half a sample at every frequency)
    // and a first-order allpass whose phase delay at the fundamental is the
    // rest.
    const double period = sampleRate / frequencyHz;
    const int length = int(std::floor(period - 0.5 - ShortestAllpassDelay));
    const double fraction = period - 0.5 - length;
    const double w = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    const double allpass = std::sin((1.0 - fraction) * w / 2) / std::sin((1.0 + fraction) * w / 2);
    // The average damps the fundamental by cos(w/2) on every pass; a plain loss
    // makes up the rest of the decay, so that low and high notes last alike.
    const double passes = frequencyHz * NoteSeconds;
    const double loss = std::min(1.0, std::pow(10.0, -DecayDb / 20.0 / passes) / std::cos(w / 2));

    std::vector<double> line = burst(length);
    std::vector<double> samples(std::size_t(std::lround(NoteSeconds * sampleRate)));
    std::size_t at = 0;
    double previous = 0.0; // the average's last input
    double allpassIn = 0.0;
    double allpassOut = 0.0;
    for (double& s : samples) {
        s = line[at];
        const double averaged = 0.5 * (s + previous);
        previous = s;
        const double tuned = allpass * (averaged - allpassOut) + allpassIn;
        allpassIn = averaged;
        allpassOut = tuned;
        line[at] = loss * tuned;
        at = (at + 1) % line.size();
    }
    return shaped(std::move(samples), sampleRate);
}

} // namespace synth
