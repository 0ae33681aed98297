#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// One picture of a fretboard, shown at its natural size, and whether a window
// has marked it. A piece with a click handler reports a left press followed by
// a release over it, and a double-click as a second click followed by
// doubleClicked(). A fret cell knows its string and fret, and draws the
// focus mark while it is its board's focus cell and the board shows the mark.
class FretPiece : public QWidget
{
    Q_OBJECT
public:
    FretPiece(const QString& name, QWidget* parent);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    bool marked() const { return marked_; }
    void setMarked(bool marked) { marked_ = marked; }

    // String 1 to 6 and fret of a fret cell; string 0 for the other pieces.
    int string() const { return string_; }
    int fret() const { return fret_; }
    void setCellAddress(int string, int fret);

    void setClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
    bool clickable() const { return bool(clickHandler_); }
    // Does what a left click on the piece does.
    void click();

    void setFocusCell(bool focusCell);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool marked_ = false;
    bool pressed_ = false;
    bool doublePressed_ = false; // the press is the second of a double-click
    bool focusCell_ = false;
    int string_ = 0;
    int fret_ = 0;
    std::function<void()> clickHandler_;
};
