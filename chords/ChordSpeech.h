#pragma once

#include "ChordRecord.h"

#include <QString>

// What a screen reader says of a chord: its description and chart, and each
// string with the note it sounds. Note and chord names are spelt for speech.

// "C major: x 3 2 0 1 0", "C sharp major, barre: x 4 6 6 6 4"; the chart
// alone for a chord without a description.
QString spokenChord(const ChordRecord& chord);

// One string (1 high E to 6 low E) of the chord as it is played: "low E
// string, muted", "A string, fret 3, C 3", "G string, open, G 3", "B string,
// fret 1, barre, C 4". Raised notes take the names the chord's key writes:
// flats for a flat root, for F, and for minor and diminished chords on a
// natural root other than B; sharps otherwise.
QString spokenString(const ChordRecord& chord, int string);
