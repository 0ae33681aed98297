#pragma once

#include "ChordRecord.h"
#include "PictureNames.h"

#include <array>

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

// The chord as a chart reads it, strings from low E to high E separated by
// spaces: the fret pressed on each string as the board shows it ("1" to
// LastFret, a barre counting on the strings it covers where no higher fret is
// pressed), "0" for an open string, "x" for a string not played and "?" for a
// string pressed beyond the board, where the board shows nothing.
// C major reads "x 3 2 0 1 0".
QString chordChart(const ChordRecord& chord);

// Whether the chord's barre lies across the string (strings 1 to 6); its fret
// may lie beyond the board.
bool underBarre(const ChordRecord& chord, int string);

// The fret each string sounds at when the chord is played, strings 1 (high E)
// to 6: the fret pressed, raised to the barre's fret on the strings the board
// draws the barre on; -1 for a string not played. Frets beyond the board sound
// where the file puts them.
std::array<int, 6> soundingFrets(const ChordRecord& chord);
