#include "Resources.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <set>

Q_DECLARE_METATYPE(PictureKind)
Q_DECLARE_METATYPE(LayoutPicture)

namespace {

QImage resourceImage(int number, PictureKind kind)
{
    return LoadResourcePicture(number, kind).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage layoutImage(LayoutPicture picture)
{
    return LoadLayoutPicture(picture).toImage().convertToFormat(QImage::Format_ARGB32);
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
    void numberedPicturesHaveTheirSizes_data();
    void numberedPicturesHaveTheirSizes();
    void layoutPicturesHaveTheirSizes_data();
    void layoutPicturesHaveTheirSizes();
    void unknownPicturesAreNull();
    void kindAndNumberNameAPicture();
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

void tst_Resources::numberedPicturesHaveTheirSizes_data()
{
    QTest::addColumn<PictureKind>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");

    const QSize stringRow(26, 16), frameRow(26, 11), icon(32, 32), smallIcon(16, 16);
    const struct
    {
        PictureKind kind;
        int number;
        QSize size;
    } catalogue[] = {
        {PictureKind::Bitmap, 101, stringRow}, {PictureKind::Bitmap, 102, stringRow},
        {PictureKind::Bitmap, 103, stringRow}, {PictureKind::Bitmap, 104, frameRow},
        {PictureKind::Bitmap, 105, stringRow}, {PictureKind::Bitmap, 106, frameRow},
        {PictureKind::Bitmap, 107, frameRow},  {PictureKind::Bitmap, 108, frameRow},
        {PictureKind::Bitmap, 109, frameRow},  {PictureKind::Bitmap, 110, stringRow},
        {PictureKind::Bitmap, 111, frameRow},  {PictureKind::Bitmap, 112, stringRow},
        {PictureKind::Bitmap, 120, stringRow}, {PictureKind::Bitmap, 121, stringRow},
        {PictureKind::Bitmap, 122, stringRow}, {PictureKind::Bitmap, 123, stringRow},
        {PictureKind::Icon, 1, smallIcon},     {PictureKind::Icon, 101, icon},
        {PictureKind::Icon, 102, icon},        {PictureKind::Icon, 103, icon},
        {PictureKind::Icon, 104, icon},        {PictureKind::Icon, 105, icon},
        {PictureKind::Icon, 106, smallIcon},   {PictureKind::Cursor, 101, icon},
    };
    for (const auto& entry : catalogue) {
        const char* kindName = entry.kind == PictureKind::Bitmap ? "bitmap"
                               : entry.kind == PictureKind::Icon ? "icon"
                                                                 : "cursor";
        QTest::addRow("%s %d", kindName, entry.number) << entry.kind << entry.number << entry.size;
    }
}

void tst_Resources::numberedPicturesHaveTheirSizes()
{
    QFETCH(PictureKind, kind);
    QFETCH(int, number);
    QFETCH(QSize, size);

    const QImage image = resourceImage(number, kind);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    if (kind == PictureKind::Bitmap) {
        // fretboard pieces are solid: the window must not show through
        QCOMPARE(inkBounds(image), image.rect());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
            }
        }
    } else {
        // icons and the cursor are drawn on a transparent square
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
    }
}

void tst_Resources::layoutPicturesHaveTheirSizes_data()
{
    QTest::addColumn<LayoutPicture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("main guitar") << LayoutPicture::MainGuitar << QSize(71, 214) << false;
    QTest::newRow("about panel") << LayoutPicture::AboutPanel << QSize(265, 187) << false;
    QTest::newRow("staff") << LayoutPicture::Staff << QSize(242, 150) << false;
    QTest::newRow("diagonal guitar") << LayoutPicture::DiagonalGuitar << QSize(239, 161) << false;
    QTest::newRow("tempo field") << LayoutPicture::TempoField << QSize(57, 22) << false;
    QTest::newRow("slider bar") << LayoutPicture::SliderBar << QSize(220, 22) << false;
    QTest::newRow("file path bar") << LayoutPicture::FilePathBar << QSize(281, 17) << false;
    QTest::newRow("slider pointer") << LayoutPicture::SliderPointer << QSize(32, 32) << true;
    QTest::newRow("red guitar") << LayoutPicture::RedGuitar << QSize(32, 32) << true;
}

void tst_Resources::layoutPicturesHaveTheirSizes()
{
    QFETCH(LayoutPicture, picture);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    const QImage image = layoutImage(picture);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    // a picture stored as a window's background covers it; the two small
    // ones are shown over the window and let it show round their shape
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)) == 0, transparent);
}

