#pragma once

#include <array>
#include <vector>

namespace synth {

// A chord shape as the chord library describes it.
struct Fingering
{
    // Strings 1 (high E) to 6 (low E): -1 (or less) = not played, 0 = open,
    // above 0 = pressed at that fret.
    std::array<int, 6> frets{};
    // A barre at barreFret over the strings from barreFrom to barreTo, in either
    // order; none when barreFret is 0 or less.
    int barreFrom = 0;
    int barreTo = 0;
    int barreFret = 0;
};

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
// string, StrumSpacing apart, the first at 0. A string not played is left out.
// A string under the barre sounds at the barre's fret unless it is pressed
// higher; a string not played stays silent under a barre too.
std::vector<StrumNote> strumNotes(const Fingering& chord);

// The notes mixed into one buffer, each starting at its onset. When they add
// up to more than a single note's peak, the whole strum is scaled down to it,
// so that a strum never clips and sounds about as loud as a note.
std::vector<float> renderStrum(const std::vector<StrumNote>& notes, int sampleRate);

} // namespace synth
