#pragma once

#include <QPoint>
#include <QPointF>

// Moving a borderless window by dragging its background, in twips. A press
// remembers where the window was grabbed (rounded to whole twips, halves to
// even); while the button is held the window's corner follows the pointer so
// that the grabbed point stays under it.
class AboutDrag
{
public:
    void press(QPointF atTwips);
    // The window's new top-left corner, in screen twips, for the pointer at
    // pointerTwips (relative to the window's client area whose corner is at
    // windowTwips). Returns windowTwips unchanged when no drag is under way.
    QPoint move(QPoint windowTwips, QPointF pointerTwips) const;
    void release();

    bool dragging() const { return dragging_; }

private:
    // Kept apart from the grab offsets so that a press on the leftmost column
    // or the top row (offset 0) still drags in both directions.
    bool dragging_ = false;
    int grabX_ = 0;
    int grabY_ = 0;
};
