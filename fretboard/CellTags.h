#pragma once

#include <QString>

// The fixed cell tags of the fretboard: the note that sounds on each string
// at each fret from 0 to 19, written as a cell tag (see NoteNames.h).
namespace notes {

// Strings are numbered as in GuitarStrings.h: 1 (high E) to 6 (low E).
inline constexpr int LowestFret = 0;
inline constexpr int HighestFret = 19;

// The tag of the cell on that string and fret, or an empty string outside the
// board.
QString cellTag(int string, int fret);

} // namespace notes
