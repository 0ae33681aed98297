#include "BeatSchedule.h"

void BeatSchedule::start(Clock::time_point now, std::chrono::milliseconds period)
{
    period_ = period;
    due_ = now;
    delivered_ = now;
}

BeatSchedule::Clock::time_point BeatSchedule::tick(Clock::time_point now)
{
    due_ += period_;
    if (due_ < delivered_)
        due_ = delivered_ + period_;
    // A tick cannot come before it is due; if it does, the grid was not the
    // timer's (the clock jumped), and the delivery time is the better guess.
    if (now < due_)
        due_ = now;
    delivered_ = now;
    return due_;
}
