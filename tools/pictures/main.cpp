// Draws every picture the program carries and writes them as PNG files into
// the folder named on the command line: the numbered bitmaps, icons and the
// cursor at its top level, the pictures of the window layouts in layout/.

#include "FretboardPieces.h"
#include "GuitarDrawing.h"
#include "LayoutPictures.h"
#include "SignIcons.h"

#include <QDir>
#include <QImage>
#include <QString>

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
    {"icon-1.png", guitar_art::GuitarIcon},
    {"icon-101.png", [] { return sign_art::Sharp(Black); }},
    {"icon-102.png", [] { return sign_art::Flat(Black); }},
    {"icon-103.png", [] { return sign_art::Sharp(Brown); }},
    {"icon-104.png", [] { return sign_art::Flat(Brown); }},
    {"icon-105.png", sign_art::NoteHead},
    {"icon-106.png", guitar_art::GuitarIcon},
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

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("layout"))) {
        std::fprintf(stderr, "cannot create %s/layout\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const PictureFile& picture : Pictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        if (!picture.draw().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
