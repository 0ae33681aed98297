#include "ChordDisplay.h"

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

void drawBarre(const ChordRecord& chord, ChordBoard& board)
{
    const int fret = chord.barreFret;
    const int from = chord.barreFrom;
    const int to = chord.barreTo;
    if (!onBoard(fret))
        return;
    if (from == 1)
        board.setCell(1, fret, Picture::BarreFirst, true);
    for (int s = 2; s <= StringCount; ++s) {
        if (from == s)
            board.setCell(s, fret, Picture::BarreFirst, true);
        else if (from < s && to > s)
            board.setCell(s, fret, Picture::BarreMiddle, true);
        else if (to == s)
            board.setCell(s, fret, Picture::BarreLast, true);
    }
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
