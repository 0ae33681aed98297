#pragma once

#include <QImage>

// The pieces a fretboard is tiled from. String rows are 26 x 16, the frame
// rows above and below the strings 26 x 11; every piece of one column is 26
// wide, so the pieces join edge to edge in any order the board needs.
namespace fretboard_art {

QImage PlainCell();    // bitmap 101
QImage ClickedCell();  // bitmap 102: red marker
QImage MatchingCell(); // bitmap 103: grey-brown marker
QImage TopLeft();      // bitmap 104
QImage OpenString();   // bitmap 105: nut
QImage BottomLeft();   // bitmap 106
QImage TopEdge();      // bitmap 107
QImage BottomEdge();   // bitmap 108
QImage TopRight();     // bitmap 109
QImage StringEnd();    // bitmap 110
QImage BottomRight();  // bitmap 111
QImage MutedString();  // bitmap 112: nut with a cross
QImage PressedCell();  // bitmap 120: brown marker
QImage BarreFirst();   // bitmap 121
QImage BarreMiddle();  // bitmap 122
QImage BarreLast();    // bitmap 123

} // namespace fretboard_art
