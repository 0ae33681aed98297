#pragma once

#include <vector>

namespace synth {

// Length of a rendered note, in seconds.
inline constexpr double NoteSeconds = 1.5;
// The highest sample of a rendered note, a little below -3 dBFS.
inline constexpr float NotePeak = 0.7f;

// A plucked string at the given pitch, mono, NoteSeconds long: a noise burst
// circulating in a tuned delay loop that damps it a little on every pass. The
// same pitch always gives the same samples. Its highest sample is NotePeak; it
// fades in over a few milliseconds and out at its end, so that it neither
// starts nor stops with a click. Empty when the pitch is not above 0 or too
// high for the sample rate (above a third of it).
std::vector<float> renderPluck(double frequencyHz, int sampleRate);

} // namespace synth
