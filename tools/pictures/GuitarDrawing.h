#pragma once

#include <QImage>

// Pictures of an electric guitar, all drawn from one outline: the upright line
// drawing of the main menu, the diagonal one of the note table, the red guitar
// of the About window and the small yellow program icon.
namespace guitar_art {

QImage MainGuitar();     // 71 x 214, upright, on yellow
QImage DiagonalGuitar(); // 239 x 161, lying diagonally, on pale yellow
QImage RedGuitar();      // 32 x 32, transparent
QImage GuitarIcon();     // 16 x 16, transparent: icons 1 and 106

} // namespace guitar_art
