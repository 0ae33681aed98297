#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// Numbered picture resources. A picture is named by its kind and number
// together: bitmap 101 (the plain fret cell) and icon 101 (the black sharp sign)
// are different pictures.
enum class PictureKind
{
    Bitmap,
    Icon,
    Cursor
};

// Returns the picture resource of that number and kind, or a null pixmap when
// there is none.
QPixmap LoadResourcePicture(int number, PictureKind kind);

// The window icon: icon 106 at its 16 x 16 pixels, and the program icon drawn
// at every larger size the desktop may ask for.
QIcon LoadProgramIcon();

// The pointing-hand cursor (cursor resource 101) with its hot spot at the tip
// of the index finger, (5, 0).
QCursor LoadHandCursor();

// Pictures that belong to one window's layout rather than to the numbered
// catalogue.
enum class LayoutPicture
{
    MainGuitar,     // 71 x 214 upright guitar drawing (main menu)
    AboutPanel,     // 265 x 187 panel with its orange title band (About, note table)
    Staff,          // 242 x 150 treble staff (note table)
    DiagonalGuitar, // 239 x 161 guitar lying diagonally (note table)
    TempoField,     // 57 x 22 bevelled field behind the tempo box (metronome)
    SliderBar,      // 220 x 22 tempo scale with 11 ticks (metronome)
    FilePathBar,    // 281 x 17 golden bar behind the sound name (metronome)
    SliderPointer,  // 32 x 32 orange cone, apex 9 px right of its left edge (metronome)
    RedGuitar,      // 32 x 32 red electric guitar (About)
};

QPixmap LoadLayoutPicture(LayoutPicture picture);
