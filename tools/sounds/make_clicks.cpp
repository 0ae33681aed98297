// Draws the metronome's three click sounds and writes them as 16-bit mono wave
// files: Rhythm01.wav (a woodblock), Rhythm02.wav (a rim click) and
// Rhythm03.wav (a high bell). Each is a sum of decaying partials, some with a
// short noise strike, at most 80 ms long and normalised to just under full
// scale. Run by hand: make_clicks <output folder>; the outputs are committed.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr double Peak = 0.89; // -1 dBFS: no clipping after rounding

// A ringing mode: a sine that dies away exponentially.
struct Partial
{
    double frequency; // Hz
    double amplitude;
    double decay; // time constant, ms
};

// A burst of band-passed noise: the strike of the stick.
struct Strike
{
    double centre; // Hz
    double q;
    double amplitude;
    double decay; // time constant, ms
};

struct Click
{
    const char* file;
    double length;  // ms
    double attack;  // ms, raised-cosine rise
    double release; // ms, raised-cosine fall at the end
    std::vector<Partial> partials;
    std::vector<Strike> strikes;
};

// A fixed-seed generator, so the files come out the same on every run.
class Noise
{
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53) * 2.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x5eed;
};

// Band-pass biquad (constant peak gain).
class BandPass
{
public:
    BandPass(double centre, double q)
    {
        const double w = 2 * std::numbers::pi * centre / Rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double step(double x)
    {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

std::vector<double> render(const Click& click)
{
    const int frames = int(click.length * Rate / 1000);
    std::vector<double> out(frames, 0.0);
    for (const Partial& p : click.partials)
        for (int i = 0; i < frames; ++i) {
            const double t = double(i) / Rate;
            out[i] += p.amplitude * std::exp(-t * 1000 / p.decay) *
                      std::sin(2 * std::numbers::pi * p.frequency * t);
        }
    Noise noise;
    for (const Strike& s : click.strikes) {
        BandPass filter(s.centre, s.q);
        for (int i = 0; i < frames; ++i) {
            const double t = double(i) / Rate;
            out[i] += s.amplitude * std::exp(-t * 1000 / s.decay) * filter.step(noise.next());
        }
    }
    // Envelope ends: a quick rise keeps the onset crisp without a step, and the
    // fall brings the last sample to silence.
    const int rise = std::max(1, int(click.attack * Rate / 1000));
    const int fall = std::max(1, int(click.release * Rate / 1000));
    for (int i = 0; i < frames; ++i) {
        double gain = 1;
        if (i < rise)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * (i + 1) / rise);
        if (i >= frames - fall)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * (frames - 1 - i) / fall);
        out[i] *= gain;
    }
    return out;
}

void writeLittleEndian(std::ofstream& file, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file.put(char((value >> (8 * i)) & 0xff));
}

bool writeWave(const std::string& path, const std::vector<double>& sound)
{
    double peak = 0;
    for (double s : sound)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? Peak / peak : 0;

    std::ofstream file(path, std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(sound.size() * 2);
    file.write("RIFF", 4);
    writeLittleEndian(file, 36 + dataBytes, 4);
    file.write("WAVEfmt ", 8);
    writeLittleEndian(file, 16, 4); // format chunk size
    writeLittleEndian(file, 1, 2);  // PCM
    writeLittleEndian(file, 1, 2);  // mono
    writeLittleEndian(file, Rate, 4);
    writeLittleEndian(file, Rate * 2, 4); // bytes per second
    writeLittleEndian(file, 2, 2);        // bytes per frame
    writeLittleEndian(file, 16, 2);       // bits per sample
    file.write("data", 4);
    writeLittleEndian(file, dataBytes, 4);
    for (double s : sound) {
        const long q = std::lround(std::clamp(s * gain * 32767, -32768.0, 32767.0));
        writeLittleEndian(file, std::uint32_t(std::uint16_t(std::int16_t(q))), 2);
    }
    return bool(file);
}

// Woodblock: a hollow, dry knock, a strong low mode with two fast upper ones.
// Rim click: a bright crack of noise over a short, high body ring.
// High bell: a clear pitch with inharmonic overtones that rings longest.
const std::vector<Click> Clicks = {
    {"Rhythm01.wav",
     60,
     0.15,
     8,
     {{880, 1.0, 16}, {2350, 0.45, 7}, {3920, 0.2, 4}},
     {{1800, 1.2, 0.5, 1.2}}},
    {"Rhythm02.wav",
     45,
     0.05,
     6,
     {{1650, 0.35, 9}, {3300, 0.2, 5}, {510, 0.25, 8}},
     {{4500, 0.9, 1.6, 3.5}, {9000, 1.5, 0.6, 1.5}}},
    {"Rhythm03.wav",
     80,
     0.2,
     15,
     {{2637, 1.0, 40}, {2637 * 2.76, 0.45, 18}, {2637 * 5.4, 0.2, 9}, {2637 * 0.5, 0.15, 25}},
     {{8000, 1.0, 0.3, 0.8}}},
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const Click& click : Clicks) {
        const std::string path = std::string(argv[1]) + "/" + click.file;
        if (!writeWave(path, render(click))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
