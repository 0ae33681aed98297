#pragma once

#include <chrono>

// When each beat of the beat timer was due. A repeating precise timer keeps its
// ticks on the grid start + n × period, but each tick is delivered late by the
// user-interface thread's wake-up delay, which varies by milliseconds on a busy
// machine. Clicks placed at the due instants come out evenly spaced; clicks
// placed at the delivery instants would carry that delay as audible jitter.
class BeatSchedule
{
public:
    using Clock = std::chrono::steady_clock;

    // The timer was (re)started at `now` with the given period.
    void start(Clock::time_point now, std::chrono::milliseconds period);

    // A tick was delivered at `now`; returns the instant it was due. Like the
    // timer itself, a tick delivered more than a period late moves the grid:
    // the next one is due a period after that late delivery.
    Clock::time_point tick(Clock::time_point now);

private:
    std::chrono::milliseconds period_{0};
    Clock::time_point due_{};
    Clock::time_point delivered_{};
};
