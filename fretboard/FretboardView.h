#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class FretPiece;

// A guitar neck drawn from small pictures: six rows of fret cells framed by
// edge and corner pieces, fret numbers above and string names at the left.
// Strings are numbered 1 (high E, top row) to 6 (low E); cells are addressed by
// string and fret within the view's fret range.
//
// Every piece is a child widget of its own, so that each cell has its own hover
// text (the note it sounds), cursor and object name. The view lies at the top-left corner of its
// window and positions its pieces in the window's client coordinates. Object
// names: cells "E(3)" ... "Es(19)", open-string pieces "E0" ... "Es0", end
// pieces "E1" ... "Es1", "imgLT", "imgTop(f)", "imgRT", "imgLB", "imgBottom(f)",
// "imgRB", "lblTop(f)", "lblE" ... "lblEs".
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

    FretboardView(QWidget* window, int firstFret, int lastFret, Mode mode);

    // Gives every frame piece its picture and every cell the plain cell
    // picture, unmarks every cell and open-string piece, and places the pieces
    // edge to edge from the sizes of their pictures.
    void buildFretboard(const QPixmap& plainCellPicture);

    // Cells and strings outside the board read as empty and ignore changes.
    QPixmap cellPicture(int string, int fret) const;
    void setCellPicture(int string, int fret, const QPixmap& picture);
    bool cellMarked(int string, int fret) const;
    void setCellMarked(int string, int fret, bool marked);
    QWidget* cellWidget(int string, int fret) const;

    QPixmap openPicture(int string) const;
    void setOpenPicture(int string, const QPixmap& picture);
    bool openMarked(int string) const;
    void setOpenMarked(int string, bool marked);

signals:
    // A cell was clicked (clickable mode only).
    void cellClicked(int string, int fret);
    // A picture was assigned to a cell or to an open-string piece.
    void cellPictureSet(int string, int fret);
    void openPictureSet(int string);

private:
    FretPiece* cell(int string, int fret) const;
    FretPiece* open(int string) const;

    int firstFret_;
    int lastFret_;
    FretPiece* topLeft_ = nullptr;
    FretPiece* topRight_ = nullptr;
    FretPiece* bottomLeft_ = nullptr;
    FretPiece* bottomRight_ = nullptr;
    std::vector<FretPiece*> topEdge_;    // index = fret - firstFret
    std::vector<FretPiece*> bottomEdge_; // index = fret - firstFret
    std::vector<QLabel*> fretNumbers_;   // index = fret - firstFret
    // Index = string - 1.
    std::array<FretPiece*, 6> open_{};
    std::array<FretPiece*, 6> end_{};
    std::array<QLabel*, 6> stringNames_{};
    std::array<std::vector<FretPiece*>, 6> cells_; // index = fret - firstFret
};
