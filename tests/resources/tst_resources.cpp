#include "Resources.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <set>

Q_DECLARE_METATYPE(Picture)

namespace {

QImage image(Picture picture)
{
    return loadPicture(picture).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool opaqueAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) > 0;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (opaqueAt(image, x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// Whether a pixel is nearer to one colour than to the other.
bool nearer(QRgb pixel, QRgb to, QRgb than)
{
    const auto distance = [](QRgb a, QRgb b) {
        const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
        return r * r + g * g + bl * bl;
    };
    return distance(pixel, to) < distance(pixel, than);
}

// The columns of one row of a piece that differ from the same row of another.
std::set<int> differingColumns(const QImage& piece, const QImage& plain, int row)
{
    std::set<int> columns;
    for (int x = 0; x < piece.width(); ++x) {
        if (piece.pixel(x, row) != plain.pixel(x, row)) {
            columns.insert(x);
        }
    }
    return columns;
}

// The columns of a row whose colour differs from the row's wood at column 10:
// the fret wire where a frame or string row meets the next.
std::set<int> wireColumns(const QImage& piece, int row)
{
    std::set<int> columns;
    for (int x = 0; x < piece.width(); ++x) {
        if (piece.pixel(x, row) != piece.pixel(10, row)) {
            columns.insert(x);
        }
    }
    return columns;
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasItsSize_data();
    void everyPictureHasItsSize();
    void generatorRedrawsEveryPicture();
    void lookAlikePicturesDiffer_data();
    void lookAlikePicturesDiffer();
    void pressedCellShowsADotAndMutedStringACross();
    void programIconHasEverySize_data();
    void programIconHasEverySize();
    void handCursorPointsWithItsHotSpot();
    void noteHeadFillsOnlyItsCorner();
    void signsStayInTheirBoxes_data();
    void signsStayInTheirBoxes();
    void staffLinesArePixelExact();
    void sliderTicksStandAtTheirTempos();
    void sliderPointerApexIsAtColumnNine();
    void barrePiecesJoin_data();
    void barrePiecesJoin();
    void fretWiresLineUp();
};

void tst_Resources::everyPictureHasItsSize_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    // Fretboard pieces and pictures drawn as a window's background cover their
    // rectangle; icons, the cursor and the two small layout pictures let the
    // window show round their shape.
    QTest::addColumn<bool>("solid");

    const QSize stringRow(26, 16), frameRow(26, 11), icon(32, 32), smallIcon(16, 16);
    const struct
    {
        Picture picture;
        QSize size;
        bool solid;
    } rows[] = {
        {Picture::PlainCell, stringRow, true},
        {Picture::ClickedCell, stringRow, true},
        {Picture::MatchingCell, stringRow, true},
        {Picture::FrameTopLeft, frameRow, true},
        {Picture::OpenString, stringRow, true},
        {Picture::FrameBottomLeft, frameRow, true},
        {Picture::FrameTop, frameRow, true},
        {Picture::FrameBottom, frameRow, true},
        {Picture::FrameTopRight, frameRow, true},
        {Picture::StringEnd, stringRow, true},
        {Picture::FrameBottomRight, frameRow, true},
        {Picture::MutedString, stringRow, true},
        {Picture::PressedCell, stringRow, true},
        {Picture::BarreFirst, stringRow, true},
        {Picture::BarreMiddle, stringRow, true},
        {Picture::BarreLast, stringRow, true},
        {Picture::SharpOn, icon, false},
        {Picture::FlatOn, icon, false},
        {Picture::SharpOff, icon, false},
        {Picture::FlatOff, icon, false},
        {Picture::NoteHead, icon, false},
        {Picture::WindowIcon, smallIcon, false},
        {Picture::HandCursor, icon, false},
        {Picture::MainGuitar, QSize(71, 214), true},
        {Picture::AboutPanel, QSize(265, 187), true},
        {Picture::Staff, QSize(242, 150), true},
        {Picture::DiagonalGuitar, QSize(239, 161), true},
        {Picture::TempoField, QSize(57, 22), true},
        {Picture::SliderBar, QSize(220, 22), true},
        {Picture::FilePathBar, QSize(281, 17), true},
        {Picture::SliderPointer, icon, false},
        {Picture::RedGuitar, icon, false},
    };
    for (const auto& row : rows)
        QTest::newRow(pictureFile(row.picture)) << row.picture << row.size << row.solid;
}

void tst_Resources::everyPictureHasItsSize()
{
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QFETCH(bool, solid);

    const QImage shown = image(picture);
    QCOMPARE(shown.size(), size);
    if (solid) {
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(qAlpha(shown.pixel(x, y)), 255);
        }
    } else {
        QCOMPARE(qAlpha(shown.pixel(shown.width() - 1, shown.height() - 1)), 0);
    }
}

void tst_Resources::generatorRedrawsEveryPicture()
{
    // The committed pictures are the generator's output: drawing them afresh
    // gives the same pixels, so the art cannot drift from its source.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess generator;
    generator.start(QStringLiteral(KORDELIX_PICTURE_GENERATOR), {folder.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    for (const PictureFile& file : PictureFiles) {
        // Premultiplied, so that fully transparent pixels compare equal
        // whatever colour they were stored with.
        const auto pixels = [](const QImage& picture) {
            return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage drawn(folder.filePath(QLatin1String(file.path)));
        QVERIFY2(pixels(drawn) == pixels(image(file.picture)), file.path);
        // and the copy drawn at twice the size, which every picture but the
        // cursor has
        QString large = QLatin1String(file.path);
        large.insert(large.lastIndexOf(u'.'), QLatin1String("@2x"));
        const QImage committed(QStringLiteral(":/pictures/") + large);
        QCOMPARE(committed.isNull(), file.picture == Picture::HandCursor);
        QVERIFY2(pixels(QImage(folder.filePath(large))) == pixels(committed), qPrintable(large));
    }
}

void tst_Resources::lookAlikePicturesDiffer_data()
{
    QTest::addColumn<Picture>("one");
    QTest::addColumn<Picture>("other");

    QTest::newRow("sharp on, off") << Picture::SharpOn << Picture::SharpOff;
    QTest::newRow("flat on, off") << Picture::FlatOn << Picture::FlatOff;
    QTest::newRow("clicked, matching cell") << Picture::ClickedCell << Picture::MatchingCell;
    QTest::newRow("pressed, clicked cell") << Picture::PressedCell << Picture::ClickedCell;
    QTest::newRow("barre first, last") << Picture::BarreFirst << Picture::BarreLast;
}

void tst_Resources::lookAlikePicturesDiffer()
{
    QFETCH(Picture, one);
    QFETCH(Picture, other);
    QVERIFY(image(one) != image(other));
}

void tst_Resources::pressedCellShowsADotAndMutedStringACross()
{
    // Around the middle of the marker, a dot is filled straight above and
    // below its centre but not on the diagonals; a cross the other way round.
    const auto marked = [](Picture picture, Picture base, QPoint at) {
        return image(picture).pixel(at) != image(base).pixel(at);
    };
    const QPoint dot(13, 8);
    QVERIFY(marked(Picture::PressedCell, Picture::PlainCell, dot));
    QVERIFY(marked(Picture::PressedCell, Picture::PlainCell, dot + QPoint(0, -4)));
    QVERIFY(!marked(Picture::PressedCell, Picture::PlainCell, dot + QPoint(-5, -5)));
    const QPoint cross(19, 7);
    QVERIFY(marked(Picture::MutedString, Picture::OpenString, cross + QPoint(-3, -3)));
    QVERIFY(marked(Picture::MutedString, Picture::OpenString, cross + QPoint(3, 3)));
    QVERIFY(!marked(Picture::MutedString, Picture::OpenString, cross + QPoint(0, -4)));
}

void tst_Resources::programIconHasEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void tst_Resources::programIconHasEverySize()
{
    QFETCH(int, size);

    const QIcon icon = programIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage drawn =
        icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawn.size(), QSize(size, size));
    if (size == 16) {
        QCOMPARE(drawn, image(Picture::WindowIcon));
        return;
    }
    // drawn at its size, whole and centred: the pixels at least half opaque
    // keep clear of every edge, as far from the left as from the right and
    // from the top as from the bottom, give or take a pixel
    QRect solid;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qAlpha(drawn.pixel(x, y)) >= 128)
                solid |= QRect(x, y, 1, 1);
        }
    }
    const int left = solid.left(), right = size - 1 - solid.right();
    const int top = solid.top(), bottom = size - 1 - solid.bottom();
    QVERIFY2(std::min({left, right, top, bottom}) >= 1, "the guitar touches an edge");
    QVERIFY2(std::abs(left - right) <= 1 && std::abs(top - bottom) <= 1,
             "the guitar is off centre");
}

