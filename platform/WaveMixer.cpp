#include "WaveMixer.h"

#include <algorithm>

namespace platform {

void ClickMixer::play(std::shared_ptr<const WaveSamples> wave)
{
    waiting_ = std::move(wave);
}

std::optional<std::int64_t> ClickMixer::framesToSilence() const
{
    if (grid_.isRunning())
        return std::nullopt;
    if (waiting_)
        return std::int64_t(waiting_->samples.size()) / channels_;
    if (!sounding_)
        return 0;
    const std::size_t left =
        sounding_->samples.size() - std::min(position_, sounding_->samples.size());
    return std::int64_t(left) / channels_;
}

void ClickMixer::render(float* out, int frames)
{
    if (waiting_)
        startSound(std::move(waiting_));
    int done = 0;
    while (done < frames) {
        int until = frames;
        if (grid_.isRunning())
            until = int(std::clamp<std::int64_t>(grid_.nextBeat() - rendered_, done, frames));
        mix(out + std::size_t(done) * channels_, until - done);
        done = until;
        if (done < frames) {
            if (beatSound_)
                startSound(beatSound_);
            grid_.beatSounded();
        }
    }
    rendered_ += frames;
}

void ClickMixer::startSound(std::shared_ptr<const WaveSamples> wave)
{
    sounding_ = std::move(wave);
    position_ = 0;
}

void ClickMixer::mix(float* out, int frames)
{
    const std::size_t wanted = std::size_t(frames) * channels_;
    std::size_t copied = 0;
    if (sounding_) {
        const auto& samples = sounding_->samples;
        copied = std::min(wanted, samples.size() - std::min(position_, samples.size()));
        std::copy_n(samples.begin() + std::ptrdiff_t(position_), copied, out);
        position_ += copied;
    }
    std::fill(out + copied, out + wanted, 0.0f);
}

} // namespace platform
