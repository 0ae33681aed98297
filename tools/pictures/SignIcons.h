#pragma once

#include <QColor>
#include <QImage>

// The small signs of the note table and the hand cursor, all on transparent
// 32 x 32 squares.
namespace sign_art {

QImage Sharp(QColor ink); // icons 101 (black) and 103 (brown)
QImage Flat(QColor ink);  // icons 102 (black) and 104 (brown)
QImage NoteHead();        // icon 105
QImage HandCursor();      // cursor 101, fingertip at (5, 0)

} // namespace sign_art
