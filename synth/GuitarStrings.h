#pragma once

#include <array>

// The guitar's six strings in standard tuning, numbered 1 (high E) to 6 (low
// E): the order of the fretboard's rows, of the chord library's fret columns
// and of every per-string array in the program.
namespace guitar {

inline constexpr int StringCount = 6;

// One value per string, string 1 (high E) first.
template <typename T> using PerString = std::array<T, StringCount>;

// The fret each string is pressed at or sounds at, string 1 first: 0 for the
// open string, -1 for a string not played.
using Frets = PerString<int>;

// What the program knows of each string: its open pitch in semitones above
// the low E string (E2), the start of its fretboard pieces' object names, the
// letter shown beside its row and its name as a guitarist says it.
struct GuitarString
{
    int openSemitones;
    const char* row;
    const char* letter;
    const char* spoken;
};

inline constexpr PerString<GuitarString> Strings{{
    {24, "E", "E", "high E"},
    {19, "B", "B", "B"},
    {15, "G", "G", "G"},
    {10, "D", "D", "D"},
    {5, "A", "A", "A"},
    {0, "Es", "E", "low E"},
}};

} // namespace guitar
