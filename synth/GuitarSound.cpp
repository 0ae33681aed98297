#include "GuitarSound.h"

#include "Pluck.h"
#include "WaveOutput.h"

namespace synth {

namespace {

// The rate notes are rendered at; the output converts them to its own.
constexpr int RenderRate = 48000;

} // namespace

void playNote(platform::WaveOutput& output, double frequencyHz)
{
    output.playNote(renderPluck(frequencyHz, RenderRate), RenderRate);
}

void playStrum(platform::WaveOutput& output, const guitar::Frets& frets)
{
    output.playNote(renderStrum(strumNotes(frets), RenderRate), RenderRate);
}

} // namespace synth
