#include "CellTags.h"
#include "FretboardLayout.h"
#include "FretboardView.h"
#include "NoteNames.h"
#include "Resources.h"
#include "Look.h"
#include "Twips.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace notes;

// The note model, the cell tag table and the board layout.
class tst_fretboard : public QObject
{
    Q_OBJECT

private slots:
    void letters_data();
    void letters();
    void staffLetter_data();
    void staffLetter();
    void tagFields_data();
    void tagFields();
    void toolTip_data();
    void toolTip();
    void noteName_data();
    void noteName();
    void sameLetterDifferentNotes();
    void everyTagFromFirstPrinciples();
    void everyNoteHeldByAtMostFiveCells();
    void layout_data();
    void layout();
    void layoutRoundsEverySum();

    // The view itself, in both of its modes.
    void initTestCase();
    void viewPlacesPieces_data();
    void viewPlacesPieces();
    void viewHoverTexts();
    void clickableCellsReportClicks();
    void displayOnlyCellsIgnoreClicks();
    void picturesAndMarks();
};

void tst_fretboard::letters_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("previous");
    QTest::newRow("C") << "C"
                       << "D"
                       << "B";
    QTest::newRow("D") << "D"
                       << "E"
                       << "C";
    QTest::newRow("E") << "E"
                       << "F"
                       << "D";
    QTest::newRow("F") << "F"
                       << "G"
                       << "E";
    QTest::newRow("G") << "G"
                       << "A"
                       << "F";
    QTest::newRow("A") << "A"
                       << "B"
                       << "G";
    QTest::newRow("B wraps") << "B"
                             << "C"
                             << "A";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("lower case") << "c"
                                << ""
                                << "";
    QTest::newRow("outside the seven") << "H"
                                       << ""
                                       << "";
    QTest::newRow("two letters") << "CD"
                                 << ""
                                 << "";
    QTest::newRow("sharp name") << "C#"
                                << ""
                                << "";
}

void tst_fretboard::letters()
{
    QFETCH(QString, letter);
    QFETCH(QString, next);
    QFETCH(QString, previous);
    QCOMPARE(NextLetter(letter), next);
    QCOMPARE(PreviousLetter(letter), previous);
}

void tst_fretboard::staffLetter_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("letter");
    const char* expected[] = {"E", "F", "G", "A", "B", "C", "D"};
    for (int p = 1; p <= 26; ++p)
        QTest::addRow("%d", p) << p << QString::fromLatin1(expected[(p - 1) % 7]);
    QTest::newRow("0") << 0 << "";
    QTest::newRow("27") << 27 << "";
    QTest::newRow("50, no note") << 50 << "";
    QTest::newRow("negative") << -8 << "";
    QTest::newRow("int min") << std::numeric_limits<int>::min() << "";
}

void tst_fretboard::staffLetter()
{
    QFETCH(int, position);
    QFETCH(QString, letter);
    QCOMPARE(StaffLetter(position), letter);
}

void tst_fretboard::tagFields_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<QString>("letter");
    QTest::newRow("raised A") << "04,#,A" << 4 << true << "A";
    QTest::newRow("top B") << "26, ,B" << 26 << false << "B";
    QTest::newRow("open low E") << "01, ,E" << 1 << false << "E";
    // Tags outside the grammar never crash and read as far as they go.
    QTest::newRow("empty") << "" << 0 << false << "";
    QTest::newRow("short") << "1" << 1 << false << "";
    QTest::newRow("not digits") << "x9,#,C" << 0 << true << "C";
    QTest::newRow("long letter field") << "13, ,Cbbbb" << 13 << false << "Cbb";
}

void tst_fretboard::tagFields()
{
    QFETCH(QString, tag);
    QFETCH(int, position);
    QFETCH(bool, raised);
    QFETCH(QString, letter);
    QCOMPARE(TagPosition(tag), position);
    QCOMPARE(TagRaised(tag), raised);
    QCOMPARE(TagLetter(tag), letter);
}

void tst_fretboard::toolTip_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::newRow("natural") << "13, ,C"
                             << "C";
    QTest::newRow("F") << "02, ,F"
                       << "F";
    QTest::newRow("F sharp") << "02,#,F"
                             << "F# / Gb";
    QTest::newRow("G sharp") << "10,#,G"
                             << "G# / Ab";
    QTest::newRow("C sharp") << "20,#,C"
                             << "C# / Db";
    QTest::newRow("A sharp") << "18,#,A"
                             << "A# / Bb";
    QTest::newRow("D sharp") << "07,#,D"
                             << "D# / Eb";
}

