#pragma once

// The arithmetic that ties the tempo to the beat period and to the slider.
namespace tempo {

// Tempos the metronome accepts, in beats per minute.
inline constexpr int MinimumTempo = 1;
inline constexpr int MaximumTempo = 399;
// Tempos the slider can reach.
inline constexpr int SliderMinimum = 40;
inline constexpr int SliderMaximum = 240;
// A pointer offset x on the bar stands for tempo x + SliderOffset.
inline constexpr int SliderOffset = 30;
// The pointer picture's apex lies this many pixels right of its left edge.
inline constexpr int PointerApex = 9;

constexpr bool isAcceptedTempo(long long value)
{
    return value >= MinimumTempo && value <= MaximumTempo;
}

// Milliseconds between two beats: 60 000 / tempo, halves to the even neighbour.
int beatPeriod(int tempo);

// The tempo for a pointer offset on the bar, in pixels from its left edge:
// offset + 30 rounded halves to even, limited to what the slider reaches.
int tempoFromX(double x);

// Left edge of the pointer picture for a tempo, in pixels from the bar's left
// edge; tempos beyond the slider's reach stop the pointer at either end.
int pointerOffset(int tempo);

} // namespace tempo
