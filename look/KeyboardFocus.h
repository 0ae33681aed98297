#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

// The focus mark: a one-pixel dotted outline drawn round the control that has
// the keyboard focus, shown once the keyboard has been used in its window (as
// desktops do), so that a window used with the mouse alone looks as drawn.
namespace look {

// Whether the widget has the focus and its window has seen the keyboard.
bool showsFocusMark(const QWidget* widget);

// Records that the keyboard was used in the widget's window: from now on the
// window's focused control shows its mark.
void noteKeyboardUse(QWidget* widget);

void drawFocusMark(QPainter& painter, const QRect& around, const QColor& colour);

} // namespace look