void tst_fretboard::toolTip()
{
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QCOMPARE(TagToolTip(tag), text);
}

void tst_fretboard::noteName_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<bool>("flat");
    QTest::addColumn<QString>("name");
    QTest::newRow("natural") << "E" << false << false << "E";
    QTest::newRow("natural in flat naming") << "G" << false << true << "G";
    QTest::newRow("sharp") << "C" << true << false << "C#";
    QTest::newRow("flat") << "C" << true << true << "Db";
    QTest::newRow("B flat") << "A" << true << true << "Bb";
    QTest::newRow("C flat") << "B" << true << true << "Cb";
    QTest::newRow("E sharp") << "E" << true << false << "E#";
    QTest::newRow("F flat") << "E" << true << true << "Fb";
    QTest::newRow("no letter") << "" << false << false << "";
    QTest::newRow("no letter, sharp") << "" << true << false << "#";
    QTest::newRow("no letter, flat") << "" << true << true << "b";
}

void tst_fretboard::noteName()
{
    QFETCH(QString, base);
    QFETCH(bool, raised);
    QFETCH(bool, flat);
    QFETCH(QString, name);
    QCOMPARE(NoteName(base, raised, flat), name);
}

void tst_fretboard::sameLetterDifferentNotes()
{
    QVERIFY(!(TagKeyOf("13,#,C") == TagKeyOf("13, ,C")));
    QVERIFY(TagKeyOf("13, ,C") == TagKeyOf(CellTag(2, 1)));
}

// Builds every tag from the open strings, one semitone per fret with sharp
// names only, the staff position rising by one per new letter, and compares it
// with the stored table.
void tst_fretboard::everyTagFromFirstPrinciples()
{
    // Semitones above the open low E string.
    const int openStrings[StringCount] = {24, 19, 15, 10, 5, 0};
    // Chromatic scale from E: letter steps above E and whether it is raised.
    struct Step
    {
        const char* letter;
        int diatonic;
        bool sharp;
    };
    const Step chromatic[12] = {{"E", 0, false}, {"F", 1, false}, {"F", 1, true},  {"G", 2, false},
                                {"G", 2, true},  {"A", 3, false}, {"A", 3, true},  {"B", 4, false},
                                {"C", 5, false}, {"C", 5, true},  {"D", 6, false}, {"D", 6, true}};
    for (int s = 1; s <= StringCount; ++s) {
        for (int f = LowestFret; f <= HighestFret; ++f) {
            const int semitones = openStrings[s - 1] + f;
            const Step step = chromatic[semitones % 12];
            const int position = 1 + 7 * (semitones / 12) + step.diatonic;
            const QString expected = QStringLiteral("%1,%2,%3")
                                         .arg(position, 2, 10, QLatin1Char('0'))
                                         .arg(step.sharp ? '#' : ' ')
                                         .arg(QLatin1String(step.letter));
            QVERIFY2(CellTag(s, f) == expected,
                     qPrintable(
                         QStringLiteral("string %1 fret %2: %3").arg(s).arg(f).arg(CellTag(s, f))));
            QCOMPARE(StaffLetter(position), QString::fromLatin1(step.letter));
        }
    }
    QCOMPARE(CellTag(0, 0), QString());
    QCOMPARE(CellTag(7, 0), QString());
    QCOMPARE(CellTag(1, -1), QString());
    QCOMPARE(CellTag(1, 20), QString());
}

void tst_fretboard::everyNoteHeldByAtMostFiveCells()
{
    QMap<QPair<int, QChar>, int> count;
    for (int s = 1; s <= StringCount; ++s) {
        for (int f = LowestFret; f <= HighestFret; ++f) {
            const TagKey key = TagKeyOf(CellTag(s, f));
            ++count[{key.position, key.accidental}];
        }
    }
    int most = 0;
    for (int n : count)
        most = std::max(most, n);
    QCOMPARE(most, 5);
    QCOMPARE(count.value({1, ' '}), 1);
    QCOMPARE(count.value({26, ' '}), 1);
    QCOMPARE(count.value({8, ' '}), 3);
    QCOMPARE(count.value({12, ' '}), 5);
    QCOMPARE(count.value({15, ' '}), 5);
    QCOMPARE(count.value({5, '#'}), 0); // B sharp is no cell
}

