#pragma once

#include "ChordRecord.h"
#include "FretboardView.h"

#include <optional>

// The chord finder's fretboard of frets 1 to 12, showing one chord. The
// keyboard reaches it by Tab (never the mouse), and once the keyboard has been
// used in the window its focus mark is drawn round the board. Assistive
// technology sees a list named "Fingering", described by the shown chord and
// its chart, whose items are the six strings (FingeringAccessibility.h); the
// cells, which only draw the chord, are not listed one by one. The arrows move
// a focus string, which only assistive technology is told of: Right and Down
// towards the high E string, Left and Up back, Home and End to the low and
// high E strings; it starts on none each time the board gets the focus.
// Return or Space on the board asks for the chord to be strummed.
class FingeringBoard : public FretboardView
{
    Q_OBJECT
public:
    explicit FingeringBoard(QWidget* window);

    // Shows the chord in place of the previous one and describes it.
    void showChord(const ChordRecord& chord);

    // The chord shown, or null before the first.
    const ChordRecord* shownChord() const { return chord_ ? &*chord_ : nullptr; }
    // The string (1 high E to 6 low E) the arrows last moved to, 0 for none.
    int focusString() const { return focusString_; }

signals:
    void strumRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Moves the focus string for an arrow, Home or End key; false for any
    // other key.
    bool moveFocusString(int key);

    std::optional<ChordRecord> chord_;
    int focusString_ = 0;
};
