#include "Tempo.h"

#include <algorithm>
#include <cmath>

namespace tempo {

int beatPeriod(int tempo)
{
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(60000.0 / tempo));
}

int tempoFromX(double x)
{
    const double t = std::nearbyint(x + SliderOffset);
    return static_cast<int>(std::clamp(t, double(SliderMinimum), double(SliderMaximum)));
}

int pointerOffset(int tempo)
{
    return std::clamp(tempo, SliderMinimum, SliderMaximum) - SliderOffset - PointerApex;
}

} // namespace tempo
