#include "PixelArt.h"

#include <cstring>

namespace {
int pictureScale = 1;
}

void SetPictureScale(int scale)
{
    pictureScale = scale;
}

int PictureScale()
{
    return pictureScale;
}

void PaintPixelMap(QImage& image, QPoint origin, std::initializer_list<const char*> rows,
                   std::initializer_list<PixelInk> inks)
{
    int y = origin.y();
    for (const char* row : rows) {
        const int length = static_cast<int>(std::strlen(row));
        for (int i = 0; i < length; ++i) {
            for (const PixelInk& ink : inks) {
                if (ink.symbol == row[i]) {
                    SetPixel(image, origin.x() + i, y, ink.colour);
                }
            }
        }
        ++y;
    }
}

QImage NewPicture(int width, int height, QColor fill)
{
    QImage image(width * pictureScale, height * pictureScale,
                 fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.setDevicePixelRatio(pictureScale);
    image.fill(fill);
    return image;
}

void FillPixels(QImage& image, int x0, int y0, int x1, int y1, QColor colour)
{
    const int scale = static_cast<int>(image.devicePixelRatio());
    for (int y = y0 * scale; y < (y1 + 1) * scale; ++y) {
        for (int x = x0 * scale; x < (x1 + 1) * scale; ++x) {
            if (image.valid(x, y)) {
                image.setPixelColor(x, y, colour);
            }
        }
    }
}

void SetPixel(QImage& image, int x, int y, QColor colour)
{
    FillPixels(image, x, y, x, y, colour);
}

int PictureHeight(const QImage& image)
{
    return image.height() / static_cast<int>(image.devicePixelRatio());
}
