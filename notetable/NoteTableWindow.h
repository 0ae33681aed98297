#pragma once

#include <QCursor>
#include <QPixmap>
#include <QWidget>

#include "CurrentNote.h"

class ActionLabel;
class FretboardView;
class QLabel;
class QMenu;
class QAction;
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
    void Form_Load();
    void Cell_Click(int string, int fret);
    void picStave_MouseDown(Qt::MouseButton button, QPointF at, QPoint globalAt);
    void StaveClick(double x, double y);
    void imgFlat_Click();
    void imgSharp_Click();
    void mnuComp_Click();
    void mnuSharp_Click();
    void mnuFlat_Click();
    void lblClose_Click();

    void ShowNamingToggles();
    void ShowNote();

    CurrentNote note_;

    // Pictures loaded once per opening and shared by every element showing
    // them.
    QCursor handCursor_;
    QPixmap plainCell_;
    QPixmap clickedCell_;
    QPixmap matchingCell_;
    QPixmap sharpOn_;
    QPixmap flatOn_;
    QPixmap sharpOff_;
    QPixmap flatOff_;

    FretboardView* fretboard_ = nullptr;
    QLabel* picC = nullptr;
    QLabel* lblNoteName = nullptr;
    ActionLabel* imgSharp = nullptr;
    ActionLabel* imgFlat = nullptr;
    StaffView* picStave = nullptr;
    QLabel* Image1 = nullptr;
    ActionLabel* lblClose = nullptr;
    QMenu* mnuMain = nullptr;
    QAction* mnuComp = nullptr;
    QAction* mnuSharp = nullptr;
    QAction* mnuFlat = nullptr;
};
