#include "Resources.h"

#include <QDirIterator>
#include <QString>

QPixmap loadPicture(Picture picture)
{
    return QPixmap(QStringLiteral(":/pictures/") + QLatin1String(pictureFile(picture)));
}

QIcon programIcon()
{
    QIcon icon(loadPicture(Picture::WindowIcon));
    QDirIterator larger(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (larger.hasNext())
        icon.addFile(larger.next());
    return icon;
}

QCursor handCursor()
{
    return QCursor(loadPicture(Picture::HandCursor), 5, 0);
}
