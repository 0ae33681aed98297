#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

// Window layouts are given in twips (1/1440 inch). These helpers convert them to
// the pixels Qt works in and back, using the screen's logical resolution. Every
// conversion between the two units goes through here.
namespace platform {

// 1440 divided by the logical dots per inch of the primary screen (15 at 96 dpi).
double TwipsPerPixel();

// Converts a length in twips to whole pixels (nearest, halves to even).
int TwipsToPixels(double twips);

// Converts a point in twips to whole pixels, each coordinate as TwipsToPixels.
QPoint TwipsToPixels(QPoint twips);

// Converts a rectangle given in twips (left, top, width, height) to pixels,
// each of the four as TwipsToPixels.
QRect TwipsRect(double left, double top, double width, double height);

// Converts a point in pixels to twips, exactly or rounded to whole twips
// (halves away from zero).
QPointF PixelsToTwips(QPointF pixels);
QPoint PixelsToTwips(QPoint pixels);

} // namespace platform
