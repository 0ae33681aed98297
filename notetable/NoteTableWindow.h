#pragma once

#include <QWidget>

#include "CurrentNote.h"

class ActionLabel;
class FretboardView;
class QLabel;
class QMenu;
class StaffView;

namespace platform {
class Desktop;
}

// The note table: a fretboard of frets 0 to 19 linked to a music staff. A
// click on a cell names its note, draws it on the staff and marks every cell
// that sounds it; a press on the staff does the same from the staff side.
// A double-click on a cell plays its note, one on the staff the note shown;
// Return and Space do the same for the focused fretboard or staff. Escape
// closes the window as "Close" does.
class NoteTableWindow : public QWidget
{
    Q_OBJECT
public:
    explicit NoteTableWindow(platform::Desktop& desktop, QWidget* parent = nullptr);

private:
    void selectCell(int string, int fret);
    void selectStaffPosition(int staffPosition);
    void playCell(int string, int fret);
    void playShownNote();
    void useFlatNames();
    void useSharpNames();
    void makeNatural();
    void makeSharp();
    void makeFlat();

    void showNamingToggles();
    void showNote();

    platform::Desktop& desktop_;
    CurrentNote note_;

    FretboardView* fretboard_ = nullptr;
    QLabel* noteName_ = nullptr;
    ActionLabel* sharpToggle_ = nullptr;
    ActionLabel* flatToggle_ = nullptr;
    StaffView* staff_ = nullptr;
    QMenu* noteTypeMenu_ = nullptr;
};
