// Time from a key press to the first sample of the sound it plays, as it
// reaches the sound server's monitor. Reads the monitor from standard input
// (32-bit floats, one channel, 48 000 frames a second, as parec writes them)
// and presses a key with xdotool COUNT times, GAP_MS apart, each once the
// sound has been quiet for a while:
//
//   parec --raw --latency-msec=5 --format=float32le --channels=1 --rate=48000 ... |
//       sound_latency COUNT GAP_MS KEY
//
// Each read of the monitor is stamped with the monotonic clock as it arrives;
// the first loud sample of a read arrived as many frames before the stamp as
// it lies before the read's end. The latency runs from just before xdotool is
// started to that moment, so it includes starting xdotool, the program's
// reaction, its output buffers and the server's mixing. Prints each latency,
// then the median and the worst in milliseconds; a press that plays nothing
// within GAP_MS counts as missed. It also prints the longest silence (samples
// of exactly 0, which the server mixes where a stream ran dry) inside the
// first second of each note: a note that rings for 1.5 s has none.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double Rate = 48000.0;
// A sample this loud starts a note; quiet is everything below it.
constexpr float Loud = 0.02f;
// A key is pressed only after this much quiet.
constexpr double QuietSeconds = 0.3;
// How long after its start a note is checked for silence inside it.
constexpr double NoteCheckSeconds = 1.0;

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void press(const char* key)
{
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>("xdotool"), const_cast<char*>("key"), const_cast<char*>(key),
                    nullptr};
    if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "sound_latency: cannot start xdotool\n");
        std::exit(2);
    }
}

void reapPresses()
{
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: sound_latency COUNT GAP_MS KEY < monitor\n");
        return 2;
    }
    const int count = std::atoi(argv[1]);
    const double gap = std::atof(argv[2]) / 1000;
    const char* key = argv[3];

    std::vector<double> latencies;
    int missed = 0;
    double pressedAt = 0; // 0 while no press waits for its sound
    double quietSince = now();
    double nextPress = now() + 1.0; // let the recorder settle first
    std::vector<float> chunk(4096);
    long checkLeft = 0; // frames of the note still to check for silence
    long silentRun = 0;
    long longestSilence = 0;
    // The last note is heard to the end of its check too.
    while (int(latencies.size()) + missed < count || checkLeft > 0) {
        const double t = now();
        const bool pressesLeft = int(latencies.size()) + missed < count;
        if (pressesLeft && pressedAt == 0 && t >= nextPress && t - quietSince >= QuietSeconds) {
            pressedAt = now();
            press(key);
            nextPress = pressedAt + gap;
        } else if (pressedAt != 0 && t - pressedAt > gap) {
            std::printf("press %zu: nothing heard\n", latencies.size() + missed + 1);
            ++missed;
            pressedAt = 0;
        }
        reapPresses();
        pollfd in{STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, 2) <= 0)
            continue;
        const ssize_t got = read(STDIN_FILENO, chunk.data(), chunk.size() * sizeof(float));
        const double arrived = now();
        if (got <= 0) {
            std::fprintf(stderr, "sound_latency: the monitor ended\n");
            return 2;
        }
        // parec writes whole frames; a partial float at the end would be rare
        // and is dropped with the rest of that read's tail.
        const std::size_t frames = std::size_t(got) / sizeof(float);
        for (std::size_t i = 0; i < frames; ++i) {
            if (checkLeft > 0) {
                --checkLeft;
                silentRun = chunk[i] == 0.0f ? silentRun + 1 : 0;
                longestSilence = std::max(longestSilence, silentRun);
            }
            if (std::abs(chunk[i]) < Loud)
                continue;
            if (pressedAt != 0) {
                const double at = arrived - double(frames - 1 - i) / Rate;
                latencies.push_back((at - pressedAt) * 1000);
                std::printf("press %zu: %.1f ms\n", latencies.size() + missed, latencies.back());
                std::fflush(stdout);
                pressedAt = 0;
                checkLeft = long(NoteCheckSeconds * Rate);
                silentRun = 0;
            }
            quietSince = arrived;
        }
    }
    reapPresses();
    if (latencies.empty()) {
        std::printf("no press was heard\n");
        return 1;
    }
    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    std::printf("key to first sample: median %.1f ms, worst %.1f ms over %zu presses, %d missed\n",
                median, sorted.back(), n, missed);
    std::printf("longest silence inside a note's first %.0f s: %.2f ms\n", NoteCheckSeconds,
                double(longestSilence) * 1000 / Rate);
    return 0;
}
