#pragma once

#include <QAccessible>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QMetaObject;
class QObject;
class QWidget;

// How the program's widgets present themselves to assistive technology, beyond
// what Qt's own interfaces tell.
namespace look {

// Makes the accessible interface of a widget of exactly this class (matched by
// its meta-object, so a subclass with a meta-object of its own is a class of
// its own). The maker may return null to leave the widget to Qt. The first
// maker installed for a class holds (QWidget, QDialog and QLabel are taken by
// the containers that leave decorative pictures out); a widget's interface is
// made once, so install before the first widget of the class is shown.
using AccessibleMaker = QAccessibleInterface* (*)(QObject* widget);
void installAccessible(const QMetaObject& type, AccessibleMaker make);

// The same for an interface class constructed from a Widget pointer.
template <typename Widget, typename Interface> void installAccessible()
{
    installAccessible(Widget::staticMetaObject, [](QObject* widget) -> QAccessibleInterface* {
        return new Interface(static_cast<Widget*>(widget));
    });
}

// Leaves a decorative picture out of what assistive technology sees: its parent
// does not list it. A decorative picture that holds controls is listed as a
// plain unnamed panel around them.
void hideFromAssistiveTechnology(QWidget* widget);

// Tells assistive technology an alert of the window: a message that is spoken
// at once wherever the focus is. Nothing is drawn.
void announceAlert(QWidget* window, const QString& message);

// Opens a popup menu at a point on the screen. Opened from the keyboard, the
// given entry is active, so that a screen reader names it and the arrows start
// from it; opened by the mouse, no entry is active, as before.
void popUpMenu(QMenu* menu, QPoint at, QAction* active, bool fromKeyboard);

} // namespace look