namespace {

fretboard::PieceSizes standardPieces()
{
    const QSize edge(26, 11);
    const QSize row(26, 16);
    return {edge, edge, edge, row, row, row, edge, edge, edge};
}

} // namespace

void tst_fretboard::layout_data()
{
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<int>("firstFret");
    QTest::addColumn<int>("lastFret");
    QTest::addColumn<int>("pieceWidth");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("edgeHeight");
    QTest::addColumn<int>("rightLeft");
    QTest::newRow("chord finder, 96 dpi") << 15.0 << 1 << 12 << 390 << 240 << 165 << 5310;
    QTest::newRow("note table, 96 dpi") << 15.0 << 0 << 19 << 390 << 240 << 165 << 8430;
    QTest::newRow("chord finder, 120 dpi") << 12.0 << 1 << 12 << 312 << 192 << 132 << 4296;
    QTest::newRow("note table, 120 dpi") << 12.0 << 0 << 19 << 312 << 192 << 132 << 6792;
}

void tst_fretboard::layout()
{
    QFETCH(double, twipsPerPixel);
    QFETCH(int, firstFret);
    QFETCH(int, lastFret);
    QFETCH(int, pieceWidth);
    QFETCH(int, rowHeight);
    QFETCH(int, edgeHeight);
    QFETCH(int, rightLeft);
    const int frets = lastFret - firstFret + 1;
    const auto l = fretboard::LayOutFretboard(standardPieces(), twipsPerPixel, firstFret, lastFret);

    QCOMPARE(l.topLeft.left, 240);
    QCOMPARE(l.topLeft.top, 200);
    QCOMPARE(l.topRight.left, rightLeft);
    QCOMPARE(l.bottomRight.left, rightLeft);
    QCOMPARE(int(l.top.size()), frets);
    QCOMPARE(int(l.bottom.size()), frets);
    const int firstRowTop = 200 + edgeHeight;
    const int bottomTop = firstRowTop + 6 * rowHeight;
    if (twipsPerPixel == 15.0)
        QCOMPARE(bottomTop, 1805);
    QCOMPARE(l.bottomLeft.top, bottomTop);
    QCOMPARE(l.bottomRight.top, bottomTop);
    for (int k = 0; k < frets; ++k) {
        const int left = 240 + pieceWidth * (k + 1);
        QCOMPARE(l.top[k].left, left);
        QCOMPARE(l.top[k].width, double(pieceWidth));
        QCOMPARE(l.bottom[k].left, left);
        QCOMPARE(l.bottom[k].top, bottomTop);
        QCOMPARE(l.topLabel[k].left, left);
        QCOMPARE(l.topLabel[k].top, 200 - 255 + edgeHeight);
        QCOMPARE(l.topLabel[k].width, double(pieceWidth));
        QCOMPARE(l.topLabel[k].height, 255.0);
    }
    for (int r = 0; r < 6; ++r) {
        const auto& row = l.rows[r];
        const int top = firstRowTop + rowHeight * r;
        QCOMPARE(row.open.left, 240);
        QCOMPARE(row.open.top, top);
        QCOMPARE(row.open.height, double(rowHeight));
        QCOMPARE(row.name.left, 240);
        QCOMPARE(row.name.top, top + 30);
        QCOMPARE(row.name.width, 375.0);
        QCOMPARE(row.name.height, 255.0);
        QCOMPARE(int(row.cells.size()), frets);
        for (int k = 0; k < frets; ++k) {
            QCOMPARE(row.cells[k].left, 240 + pieceWidth * (k + 1));
            QCOMPARE(row.cells[k].top, top);
        }
        QCOMPARE(row.end.left, rightLeft);
    }
}

// At 110 dpi a piece is 340.36 twips wide; rounding each running sum keeps the
// board at 340 per column instead of drifting by the fractions.
void tst_fretboard::layoutRoundsEverySum()
{
    const auto l = fretboard::LayOutFretboard(standardPieces(), 1440.0 / 110.0, 1, 12);
    QCOMPARE(l.top[0].left, 580);
    QCOMPARE(l.topRight.left, 240 + 340 * 13);
    QCOMPARE(l.rows[0].open.top, 200 + 144); // 11 px = 143.99 twips
}

void tst_fretboard::initTestCase()
{
    look::installFontSubstitutions();
}

namespace {

struct Board
{
    QWidget window;
    FretboardView* view;
    Board(int first, int last, FretboardView::Mode mode)
        : view(new FretboardView(&window, first, last, mode))
    {
        window.resize(640, 200);
        view->BuildFretboard(loadPicture(Picture::PlainCell));
        window.show();
    }
    QWidget* find(const QString& name) const { return window.findChild<QWidget*>(name); }
    QLabel* label(const QString& name) const { return window.findChild<QLabel*>(name); }
};

} // namespace

