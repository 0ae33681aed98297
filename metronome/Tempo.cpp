#include "Tempo.h"

#include <algorithm>
#include <cmath>

namespace tempo {

int BeatPeriod(int tempo)
{
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(60000.0 / tempo));
}

int TempoFromX(double x)
{
    const double t = std::nearbyint(x + SliderOffset);
    return static_cast<int>(std::clamp(t, double(SliderMinimum), double(SliderMaximum)));
}

int PointerLeft(int sliderLeft, int tempo)
{
    return sliderLeft + std::clamp(tempo, SliderMinimum, SliderMaximum) - SliderOffset -
           PointerApex;
}

} // namespace tempo
