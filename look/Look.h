#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QRgb>
#include <QSize>

// The look every window shares: the two stored font faces and framed windows
// with the guitar icon. Colours are in Palette.h, the clickable text in
// ActionLabel.h.
namespace look {

// Maps the stored faces to the installed ones: "Comic Sans MS" to Comic Neue and
// "MS Sans Serif" to the installed sans face. Called once at start-up, before
// any window exists.
void installFontSubstitutions();

QFont comicFont(qreal pointSize, bool italic, bool bold = false);
QFont sansSerifFont(qreal pointSize, bool bold = false);

// Gives a framed window its caption, fixed client size in pixels, background
// colour and the program icon, and centres it on the screen: its whole frame
// once the window manager has framed it.
void setUpFramedWindow(QWidget* window, const QString& caption, QSize clientPixels,
                       QRgb background);

// Moves a window so that it stands in the middle of its screen.
void centreOnScreen(QWidget* window);

// Escape (without modifiers) closes the tool window, as its "Close" does.
void closeOnEscape(QWidget* window);

// Sets a label's text colour.
void setTextColour(QLabel* label, QRgb colour);

} // namespace look
