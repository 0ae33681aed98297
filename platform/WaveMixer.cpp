#include "WaveMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

void FrameClock::observe(AudioClock::time_point now, std::int64_t frame)
{
    if (count_ == 0)
        origin_ = now;
    const double zero =
        std::chrono::duration<double>(now - origin_).count() - double(frame) / rate_;
    const bool off = count_ > 0 && std::abs(zero - zeroSeconds_) > StepSeconds;
    const bool late = zero > zeroSeconds_;
    streak_ = off ? (streak_ > 0 && late == streakLate_ ? streak_ + 1 : 1) : 0;
    streakLate_ = late;

    recent_[next_] = zero;
    next_ = (next_ + 1) % Window;
    count_ = std::min(count_ + 1, Window);
    if (streak_ >= StepRequests) {
        keepLatest(StepRequests);
        streak_ = 0;
    }

    std::array<double, Window> sorted = recent_;
    const auto middle = sorted.begin() + std::ptrdiff_t(count_ / 2);
    std::nth_element(sorted.begin(), middle, sorted.begin() + std::ptrdiff_t(count_));
    zeroSeconds_ = *middle;
}

// Forgets every request but the latest ones, keeping them at the front of the
// ring.
void FrameClock::keepLatest(std::size_t requests)
{
    std::array<double, Window> latest{};
    for (std::size_t i = 0; i < requests; ++i)
        latest[i] = recent_[(next_ + Window - requests + i) % Window];
    recent_ = latest;
    count_ = requests;
    next_ = requests % Window;
}

std::optional<std::int64_t> FrameClock::frameAt(AudioClock::time_point when) const
{
    if (count_ == 0)
        return std::nullopt;
    const double seconds = std::chrono::duration<double>(when - origin_).count();
    return std::llround((seconds - zeroSeconds_) * rate_);
}

void ClickMixer::schedule(std::shared_ptr<const WaveSamples> wave, AudioClock::time_point start)
{
    const auto later =
        std::upper_bound(pending_.begin(), pending_.end(), start,
                         [](AudioClock::time_point t, const Pending& p) { return t < p.start; });
    pending_.insert(later, Pending{std::move(wave), start});
}

void ClickMixer::render(float* out, int frames, AudioClock::time_point now)
{
    clock_.observe(now, rendered_);
    const std::int64_t first = rendered_;
    int done = 0;
    while (done < frames) {
        int until = frames;
        if (!pending_.empty()) {
            const std::int64_t start = clock_.frameAt(pending_.front().start).value_or(first);
            until = int(std::clamp<std::int64_t>(start - first, done, frames));
        }
        mix(out + std::size_t(done) * channels_, until - done);
        done = until;
        if (done < frames) {
            sounding_ = std::move(pending_.front().wave);
            position_ = 0;
            pending_.erase(pending_.begin());
        }
    }
    rendered_ += frames;
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
