#include "ChordDisplay.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

bool onBoard(int fret)
{
    return fret >= 1 && fret <= ChordBoardLastFret;
}

// The barre piece the chord puts on the string at its barre fret, if any. The
// first string takes only the barre's first piece.
std::optional<Picture> barrePiece(const ChordRecord& chord, int string)
{
    const int from = chord.barreFrom;
    const int to = chord.barreTo;
    if (from == string)
        return Picture::BarreFirst;
    if (string == 1)
        return std::nullopt;
    if (from < string && to > string)
        return Picture::BarreMiddle;
    if (to == string)
        return Picture::BarreLast;
    return std::nullopt;
}

// One string of the chart: what the board shows on it.
QString stringChart(const ChordRecord& chord, int string)
{
    const int fret = chord.frets[string - 1];
    if (fret == -1)
        return QStringLiteral("x");
    int shown = onBoard(fret) ? fret : 0;
    if (onBoard(chord.barreFret) && barrePiece(chord, string))
        shown = std::max(shown, int(chord.barreFret));
    if (shown > 0)
        return QString::number(shown);
    return fret == 0 ? QStringLiteral("0") : QStringLiteral("?");
}

} // namespace

ChordPictures chordPictures(const ChordRecord& chord)
{
    ChordPictures shown;
    for (auto& string : shown) {
        string.fill(Picture::PlainCell);
        string[0] = Picture::OpenString;
    }
    for (int s = 1; s <= guitar::StringCount; ++s) {
        auto& string = shown[std::size_t(s - 1)];
        const int fret = chord.frets[std::size_t(s - 1)];
        if (onBoard(fret))
            string[std::size_t(fret)] = Picture::PressedCell;
        else if (fret == -1)
            string[0] = Picture::MutedString;
        if (onBoard(chord.barreFret)) {
            if (const std::optional<Picture> piece = barrePiece(chord, s))
                string[std::size_t(chord.barreFret)] = *piece;
        }
    }
    return shown;
}

QString chordChart(const ChordRecord& chord)
{
    QStringList strings;
    for (int s = guitar::StringCount; s >= 1; --s)
        strings += stringChart(chord, s);
    return strings.join(u' ');
}

bool underBarre(const ChordRecord& chord, int string)
{
    return chord.barreFret > 0 && barrePiece(chord, string);
}

guitar::Frets soundingFrets(const ChordRecord& chord)
{
    guitar::Frets frets{};
    for (int s = 1; s <= guitar::StringCount; ++s) {
        const int fret = chord.frets[s - 1];
        const bool barred = underBarre(chord, s);
        frets[s - 1] = fret < 0 ? -1 : barred ? std::max(fret, int(chord.barreFret)) : fret;
    }
    return frets;
}
