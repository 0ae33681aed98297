// Draws every picture the program carries and writes them as PNG files into
// the folder named on the command line: the numbered bitmaps, icons and the
// cursor at its top level, the pictures of the window layouts in layout/.
//
// With --icons it draws the program icon for the desktop instead, in the
// layout of an icon theme: <folder>/<size>x<size>/apps/kordelix.png for each
// size given, and <folder>/scalable/apps/kordelix.svg.

#include "FretboardPieces.h"
#include "GuitarDrawing.h"
#include "LayoutPictures.h"
#include "PictureNames.h"
#include "PixelArt.h"
#include "SignIcons.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

struct Drawing
{
    Picture picture;
    std::function<QImage()> draw;
};

const QColor Black(0, 0, 0);
const QColor Brown(156, 100, 40);

const Drawing Drawings[] = {
    {Picture::PlainCell, fretboard_art::PlainCell},
    {Picture::ClickedCell, fretboard_art::ClickedCell},
    {Picture::MatchingCell, fretboard_art::MatchingCell},
    {Picture::FrameTopLeft, fretboard_art::TopLeft},
    {Picture::OpenString, fretboard_art::OpenString},
    {Picture::FrameBottomLeft, fretboard_art::BottomLeft},
    {Picture::FrameTop, fretboard_art::TopEdge},
    {Picture::FrameBottom, fretboard_art::BottomEdge},
    {Picture::FrameTopRight, fretboard_art::TopRight},
    {Picture::StringEnd, fretboard_art::StringEnd},
    {Picture::FrameBottomRight, fretboard_art::BottomRight},
    {Picture::MutedString, fretboard_art::MutedString},
    {Picture::PressedCell, fretboard_art::PressedCell},
    {Picture::BarreFirst, fretboard_art::BarreFirst},
    {Picture::BarreMiddle, fretboard_art::BarreMiddle},
    {Picture::BarreLast, fretboard_art::BarreLast},
    {Picture::SharpOn, [] { return sign_art::Sharp(Black); }},
    {Picture::FlatOn, [] { return sign_art::Flat(Black); }},
    {Picture::SharpOff, [] { return sign_art::Sharp(Brown); }},
    {Picture::FlatOff, [] { return sign_art::Flat(Brown); }},
    {Picture::NoteHead, sign_art::NoteHead},
    {Picture::WindowIcon, [] { return guitar_art::GuitarIcon(16); }},
    {Picture::HandCursor, sign_art::HandCursor},
    {Picture::MainGuitar, guitar_art::MainGuitar},
    {Picture::AboutPanel, layout_art::AboutPanel},
    {Picture::Staff, layout_art::Staff},
    {Picture::DiagonalGuitar, guitar_art::DiagonalGuitar},
    {Picture::TempoField, layout_art::TempoField},
    {Picture::SliderBar, layout_art::SliderBar},
    {Picture::FilePathBar, layout_art::FilePathBar},
    {Picture::SliderPointer, layout_art::SliderPointer},
    {Picture::RedGuitar, guitar_art::RedGuitar},
};

static_assert(std::size(Drawings) == std::size(PictureFiles), "every picture has a drawing");

// The size the scalable icon is drawn at: its details are those of the largest
// picture.
constexpr int ScalableDrawingSize = 256;

bool writeIcons(const QDir& folder, const QStringList& sizes)
{
    bool ok = true;
    for (const QString& text : sizes) {
        const int size = text.toInt();
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        if (size <= 0 || !folder.mkpath(apps) ||
            !guitar_art::GuitarIcon(size).save(folder.filePath(apps + "/kordelix.png"), "PNG")) {
            std::fprintf(stderr, "cannot write the %s pixel icon\n", qPrintable(text));
            ok = false;
        }
    }
    const QString apps = QStringLiteral("scalable/apps");
    if (!folder.mkpath(apps)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.filePath(apps)));
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(folder.filePath(apps + "/kordelix.svg"));
    svg.setSize(QSize(ScalableDrawingSize, ScalableDrawingSize));
    svg.setViewBox(QRect(0, 0, ScalableDrawingSize, ScalableDrawingSize));
    svg.setTitle(QStringLiteral("Kordelix"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "cannot write the scalable icon\n");
        return false;
    }
    guitar_art::PaintGuitarIcon(painter, ScalableDrawingSize);
    return painter.end() && ok;
}

// Every picture, and beside it the same drawn at twice the size for scaled
// screens, named with "@2x" before the extension. The cursor has no such
// copy: the window system shows it at its own size.
bool writePictures(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("layout"))) {
        std::fprintf(stderr, "cannot create %s/layout\n", qPrintable(folder.path()));
        return false;
    }
    bool ok = true;
    for (const int scale : {1, 2}) {
        SetPictureScale(scale);
        for (const Drawing& picture : Drawings) {
            if (scale > 1 && picture.picture == Picture::HandCursor)
                continue;
            QString path = folder.filePath(QString::fromLatin1(pictureFile(picture.picture)));
            if (scale > 1)
                path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
            if (!picture.draw().save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.size() >= 3 && arguments.first() == QStringLiteral("--icons"))
        return writeIcons(QDir(arguments[1]), arguments.mid(2)) ? 0 : 1;
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr,
                     "usage: %s <output folder>\n       %s --icons <output folder> <size>...\n",
                     argv[0], argv[0]);
        return 2;
    }
    return writePictures(QDir(arguments.first())) ? 0 : 1;
}
