#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

using AudioClock = std::chrono::steady_clock;

// A decoded sound in the output's own format: interleaved float samples.
struct WaveSamples
{
    std::vector<float> samples;
};

// Relates the steady clock to the output's frame count. The output asks for
// every buffer some time before it sounds; the time of each request, less the
// frames handed out before it, is the clock time of frame 0 as that request
// sees it. Single requests come late by the audio thread's wake-up delay, and
// the sound server asks early now and then to fill its own buffer; when the
// output falls behind (the server ran out of data), every later frame sounds
// later. The estimate is the median of the recent requests, which ignores the
// odd early or late one; when several requests in a row stand more than a few
// milliseconds off it on the same side, the output's timing has moved for good
// and the estimate starts afresh from those requests, so that only the beats
// of the next few tens of milliseconds can miss the move.
class FrameClock
{
public:
    explicit FrameClock(int rate) : rate_(rate) {}

    // Called when the output asks for the buffer that starts at frame.
    void observe(AudioClock::time_point now, std::int64_t frame);

    // The frame rendered at the given clock time; nothing before the first
    // request.
    std::optional<std::int64_t> frameAt(AudioClock::time_point when) const;

private:
    static constexpr std::size_t Window = 64;
    static constexpr std::size_t StepRequests = 5;
    static constexpr double StepSeconds = 0.002;

    void keepLatest(std::size_t requests);

    int rate_;
    AudioClock::time_point origin_{};
    std::array<double, Window> recent_{}; // seconds after origin_, a ring
    std::size_t count_ = 0;               // requests seen, up to Window
    std::size_t next_ = 0;                // where the next request goes in the ring
    double zeroSeconds_ = 0;              // the estimate: frame 0, seconds after origin_
    std::size_t streak_ = 0;              // requests in a row off the estimate on one side
    bool streakLate_ = false;             // the side of that streak
};

// Mixes the click sounds into the output buffers: one sound at a time, each
// started at the exact frame its start time maps to; a sound that starts cuts
// off the one still sounding. Not thread safe: the output calls render with its
// lock held and schedule is called under the same lock.
class ClickMixer
{
public:
    ClickMixer(int rate, int channels) : clock_(rate), channels_(channels) {}

    // Starts the sound at the given clock time (as soon as possible when that
    // time has already been rendered).
    void schedule(std::shared_ptr<const WaveSamples> wave, AudioClock::time_point start);

    // Fills frames interleaved frames at out; now is when the output asked.
    void render(float* out, int frames, AudioClock::time_point now);

private:
    struct Pending
    {
        std::shared_ptr<const WaveSamples> wave;
        AudioClock::time_point start;
    };

    void mix(float* out, int frames);

    FrameClock clock_;
    int channels_;
    std::int64_t rendered_ = 0;    // frames handed to the output so far
    std::vector<Pending> pending_; // in order of start time
    std::shared_ptr<const WaveSamples> sounding_;
    std::size_t position_ = 0; // next sample of sounding_
};

} // namespace platform
