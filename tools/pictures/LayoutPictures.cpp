#include "LayoutPictures.h"

#include "Palette.h"

#include "PixelArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <functional>

namespace layout_art {
namespace {

const QColor Cream = QColor::fromRgb(palette::Cream);
const QColor MetronomeGround = QColor::fromRgb(palette::ListYellow);

// Bevel tones, from the outermost pixel inwards.
constexpr std::array<QRgb, 2> RaisedLight = {qRgb(255, 247, 204), qRgb(255, 236, 150)};
constexpr std::array<QRgb, 2> RaisedDark = {qRgb(150, 104, 10), qRgb(204, 152, 34)};
constexpr std::array<QRgb, 2> SunkenDark = {qRgb(196, 150, 40), qRgb(140, 96, 14)};
constexpr std::array<QRgb, 2> SunkenLight = {qRgb(255, 247, 204), qRgb(255, 232, 150)};

// A two-pixel bevel around a rectangle given by its inclusive corners: `lit`
// on the top and left sides, `shaded` on the bottom and right ones.
void drawBevel(QImage& image, QRect box, const std::array<QRgb, 2>& lit,
               const std::array<QRgb, 2>& shaded)
{
    for (int i = 0; i < 2; ++i) {
        const QRect ring = box.adjusted(i, i, -i, -i);
        FillPixels(image, ring.left(), ring.top(), ring.right(), ring.top(), QColor(lit[i]));
        FillPixels(image, ring.left(), ring.top(), ring.left(), ring.bottom(), QColor(lit[i]));
        FillPixels(image, ring.left() + 1, ring.bottom(), ring.right(), ring.bottom(),
                   QColor(shaded[i]));
        FillPixels(image, ring.right(), ring.top() + 1, ring.right(), ring.bottom(),
                   QColor(shaded[i]));
    }
}

// Staff geometry: one-pixel lines on a yellow ground.
const QColor StaffGround(254, 217, 64);
const QColor StaffInk(175, 128, 5);
constexpr std::array<int, 5> StaffLineRows = {60, 70, 80, 90, 100};
constexpr std::array<int, 9> LedgerLineRows = {10, 20, 30, 40, 50, 110, 120, 130, 140};
constexpr int StaffLeft = 12;
constexpr int StaffRight = 227;
constexpr int LedgerLeft = 113;
constexpr int LedgerRight = 162;
const QRect ClefBox(QPoint(21, 36), QPoint(46, 122));

// A treble clef curling round the second line from the bottom (y 90), drawn
// inside ClefBox only.
void drawTrebleClef(QPainter& painter)
{
    painter.save();
    painter.setClipRect(ClefBox);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = StaffInk.darker(135);
    painter.setBrush(Qt::NoBrush);
    // drawn a little narrow and widened about the stem
    painter.translate(34.5, 0);
    painter.scale(1.12, 1.0);
    painter.translate(-34.5, 0);

    QPainterPath curl;
    curl.moveTo(35, 91);
    curl.cubicTo(35.5, 86, 28, 85, 27.5, 91);
    curl.cubicTo(27, 98, 33, 102, 38.5, 101);
    curl.cubicTo(45, 99.5, 46.5, 87, 40.5, 80);
    curl.cubicTo(36, 75, 29, 72, 28.5, 65);
    curl.cubicTo(28, 57, 34, 52, 37, 46);
    curl.cubicTo(39, 42, 39.5, 37.5, 37.5, 37.5);
    curl.cubicTo(35, 37.5, 32.5, 42, 33, 52);
    curl.lineTo(36.5, 113);
    curl.cubicTo(37, 119.5, 31, 121, 28, 117.5);
    painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curl);

    // the heavy part of the curl
    QPainterPath swell;
    swell.moveTo(31, 100.5);
    swell.cubicTo(35, 102.5, 44.5, 100, 43.5, 88);
    painter.setPen(QPen(ink, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(swell);
    QPainterPath rise;
    rise.moveTo(39, 78.5);
    rise.cubicTo(34, 74, 29.5, 70, 29.5, 63);
    painter.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(rise);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(28.5, 115.5), 3.0, 3.0);
    painter.restore();
}

// Four-by-four supersampled coverage of a shape over one pixel of a picture at
// a scale (x and y count its own pixels), with the colour of each covered
// sample averaged.
QColor sampledPixel(int x, int y, int scale, const std::function<bool(qreal, qreal)>& inside,
                    const std::function<QColor(qreal, qreal)>& colourAt)
{
    qreal red = 0, green = 0, blue = 0;
    int covered = 0;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const qreal px = (x + (i + 0.5) / 4) / scale;
            const qreal py = (y + (j + 0.5) / 4) / scale;
            if (inside(px, py)) {
                const QColor c = colourAt(px, py);
                red += c.redF();
                green += c.greenF();
                blue += c.blueF();
                ++covered;
            }
        }
    }
    if (covered == 0) {
        return QColor(0, 0, 0, 0);
    }
    QColor pixel;
    pixel.setRgbF(red / covered, green / covered, blue / covered, covered / 16.0);
    return pixel;
}

} // namespace

