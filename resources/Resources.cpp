#include "Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QString>

QPixmap loadPicture(Picture picture)
{
    QString path = QStringLiteral(":/pictures/") + QLatin1String(pictureFile(picture));
    // On a scaled screen the copy drawn at twice the size, where there is one:
    // its device pixel ratio of 2 (from the name) shows it at the same size.
    if (qApp->devicePixelRatio() > 1) {
        const QString large = QString(path).insert(path.lastIndexOf(u'.'), QLatin1String("@2x"));
        if (QFile::exists(large))
            path = large;
    }
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
