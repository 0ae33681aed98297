#pragma once

#include "BeatGrid.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// A decoded sound in the output's own format: interleaved float samples.
struct WaveSamples
{
    std::vector<float> samples;
};

// Mixes the sounds into the output's buffers: one sound at a time, a sound that
// starts cutting off the one still sounding. Beats are counted in the frames
// rendered, so they keep the output's own clock whatever the thread that asks
// for them is doing. Not thread safe: the output renders with its lock held and
// calls everything else under the same lock.
class ClickMixer
{
public:
    ClickMixer(int rate, int channels) : grid_(rate), channels_(channels) {}

    // Plays the sound from the next frame rendered on.
    void play(std::shared_ptr<const WaveSamples> wave);

    // Starts the beats with the next frame rendered, one every periodMs; each
    // plays the beat sound, none while there is none.
    void startBeats(int periodMs) { grid_.start(rendered_, periodMs); }
    void setBeatSound(std::shared_ptr<const WaveSamples> wave) { beatSound_ = std::move(wave); }
    void setBeatPeriod(int periodMs) { grid_.setPeriod(periodMs, rendered_); }
    void stopBeats() { grid_.stop(); }

    // Frames still to render before the output falls silent for good; nothing
    // while beats run.
    std::optional<std::int64_t> framesToSilence() const;

    void render(float* out, int frames);

private:
    void mix(float* out, int frames);
    void startSound(std::shared_ptr<const WaveSamples> wave);

    BeatGrid grid_;
    int channels_;
    std::int64_t rendered_ = 0; // frames handed to the output so far
    std::shared_ptr<const WaveSamples> beatSound_;
    std::shared_ptr<const WaveSamples> waiting_; // played from the next frame rendered
    std::shared_ptr<const WaveSamples> sounding_;
    std::size_t position_ = 0; // next sample of sounding_
};

} // namespace platform
