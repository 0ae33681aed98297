#include "StaffGeometry.h"

#include <algorithm>
#include <cmath>

namespace staff {

int headTop(int staffPosition)
{
    const long long top = 134 - 5LL * staffPosition;
    return static_cast<int>(std::clamp(top, -100000LL, 100000LL));
}

int positionAt(double y)
{
    if (!(y >= 14)) // also a press with no usable height
        return 26;
    if (y > 135)
        return 1;
    // Halfway between two positions goes to the even one.
    return static_cast<int>(std::nearbyint(26 - y / 5 + 2));
}

} // namespace staff
