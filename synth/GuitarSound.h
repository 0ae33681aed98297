#pragma once

#include "Strum.h"

namespace platform {
class WaveOutput;
}

// Sounds rendered by the synthesiser and played through the program's output,
// added to whatever else it plays. Without an output they play nothing and
// report nothing.
namespace synth {

// The rate notes are rendered at; the output converts them to its own.
inline constexpr int RenderRate = 48000;

// A plucked string at the pitch.
void playNote(platform::WaveOutput& output, double frequencyHz);

// The chord strummed from the low E string to the high E string.
void playStrum(platform::WaveOutput& output, const Fingering& chord);

} // namespace synth
