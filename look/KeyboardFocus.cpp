#include "KeyboardFocus.h"

#include <QPainter>
#include <QWidget>

namespace look {

bool showsFocusMark(const QWidget* widget)
{
    // Qt marks a window whose focus moved by Tab, Shift+Tab or a shortcut.
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void noteKeyboardUse(QWidget* widget)
{
    QWidget* window = widget->window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = window->focusWidget())
        focused->update();
}

void drawFocusMark(QPainter& painter, const QRect& around, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(around.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace look
