#include "Pitch.h"

#include "GuitarStrings.h"

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
    if (string < 1 || string > guitar::StringCount)
        return 0.0;
    return equalTemperament(guitar::Strings[std::size_t(string - 1)].openSemitones + fret);
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
