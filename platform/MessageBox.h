#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Shows a modal box with the text, the critical (stop) icon, one OK button and
// an empty title, and returns when it is closed.
void ShowCriticalMessage(QWidget* owner, const QString& text);

// Replaces what ShowCriticalMessage does (an empty function restores the real
// box) and returns the previous replacement. Tests count the boxes with it.
using CriticalMessageHandler = std::function<void(QWidget* owner, const QString& text)>;
CriticalMessageHandler SetCriticalMessageHandler(CriticalMessageHandler handler);

} // namespace platform
