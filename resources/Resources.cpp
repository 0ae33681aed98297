#include "Resources.h"

#include <QDirIterator>
#include <QString>

namespace {

QString kindName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bitmap:
        return QStringLiteral("bitmap");
    case PictureKind::Icon:
        return QStringLiteral("icon");
    case PictureKind::Cursor:
        return QStringLiteral("cursor");
    }
    return {};
}

QString layoutName(LayoutPicture picture)
{
    switch (picture) {
    case LayoutPicture::MainGuitar:
        return QStringLiteral("main-guitar");
    case LayoutPicture::AboutPanel:
        return QStringLiteral("about-panel");
    case LayoutPicture::Staff:
        return QStringLiteral("staff");
    case LayoutPicture::DiagonalGuitar:
        return QStringLiteral("diagonal-guitar");
    case LayoutPicture::TempoField:
        return QStringLiteral("tempo-field");
    case LayoutPicture::SliderBar:
        return QStringLiteral("slider-bar");
    case LayoutPicture::FilePathBar:
        return QStringLiteral("file-path-bar");
    case LayoutPicture::SliderPointer:
        return QStringLiteral("slider-pointer");
    case LayoutPicture::RedGuitar:
        return QStringLiteral("red-guitar");
    }
    return {};
}

} // namespace

QPixmap LoadResourcePicture(int number, PictureKind kind)
{
    return QPixmap(QStringLiteral(":/pictures/%1-%2.png").arg(kindName(kind)).arg(number));
}

QIcon LoadProgramIcon()
{
    QIcon icon(LoadResourcePicture(106, PictureKind::Icon));
    QDirIterator larger(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (larger.hasNext())
        icon.addFile(larger.next());
    return icon;
}

QCursor LoadHandCursor()
{
    return QCursor(LoadResourcePicture(101, PictureKind::Cursor), 5, 0);
}

QPixmap LoadLayoutPicture(LayoutPicture picture)
{
    return QPixmap(QStringLiteral(":/pictures/layout/%1.png").arg(layoutName(picture)));
}
