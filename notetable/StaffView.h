#pragma once

#include <QPixmap>
#include <QWidget>

#include "CurrentNote.h"

class QLabel;

// The staff of the note table: a treble staff picture on which the current
// note is drawn as a head with an optional sharp or flat. The head and sign
// take no mouse input, so a press on them is a press on the staff at that
// point: it chooses the staff position there (StaffGeometry.h).
//
// The staff also takes the focus from Tab: Up and Down choose the position
// above or below the note, the Menu key and Shift+F10 ask for the note-type
// menu at the note. A double-click (after the press it repeats), Return or
// Space ask for the note's sound. Assistive technology sees a picture named
// "Staff" whose value and description are the note shown, spoken with the
// octave of its sound ("G sharp 3"); each new note is reported as a change of
// value and of description.
class StaffView : public QWidget
{
    Q_OBJECT
public:
    explicit StaffView(QWidget* parent);

    // Draws the head at a staff position, with its sign to its left, and
    // tells assistive technology the note's name.
    void showNote(int staffPosition, CurrentNote::Sign sign, const QString& name);

    // The note shown as assistive technology reads it, and its position as a
    // number (0 before any note).
    const QString& spokenNote() const { return spokenNote_; }
    int spokenPosition() const { return spokenNote_.isEmpty() ? 0 : staffPosition_; }

signals:
    // A staff position was chosen: the left button was pressed on it, or Up or
    // Down moved to it.
    void positionChosen(int staffPosition);
    // The right button was pressed, at a point on the screen.
    void menuRequested(QPoint globalAt);
    // The note shown is wanted as a sound.
    void noteWanted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    QPixmap sharp_;
    QPixmap flat_;
    QLabel* head_ = nullptr;
    QLabel* sign_ = nullptr;
    int staffPosition_ = CurrentNote::NoNote;
    QString spokenNote_;
};
