// Times rendering what a double-click plays: a low and a high note and a
// six-string strum at 48 kHz. Prints the median of 21 runs of each.

#include "Pitch.h"
#include "Pluck.h"
#include "Strum.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr int Runs = 21;

void report(const char* what, const std::function<std::vector<float>()>& render)
{
    std::vector<double> times;
    std::vector<float> samples;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        samples = render();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    const float peak = *std::max_element(samples.begin(), samples.end());
    std::printf("bench_synth: %-22s %zu samples, peak %.3f: median %.2f ms (min %.2f, max %.2f) "
                "over %d runs\n",
                what, samples.size(), double(peak), times[Runs / 2], times.front(), times.back(),
                Runs);
}

} // namespace

int main()
{
    report("note E2 (string 6/0)",
           [] { return synth::renderPluck(synth::stringFrequency(6, 0), Rate); });
    report("note B5 (string 1/19)",
           [] { return synth::renderPluck(synth::stringFrequency(1, 19), Rate); });
    report("strum E major", [] {
        return synth::renderStrum(synth::strumNotes({0, 0, 1, 2, 2, 0}), Rate);
    });
    return 0;
}
