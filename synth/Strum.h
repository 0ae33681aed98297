#pragma once

#include "GuitarStrings.h"

#include <vector>

namespace synth {

// One string of a strum: its pitch and when it is struck after the first.
struct StrumNote
{
    int string = 0;
    double frequencyHz = 0.0;
    double onsetSeconds = 0.0;
};

// Time between two strings struck in a strum.
inline constexpr double StrumSpacing = 0.030;

// The strings a downward strum sounds, from the low E string to the high E
// string, StrumSpacing apart, the first at 0. The frets are those the strings
// sound at, string 1 (high E) first; a string at -1 (or less) is not played
// and left out.
std::vector<StrumNote> strumNotes(const guitar::Frets& frets);

// The notes mixed into one buffer, each starting at its onset. When they add
// up to more than a single note's peak, the whole strum is scaled down to it,
// so that a strum never clips and sounds about as loud as a note.
std::vector<float> renderStrum(const std::vector<StrumNote>& notes, int sampleRate);

} // namespace synth
