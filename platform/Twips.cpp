#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

double TwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel()));
}

QPoint TwipsToPixels(QPoint twips)
{
    return {TwipsToPixels(twips.x()), TwipsToPixels(twips.y())};
}

QRect TwipsRect(double left, double top, double width, double height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QPointF PixelsToTwips(QPointF pixels)
{
    return pixels * TwipsPerPixel();
}

QPoint PixelsToTwips(QPoint pixels)
{
    return PixelsToTwips(QPointF(pixels)).toPoint();
}

} // namespace platform