// At 96 dpi (the offscreen screen) every piece lands on the pixel of its
// twip position: columns every 26 px from 16 px, rows every 16 px from 24 px.
void tst_fretboard::viewPlacesPieces_data()
{
    QTest::addColumn<int>("firstFret");
    QTest::addColumn<int>("lastFret");
    QTest::addColumn<int>("rightLeft");
    QTest::newRow("chord finder") << 1 << 12 << 354;
    QTest::newRow("note table") << 0 << 19 << 562;
}

void tst_fretboard::viewPlacesPieces()
{
    QFETCH(int, firstFret);
    QFETCH(int, lastFret);
    QFETCH(int, rightLeft);
    Board board(firstFret, lastFret, FretboardView::Mode::DisplayOnly);
    const auto at = [&](const QString& name) { return board.find(name)->geometry(); };
    QCOMPARE(at("imgLT"), QRect(16, 13, 26, 11));
    QCOMPARE(at("imgRT").topLeft(), QPoint(rightLeft, 13));
    QCOMPARE(at("imgRB").topLeft(), QPoint(rightLeft, 120)); // 1805 twips
    QCOMPARE(at("imgLB").topLeft(), QPoint(16, 120));
    const char* arrays[] = {"E", "B", "G", "D", "A", "Es"};
    for (int s = 0; s < 6; ++s) {
        const int rowTop = platform::TwipsToPixels(365 + 240 * s);
        QCOMPARE(at(QStringLiteral("%1%2").arg(arrays[s]).arg(0)), QRect(16, rowTop, 26, 16));
        QCOMPARE(at(QStringLiteral("%1%2").arg(arrays[s]).arg(1)),
                 QRect(rightLeft, rowTop, 26, 16));
        QCOMPARE(at(QStringLiteral("lbl%1").arg(arrays[s])),
                 QRect(16, platform::TwipsToPixels(395 + 240 * s), 25, 17));
        for (int f = firstFret; f <= lastFret; ++f) {
            const int left = 42 + 26 * (f - firstFret);
            QCOMPARE(at(QStringLiteral("%1(%2)").arg(arrays[s]).arg(f)),
                     QRect(left, rowTop, 26, 16));
            QCOMPARE(board.view->cellWidget(s + 1, f)->geometry().left(), left);
        }
    }
    for (int f = firstFret; f <= lastFret; ++f) {
        const int left = 42 + 26 * (f - firstFret);
        QCOMPARE(at(QStringLiteral("imgTop(%1)").arg(f)), QRect(left, 13, 26, 11));
        QCOMPARE(at(QStringLiteral("imgBottom(%1)").arg(f)), QRect(left, 120, 26, 11));
        QCOMPARE(at(QStringLiteral("lblTop(%1)").arg(f)), QRect(left, 7, 26, 17));
        QLabel* number = board.label(QStringLiteral("lblTop(%1)").arg(f));
        QCOMPARE(number->text(), QString::number(f));
        const bool bold = f == 5 || f == 7 || f == 9 || f == 12 || f == 15;
        QCOMPARE(number->font().bold(), bold);
    }
    QCOMPARE(board.find("lblTop(0)") != nullptr, firstFret == 0);
    QVERIFY(board.find(QStringLiteral("E(%1)").arg(lastFret + 1)) == nullptr);
}

void tst_fretboard::viewHoverTexts()
{
    Board notes(0, 19, FretboardView::Mode::ClickableCells);
    QCOMPARE(notes.find("E(1)")->toolTip(), QStringLiteral("F"));
    QCOMPARE(notes.find("Es(2)")->toolTip(), QStringLiteral("F# / Gb"));
    QCOMPARE(notes.find("B(7)")->toolTip(), QStringLiteral("F# / Gb"));
    QCOMPARE(notes.find("A(19)")->toolTip(), QStringLiteral("E"));
    QCOMPARE(notes.find("B(2)")->toolTip(), QStringLiteral("C# / Db"));
    QCOMPARE(notes.find("lblE")->toolTip(), QString());
    QCOMPARE(notes.find("Es0")->toolTip(), QString());

    Board chords(1, 12, FretboardView::Mode::DisplayOnly);
    const char* arrays[] = {"E", "B", "G", "D", "A", "Es"};
    const char* letters[] = {"E", "B", "G", "D", "A", "E"};
    for (int s = 0; s < 6; ++s) {
        QCOMPARE(chords.find(QStringLiteral("lbl%1").arg(arrays[s]))->toolTip(),
                 QLatin1String(letters[s]));
        QCOMPARE(chords.find(QLatin1String(arrays[s]) + QLatin1Char('0'))->toolTip(),
                 QLatin1String(letters[s]));
        QCOMPARE(chords.label(QStringLiteral("lbl%1").arg(arrays[s]))->text(),
                 QLatin1String(letters[s]));
        for (int f = 1; f <= 12; ++f)
            QCOMPARE(chords.view->cellTag(s + 1, f), CellTag(s + 1, f));
    }
}

