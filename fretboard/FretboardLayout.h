#pragma once

#include "GuitarStrings.h"

#include <QSize>

#include <vector>

// Where every piece of a fretboard lies, in twips of the window's client area.
// The pieces are placed edge to edge from the sizes of their pictures, so the
// board stays aligned at any screen resolution.
namespace fretboard {

// Left and top edge of the board, and the drop of a string name below the top
// of its row, in twips.
inline constexpr int BoardLeft = 240;
inline constexpr int BoardTop = 200;
inline constexpr int NameOffset = 30;
// Fixed label sizes in twips.
inline constexpr int LabelHeight = 255;
inline constexpr int NameWidth = 375;

struct TwipRect
{
    int left = 0;
    int top = 0;
    double width = 0;
    double height = 0;
};

// Sizes in pixels of the pictures the pieces show.
struct PieceSizes
{
    QSize topLeft;     // imgLT
    QSize top;         // imgTop(f)
    QSize topRight;    // imgRT
    QSize open;        // open-string piece (nut)
    QSize cell;        // fret cell
    QSize end;         // end piece
    QSize bottomLeft;  // imgLB
    QSize bottom;      // imgBottom(f)
    QSize bottomRight; // imgRB
};

struct StringRow
{
    TwipRect open;
    TwipRect name;
    std::vector<TwipRect> cells; // index 0 is the first fret shown
    TwipRect end;
};

struct Layout
{
    TwipRect topLeft;
    std::vector<TwipRect> top;      // index 0 is the first fret shown
    std::vector<TwipRect> topLabel; // fret numbers
    TwipRect topRight;
    guitar::PerString<StringRow> rows; // high E first
    TwipRect bottomLeft;
    std::vector<TwipRect> bottom;
    TwipRect bottomRight;
};

// Lays out a board of frets firstFret..lastFret. twipsPerPixel is 1440 divided
// by the screen's logical dots per inch. Running positions are kept as whole
// twips: each sum is rounded to the nearest one.
Layout layOutFretboard(const PieceSizes& pixels, double twipsPerPixel, int firstFret, int lastFret);

} // namespace fretboard
