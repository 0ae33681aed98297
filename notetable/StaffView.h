#pragma once

#include <QPixmap>
#include <QWidget>

#include "CurrentNote.h"

class QLabel;

// The staff of the note table: a treble staff picture on which the current
// note is drawn as a head with an optional sharp or flat. The head and sign
// take no mouse input, so a press on them is a press on the staff at that
// point. Positions are pixels of the picture.
class StaffView : public QWidget
{
    Q_OBJECT
public:
    explicit StaffView(QWidget* parent);

    // Draws the head at a staff position, with its sign to its left.
    void showNote(int staffPosition, CurrentNote::Sign sign);

    QLabel* head() const { return head_; }
    QLabel* sign() const { return sign_; }

signals:
    // The left button was pressed at height y.
    void positionPressed(double y);
    // The right button was pressed, at a point on the screen.
    void menuRequested(QPoint globalAt);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QLabel* head_ = nullptr;
    QLabel* sign_ = nullptr;
};
