// Finds the clicks in a recording of the metronome and prints how evenly they
// came: median and mean period, mean error against the timer's period (in
// parts per million), jitter (standard deviation of the intervals) and the
// largest deviation of one interval from the timer's period.
//
//   metronome_onsets <tempo> <recording: raw signed 16-bit mono, 48 000 Hz> [--list]
//   metronome_onsets --drag <from tempo> <to tempo> <recording> <settled ms>
//   metronome_onsets --grid <tempo> <recording>
//
// --list also prints every onset and the interval before it. --drag measures a
// recording during which the tempo was dragged from one tempo to another: the
// longest gap between two clicks, and how far the clicks after the settled
// moment (ms into the recording) stray from the grid of the final tempo that
// starts at the first of them. --grid measures each click against the grid of
// the tempo that starts at the first one: the largest deviation, the beats
// more than 1 ms late (or early), and the drift (the slope of the deviations,
// in parts per million).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

constexpr double Rate = 48000;

std::vector<double> readRecording(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<double> samples;
    char bytes[2];
    while (file.read(bytes, 2))
        samples.push_back(double(std::int16_t(std::uint16_t(std::uint8_t(bytes[0])) |
                                              std::uint16_t(std::uint8_t(bytes[1])) << 8)) /
                          32768.0);
    return samples;
}

// Onsets in milliseconds: where the signal first rises above a tenth of its
// peak after at least half a period below it, placed between the two samples
// by linear interpolation. Every click is the same sound, so the same point of
// its attack is found each time; a click already sounding when the recording
// began is no onset.
std::vector<double> findOnsets(const std::vector<double>& samples, double periodMs)
{
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double threshold = peak / 10;
    const auto quiet = std::size_t(periodMs / 2 * Rate / 1000);
    std::vector<double> onsets;
    std::size_t lastLoud = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double level = std::abs(samples[i]);
        if (level < threshold)
            continue;
        if (i - lastLoud > quiet) {
            const double before = std::abs(samples[i - 1]);
            const double fraction = (threshold - before) / (level - before);
            onsets.push_back((double(i - 1) + std::clamp(fraction, 0.0, 1.0)) * 1000 / Rate);
        }
        lastLoud = i;
    }
    return onsets;
}

double periodOf(int tempo)
{
    return std::nearbyint(60000.0 / tempo);
}

int measureDrag(int from, int to, const char* recording, double settledMs)
{
    const std::vector<double> onsets =
        findOnsets(readRecording(recording), std::min(periodOf(from), periodOf(to)));
    double longestGap = 0;
    for (std::size_t i = 1; i < onsets.size(); ++i)
        longestGap = std::max(longestGap, onsets[i] - onsets[i - 1]);
    const auto settled = std::find_if(onsets.begin(), onsets.end(),
                                      [=](double onset) { return onset >= settledMs; });
    double largest = 0;
    for (auto onset = settled; onset != onsets.end(); ++onset)
        largest =
            std::max(largest, std::abs(*onset - *settled - double(onset - settled) * periodOf(to)));
    std::printf("drag %d -> %d  beats %4zu  longest gap %8.3f ms (allowed %.0f ms)  "
                "beats after the drag %3td  largest deviation from the grid %6.3f ms\n",
                from, to, onsets.size(), longestGap, std::max(periodOf(from), periodOf(to)) + 1,
                onsets.end() - settled, largest);
    return onsets.end() - settled < 3 ? 1 : 0;
}

int measureGrid(int tempo, const char* recording)
{
    const double period = 60000.0 / tempo;
    const std::vector<double> onsets = findOnsets(readRecording(recording), period);
    if (onsets.size() < 3) {
        std::fprintf(stderr, "tempo %d: only %zu clicks found in %s\n", tempo, onsets.size(),
                     recording);
        return 1;
    }
    const double n = double(onsets.size());
    double largest = 0;
    int offBeats = 0;
    double sumK = 0, sumD = 0, sumKK = 0, sumKD = 0;
    for (std::size_t k = 0; k < onsets.size(); ++k) {
        const double deviation = onsets[k] - onsets[0] - double(k) * period;
        largest = std::max(largest, std::abs(deviation));
        offBeats += std::abs(deviation) > 1.0;
        sumK += double(k);
        sumD += deviation;
        sumKK += double(k) * double(k);
        sumKD += double(k) * deviation;
    }
    const double slope = (n * sumKD - sumK * sumD) / (n * sumKK - sumK * sumK);
    std::printf("tempo %3d  beats %4zu  largest deviation from the grid %7.3f ms  "
                "beats off by more than 1 ms %3d  drift %+7.1f ppm\n",
                tempo, onsets.size(), largest, offBeats, slope / period * 1e6);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 6 && std::string_view(argv[1]) == "--drag")
        return measureDrag(std::atoi(argv[2]), std::atoi(argv[3]), argv[4], std::atof(argv[5]));
    if (argc == 4 && std::string_view(argv[1]) == "--grid")
        return measureGrid(std::atoi(argv[2]), argv[3]);
    const bool list = argc == 4 && std::string_view(argv[3]) == "--list";
    if (argc != 3 && !list) {
        std::fprintf(stderr, "usage: %s <tempo> <recording.raw> [--list]\n", argv[0]);
        return 2;
    }
    const int tempo = std::atoi(argv[1]);
    if (tempo < 1 || tempo > 399) {
        std::fprintf(stderr, "tempo must be 1 to 399\n");
        return 2;
    }
    const double period = periodOf(tempo);
    const std::vector<double> samples = readRecording(argv[2]);
    const std::vector<double> onsets = findOnsets(samples, period);
    if (onsets.size() < 3) {
        std::fprintf(stderr, "tempo %d: only %zu clicks found in %s\n", tempo, onsets.size(),
                     argv[2]);
        return 1;
    }

    std::vector<double> intervals;
    for (std::size_t i = 1; i < onsets.size(); ++i)
        intervals.push_back(onsets[i] - onsets[i - 1]);
    if (list)
        for (std::size_t i = 0; i < onsets.size(); ++i)
            std::printf("%10.3f ms  %9.3f ms\n", onsets[i], i ? intervals[i - 1] : 0.0);
    const double mean = std::accumulate(intervals.begin(), intervals.end(), 0.0) / intervals.size();
    double variance = 0;
    double largest = 0;
    for (double d : intervals) {
        variance += (d - mean) * (d - mean);
        largest = std::max(largest, std::abs(d - period));
    }
    const double jitter = std::sqrt(variance / intervals.size());
    std::vector<double> sorted = intervals;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;

    std::printf("tempo %3d  period %6.0f ms  beats %4zu  median %9.3f ms  mean %9.3f ms  "
                "error %+8.1f ppm  jitter %6.3f ms  largest deviation %6.3f ms\n",
                tempo, period, onsets.size(), median, mean, (mean - period) / period * 1e6, jitter,
                largest);
    return 0;
}
