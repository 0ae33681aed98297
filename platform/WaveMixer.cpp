#include "WaveMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The limiter lets the sum of the sounds through untouched while it stays
// within the ceiling. A frame that would go beyond it turns the gain down at
// once to just fit, and the gain comes back over about this long: a chord over
// a loud click dips for a moment instead of clipping.
constexpr double LimiterReleaseSeconds = 0.1;

} // namespace

std::size_t WaveMixer::Playing::samplesLeft() const
{
    return wave ? wave->samples.size() - std::min(position, wave->samples.size()) : 0;
}

WaveMixer::WaveMixer(int rate, int channels, float ceiling)
    : grid_(rate), channels_(channels), ceiling_(ceiling),
      releaseStep_(float(1.0 - std::exp(-1.0 / (LimiterReleaseSeconds * rate))))
{}

void WaveMixer::play(std::shared_ptr<const WaveSamples> wave)
{
    waitingClick_ = std::move(wave);
}

void WaveMixer::addNote(std::shared_ptr<const WaveSamples> wave)
{
    if (notes_.size() == MostNotes)
        notes_.erase(notes_.begin());
    notes_.push_back({std::move(wave), 0});
}

std::optional<std::int64_t> WaveMixer::framesToSilence() const
{
    if (grid_.isRunning())
        return std::nullopt;
    std::size_t left = waitingClick_ ? waitingClick_->samples.size() : click_.samplesLeft();
    for (const Playing& note : notes_)
        left = std::max(left, note.samplesLeft());
    return std::int64_t(left) / channels_;
}

void WaveMixer::render(float* out, int frames)
{
    renderClicks(out, frames);
    addNotes(out, frames);
    limit(out, frames);
    rendered_ += frames;
}

void WaveMixer::renderClicks(float* out, int frames)
{
    if (waitingClick_)
        click_ = {std::move(waitingClick_), 0};
    int done = 0;
    while (done < frames) {
        int until = frames;
        if (grid_.isRunning())
            until = int(std::clamp<std::int64_t>(grid_.nextBeat() - rendered_, done, frames));
        copyClick(out + std::size_t(done) * channels_, until - done);
        done = until;
        if (done < frames) {
            if (beatSound_)
                click_ = {grid_.nextIsAccented() && beatSound_->accented ? beatSound_->accented
                                                                         : beatSound_,
                          0};
            grid_.beatSounded();
        }
    }
}

void WaveMixer::copyClick(float* out, int frames)
{
    const std::size_t wanted = std::size_t(frames) * channels_;
    const std::size_t copied = std::min(wanted, click_.samplesLeft());
    if (copied > 0)
        std::copy_n(click_.wave->samples.begin() + std::ptrdiff_t(click_.position), copied, out);
    click_.position += copied;
    std::fill(out + copied, out + wanted, 0.0f);
}

void WaveMixer::addNotes(float* out, int frames)
{
    const std::size_t wanted = std::size_t(frames) * channels_;
    for (Playing& note : notes_) {
        const std::size_t added = std::min(wanted, note.samplesLeft());
        const float* from = note.wave->samples.data() + note.position;
        for (std::size_t i = 0; i < added; ++i)
            out[i] += from[i];
        note.position += added;
    }
    std::erase_if(notes_, [](const Playing& note) { return note.samplesLeft() == 0; });
}

void WaveMixer::limit(float* out, int frames)
{
    for (float* frame = out; frame != out + std::size_t(frames) * channels_; frame += channels_) {
        // Back to exactly 1 once close, so that quiet sounds pass unchanged.
        gain_ = gain_ > 1.0f - 1e-6f ? 1.0f : gain_ + (1.0f - gain_) * releaseStep_;
        float peak = 0.0f;
        for (int c = 0; c < channels_; ++c)
            peak = std::max(peak, std::abs(frame[c]));
        if (peak * gain_ > ceiling_)
            gain_ = ceiling_ / peak;
        if (gain_ != 1.0f)
            for (int c = 0; c < channels_; ++c)
                frame[c] = std::clamp(frame[c] * gain_, -ceiling_, ceiling_);
    }
}

} // namespace platform
