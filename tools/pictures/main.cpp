// Draws every picture the program carries and writes them as PNG files into
// the folder named on the command line: the numbered bitmaps, icons and the
// cursor at its top level, the pictures of the window layouts in layout/.

#include "FretboardPieces.h"
#include "GuitarDrawing.h"
#include "LayoutPictures.h"
#include "PictureNames.h"
#include "SignIcons.h"

#include <QDir>
#include <QImage>
#include <QString>

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
    {Picture::ProgramIcon, guitar_art::GuitarIcon},
    {Picture::SharpOn, [] { return sign_art::Sharp(Black); }},
    {Picture::FlatOn, [] { return sign_art::Flat(Black); }},
    {Picture::SharpOff, [] { return sign_art::Sharp(Brown); }},
    {Picture::FlatOff, [] { return sign_art::Flat(Brown); }},
    {Picture::NoteHead, sign_art::NoteHead},
    {Picture::WindowIcon, guitar_art::GuitarIcon},
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
    for (const Drawing& drawing : Drawings) {
        const QString path = folder.filePath(QString::fromLatin1(pictureFile(drawing.picture)));
        if (!drawing.draw().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
