#include "Resources.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QString>

QPixmap loadPicture(Picture picture)
{
    QString path = QStringLiteral(":/pictures/") + QLatin1String(pictureFile(picture));
    // On a scaled screen the copy drawn at twice the size, where there is one:
    // its device pixel ratio of 2 (from the name) shows it at the same size.
    if (qApp->devicePixelRatio() > 1) {
        const QPixmap sharp(QString(path).insert(path.lastIndexOf(u'.'), QLatin1String("@2x")));
        if (!sharp.isNull())
            return sharp;
    }
    return QPixmap(path);
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