void tst_Resources::handCursorPointsWithItsHotSpot()
{
    const QCursor cursor = handCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));

    // the fingertip is the top of the hand, centred on the hot spot's column
    const QImage hand = image(Picture::HandCursor);
    const QRect bounds = inkBounds(hand);
    QCOMPARE(bounds.top(), 0);
    QVERIFY(opaqueAt(hand, 5, 0));
    int left = 5, right = 5;
    while (opaqueAt(hand, left - 1, 0)) {
        --left;
    }
    while (opaqueAt(hand, right + 1, 0)) {
        ++right;
    }
    QCOMPARE((left + right) / 2, 5);
    QVERIFY(right - left + 1 < 6);
    // a white hand with a black outline
    QCOMPARE(hand.pixel(5, 0), qRgb(0, 0, 0));
    QCOMPARE(hand.pixel(5, 3), qRgb(255, 255, 255));
}

void tst_Resources::noteHeadFillsOnlyItsCorner()
{
    const QImage head = image(Picture::NoteHead);
    // the staff shows through everywhere but the 18 x 13 head
    QCOMPARE(inkBounds(head), QRect(0, 0, 18, 13));
    // the middle of the head, 6 pixels below the top, is solid
    QCOMPARE(qAlpha(head.pixel(9, 6)), 255);
    QCOMPARE(qAlpha(head.pixel(4, 6)), 255);
    QCOMPARE(qAlpha(head.pixel(13, 6)), 255);
    // an oval: its corners stay clear
    QCOMPARE(qAlpha(head.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(head.pixel(17, 12)), 0);
}

void tst_Resources::signsStayInTheirBoxes_data()
{
    QTest::addColumn<Picture>("sign");
    QTest::addColumn<QRect>("box");

    // the sign's middle is lined up with the head by these boxes
    const QRect sharp(QPoint(3, 2), QPoint(10, 18));
    const QRect flat(QPoint(3, 2), QPoint(9, 17));
    QTest::newRow("black sharp") << Picture::SharpOn << sharp;
    QTest::newRow("black flat") << Picture::FlatOn << flat;
    QTest::newRow("brown sharp") << Picture::SharpOff << sharp;
    QTest::newRow("brown flat") << Picture::FlatOff << flat;
}

void tst_Resources::signsStayInTheirBoxes()
{
    QFETCH(Picture, sign);
    QFETCH(QRect, box);
    QCOMPARE(inkBounds(image(sign)), box);
}

void tst_Resources::staffLinesArePixelExact()
{
    const QImage staff = image(Picture::Staff);
    const QRgb ground = qRgb(254, 217, 64);
    const QRgb ink = qRgb(175, 128, 5);
    const QRect clef(QPoint(21, 36), QPoint(46, 122));
    const std::set<int> staffRows = {60, 70, 80, 90, 100};
    const std::set<int> ledgerRows = {10, 20, 30, 40, 50, 110, 120, 130, 140};

    for (int y = 0; y < staff.height(); ++y) {
        for (int x = 0; x < staff.width(); ++x) {
            if (clef.contains(x, y)) {
                continue;
            }
            const bool onLine = (staffRows.count(y) && x >= 12 && x <= 227) ||
                                (ledgerRows.count(y) && x >= 113 && x <= 162);
            const QRgb pixel = staff.pixel(x, y);
            if (onLine != nearer(pixel, ink, ground)) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 should be %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(onLine ? "line" : "ground")));
            }
        }
    }
    // the clef is drawn in its place, over the staff lines
    int clefInk = 0;
    for (int y = clef.top(); y <= clef.bottom(); ++y) {
        for (int x = clef.left(); x <= clef.right(); ++x) {
            clefInk += staffRows.count(y) == 0 && nearer(staff.pixel(x, y), ink, ground);
        }
    }
    QVERIFY2(clefInk > 150, qPrintable(QString::number(clefInk)));
}

