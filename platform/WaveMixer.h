#pragma once

#include "BeatGrid.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// A decoded sound in the output's own format: interleaved float samples, and
// for a sound that may be the beats' the one the first beat of a bar plays.
struct WaveSamples
{
    std::vector<float> samples;
    std::shared_ptr<const WaveSamples> accented = nullptr;
};

// Mixes the sounds into the output's buffers. Clicks (the beats and a sound
// played at once) take turns: a click that starts cuts off the one still
// sounding. Notes are added on top of the clicks and of each other. Beats are
// counted in the frames rendered, so they keep the output's own clock whatever
// the thread that asks for them is doing. Not thread safe: the output renders
// with its lock held and calls everything else under the same lock.
class WaveMixer
{
public:
    // Notes sounding at once; a note beyond them ends the oldest.
    static constexpr std::size_t MostNotes = 16;

    // The sum never goes beyond ceiling (full scale is 1).
    WaveMixer(int rate, int channels, float ceiling = 1.0f);

    // Plays the click from the next frame rendered on.
    void play(std::shared_ptr<const WaveSamples> wave);
    // Adds the note from the next frame rendered on.
    void addNote(std::shared_ptr<const WaveSamples> wave);

    // Starts the beats with the next frame rendered, one every periodMs; each
    // plays the beat sound (the first of a bar its accented one, where it has
    // one), none while there is none.
    void startBeats(int periodMs) { grid_.start(rendered_, periodMs); }
    void setBeatSound(std::shared_ptr<const WaveSamples> wave) { beatSound_ = std::move(wave); }
    void setBeatPeriod(int periodMs) { grid_.setPeriod(periodMs, rendered_); }
    void setBeatsPerBar(int beats) { grid_.setBeatsPerBar(beats); }
    void stopBeats() { grid_.stop(); }

    // Frames still to render before the output falls silent for good; nothing
    // while beats run.
    std::optional<std::int64_t> framesToSilence() const;

    void render(float* out, int frames);

private:
    // A sound and the next of its samples to render.
    struct Playing
    {
        std::shared_ptr<const WaveSamples> wave;
        std::size_t position = 0;
        std::size_t samplesLeft() const;
    };

    void renderClicks(float* out, int frames);
    void copyClick(float* out, int frames);
    void addNotes(float* out, int frames);
    void limit(float* out, int frames);

    BeatGrid grid_;
    int channels_;
    float ceiling_;
    float releaseStep_;         // how far the limiter's gain returns towards 1 per frame
    std::int64_t rendered_ = 0; // frames handed to the output so far
    std::shared_ptr<const WaveSamples> beatSound_;
    std::shared_ptr<const WaveSamples> waitingClick_; // played from the next frame rendered
    Playing click_;
    std::vector<Playing> notes_; // oldest first
    float gain_ = 1.0f;
};

} // namespace platform
