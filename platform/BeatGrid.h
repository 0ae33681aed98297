#pragma once

#include <cstdint>

namespace platform {

// Where the beats fall in an output's stream, counted in its own frames: beat k
// of a run at one period sounds at frame origin + round(k × period × rate /
// 1000). Each beat is placed from the run's origin, not from the beat before,
// so rounding never adds up and the beat keeps the exact tempo of the frames
// the listener hears.
//
// The grid also counts the beats in bars: with two or more beats per bar the
// first beat of each bar is accented. A run's beats are numbered from 0 at its
// start on, across changes of the period. A new count takes over at the next
// bar line: the bar under way ends with the old count, and without an accent
// the bar lines are the beats whose number is a multiple of the new count.
class BeatGrid
{
public:
    explicit BeatGrid(int rate) : rate_(rate) {}

    // Beat 0 sounds at frame first, then one every periodMs; it begins a bar.
    void start(std::int64_t first, int periodMs);
    void stop() { running_ = false; }
    bool isRunning() const { return running_; }

    // Takes a new period from the next beat on: it sounds one new period after
    // the last beat that sounded, or at frame now (the first frame not yet
    // rendered) when that moment has passed.
    void setPeriod(int periodMs, std::int64_t now);

    // The frame of the next beat, while running.
    std::int64_t nextBeat() const { return frameOf(next_); }

    // The next beat has sounded.
    void beatSounded();

    // Beats per bar from the next bar line on (or from the next start); fewer
    // than 2 is no accent.
    void setBeatsPerBar(int beats);

    // Whether the next beat is the first of a bar.
    bool nextIsAccented() const;

private:
    std::int64_t frameOf(std::int64_t beat) const;
    void takeNewCountAtBarLine();

    int rate_;
    bool running_ = false;
    int periodMs_ = 0;
    std::int64_t origin_ = 0;   // the frame of beat 0 of the current period
    std::int64_t next_ = 0;     // the index of the next beat to sound
    std::int64_t counted_ = 0;  // the number of the next beat since the start
    int beatsPerBar_ = 0;       // the count in the bar under way; below 2 no accent
    int wantedBeatsPerBar_ = 0; // the count from the next bar line on
    std::int64_t barStart_ = 0; // the number of the beat that began the count
};

} // namespace platform
