#pragma once

#include "GuitarStrings.h"
#include "PictureNames.h"

#include <QWidget>

#include <vector>

class QLabel;
class FretPiece;

// A guitar neck drawn from small pictures: six rows of fret cells framed by
// edge and corner pieces, fret numbers above and string names at the left.
// Strings are numbered 1 (high E, top row) to 6 (low E); cells are addressed by
// string and fret within the view's fret range. The view holds which picture
// every cell and open-string piece shows, and paints from that.
//
// Every piece is a child widget of its own, so that each cell has its own hover
// text (the note it sounds), cursor and object name. The view lies at the top-left corner of its
// window and positions its pieces in the window's client coordinates. Object
// names: cells "E(3)" ... "Es(19)", open-string pieces "E0" ... "Es0", end
// pieces "E1" ... "Es1", "imgLT", "imgTop(f)", "imgRT", "imgLB", "imgBottom(f)",
// "imgRB", "lblTop(f)", "lblE" ... "lblEs".
//
// A clickable board is one control for the keyboard: Tab reaches it, the
// arrows move a focus cell (Left and Right by fret, Up and Down by string,
// stopping at the edges) and Return or Space click the focus cell and then ask
// for its sound, as a double-click on a cell does. Assistive
// technology sees it as a list of its cells, each named by string and fret,
// described by its hover text and selected while it shows a marker.
class FretboardView : public QWidget
{
    Q_OBJECT
public:
    enum class Mode
    {
        // Every cell shows the hand cursor and reports clicks (note table).
        ClickableCells,
        // Cells show the ordinary pointer and ignore clicks; the string names
        // and open-string pieces carry the string's letter as hover text
        // (chord finder).
        DisplayOnly,
    };

    struct CellAddress
    {
        int string = 0;
        int fret = 0;
        friend bool operator==(const CellAddress&, const CellAddress&) = default;
    };

    FretboardView(QWidget* window, int firstFret, int lastFret, Mode mode);

    Mode mode() const { return mode_; }
    int firstFret() const { return firstFret_; }
    int lastFret() const { return lastFret_; }

    // Gives every frame piece its picture, every cell the plain cell picture
    // and every open-string piece the plain open string, and places the pieces
    // edge to edge from the sizes of their pictures.
    void buildFretboard();

    // The picture a cell shows. Cells outside the board read as the plain
    // cell and ignore changes.
    Picture cell(int string, int fret) const;
    void setCell(int string, int fret, Picture picture);
    QWidget* cellWidget(int string, int fret) const;
    // Whether a cell shows a marker: any picture but the plain cell.
    bool cellSelected(int string, int fret) const;

    // The cell the arrows move and Return clicks (clickable mode). It is set
    // when the board gets the focus: the cell last clicked while it still
    // shows a marker, otherwise the high E string at the first fret.
    CellAddress focusCell() const { return focus_; }
    // The focus cell while the board has the keyboard focus, otherwise none:
    // the cell assistive technology is told has the focus.
    QWidget* focusedCell() const;

    // The picture a string's open-string piece shows; strings outside the
    // board read as the plain open string and ignore changes.
    Picture openString(int string) const;
    void setOpenString(int string, Picture picture);

signals:
    // A cell was clicked (clickable mode only).
    void cellClicked(int string, int fret);
    // A cell's note is wanted: it was double-clicked, or Return or Space was
    // pressed on the focus cell; each comes after the cellClicked it repeats
    // (clickable mode only).
    void cellPlayed(int string, int fret);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    FretPiece* piece(int string, int fret) const;
    FretPiece* piece(CellAddress at) const { return piece(at.string, at.fret); }
    void setFocusCell(CellAddress at);
    void reportFocusCell();
    FretPiece* open(int string) const;

    Mode mode_;
    int firstFret_;
    int lastFret_;
    CellAddress focus_;
    CellAddress clicked_; // string 0: none yet
    FretPiece* topLeft_ = nullptr;
    FretPiece* topRight_ = nullptr;
    FretPiece* bottomLeft_ = nullptr;
    FretPiece* bottomRight_ = nullptr;
    std::vector<FretPiece*> topEdge_;    // index = fret - firstFret
    std::vector<FretPiece*> bottomEdge_; // index = fret - firstFret
    std::vector<QLabel*> fretNumbers_;   // index = fret - firstFret
    // Index = string - 1.
    guitar::PerString<FretPiece*> open_{};
    guitar::PerString<FretPiece*> end_{};
    guitar::PerString<QLabel*> stringNames_{};
    guitar::PerString<std::vector<FretPiece*>> cells_; // index = fret - firstFret
};
