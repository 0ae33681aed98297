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

// Pictures are drawn at a scale: 1 for the program's pictures, 2 for their
// copies for scaled screens. Every function here measures in pixels of scale
// 1; a pixel of the picture at scale 2 is a square of four, and a QPainter on
// a new picture draws at the scale by itself (the picture's device pixel
// ratio).
void SetPictureScale(int scale);
int PictureScale();

// Paints a pixel map, one string per row, with its top-left corner at origin.
void PaintPixelMap(QImage& image, QPoint origin, std::initializer_list<const char*> rows,
                   std::initializer_list<PixelInk> inks);

// A new picture of the given size filled with one colour; transparent pictures
// carry an alpha channel, the others are plain 24-bit colour.
QImage NewPicture(int width, int height, QColor fill);

// Fills the pixels of a rectangle given by its inclusive corners.
void FillPixels(QImage& image, int x0, int y0, int x1, int y1, QColor colour);

// Sets one pixel.
void SetPixel(QImage& image, int x, int y, QColor colour);

// The picture's height in pixels of scale 1.
int PictureHeight(const QImage& image);
