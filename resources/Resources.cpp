#include "Resources.h"

#include <QString>

QPixmap loadPicture(Picture picture)
{
    return QPixmap(QStringLiteral(":/pictures/") + QLatin1String(pictureFile(picture)));
}

QCursor handCursor()
{
    return QCursor(loadPicture(Picture::HandCursor), 5, 0);
}
