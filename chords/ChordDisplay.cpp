#include "ChordDisplay.h"

namespace {

constexpr int StringCount = 6;

bool OnBoard(int fret)
{
    return fret >= 1 && fret <= ChordBoard::LastFret;
}

void ClearMarks(ChordBoard& board)
{
    for (int s = 1; s <= StringCount; ++s) {
        if (board.IsMarked(s, 0))
            board.SetCell(s, 0, CellPicture::OpenString, false);
    }
    for (int f = 1; f <= ChordBoard::LastFret; ++f) {
        for (int s = 1; s <= StringCount; ++s) {
            if (board.IsMarked(s, f))
                board.SetCell(s, f, CellPicture::PlainCell, false);
        }
    }
}

void DrawBarre(const ChordRecord& chord, ChordBoard& board)
{
    const int fret = chord.BarreFret;
    const int from = chord.BarreFrom;
    const int to = chord.BarreTo;
    if (!OnBoard(fret))
        return;
    if (from == 1)
        board.SetCell(1, fret, CellPicture::BarreStart, true);
    for (int s = 2; s <= StringCount; ++s) {
        if (from == s)
            board.SetCell(s, fret, CellPicture::BarreStart, true);
        else if (from < s && to > s)
            board.SetCell(s, fret, CellPicture::BarreMiddle, true);
        else if (to == s)
            board.SetCell(s, fret, CellPicture::BarreEnd, true);
    }
}

} // namespace

void DrawChord(const ChordRecord& chord, ChordBoard& board)
{
    ClearMarks(board);
    for (int s = 1; s <= StringCount; ++s) {
        const int fret = chord.Frets[s - 1];
        if (OnBoard(fret))
            board.SetCell(s, fret, CellPicture::Dot, true);
        else if (fret == -1)
            board.SetCell(s, 0, CellPicture::Cross, true);
    }
    DrawBarre(chord, board);
}
