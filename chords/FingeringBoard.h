#pragma once

#include "FretboardView.h"

struct ChordRecord;

// The chord finder's fretboard of frets 1 to 12, showing one chord. The
// keyboard reaches it by Tab (never the mouse), and once the keyboard has been
// used in the window its focus mark is drawn round the board. Assistive
// technology sees one object named "Fingering", described by the shown chord's
// chart (empty before any chord); the cells, which only draw the chord, are
// not listed one by one. Return or Space on the board asks for the chord to be
// strummed.
class FingeringBoard : public FretboardView
{
    Q_OBJECT
public:
    explicit FingeringBoard(QWidget* window);

    // Shows the chord in place of the previous one and describes it.
    void showChord(const ChordRecord& chord);

signals:
    void strumRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