void tst_Resources::unknownPicturesAreNull()
{
    QVERIFY(LoadResourcePicture(100, PictureKind::Bitmap).isNull());
    QVERIFY(LoadResourcePicture(124, PictureKind::Bitmap).isNull());
    QVERIFY(LoadResourcePicture(1, PictureKind::Bitmap).isNull());
    QVERIFY(LoadResourcePicture(110, PictureKind::Icon).isNull());
    QVERIFY(LoadResourcePicture(102, PictureKind::Cursor).isNull());
    QVERIFY(LoadResourcePicture(-101, PictureKind::Icon).isNull());
}

void tst_Resources::kindAndNumberNameAPicture()
{
    // a fret cell asks for bitmap 101, the sharp toggle for icon 101
    QVERIFY(resourceImage(101, PictureKind::Bitmap) != resourceImage(101, PictureKind::Icon));
    QVERIFY(resourceImage(101, PictureKind::Icon) != resourceImage(101, PictureKind::Cursor));
    QVERIFY(resourceImage(102, PictureKind::Bitmap) != resourceImage(102, PictureKind::Icon));
    // the program icon and the window icon are one image
    QCOMPARE(resourceImage(1, PictureKind::Icon), resourceImage(106, PictureKind::Icon));
    // sharp and flat come in black and in brown, and the two differ
    QVERIFY(resourceImage(101, PictureKind::Icon) != resourceImage(103, PictureKind::Icon));
    QVERIFY(resourceImage(102, PictureKind::Icon) != resourceImage(104, PictureKind::Icon));
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

    const QIcon icon = LoadProgramIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image =
        icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    if (size == 16) {
        QCOMPARE(image, resourceImage(106, PictureKind::Icon));
        return;
    }
    // drawn at its size, whole and centred: the pixels at least half opaque
    // keep clear of every edge, as far from the left as from the right and
    // from the top as from the bottom, give or take a pixel
    QRect solid;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) >= 128)
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
    const QCursor cursor = LoadHandCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));

    // the fingertip is the top of the hand, centred on the hot spot's column
    const QImage hand = resourceImage(101, PictureKind::Cursor);
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
    const QImage head = resourceImage(105, PictureKind::Icon);
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
    QTest::addColumn<int>("number");
    QTest::addColumn<QRect>("box");

    // the sign's middle is lined up with the head by these boxes
    const QRect sharp(QPoint(3, 2), QPoint(10, 18));
    const QRect flat(QPoint(3, 2), QPoint(9, 17));
    QTest::newRow("black sharp") << 101 << sharp;
    QTest::newRow("black flat") << 102 << flat;
    QTest::newRow("brown sharp") << 103 << sharp;
    QTest::newRow("brown flat") << 104 << flat;
}

void tst_Resources::signsStayInTheirBoxes()
{
    QFETCH(int, number);
    QFETCH(QRect, box);
    QCOMPARE(inkBounds(resourceImage(number, PictureKind::Icon)), box);
}

void tst_Resources::staffLinesArePixelExact()
{
    const QImage staff = layoutImage(LayoutPicture::Staff);
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
    const QImage bar = layoutImage(LayoutPicture::SliderBar);
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
    const QImage pointer = layoutImage(LayoutPicture::SliderPointer);
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
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("lower");

    QTest::newRow("first over middle") << 121 << 122;
    QTest::newRow("middle over middle") << 122 << 122;
    QTest::newRow("middle over last") << 122 << 123;
    QTest::newRow("first over last") << 121 << 123;
}

void tst_Resources::barrePiecesJoin()
{
    QFETCH(int, upper);
    QFETCH(int, lower);

    const QImage plain = resourceImage(101, PictureKind::Bitmap);
    const QImage top = resourceImage(upper, PictureKind::Bitmap);
    const QImage bottom = resourceImage(lower, PictureKind::Bitmap);
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
    const QImage cell = resourceImage(101, PictureKind::Bitmap);
    const QImage topEdge = resourceImage(107, PictureKind::Bitmap);
    const QImage bottomEdge = resourceImage(108, PictureKind::Bitmap);

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
    const QImage nut = resourceImage(105, PictureKind::Bitmap);
    QVERIFY(nut.pixel(cell.width() - 1, 0) != cell.pixel(cell.width() - 1, 0));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
