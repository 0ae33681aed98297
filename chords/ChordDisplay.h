#pragma once

#include "ChordRecord.h"
#include "PictureNames.h"

// The cells a chord is drawn on: strings 1 (high E) to 6 (low E), frets 1 to
// LastFret, and fret 0 standing for the open-string piece of the string.
class ChordBoard
{
public:
    static constexpr int LastFret = 12;

    virtual ~ChordBoard() = default;
    virtual bool isMarked(int string, int fret) const = 0;
    virtual void setCell(int string, int fret, Picture picture, bool marked) = 0;
};

// Removes the marks of the previous chord (only the cells marked now are
// touched: a fret cell goes back to the plain cell, an open-string piece to
// the unmarked piece) and marks the chord: the pressed-cell dot on every
// pressed string, the muted-string cross on every string not played, then the
// barre pieces, which replace dots on their cells. Frets and a barre fret
// outside the board have no cell and are left out; the rest of the chord is
// drawn.
void drawChord(const ChordRecord& chord, ChordBoard& board);
