#include "FretboardPieces.h"

#include "PixelArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace fretboard_art {
namespace {

constexpr int Width = 26;
constexpr int StringRowHeight = 16;
constexpr int FrameRowHeight = 11;

// The wood of a string row, one tone per pixel row: the grain runs along the
// neck, so every cell repeats it and neighbouring cells join without a seam.
// Rows 7 and 8 are the string itself.
constexpr std::array<QRgb, StringRowHeight> StringRowTones = {
    qRgb(236, 193, 94), qRgb(231, 187, 86), qRgb(238, 197, 99), qRgb(229, 184, 82),
    qRgb(235, 191, 92), qRgb(233, 189, 89), qRgb(221, 175, 76), qRgb(150, 102, 38),
    qRgb(94, 60, 20),   qRgb(214, 168, 72), qRgb(234, 190, 91), qRgb(230, 185, 85),
    qRgb(238, 196, 98), qRgb(229, 185, 84), qRgb(235, 192, 93), qRgb(231, 188, 88),
};
constexpr int StringTop = 7;
constexpr int StringBottom = 8;

// The frame strips: a lighter binding with a bevel on its outer side and a
// shadow line where it meets the strings.
constexpr std::array<QRgb, FrameRowHeight> TopFrameTones = {
    qRgb(255, 249, 214), qRgb(253, 234, 164), qRgb(247, 217, 128), qRgb(246, 214, 124),
    qRgb(246, 214, 124), qRgb(245, 212, 121), qRgb(246, 214, 124), qRgb(245, 213, 122),
    qRgb(240, 205, 112), qRgb(226, 186, 96),  qRgb(196, 148, 62),
};
constexpr std::array<QRgb, FrameRowHeight> BottomFrameTones = {
    qRgb(205, 160, 72),  qRgb(236, 200, 108), qRgb(246, 214, 124), qRgb(245, 212, 121),
    qRgb(246, 214, 124), qRgb(245, 213, 122), qRgb(240, 206, 114), qRgb(222, 182, 94),
    qRgb(176, 126, 48),  qRgb(134, 90, 30),   qRgb(98, 62, 18),
};

// The light bevel of the left edge and the dark bevel of the right edge, one
// tone per pixel column, the same in every row of the board.
constexpr std::array<QRgb, 2> LeftBevel = {qRgb(255, 249, 214), qRgb(253, 234, 164)};
constexpr int RightBevelLeft = 22;
constexpr std::array<QRgb, 4> RightBevel = {qRgb(204, 154, 64), qRgb(162, 112, 40),
                                            qRgb(124, 82, 24), qRgb(94, 58, 16)};

// The fret wire at the right edge of every fret column: a bright crown and its
// shadow, with the wood darkened just in front of it.
constexpr int WireLeft = 23;
constexpr std::array<QRgb, 3> Wire = {qRgb(206, 160, 70), qRgb(255, 244, 206), qRgb(150, 110, 52)};
// Rows of the frame strips that carry the short end of a fret wire.
constexpr int TopWireFrom = 5;
constexpr int BottomWireTo = 5;

// The nut: bone-coloured band after the left bevel, shaded at its right side.
constexpr std::array<QRgb, 6> NutBand = {qRgb(176, 140, 72),  qRgb(255, 252, 240),
                                         qRgb(246, 240, 222), qRgb(236, 228, 204),
                                         qRgb(214, 202, 170), qRgb(150, 112, 52)};
constexpr int StringEndColumn = 18; // last column the string reaches on the end piece

// Markers and the barre share one box: ten pixels around the middle of the
// space between two fret wires, centred on the string.
constexpr int MarkLeft = 7;
constexpr int MarkWidth = 10;
constexpr int MarkTop = 3;

QImage stringRow(int fromColumn = 0, int toColumn = Width - 1)
{
    QImage image = NewPicture(Width, StringRowHeight, QColor(StringRowTones[0]));
    for (int y = 0; y < StringRowHeight; ++y) {
        for (int x = 0; x < Width; ++x) {
            QRgb tone = StringRowTones[y];
            const bool onString = y == StringTop || y == StringBottom;
            if (onString && (x < fromColumn || x > toColumn)) {
                tone = StringRowTones[y == StringTop ? StringTop - 1 : StringBottom + 1];
            }
            SetPixel(image, x, y, QColor(tone));
        }
    }
    return image;
}

QImage frameRow(const std::array<QRgb, FrameRowHeight>& tones)
{
    QImage image = NewPicture(Width, FrameRowHeight, QColor(tones[0]));
    for (int y = 0; y < FrameRowHeight; ++y) {
        FillPixels(image, 0, y, Width - 1, y, QColor(tones[y]));
    }
    return image;
}

void addWire(QImage& image, int fromRow, int toRow)
{
    for (int i = 0; i < static_cast<int>(Wire.size()); ++i) {
        FillPixels(image, WireLeft + i, fromRow, WireLeft + i, toRow, QColor(Wire[i]));
    }
}

// The left bevel runs down the whole height; on the top frame row the light
// top bevel is drawn over it (both are light, so no mitre is needed).
void addLeftBevel(QImage& image, int fromRow)
{
    for (int i = 0; i < static_cast<int>(LeftBevel.size()); ++i) {
        FillPixels(image, i, fromRow, i, PictureHeight(image) - 1, QColor(LeftBevel[i]));
    }
}

// The dark right bevel. Where it meets the light top bevel the two are mitred
// along the diagonal of the corner; the dark bottom bevel joins it as is.
void addRightBevel(QImage& image, int lightTopRows)
{
    for (int i = 0; i < static_cast<int>(RightBevel.size()); ++i) {
        const int x = RightBevelLeft + i;
        for (int y = 0; y < PictureHeight(image); ++y) {
            const bool lightWins = y < lightTopRows && (Width - 1 - x) > y;
            if (!lightWins) {
                SetPixel(image, x, y, QColor(RightBevel[i]));
            }
        }
    }
}

QImage nutPiece()
{
    QImage image = stringRow(static_cast<int>(LeftBevel.size() + NutBand.size()));
    addLeftBevel(image, 0);
    for (int i = 0; i < static_cast<int>(NutBand.size()); ++i) {
        const int x = static_cast<int>(LeftBevel.size()) + i;
        FillPixels(image, x, 0, x, StringRowHeight - 1, QColor(NutBand[i]));
    }
    // the notch the string runs through
    SetPixel(image, static_cast<int>(LeftBevel.size() + NutBand.size()) - 1, StringTop,
             QColor(StringRowTones[StringBottom]));
    return image;
}

// A round marker over the string with a soft highlight at its upper left.
QImage markedCell(QColor centre, QColor rim)
{
    QImage image = PlainCell();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(MarkLeft, MarkTop, MarkWidth, MarkWidth);
    QRadialGradient shade(box.center() + QPointF(-1.5, -1.5), MarkWidth * 0.62);
    shade.setColorAt(0.0, centre.lighter(135));
    shade.setColorAt(0.55, centre);
    shade.setColorAt(1.0, rim);
    painter.setPen(QPen(rim.darker(130), 0.8));
    painter.setBrush(shade);
    painter.drawEllipse(box.adjusted(0.4, 0.4, -0.4, -0.4));
    return image;
}

// The barre is one brown bar across the strings; each of its pieces shades the
// bar the same way column by column, so stacked pieces join without a seam.
constexpr std::array<QRgb, MarkWidth> BarreColumns = {
    qRgb(84, 46, 12),  qRgb(176, 116, 56), qRgb(156, 96, 40), qRgb(138, 80, 28), qRgb(130, 74, 24),
    qRgb(126, 71, 22), qRgb(120, 66, 20),  qRgb(112, 61, 18), qRgb(100, 54, 15), qRgb(74, 40, 10),
};

enum class BarreEnd
{
    None,
    Top,
    Bottom
};

// Bar straight from row `from` to row `to`, with a round end above `from` or
// below `to`.
void addBarre(QImage& image, int from, int to, BarreEnd end)
{
    for (int i = 0; i < MarkWidth; ++i) {
        FillPixels(image, MarkLeft + i, from, MarkLeft + i, to, QColor(BarreColumns[i]));
    }
    if (end == BarreEnd::None) {
        return;
    }
    const bool capTop = end == BarreEnd::Top;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal radius = MarkWidth / 2.0;
    const qreal centreY = capTop ? from : to + 1;
    QPainterPath cap;
    cap.addEllipse(QPointF(MarkLeft + radius, centreY), radius, radius);
    QPainterPath half;
    half.addRect(capTop ? QRectF(MarkLeft, centreY - radius, MarkWidth, radius)
                        : QRectF(MarkLeft, centreY, MarkWidth, radius));
    painter.setClipPath(cap.intersected(half));
    for (int i = 0; i < MarkWidth; ++i) {
        painter.fillRect(QRectF(MarkLeft + i, 0, 1, StringRowHeight), QColor(BarreColumns[i]));
    }
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(BarreColumns[0]), 0.9));
    painter.drawArc(
        QRectF(MarkLeft + 0.45, centreY - radius + 0.45, MarkWidth - 0.9, MarkWidth - 0.9),
        capTop ? 0 : 180 * 16, 180 * 16);
}

} // namespace

