#pragma once

#include "Strum.h"

namespace platform {
class WaveOutput;
}

// Sounds rendered by the synthesiser and played through the program's output,
// added to whatever else it plays. Without an output they play nothing and
// report nothing.
namespace synth {

// A plucked string at the pitch.
void playNote(platform::WaveOutput& output, double frequencyHz);

// The strings strummed from the low E string to the high E string, each at
// its fret (string 1 first; -1 for a string not played).
void playStrum(platform::WaveOutput& output, const guitar::Frets& frets);

} // namespace synth
