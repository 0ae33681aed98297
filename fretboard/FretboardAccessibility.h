#pragma once

// What assistive technology sees of a clickable fretboard: the board as a list
// named by its window, and each fret cell as an item of it named
// "G string, fret 1", described by its note spoken with its octave ("G sharp 3
// or A flat 3"), selected while it shows a
// marker, focused while it is the focus cell of the focused board, and clicked
// by its press action. A display-only board keeps the plain widget view.
namespace fretboard {

// Installed once, before the first board is built.
void installAccessibility();

} // namespace fretboard