QImage PlainCell()
{
    QImage image = stringRow();
    addWire(image, 0, StringRowHeight - 1);
    return image;
}

QImage ClickedCell()
{
    return markedCell(QColor(222, 44, 24), QColor(140, 20, 8));
}

QImage MatchingCell()
{
    return markedCell(QColor(156, 134, 110), QColor(96, 80, 62));
}

QImage PressedCell()
{
    return markedCell(QColor(140, 80, 28), QColor(84, 46, 12));
}

QImage TopLeft()
{
    QImage image = frameRow(TopFrameTones);
    addLeftBevel(image, 0);
    // the light top bevel runs over the left one up to the corner
    for (int y = 0; y < 2; ++y) {
        FillPixels(image, 0, y, Width - 1, y, QColor(TopFrameTones[y]));
    }
    return image;
}

QImage TopEdge()
{
    QImage image = frameRow(TopFrameTones);
    addWire(image, TopWireFrom, FrameRowHeight - 1);
    return image;
}

QImage TopRight()
{
    QImage image = frameRow(TopFrameTones);
    addRightBevel(image, 2);
    return image;
}

QImage BottomLeft()
{
    QImage image = frameRow(BottomFrameTones);
    // the dark bottom bevel wins over the light left one along the diagonal
    for (int i = 0; i < static_cast<int>(LeftBevel.size()); ++i) {
        FillPixels(image, i, 0, i, FrameRowHeight - 1 - (3 - i), QColor(LeftBevel[i]));
    }
    return image;
}