void tst_fretboard::clickableCellsReportClicks()
{
    Board board(0, 19, FretboardView::Mode::ClickableCells);
    QSignalSpy clicks(board.view, &FretboardView::cellClicked);
    QTest::mouseClick(board.find("G(1)"), Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseClick(board.find("Es(0)"), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(board.find("E(19)"), Qt::RightButton, {}, QPoint(10, 8));
    QTest::mouseClick(board.find("E0"), Qt::LeftButton, {}, QPoint(10, 8)); // the nut
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(0), (QVariantList{3, 1}));
    QCOMPARE(clicks.at(1), (QVariantList{6, 0}));
    // A press that ends outside the cell is no click.
    QTest::mousePress(board.find("D(4)"), Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseRelease(board.find("D(4)"), Qt::LeftButton, {}, QPoint(40, 8));
    QCOMPARE(clicks.size(), 2);
    for (int s = 1; s <= 6; ++s) {
        for (int f = 0; f <= 19; ++f)
            QCOMPARE(board.view->cellWidget(s, f)->cursor().shape(), Qt::BitmapCursor);
    }
}

void tst_fretboard::displayOnlyCellsIgnoreClicks()
{
    Board board(1, 12, FretboardView::Mode::DisplayOnly);
    QSignalSpy clicks(board.view, &FretboardView::cellClicked);
    QTest::mouseClick(board.find("G(1)"), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(board.find("G(1)")->cursor().shape(), Qt::ArrowCursor);
}

void tst_fretboard::picturesAndMarks()
{
    Board board(1, 12, FretboardView::Mode::DisplayOnly);
    FretboardView& view = *board.view;
    const QPixmap dot = loadPicture(Picture::PressedCell);
    const QPixmap cross = loadPicture(Picture::MutedString);
    QSignalSpy cellSets(&view, &FretboardView::cellPictureSet);
    QSignalSpy openSets(&view, &FretboardView::openPictureSet);

    view.setCellPicture(2, 1, dot);
    view.setCellMarked(2, 1, true);
    view.setOpenPicture(6, cross);
    view.setOpenMarked(6, true);
    QCOMPARE(view.cellPicture(2, 1).cacheKey(), dot.cacheKey());
    QVERIFY(view.cellMarked(2, 1));
    QVERIFY(!view.cellMarked(2, 2));
    QCOMPARE(view.openPicture(6).cacheKey(), cross.cacheKey());
    QVERIFY(view.openMarked(6));
    QCOMPARE(cellSets.size(), 1);
    QCOMPARE(openSets.size(), 1);

    // Cells off the board read as empty and ignore changes.
    for (const auto& [s, f] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 13}, {1, -1}}) {
        view.setCellPicture(s, f, dot);
        view.setCellMarked(s, f, true);
        QVERIFY(view.cellPicture(s, f).isNull());
        QVERIFY(!view.cellMarked(s, f));
        QCOMPARE(view.cellTag(s, f), QString());
        QCOMPARE(view.cellWidget(s, f), nullptr);
    }
    view.setOpenPicture(0, cross);
    view.setOpenMarked(7, true);
    QVERIFY(view.openPicture(0).isNull());
    QVERIFY(!view.openMarked(7));
    QCOMPARE(cellSets.size(), 1);
    QCOMPARE(openSets.size(), 1);

    // A new build leaves every piece plain and unmarked.
    const QPixmap plain = loadPicture(Picture::PlainCell);
    view.BuildFretboard(plain);
    QVERIFY(!view.cellMarked(2, 1) && !view.openMarked(6));
    QCOMPARE(view.cellPicture(2, 1).cacheKey(), plain.cacheKey());
}

QTEST_MAIN(tst_fretboard)
#include "tst_fretboard.moc"
