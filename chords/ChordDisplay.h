#pragma once

#include "ChordRecord.h"
#include "PictureNames.h"

#include <array>

// The last fret of the board a chord is drawn on; its first is 1.
inline constexpr int ChordBoardLastFret = 12;

// What the board shows of a chord, string 1 (high E) first: for each string
// the picture of its open-string piece (fret 0) and of its cells, frets 1 to
// ChordBoardLastFret.
using ChordPictures = guitar::PerString<std::array<Picture, ChordBoardLastFret + 1>>;

// The board showing the chord: the pressed-cell dot on every pressed string,
// the muted-string cross on every string not played, and the barre pieces,
// which replace dots on their cells; every other cell plain and every other
// open-string piece the plain open string. Frets and a barre fret outside the
// board have no cell and are left out; the rest of the chord is drawn.
ChordPictures chordPictures(const ChordRecord& chord);

// The chord as a chart reads it, strings from low E to high E separated by
// spaces: the fret pressed on each string as the board shows it ("1" to
// ChordBoardLastFret, a barre counting on the strings it covers where no higher fret is
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
guitar::Frets soundingFrets(const ChordRecord& chord);
