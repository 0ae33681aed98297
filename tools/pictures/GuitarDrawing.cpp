#include "GuitarDrawing.h"

#include "Palette.h"

#include "PixelArt.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace guitar_art {
namespace {

// The guitar stands upright in a 60 x 200 box: headstock at the top, nut at
// y 36, bridge at y 176.
constexpr qreal BoxWidth = 60;
constexpr qreal BoxHeight = 200;
constexpr qreal NutY = 36;
constexpr qreal BridgeY = 176;
constexpr qreal NeckEndY = 136;

struct GuitarStyle
{
    QColor line;
    QColor body;      // Qt::transparent for a line drawing
    QColor pickguard; // likewise
    QColor neck;      // likewise
    QColor strings;
    QColor pickups; // Qt::transparent for outlined pickups
    qreal pen;
    bool details; // frets, knobs, bridge and tuners
};

QPainterPath headstockOutline()
{
    QPainterPath path;
    path.moveTo(27, NutY);
    path.lineTo(26, 26);
    path.cubicTo(25, 16, 22, 7, 25, 3);
    path.cubicTo(28, -0.5, 34, 0.5, 36, 4);
    path.cubicTo(39, 9, 42, 14, 41, 19);
    path.cubicTo(40, 24, 36, 25, 34, 29);
    path.lineTo(33, NutY);
    path.closeSubpath();
    return path;
}

QPainterPath bodyOutline()
{
    QPainterPath path;
    path.moveTo(35, 118);
    path.cubicTo(38, 110, 42, 102, 46, 100);
    path.cubicTo(50, 98, 53, 101, 52.5, 106);
    path.cubicTo(52, 114, 51, 122, 53.5, 130);
    path.cubicTo(56, 136, 59.5, 146, 59.5, 160);
    path.cubicTo(59.5, 184, 46, 199.5, 30, 199.5);
    path.cubicTo(14, 199.5, 0.5, 184, 0.5, 162);
    path.cubicTo(0.5, 148, 5, 140, 6.5, 133);
    path.cubicTo(8, 126, 6, 118, 8.5, 111);
    path.cubicTo(10, 106, 14, 105, 16.5, 108);
    path.cubicTo(19, 111, 22, 114, 25, 118);
    path.closeSubpath();
    return path;
}

QPainterPath pickguardOutline()
{
    QPainterPath path;
    path.moveTo(25, 119);
    path.cubicTo(18, 113, 10, 115, 11, 126);
    path.cubicTo(11.5, 134, 5, 142, 7, 158);
    path.cubicTo(9, 176, 18, 186, 28, 186);
    path.lineTo(33, 186);
    path.cubicTo(39, 185, 40, 178, 44, 171);
    path.cubicTo(50, 161, 52, 150, 48, 140);
    path.cubicTo(45, 132, 46, 124, 35, 119);
    path.closeSubpath();
    return path;
}

QPainterPath neckOutline()
{
    QPainterPath path;
    path.moveTo(27, NutY);
    path.lineTo(33, NutY);
    path.lineTo(34.5, NeckEndY);
    path.quadTo(30, NeckEndY + 2, 25.5, NeckEndY);
    path.closeSubpath();
    return path;
}

// Left edge and width of the neck at height y: it widens from nut to body.
qreal neckLeft(qreal y)
{
    return 27 - 1.5 * (y - NutY) / (NeckEndY - NutY);
}
qreal neckWidth(qreal y)
{
    return 6 + 3 * (y - NutY) / (NeckEndY - NutY);
}

// Distance of fret k from the nut along a scale that ends at the bridge.
qreal fretY(int k)
{
    return NutY + (BridgeY - NutY) * (1 - std::pow(2.0, -k / 12.0));
}

void drawGuitar(QPainter& painter, const GuitarStyle& style)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outline(style.line, style.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen fine(style.line, style.pen * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    painter.setPen(outline);
    painter.setBrush(style.body);
    painter.drawPath(bodyOutline());
    painter.setBrush(style.pickguard);
    painter.setPen(fine);
    painter.drawPath(pickguardOutline());

    // three pickups, the one by the bridge set aslant
    painter.setBrush(style.pickups);
    for (qreal y : {134.0, 150.0}) {
        painter.drawRoundedRect(QRectF(23, y, 14, 4), 1.5, 1.5);
    }
    painter.save();
    painter.translate(30, 166);
    painter.rotate(-8);
    painter.drawRoundedRect(QRectF(-7, -2, 14, 4), 1.5, 1.5);
    painter.restore();

    if (style.details) {
        painter.setBrush(Qt::NoBrush);
        // bridge, control knobs, selector switch and output jack
        painter.drawRect(QRectF(22, BridgeY - 3, 16, 6));
        for (const QPointF& knob : {QPointF(44, 166), QPointF(47.5, 175), QPointF(45, 184)}) {
            painter.drawEllipse(knob, 2.4, 2.4);
        }
        painter.drawLine(QPointF(42, 152), QPointF(45, 158));
        painter.drawEllipse(QPointF(54, 182), 1.6, 1.6);
    }

    painter.setPen(outline);
    painter.setBrush(style.neck);
    painter.drawPath(headstockOutline());
    painter.drawPath(neckOutline());

    if (style.details) {
        painter.setPen(fine);
        for (int k = 1; fretY(k) < NeckEndY - 1; ++k) {
            const qreal y = fretY(k);
            painter.drawLine(QPointF(neckLeft(y), y), QPointF(neckLeft(y) + neckWidth(y), y));
        }
        // position dots between the frets
        painter.setBrush(style.line);
        painter.setPen(Qt::NoPen);
        for (int k : {3, 5, 7, 9, 15, 17}) {
            const qreal y = (fretY(k - 1) + fretY(k)) / 2;
            painter.drawEllipse(QPointF(30 + 0.02 * (y - NutY), y), 0.9, 0.9);
        }
        const qreal twelfth = (fretY(11) + fretY(12)) / 2;
        painter.drawEllipse(QPointF(28.6, twelfth), 0.9, 0.9);
        painter.drawEllipse(QPointF(32.4, twelfth), 0.9, 0.9);
        // tuners: posts on the headstock, keys sticking out to the right
        painter.setBrush(Qt::NoBrush);
        painter.setPen(fine);
        for (int i = 0; i < 6; ++i) {
            const qreal y = 5 + i * 4.4;
            const qreal x = 29.5 + (i < 3 ? i * 1.5 : 4.5 - (i - 3) * 1.2);
            painter.drawEllipse(QPointF(x, y), 1.0, 1.0);
        }
        painter.drawLine(QPointF(26.5, NutY), QPointF(33.5, NutY));
    }

    // the strings, from the tuners over the nut to the bridge
    painter.setPen(QPen(style.strings, style.pen * 0.45));
    const int count = style.details ? 6 : 3;
    for (int i = 0; i < count; ++i) {
        const qreal t = (i + 0.5) / count;
        const qreal atNut = 27.8 + 4.4 * t;
        const qreal atBridge = 24.5 + 11 * t;
        painter.drawLine(QPointF(atNut, NutY), QPointF(atBridge, BridgeY));
    }
    painter.restore();
}

// Places the upright box so that its long axis runs from the lower left to the
// upper right of a picture, centred, at the given length.
void placeDiagonally(QPainter& painter, QSizeF picture, qreal length, qreal angle)
{
    painter.translate(picture.width() / 2, picture.height() / 2);
    painter.rotate(angle);
    const qreal scale = length / BoxHeight;
    painter.scale(scale, scale);
    painter.translate(-BoxWidth / 2, -BoxHeight / 2);
}

// The icon's two round bouts joined into one outline. Joining turns curves
// into straight pieces about a unit long: icon 106 was drawn that way at its 16
// pixels; every other size is joined in pixels and scaled back, so the bouts
// stay round.
QPainterPath bodyOutline(qreal scale, bool inPixels)
{
    const qreal units = inPixels ? scale : 1.0;
    QPainterPath lower;
    lower.addEllipse(QPointF(0, 5.2 * units), 4.2 * units, 4.2 * units);
    QPainterPath upper;
    upper.addEllipse(QPointF(0, 0.6 * units), 3.1 * units, 3.1 * units);
    if (!inPixels) {
        lower.addPath(upper);
        return lower.simplified();
    }
    return QTransform::fromScale(1 / units, 1 / units).map(lower.united(upper));
}

const QColor LineInk(78, 44, 8);

} // namespace

QImage MainGuitar()
{
    QImage image = NewPicture(71, 214, QColor::fromRgb(palette::MenuYellow));
    QPainter painter(&image);
    // The main menu shows this picture twice, as its background and again 8
    // pixels further right and down; the guitar keeps 8 pixels clear at the
    // left and top so that the lower copy never peeks out.
    painter.translate(8.5, 8.5);
    drawGuitar(painter, {LineInk, QColor(255, 232, 130), QColor(255, 244, 196),
                         QColor(244, 196, 96), QColor(150, 110, 60), Qt::transparent, 1.1, true});
    return image;
}

QImage DiagonalGuitar()
{
    QImage image = NewPicture(239, 161, QColor::fromRgb(palette::NoteTablePaper));
    QPainter painter(&image);
    // the wide body sits below the middle of the guitar's box: shift the box
    // so that the drawing itself is centred with a margin all round
    painter.translate(2, -4.5);
    placeDiagonally(painter, image.deviceIndependentSize(), 236, 56);
    drawGuitar(painter, {LineInk, Qt::transparent, Qt::transparent, Qt::transparent,
                         QColor(150, 110, 60), Qt::transparent, 0.95, true});
    return image;
}

QImage RedGuitar()
{
    QImage image = NewPicture(32, 32, QColor(0, 0, 0, 0));
    QPainter painter(&image);
    placeDiagonally(painter, image.deviceIndependentSize(), 44, 45);
    drawGuitar(painter,
               {QColor(70, 10, 6), QColor(214, 30, 22), QColor(186, 18, 12), QColor(196, 140, 70),
                QColor(200, 190, 180), QColor(236, 232, 226), 2.8, false});
    return image;
}

QImage GuitarIcon(int size)
{
    QImage image = NewPicture(size, size, QColor(0, 0, 0, 0));
    QPainter painter(&image);
    PaintGuitarIcon(painter, size);
    return image;
}

// The outline drawing would blur at icon sizes, so the icon is built from a few
// plain shapes in a 16-unit square: two round bouts, a neck and a headstock,
// lying diagonally. At 16 pixels it is icon 106, whose headstock just touches
// the corner. Every other size is centred with a margin, its outline grows more
// slowly than the picture, and strings, frets and tuners appear where there is
// room for them.
void PaintGuitarIcon(QPainter& painter, int size)
{
    const bool icon106 = size == 16;
    QPainterPath headstock;
    headstock.addRoundedRect(QRectF(-1.6, -11.6, 3.2, 3.6), 0.8, 0.8);
    // Every other size is centred with a margin of 1/32 of the picture, at
    // least a pixel, on its longer side. The body, at the lower left, adds half
    // its outline's width to the shapes' bounds there.
    const qreal outlinePixels = icon106 ? 1.0 : 1.0 + size / 48.0;
    const qreal margin = std::max(1.0, size / 32.0);
    QTransform lying;
    lying.rotate(45);
    const QRectF bounds =
        lying.map(bodyOutline(1.0, true)).boundingRect() | lying.map(headstock).boundingRect();
    const qreal scale = icon106 ? 1.0
                                : (size - 2 * margin - outlinePixels / 2) /
                                      std::max(bounds.width(), bounds.height());
    const qreal outlineWidth = outlinePixels / scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (icon106) {
        painter.translate(8, 8);
    } else {
        painter.translate(size / 2.0 + outlinePixels / 4, size / 2.0 - outlinePixels / 4);
        painter.scale(scale, scale);
        painter.translate(-bounds.center());
    }
    painter.rotate(45);
    const QColor outline(110, 60, 0);
    painter.setPen(QPen(outline, outlineWidth));
    painter.setBrush(QColor(255, 206, 24));
    painter.drawPath(bodyOutline(scale, !icon106));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 238, 150));
    painter.drawEllipse(QPointF(-1.4, 3.8), 1.5, 1.5);
    painter.setBrush(QColor(150, 88, 20));
    painter.drawRect(QRectF(-0.9, -8.6, 1.8, 11.0));
    painter.setBrush(outline);
    painter.drawPath(headstock);
    painter.drawRect(QRectF(-2.0, 5.8, 4.0, 1.2));

    // Nut at -8, bridge at 6.4; the neck shows above the upper bout's top, -2.5.
    const qreal pixel = 1.0 / scale;
    const QColor metal(236, 230, 214);
    if (size >= 64) {
        painter.setPen(QPen(metal, 0.7 * pixel * (1.0 + size / 128.0), Qt::SolidLine, Qt::FlatCap));
        for (int k = 1;; ++k) {
            const qreal y = -8.0 + 14.4 * (1 - std::pow(2.0, -k / 12.0));
            if (y > -2.8)
                break;
            painter.drawLine(QPointF(-0.9, y), QPointF(0.9, y));
        }
    }
    if (size >= 128) {
        painter.setPen(QPen(outline, 0.6 * outlineWidth));
        painter.setBrush(metal);
        // on both edges of the headstock, within its reach
        for (int i = 0; i < 3; ++i) {
            const qreal y = -10.6 + i * 0.9;
            painter.drawEllipse(QPointF(-1.6, y), 0.45, 0.45);
            painter.drawEllipse(QPointF(1.6, y), 0.45, 0.45);
        }
    }
    if (size >= 48) {
        const int strings = size >= 128 ? 6 : 3;
        painter.setPen(QPen(metal, 0.6 * pixel * (1.0 + size / 256.0)));
        for (int i = 0; i < strings; ++i) {
            const qreal across = (i + 0.5) / strings - 0.5;
            painter.drawLine(QPointF(1.4 * across, -8.0), QPointF(2.4 * across, 6.4));
        }
    }
    painter.restore();
}

} // namespace guitar_art