QImage AboutPanel()
{
    QImage image = NewPicture(265, 187, QColor(255, 224, 88));
    // The About window shows 264 x 185 of it, so the shaded sides of the
    // raised border are drawn wide enough to stay visible there too.
    drawBevel(image, QRect(QPoint(0, 0), QPoint(263, 184)), RaisedLight, RaisedDark);
    FillPixels(image, 264, 0, 264, 186, QColor(RaisedDark[0]));
    FillPixels(image, 0, 185, 264, 186, QColor(RaisedDark[0]));

    // the title band: orange, raised, from the left border to under the "x"
    const QRect band(QPoint(2, 2), QPoint(261, 20));
    QPainter painter(&image);
    QLinearGradient orange(0, band.top(), 0, band.bottom());
    orange.setColorAt(0.0, QColor(252, 186, 84));
    orange.setColorAt(0.5, QColor(242, 146, 36));
    orange.setColorAt(1.0, QColor(226, 122, 18));
    painter.fillRect(band, orange);
    painter.end();
    drawBevel(image, band, {qRgb(255, 222, 160), qRgb(254, 200, 112)},
              {qRgb(150, 70, 6), qRgb(196, 100, 16)});
    // a soft shadow under the band
    FillPixels(image, 3, 21, 261, 21, QColor(236, 198, 70));
    return image;
}

QImage Staff()
{
    QImage image = NewPicture(242, 150, StaffGround);
    for (int y : StaffLineRows) {
        FillPixels(image, StaffLeft, y, StaffRight, y, StaffInk);
    }
    for (int y : LedgerLineRows) {
        FillPixels(image, LedgerLeft, y, LedgerRight, y, StaffInk);
    }
    QPainter painter(&image);
    drawTrebleClef(painter);
    return image;
}

QImage TempoField()
{
    QImage image = NewPicture(57, 22, Cream);
    // The field shows 21 rows of the picture: its sunken frame closes there.
    drawBevel(image, QRect(QPoint(0, 0), QPoint(56, 20)), SunkenDark, SunkenLight);
    FillPixels(image, 0, 21, 56, 21, MetronomeGround);
    return image;
}

QImage SliderBar()
{
    QImage image = NewPicture(220, 22, Cream);
    drawBevel(image, QRect(QPoint(0, 0), QPoint(219, 21)), SunkenDark, SunkenLight);
    // a groove along the bar for the pointer to ride in
    FillPixels(image, 6, 13, 213, 13, QColor(206, 176, 104));
    FillPixels(image, 6, 14, 213, 14, QColor(255, 255, 240));
    // eleven ticks, tempo 40 at x 10 to tempo 240 at x 210; every other one,
    // the tempos divisible by 40, is longer
    for (int k = 0; k <= 10; ++k) {
        const int x = 10 + 20 * k;
        FillPixels(image, x, 4, x, k % 2 == 0 ? 10 : 7, QColor(92, 58, 10));
    }
    return image;
}

QImage FilePathBar()
{
    QImage image = NewPicture(281, 17, MetronomeGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = 281, h = 17, cut = 8;
    QPolygonF outline({{cut, 0.5},
                       {w - cut, 0.5},
                       {w - 0.5, h / 2},
                       {w - cut, h - 0.5},
                       {cut, h - 0.5},
                       {0.5, h / 2}});
    QLinearGradient gold(0, 0, 0, h);
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.45, QColor(240, 196, 66));
    gold.setColorAt(1.0, QColor(206, 150, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawPolygon(outline);
    // bevel: light along the upper edges, dark along the lower ones
    painter.setPen(QPen(QColor(255, 248, 210), 1.0));
    painter.drawPolyline(QPolygonF({{1.0, h / 2}, {cut, 1.0}, {w - cut, 1.0}}));
    painter.setPen(QPen(QColor(150, 100, 14), 1.0));
    painter.drawPolyline(
        QPolygonF({{cut, h - 1.0}, {w - cut, h - 1.0}, {w - 1.0, h / 2}, {w - cut, 1.0}}));
    painter.setPen(QPen(QColor(176, 124, 20), 1.0));
    painter.drawLine(QPointF(1.0, h / 2), QPointF(cut, h - 1.0));
    return image;
}

QImage SliderPointer()
{
    // An upright cone: apex in the middle of column 9, round base at row 12.
    constexpr qreal axis = 9.5, baseY = 12.0, slope = 0.5, baseDepth = 2.2;
    const auto insideShape = [=](qreal px, qreal py, qreal inset) {
        if (py < inset * 2.2) {
            return false;
        }
        if (py <= baseY) {
            return std::abs(px - axis) <= py * slope - inset * 1.12;
        }
        const qreal rx = baseY * slope - inset, ry = baseDepth - inset;
        const qreal dx = (px - axis) / rx, dy = (py - baseY) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    const auto inside = [&](qreal px, qreal py) { return insideShape(px, py, 0.0); };
    const auto colourAt = [&](qreal px, qreal py) {
        if (!insideShape(px, py, 1.0)) {
            return QColor(128, 54, 0);
        }
        // lit from the upper left: light orange on the left, deep on the right
        const qreal t = std::clamp((px - axis) / (baseY * slope) + 0.35, 0.0, 1.0);
        const QColor light(255, 192, 92), deep(214, 96, 8);
        return QColor::fromRgbF(light.redF() + (deep.redF() - light.redF()) * t,
                                light.greenF() + (deep.greenF() - light.greenF()) * t,
                                light.blueF() + (deep.blueF() - light.blueF()) * t);
    };
    QImage image = NewPicture(32, 32, QColor(0, 0, 0, 0));
    const int scale = PictureScale();
    for (int y = 0; y < 32 * scale; ++y) {
        for (int x = 0; x < 32 * scale; ++x) {
            image.setPixelColor(x, y, sampledPixel(x, y, scale, inside, colourAt));
        }
    }
    return image;
}

} // namespace layout_art
