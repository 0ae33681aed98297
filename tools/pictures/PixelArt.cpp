#include "PixelArt.h"

#include <cstring>

void PaintPixelMap(QImage& image, QPoint origin, std::initializer_list<const char*> rows,
                   std::initializer_list<PixelInk> inks)
{
    int y = origin.y();
    for (const char* row : rows) {
        const int length = static_cast<int>(std::strlen(row));
        for (int i = 0; i < length; ++i) {
            for (const PixelInk& ink : inks) {
                if (ink.symbol == row[i]) {
                    image.setPixelColor(origin.x() + i, y, ink.colour);
                }
            }
        }
        ++y;
    }
}

QImage NewPicture(int width, int height, QColor fill)
{
    QImage image(width, height, fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void FillPixels(QImage& image, int x0, int y0, int x1, int y1, QColor colour)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (image.valid(x, y)) {
                image.setPixelColor(x, y, colour);
            }
        }
    }
}
