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

} // namespace platform
