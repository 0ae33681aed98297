#pragma once

#include "ChordRecord.h"

// The pictures a chord puts on the fretboard's cells.
enum class CellPicture
{
    PlainCell,   // a fret cell with no mark
    OpenString,  // an open-string piece with no mark
    Dot,         // a finger pressing the string
    Cross,       // on the open-string piece: the string is not played
    BarreStart,  // the barre's first (upper) string
    BarreMiddle, // a string between the barre's first and last
    BarreEnd,    // the barre's last (lower) string
};

// The cells a chord is drawn on: strings 1 (high E) to 6 (low E), frets 1 to
// LastFret, and fret 0 standing for the open-string piece of the string.
class ChordBoard
{
public:
    static constexpr int LastFret = 12;

    virtual ~ChordBoard() = default;
    virtual bool IsMarked(int string, int fret) const = 0;
    virtual void SetCell(int string, int fret, CellPicture picture, bool marked) = 0;
};

// Removes the marks of the previous chord (only the cells marked now are
// touched) and marks the chord: a dot on every pressed string, a cross on
// every string not played, then the barre pieces, which replace dots on their
// cells. Frets and a barre fret outside the board have no cell and are left
// out; the rest of the chord is drawn.
void DrawChord(const ChordRecord& chord, ChordBoard& board);
