#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <initializer_list>
#include <utility>

// One character of a pixel map and the colour it stands for. Characters that
// have no entry (a blank, usually) leave the picture as it was.
struct PixelInk
{
    char symbol;
    QColor colour;
};

// Paints a pixel map, one string per row, with its top-left corner at origin.
void PaintPixelMap(QImage& image, QPoint origin, std::initializer_list<const char*> rows,
                   std::initializer_list<PixelInk> inks);

// A new picture of the given size filled with one colour; transparent pictures
// carry an alpha channel, the others are plain 24-bit colour.
QImage NewPicture(int width, int height, QColor fill);

// Fills the pixels of a rectangle given by its inclusive corners.
void FillPixels(QImage& image, int x0, int y0, int x1, int y1, QColor colour);