void tst_Resources::sliderTicksStandAtTheirTempos()
{
    const QImage bar = image(Picture::SliderBar);
    const QRgb cream = qRgb(255, 255, 216);
    const QRgb dark = qRgb(90, 60, 10);
    // Along a row through the ticks, between the bar's bevels, only the eleven
    // tick columns are dark.
    const int row = 6;
    std::set<int> ticks;
    for (int x = 2; x < bar.width() - 2; ++x) {
        if (nearer(bar.pixel(x, row), dark, cream)) {
            ticks.insert(x);
        }
    }
    const std::set<int> expected = {10, 30, 50, 70, 90, 110, 130, 150, 170, 190, 210};
    QCOMPARE(ticks, expected);
}

void tst_Resources::sliderPointerApexIsAtColumnNine()
{
    const QImage pointer = image(Picture::SliderPointer);
    const QRect bounds = inkBounds(pointer);
    QCOMPARE(bounds.top(), 0);
    // the apex row holds the single column 9; the cone widens evenly below it
    for (int x = 0; x < pointer.width(); ++x) {
        QCOMPARE(opaqueAt(pointer, x, 0), x == 9);
    }
    QCOMPARE(bounds.left() + bounds.right(), 2 * 9);
    QVERIFY(bounds.height() < 20);
}

