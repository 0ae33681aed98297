#include "SignIcons.h"

#include "PixelArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace sign_art {
namespace {

constexpr int IconSize = 32;

QImage transparentSquare()
{
    return NewPicture(IconSize, IconSize, QColor(0, 0, 0, 0));
}

// The signs at a larger scale: the same strokes as their pixel maps, drawn as
// shapes, so that the slanted bars and the round bowl come out smooth. Each
// starts with its upright stroke.
void drawStem(QPainter& painter, QColor ink, QRectF stem)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(stem);
}

QImage largeSharp(QColor ink)
{
    QImage image = transparentSquare();
    QPainter painter(&image);
    drawStem(painter, ink, QRectF(5, 3, 1, 16));
    painter.drawRect(QRectF(8, 2, 1, 15));
    for (const qreal drop : {0.0, 6.0}) {
        painter.drawPolygon(
            QPolygonF({{3, 8 + drop}, {11, 6 + drop}, {11, 9 + drop}, {3, 11 + drop}}));
    }
    return image;
}

QImage largeFlat(QColor ink)
{
    QImage image = transparentSquare();
    QPainter painter(&image);
    drawStem(painter, ink, QRectF(3, 2, 1, 16));
    QPainterPath bowl(QPointF(4, 11.5));
    bowl.cubicTo(QPointF(5.5, 9.2), QPointF(8.5, 8.6), QPointF(9.6, 10.8));
    bowl.cubicTo(QPointF(10.4, 12.6), QPointF(8.5, 15.2), QPointF(4, 17.8));
    painter.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bowl);
    return image;
}

} // namespace

// Two upright strokes, the right one set higher, crossed by two thick bars that
// rise to the right: columns 3 to 10, rows 2 to 18.
QImage Sharp(QColor ink)
{
    if (PictureScale() > 1)
        return largeSharp(ink);
    QImage image = transparentSquare();
    PaintPixelMap(image, {3, 2},
                  {
                      "     #  ",
                      "  #  #  ",
                      "  #  #  ",
                      "  #  #  ",
                      "  #  ###",
                      "  ######",
                      "########",
                      "######  ",
                      "###  #  ",
                      "  #  #  ",
                      "  #  ###",
                      "  ######",
                      "########",
                      "######  ",
                      "###  #  ",
                      "  #  #  ",
                      "  #     ",
                  },
                  {{'#', ink}});
    return image;
}

// A tall stem with a bowl that swells to the right and closes at the foot of
// the stem: columns 3 to 9, rows 2 to 17.
QImage Flat(QColor ink)
{
    if (PictureScale() > 1)
        return largeFlat(ink);
    QImage image = transparentSquare();
    PaintPixelMap(image, {3, 2},
                  {
                      "#      ",
                      "#      ",
                      "#      ",
                      "#      ",
                      "#      ",
                      "#      ",
                      "#      ",
                      "#  ### ",
                      "# #  ##",
                      "##    #",
                      "#     #",
                      "#    ##",
                      "#   ## ",
                      "#  ##  ",
                      "# ##   ",
                      "##     ",
                  },
                  {{'#', ink}});
    return image;
}

// An oval head tilted like a printed note, 18 pixels wide and 13 high in the
// top-left corner, so that its centre lies 6 pixels below the picture's top.
QImage NoteHead()
{
    QImage image = transparentSquare();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Semi-axes chosen so that the tilted oval's bounding box is 18 x 13.
    constexpr qreal tilt = -20.0;
    constexpr qreal cosSquared = 0.883022; // cos(20 degrees) squared
    constexpr qreal halfWidth = 9.0 - 0.35;
    constexpr qreal halfHeight = 6.5 - 0.35;
    const qreal sumSquares = halfWidth * halfWidth + halfHeight * halfHeight;
    const qreal major =
        std::sqrt((halfWidth * halfWidth - sumSquares * (1 - cosSquared)) / (2 * cosSquared - 1));
    const qreal minor = std::sqrt(sumSquares - major * major);
    painter.translate(9.0, 6.5);
    painter.rotate(tilt);
    QRadialGradient shade(QPointF(-2.5, -2.0), major * 1.15);
    shade.setColorAt(0.0, QColor(246, 164, 70));
    shade.setColorAt(0.45, QColor(214, 112, 28));
    shade.setColorAt(1.0, QColor(150, 70, 10));
    painter.setPen(QPen(QColor(104, 46, 6), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), major - 0.5, minor - 0.5);
    return image;
}

// A white hand with a black outline, the index finger pointing up; the middle
// of its fingertip is the hot spot (5, 0).
QImage HandCursor()
{
    QImage image = transparentSquare();
    PaintPixelMap(image, {0, 0},
                  {
                      "    ###            ", "   #...#           ", "   #...#           ",
                      "   #...#           ", "   #...#           ", "   #...#           ",
                      "   #...####        ", "   #...#...####    ", "   #...#...#...#   ",
                      "   #...#...#...### ", "   #...#...#...#..#", " ###...#...#...#..#",
                      "#..#...#...#...#..#", "#..#..............#", "#.................#",
                      "#.................#", " #...............# ", " #...............# ",
                      "  #.............#  ", "  #.............#  ", "   #...........#   ",
                      "   #...........#   ", "   #############   ",
                  },
                  {{'#', QColor(0, 0, 0)}, {'.', QColor(255, 255, 255)}});
    return image;
}

} // namespace sign_art
