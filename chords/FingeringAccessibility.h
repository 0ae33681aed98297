#pragma once

// What assistive technology sees of the chord finder's board: a list named
// "Fingering" and described by the chord spoken with its chart ("C major: x 3
// 2 0 1 0"), whose six items are the strings, low E first, each named by what
// it plays ("A string, fret 3, C 3"). The item of the board's focus string is
// focused while the board has the focus.
class FingeringBoard;

void installFingeringAccessibility();

// Tells assistive technology that the board's focus string has the focus.
void reportFocusString(FingeringBoard* board);
