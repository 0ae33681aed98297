#include "Resources.h"

#include <QDirIterator>
#include <QPixmapCache>
#include <QString>

QPixmap loadPicture(Picture picture)
{
    const QString path = QStringLiteral(":/pictures/") + QLatin1String(pictureFile(picture));
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
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
