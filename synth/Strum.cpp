#include "Strum.h"

#include "Pitch.h"
#include "Pluck.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace synth {

std::vector<StrumNote> strumNotes(const guitar::Frets& frets)
{
    std::vector<StrumNote> notes;
    for (int string = guitar::StringCount; string >= 1; --string) {
        const int fret = frets[std::size_t(string - 1)];
        if (fret >= 0)
            notes.push_back(
                {string, stringFrequency(string, fret), double(notes.size()) * StrumSpacing});
    }
    return notes;
}

std::vector<float> renderStrum(const std::vector<StrumNote>& notes, int sampleRate)
{
    std::vector<float> mix;
    for (const StrumNote& note : notes) {
        const std::vector<float> pluck = renderPluck(note.frequencyHz, sampleRate);
        const std::size_t start =
            std::size_t(std::lround(std::max(0.0, note.onsetSeconds) * sampleRate));
        mix.resize(std::max(mix.size(), start + pluck.size()));
        std::transform(pluck.begin(), pluck.end(), mix.begin() + std::ptrdiff_t(start),
                       mix.begin() + std::ptrdiff_t(start), std::plus<>());
    }
    float peak = 0.0f;
    for (float s : mix)
        peak = std::max(peak, std::abs(s));
    if (peak > NotePeak) {
        for (float& s : mix)
            s *= NotePeak / peak;
    }
    return mix;
}

} // namespace synth
