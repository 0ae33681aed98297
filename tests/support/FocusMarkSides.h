#pragma once

#include <QImage>
#include <QWidget>

namespace measure {

// How many sides of the widget's outermost pixels, drawn as it paints itself,
// show the colour somewhere: 4 for a focus mark drawn all round it.
inline int sidesShowing(QWidget* widget, QRgb colour)
{
    const QImage image = widget->grab().toImage();
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    bool top = false, left = false, rightSide = false, bottomSide = false;
    for (int x = 0; x <= right; ++x) {
        top = top || image.pixel(x, 0) == colour;
        bottomSide = bottomSide || image.pixel(x, bottom) == colour;
    }
    for (int y = 0; y <= bottom; ++y) {
        left = left || image.pixel(0, y) == colour;
        rightSide = rightSide || image.pixel(right, y) == colour;
    }
    return int(top) + int(left) + int(rightSide) + int(bottomSide);
}

} // namespace measure
