#pragma once

#include "PictureNames.h"

#include <QCursor>
#include <QPixmap>

// The picture, loaded from the program's embedded resources.
QPixmap loadPicture(Picture picture);

// The pointing-hand cursor of every clickable element, with its hot spot at
// the tip of the index finger, (5, 0).
QCursor handCursor();
