#include "StaffGeometry.h"

#include <algorithm>
#include <cmath>

namespace staff {

double centreOf(int staffPosition)
{
    return PositionZeroY - double(PositionStep) * staffPosition;
}

int headTop(int staffPosition)
{
    const long long top =
        PositionZeroY - HeadMiddleDrop - static_cast<long long>(PositionStep) * staffPosition;
    return static_cast<int>(std::clamp(top, -100000LL, 100000LL));
}

int positionAt(double y)
{
    if (!(y >= HighestPressY)) // also a press with no usable height
        return HighestPosition;
    if (y > LowestPressY)
        return LowestPosition;
    return static_cast<int>(std::nearbyint((PositionZeroY - y) / PositionStep));
}

} // namespace staff
