#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "NoteNames.h"

class QLabel;
class FretPiece;

// A guitar neck drawn from small pictures: six rows of fret cells framed by
// edge and corner pieces, fret numbers above and string names at the left.
// Strings are numbered 1 (high E, top row) to 6 (low E); cells are addressed by
// string and fret within the view's fret range.
//
// The view lies at the top-left corner of its window and positions its pieces
// in the window's client coordinates. Child object names follow the window
// layout: cells "E(3)" ... "Es(19)", open-string pieces "E0" ... "Es0", end
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

    // Places every piece edge to edge from the sizes of its pictures, sets the
    // fret numbers and hover texts, and gives every cell the plain cell
    // picture. Every cell and open-string piece is unmarked afterwards.
    void BuildFretboard(const QPixmap& plainCellPicture);

    // Cells outside the board read as empty and ignore changes.
    QPixmap cellPicture(int string, int fret) const;
    void setCellPicture(int string, int fret, const QPixmap& picture);
    bool cellMarked(int string, int fret) const;
    void setCellMarked(int string, int fret, bool marked);
    QString cellTag(int string, int fret) const;
    notes::TagKey cellKey(int string, int fret) const;
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
    struct Cell
    {
        FretPiece* piece = nullptr;
        QString tag;
        notes::TagKey key;
        bool marked = false;
    };
    struct Row
    {
        FretPiece* open = nullptr;
        bool openMarked = false;
        FretPiece* end = nullptr;
        QLabel* name = nullptr;
        std::vector<Cell> cells; // index = fret - firstFret
    };

    bool hasCell(int string, int fret) const;
    const Cell* cell(int string, int fret) const;
    Cell* cell(int string, int fret);
    const Row* row(int string) const;

    int firstFret_;
    int lastFret_;
    Mode mode_;
    FretPiece* imgLT = nullptr;
    FretPiece* imgRT = nullptr;
    FretPiece* imgLB = nullptr;
    FretPiece* imgRB = nullptr;
    std::vector<FretPiece*> imgTop;
    std::vector<FretPiece*> imgBottom;
    std::vector<QLabel*> lblTop;
    std::array<Row, 6> rows_;
};
