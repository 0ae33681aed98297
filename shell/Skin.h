#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QRgb>
#include <QSize>

// The look every window shares: colours of the action labels, the two stored
// font faces, framed tool windows with the guitar icon.
namespace skin {

// Clickable text, and a switch that is off.
inline constexpr QRgb ActionColour = qRgb(208, 52, 0);
// A switch that is on ("Favorites", "Start/Stop").
inline constexpr QRgb SwitchOnColour = qRgb(0, 128, 0);

// Maps the stored faces to the installed ones: "Comic Sans MS" to Comic Neue and
// "MS Sans Serif" to the installed sans face. Called once at start-up, before
// any window exists.
void InstallFontSubstitutions();

QFont ComicFont(qreal pointSize, bool italic, bool bold = false);
QFont SansSerifFont(qreal pointSize, bool bold = false);

// Gives a framed window its caption, fixed client size in pixels, background
// colour and the guitar icon (icon 106), and centres it on the screen.
void SetUpFramedWindow(QWidget* window, const QString& caption, QSize clientPixels,
                       QRgb background);

// Moves a window so that it stands in the middle of its screen.
void CentreOnScreen(QWidget* window);

// Converts a rectangle given in twips (left, top, width, height) to pixels.
QRect TwipsRect(int left, int top, int width, int height);

// Sets a label's text colour.
void SetTextColour(QLabel* label, QRgb colour);

} // namespace skin

// A transparent text label that acts as a button: it reports a click when the
// left button is pressed and released over it.
class ActionLabel : public QLabel
{
    Q_OBJECT
public:
    ActionLabel(const QString& text, QWidget* parent);

    // The style of "Close", "Quit", "Start/Stop", "Favorites" and the menu
    // entries: Comic Sans MS italic in the action colour, sized to the text, at
    // the given top-left corner in pixels, with the hand cursor.
    static ActionLabel* create(const QString& text, QWidget* parent, QPoint topLeft,
                               qreal pointSize = 12);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
