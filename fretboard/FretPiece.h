#pragma once

#include "PictureNames.h"

#include <QWidget>

// One picture of a fretboard, shown at its natural size. The piece knows which
// picture it shows and paints it from the program's shared pictures. A
// clickable piece reports a left press followed by a release over it as
// clicked(), and a double-click as a second clicked() followed by
// doubleClicked(). A fret cell knows its string and fret, and draws the focus
// mark while it is its board's focus cell and the board shows the mark.
class FretPiece : public QWidget
{
    Q_OBJECT
public:
    FretPiece(const QString& name, QWidget* parent);

    Picture picture() const { return picture_; }
    void setPicture(Picture picture);

    // String 1 to 6 and fret of a fret cell; string 0 for the other pieces.
    int string() const { return string_; }
    int fret() const { return fret_; }
    void setCellAddress(int string, int fret);

    bool clickable() const { return clickable_; }
    void setClickable(bool clickable) { clickable_ = clickable; }
    // Does what a left click on a clickable piece does.
    void click();

    void setFocusCell(bool focusCell);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Picture picture_ = Picture::PlainCell;
    bool clickable_ = false;
    bool pressed_ = false;
    bool doublePressed_ = false; // the press is the second of a double-click
    bool focusCell_ = false;
    int string_ = 0;
    int fret_ = 0;
};
