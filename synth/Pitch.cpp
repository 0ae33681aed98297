#include "Pitch.h"

#include <array>
#include <cmath>

namespace synth {

namespace {

// Semitones from A4 of the low E string (E2).
constexpr int LowE = -29;

double equalTemperament(int semitonesFromLowE)
{
    return 440.0 * std::exp2((LowE + semitonesFromLowE) / 12.0);
}

} // namespace

double stringFrequency(int string, int fret)
{
    // Open strings in semitones above the low E string, string 1 first.
    constexpr std::array<int, 6> Open{24, 19, 15, 10, 5, 0};
    if (string < 1 || string > 6)
        return 0.0;
    return equalTemperament(Open[string - 1] + fret);
}

double writtenNoteFrequency(int staffPosition, int alteration)
{
    // The letters E F G A B C D in semitones above E.
    constexpr std::array<int, 7> Letters{0, 1, 3, 5, 7, 8, 10};
    const int steps = staffPosition - 1;
    const int letter = (steps % 7 + 7) % 7; // also below the lowest E
    const int octave = (steps - letter) / 7;
    return equalTemperament(12 * octave + Letters[letter] + alteration);
}

} // namespace synth
