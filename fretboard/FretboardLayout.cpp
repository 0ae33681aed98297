#include "FretboardLayout.h"

#include <cmath>

namespace fretboard {

namespace {

int roundedSum(double a, double b)
{
    return static_cast<int>(std::nearbyint(a + b));
}

} // namespace

Layout layOutFretboard(const PieceSizes& pixels, double twipsPerPixel, int firstFret, int lastFret)
{
    const auto piece = [twipsPerPixel](int left, int top, QSize size) {
        return TwipRect{left, top, size.width() * twipsPerPixel, size.height() * twipsPerPixel};
    };
    const int frets = lastFret >= firstFret ? lastFret - firstFret + 1 : 0;

    Layout layout;
    int y = BoardTop;
    layout.topLeft = piece(BoardLeft, y, pixels.topLeft);
    int x = roundedSum(BoardLeft, layout.topLeft.width);
    for (int k = 0; k < frets; ++k) {
        const TwipRect edge = piece(x, y, pixels.top);
        layout.top.push_back(edge);
        // The number's bottom edge meets the bottom edge of the top strip.
        layout.topLabel.push_back(
            {x, roundedSum(y - LabelHeight, edge.height), edge.width, double(LabelHeight)});
        x = roundedSum(x, edge.width);
    }
    layout.topRight = piece(x, y, pixels.topRight);
    y = roundedSum(y, layout.topLeft.height);

    for (StringRow& row : layout.rows) {
        row.open = piece(BoardLeft, y, pixels.open);
        row.name = {BoardLeft, y + NameOffset, double(NameWidth), double(LabelHeight)};
        x = roundedSum(BoardLeft, row.open.width);
        for (int k = 0; k < frets; ++k) {
            row.cells.push_back(piece(x, y, pixels.cell));
            x = roundedSum(x, row.cells.back().width);
        }
        row.end = piece(x, y, pixels.end);
        y = roundedSum(y, row.open.height);
    }

    layout.bottomLeft = piece(BoardLeft, y, pixels.bottomLeft);
    x = roundedSum(BoardLeft, layout.bottomLeft.width);
    for (int k = 0; k < frets; ++k) {
        layout.bottom.push_back(piece(x, y, pixels.bottom));
        x = roundedSum(x, layout.bottom.back().width);
    }
    layout.bottomRight = piece(x, y, pixels.bottomRight);
    return layout;
}

} // namespace fretboard
