#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The staff of the note table (picStave): a treble staff picture on which the
// current note is drawn as a head (ImgNote) with an optional sharp or flat
// (imgNoteType). The head and sign take no mouse input, so a press on them is
// a press on the staff at that point. Positions are pixels of the picture.
class StaffView : public QWidget
{
    Q_OBJECT
public:
    explicit StaffView(QWidget* parent);

    // Draws a note: the head at staff position staffPosition, and no sign (0),
    // a sharp (1) or a flat (2) to its left.
    void ShowNote(int staffPosition, int noteType);

    QLabel* head() const { return ImgNote; }
    QLabel* sign() const { return imgNoteType; }

signals:
    // Any mouse button pressed on the staff, at a point in pixels of the staff.
    void pressed(Qt::MouseButton button, QPointF at, QPoint globalAt);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QLabel* ImgNote = nullptr;
    QLabel* imgNoteType = nullptr;
};
