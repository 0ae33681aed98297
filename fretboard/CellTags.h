#pragma once

#include <QString>

#include <array>

// The fixed cell tags of the fretboard: the note that sounds on each string
// at each fret from 0 to 19, written as a cell tag (see NoteNames.h).
namespace notes {

// Strings are numbered 1 (high E) to 6 (low E), in the row order of the board.
inline constexpr int StringCount = 6;
inline constexpr int LowestFret = 0;
inline constexpr int HighestFret = 19;

// How each string is called, high E first: the start of its pieces' object
// names, the letter shown beside its row, and its name as a guitarist says it.
struct StringNames
{
    const char* row;
    const char* letter;
    const char* spoken;
};
inline constexpr std::array<StringNames, StringCount> Strings{{
    {"E", "E", "high E"},
    {"B", "B", "B"},
    {"G", "G", "G"},
    {"D", "D", "D"},
    {"A", "A", "A"},
    {"Es", "E", "low E"},
}};

// The tag of the cell on that string and fret, or an empty string outside the
// board.
QString cellTag(int string, int fret);

} // namespace notes
