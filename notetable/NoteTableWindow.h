#pragma once

#include <QPixmap>
#include <QWidget>

#include "CurrentNote.h"

class ActionLabel;
class FretboardView;
class QLabel;
class QMenu;
class StaffView;

// The note table: a fretboard of frets 0 to 19 linked to a music staff. A
// click on a cell names its note, draws it on the staff and marks every cell
// that sounds it; a press on the staff does the same from the staff side.
class NoteTableWindow : public QWidget
{
    Q_OBJECT
public:
    explicit NoteTableWindow(QWidget* parent = nullptr);

    const CurrentNote& currentNote() const { return note_; }

private:
    void selectCell(int string, int fret);
    void selectStaffPosition(double y);
    void useFlatNames();
    void useSharpNames();
    void makeNatural();
    void makeSharp();
    void makeFlat();

    void showNamingToggles();
    void showNote();

    CurrentNote note_;

    // Pictures loaded once per opening and shared by every element showing
    // them.
    QPixmap plainCell_;
    QPixmap clickedCell_;
    QPixmap matchingCell_;
    QPixmap sharpOn_;
    QPixmap flatOn_;
    QPixmap sharpOff_;
    QPixmap flatOff_;

    FretboardView* fretboard_ = nullptr;
    QLabel* noteName_ = nullptr;
    ActionLabel* sharpToggle_ = nullptr;
    ActionLabel* flatToggle_ = nullptr;
    StaffView* staff_ = nullptr;
    QMenu* noteTypeMenu_ = nullptr;
};
