#include "WaveMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// Running mean over the first requests, then an exponential mean with this weight.
constexpr long SettledObservations = 256;
// A request this far off the estimate means the output stalled or was restarted.
constexpr double ResyncSeconds = 0.05;
} // namespace

void FrameClock::Observe(AudioClock::time_point now, std::int64_t frame)
{
    if (!known_) {
        known_ = true;
        origin_ = now;
        zeroSeconds_ = -double(frame) / rate_;
        observations_ = 1;
        return;
    }
    const double seconds = std::chrono::duration<double>(now - origin_).count();
    const double zero = seconds - double(frame) / rate_;
    if (std::abs(zero - zeroSeconds_) > ResyncSeconds) {
        zeroSeconds_ = zero;
        observations_ = 1;
        return;
    }
    observations_ = std::min(observations_ + 1, SettledObservations);
    zeroSeconds_ += (zero - zeroSeconds_) / double(observations_);
}

std::optional<std::int64_t> FrameClock::FrameAt(AudioClock::time_point when) const
{
    if (!known_)
        return std::nullopt;
    const double seconds = std::chrono::duration<double>(when - origin_).count();
    return std::llround((seconds - zeroSeconds_) * rate_);
}

void ClickMixer::Schedule(std::shared_ptr<const WaveSamples> wave, AudioClock::time_point start)
{
    const auto later =
        std::upper_bound(pending_.begin(), pending_.end(), start,
                         [](AudioClock::time_point t, const Pending& p) { return t < p.start; });
    pending_.insert(later, Pending{std::move(wave), start});
}

void ClickMixer::Render(float* out, int frames, AudioClock::time_point now)
{
    clock_.Observe(now, rendered_);
    const std::int64_t first = rendered_;
    int done = 0;
    while (done < frames) {
        int until = frames;
        if (!pending_.empty()) {
            const std::int64_t start = clock_.FrameAt(pending_.front().start).value_or(first);
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