void tst_Resources::barrePiecesJoin_data()
{
    QTest::addColumn<Picture>("upper");
    QTest::addColumn<Picture>("lower");

    QTest::newRow("first over middle") << Picture::BarreFirst << Picture::BarreMiddle;
    QTest::newRow("middle over middle") << Picture::BarreMiddle << Picture::BarreMiddle;
    QTest::newRow("middle over last") << Picture::BarreMiddle << Picture::BarreLast;
    QTest::newRow("first over last") << Picture::BarreFirst << Picture::BarreLast;
}

void tst_Resources::barrePiecesJoin()
{
    QFETCH(Picture, upper);
    QFETCH(Picture, lower);

    const QImage plain = image(Picture::PlainCell);
    const QImage top = image(upper);
    const QImage bottom = image(lower);
    const int last = plain.height() - 1;

    // where the two pieces meet, the bar crosses the edge in the same columns
    // with the same colours
    const std::set<int> leaving = differingColumns(top, plain, last);
    const std::set<int> entering = differingColumns(bottom, plain, 0);
    QVERIFY(leaving.size() >= 6);
    QCOMPARE(leaving, entering);
    for (int x : leaving) {
        QCOMPARE(top.pixel(x, last), bottom.pixel(x, 0));
    }
    // the bar is one block of columns
    QCOMPARE(*leaving.rbegin() - *leaving.begin() + 1, static_cast<int>(leaving.size()));
}

void tst_Resources::fretWiresLineUp()
{
    const QImage cell = image(Picture::PlainCell);
    const QImage topEdge = image(Picture::FrameTop);
    const QImage bottomEdge = image(Picture::FrameBottom);

    // the cell's wire runs through its full height at the right edge
    const std::set<int> wire = wireColumns(cell, 0);
    QVERIFY(!wire.empty());
    QCOMPARE(*wire.rbegin(), cell.width() - 1);
    QCOMPARE(wireColumns(cell, cell.height() - 1), wire);
    // and goes on into the frame strips in the same columns
    QCOMPARE(wireColumns(topEdge, topEdge.height() - 1), wire);
    QCOMPARE(wireColumns(bottomEdge, 0), wire);
    // the wires in the strips are short: they stop before the outer bevel
    QVERIFY(wireColumns(topEdge, 0).empty());
    QVERIFY(wireColumns(bottomEdge, bottomEdge.height() - 1).empty());
    // the nut has no fret wire
    const QImage nut = image(Picture::OpenString);
    QVERIFY(nut.pixel(cell.width() - 1, 0) != cell.pixel(cell.width() - 1, 0));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
