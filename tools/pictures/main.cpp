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
#include "SignIcons.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

struct PictureFile
{
    const char* name;
    std::function<QImage()> draw;
};

const QColor Black(0, 0, 0);
const QColor Brown(156, 100, 40);

const PictureFile Pictures[] = {
    {"bitmap-101.png", fretboard_art::PlainCell},
    {"bitmap-102.png", fretboard_art::ClickedCell},
    {"bitmap-103.png", fretboard_art::MatchingCell},
    {"bitmap-104.png", fretboard_art::TopLeft},
    {"bitmap-105.png", fretboard_art::OpenString},
    {"bitmap-106.png", fretboard_art::BottomLeft},
    {"bitmap-107.png", fretboard_art::TopEdge},
    {"bitmap-108.png", fretboard_art::BottomEdge},
    {"bitmap-109.png", fretboard_art::TopRight},
    {"bitmap-110.png", fretboard_art::StringEnd},
    {"bitmap-111.png", fretboard_art::BottomRight},
    {"bitmap-112.png", fretboard_art::MutedString},
    {"bitmap-120.png", fretboard_art::PressedCell},
    {"bitmap-121.png", fretboard_art::BarreFirst},
    {"bitmap-122.png", fretboard_art::BarreMiddle},
    {"bitmap-123.png", fretboard_art::BarreLast},
    {"icon-1.png", [] { return guitar_art::GuitarIcon(16); }},
    {"icon-101.png", [] { return sign_art::Sharp(Black); }},
    {"icon-102.png", [] { return sign_art::Flat(Black); }},
    {"icon-103.png", [] { return sign_art::Sharp(Brown); }},
    {"icon-104.png", [] { return sign_art::Flat(Brown); }},
    {"icon-105.png", sign_art::NoteHead},
    {"icon-106.png", [] { return guitar_art::GuitarIcon(16); }},
    {"cursor-101.png", sign_art::HandCursor},
    {"layout/main-guitar.png", guitar_art::MainGuitar},
    {"layout/about-panel.png", layout_art::AboutPanel},
    {"layout/staff.png", layout_art::Staff},
    {"layout/diagonal-guitar.png", guitar_art::DiagonalGuitar},
    {"layout/tempo-field.png", layout_art::TempoField},
    {"layout/slider-bar.png", layout_art::SliderBar},
    {"layout/file-path-bar.png", layout_art::FilePathBar},
    {"layout/slider-pointer.png", layout_art::SliderPointer},
    {"layout/red-guitar.png", guitar_art::RedGuitar},
};

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

bool writePictures(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("layout"))) {
        std::fprintf(stderr, "cannot create %s/layout\n", qPrintable(folder.path()));
        return false;
    }
    bool ok = true;
    for (const PictureFile& picture : Pictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        if (!picture.draw().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
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
