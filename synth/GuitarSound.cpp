#include "GuitarSound.h"

#include "Pluck.h"
#include "WaveOutput.h"

namespace synth {

void playNote(platform::WaveOutput& output, double frequencyHz)
{
    output.playNote(renderPluck(frequencyHz, RenderRate), RenderRate);
}

void playStrum(platform::WaveOutput& output, const Fingering& chord)
{
    output.playNote(renderStrum(strumNotes(chord), RenderRate), RenderRate);
}

} // namespace synth