QImage BottomEdge()
{
    QImage image = frameRow(BottomFrameTones);
    addWire(image, 0, BottomWireTo);
    return image;
}

QImage BottomRight()
{
    QImage image = frameRow(BottomFrameTones);
    addRightBevel(image, 0);
    return image;
}

QImage OpenString()
{
    return nutPiece();
}

QImage MutedString()
{
    QImage image = nutPiece();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 18, 14), 2.2, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross(15.5, 3.5, 8, 8);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
    return image;
}

QImage StringEnd()
{
    QImage image = stringRow(0, StringEndColumn);
    // a small pin where the string is held
    FillPixels(image, StringEndColumn, StringTop - 1, StringEndColumn + 1, StringBottom + 1,
               QColor(110, 72, 26));
    FillPixels(image, StringEndColumn, StringTop - 1, StringEndColumn, StringTop - 1,
               QColor(200, 160, 100));
    addRightBevel(image, 0);
    return image;
}

QImage BarreFirst()
{
    QImage image = PlainCell();
    addBarre(image, MarkTop + MarkWidth / 2, StringRowHeight - 1, BarreEnd::Top);
    return image;
}

QImage BarreMiddle()
{
    QImage image = PlainCell();
    addBarre(image, 0, StringRowHeight - 1, BarreEnd::None);
    return image;
}

QImage BarreLast()
{
    QImage image = PlainCell();
    addBarre(image, 0, StringRowHeight - 1 - MarkTop - MarkWidth / 2, BarreEnd::Bottom);
    return image;
}

} // namespace fretboard_art
