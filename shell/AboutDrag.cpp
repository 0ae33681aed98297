#include "AboutDrag.h"

#include <cmath>

namespace {
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

void AboutDrag::press(QPointF atTwips)
{
    dragging_ = true;
    grabX_ = roundHalfEven(atTwips.x());
    grabY_ = roundHalfEven(atTwips.y());
}

QPoint AboutDrag::move(QPoint windowTwips, QPointF pointerTwips) const
{
    if (!dragging_)
        return windowTwips;
    return {roundHalfEven(windowTwips.x() + pointerTwips.x() - grabX_),
            roundHalfEven(windowTwips.y() + pointerTwips.y() - grabY_)};
}

void AboutDrag::release()
{
    dragging_ = false;
    grabX_ = 0;
    grabY_ = 0;
}
