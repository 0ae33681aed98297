#pragma once

#include "PictureNames.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The picture, loaded from the program's embedded resources once and then
// taken from the one pixmap cache the whole program shares (copies share its
// pixels). On a screen scaled above 1 it is the copy drawn at twice the size,
// which shows at the same size.
QPixmap loadPicture(Picture picture);

// The window icon: the window icon picture at its 16 x 16 pixels, and the
// program icon drawn at every larger size the desktop may ask for.
QIcon programIcon();

// The pointing-hand cursor of every clickable element, with its hot spot at
// the tip of the index finger, (5, 0).
QCursor handCursor();
