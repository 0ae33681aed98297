#include "ChordDisplay.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

constexpr int StringCount = 6;

bool onBoard(int fret)
{
    return fret >= 1 && fret <= ChordBoard::LastFret;
}

void clearMarks(ChordBoard& board)
{
    for (int s = 1; s <= StringCount; ++s) {
        if (board.isMarked(s, 0))
            board.setCell(s, 0, Picture::OpenString, false);
    }
    for (int f = 1; f <= ChordBoard::LastFret; ++f) {
        for (int s = 1; s <= StringCount; ++s) {
            if (board.isMarked(s, f))
                board.setCell(s, f, Picture::PlainCell, false);
        }
    }
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

void drawBarre(const ChordRecord& chord, ChordBoard& board)
{
    if (!onBoard(chord.barreFret))
        return;
    for (int s = 1; s <= StringCount; ++s) {
        if (const std::optional<Picture> piece = barrePiece(chord, s))
            board.setCell(s, chord.barreFret, *piece, true);
    }
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

void drawChord(const ChordRecord& chord, ChordBoard& board)
{
    clearMarks(board);
    for (int s = 1; s <= StringCount; ++s) {
        const int fret = chord.frets[s - 1];
        if (onBoard(fret))
            board.setCell(s, fret, Picture::PressedCell, true);
        else if (fret == -1)
            board.setCell(s, 0, Picture::MutedString, true);
    }
    drawBarre(chord, board);
}

QString chordChart(const ChordRecord& chord)
{
    QStringList strings;
    for (int s = StringCount; s >= 1; --s)
        strings += stringChart(chord, s);
    return strings.join(u' ');
}

bool underBarre(const ChordRecord& chord, int string)
{
    return chord.barreFret > 0 && barrePiece(chord, string);
}

std::array<int, 6> soundingFrets(const ChordRecord& chord)
{
    std::array<int, 6> frets{};
    for (int s = 1; s <= StringCount; ++s) {
        const int fret = chord.frets[s - 1];
        const bool barred = underBarre(chord, s);
        frets[s - 1] = fret < 0 ? -1 : barred ? std::max(fret, int(chord.barreFret)) : fret;
    }
    return frets;
}
