#pragma once

#include <QImage>

class QPainter;

// Pictures of an electric guitar, all drawn from one outline: the upright line
// drawing of the main menu, the diagonal one of the note table, the red guitar
// of the About window and the yellow program icon.
namespace guitar_art {

QImage MainGuitar();     // 71 x 214, upright, on yellow
QImage DiagonalGuitar(); // 239 x 161, lying diagonally, on pale yellow
QImage RedGuitar();      // 32 x 32, transparent

// The yellow program icon at a size in pixels, transparent: at 16 x 16 it is
// icons 1 and 106; the desktop gets it drawn afresh at each of its sizes.
QImage GuitarIcon(int size);
// Paints it onto any device, into the square (0, 0, size, size).
void PaintGuitarIcon(QPainter& painter, int size);

} // namespace guitar_art
