#include "CellTags.h"
#include "FretboardLayout.h"
#include "FretboardView.h"
#include "Look.h"
#include "NoteNames.h"
#include "Resources.h"
#include "SpokenNames.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

// Cells of a guitar in standard tuning (E2 A2 D3 G3 B3 E4). The staff position
// counts letters up from the low E: E3 is 8, G3 10, C4 13, B5 26.
struct CellRow
{
    int string, fret;
    const char* name;
    const char* hover;
    int position;
};
constexpr CellRow Cells[] = {
    {1, 0, "E(0)", "E", 15},       {1, 19, "E(19)", "B", 26},     {2, 1, "B(1)", "C", 13},
    {2, 2, "B(2)", "C# / Db", 13}, {3, 1, "G(1)", "G# / Ab", 10}, {4, 1, "D(1)", "D# / Eb", 7},
    {5, 1, "A(1)", "A# / Bb", 4},  {6, 0, "Es(0)", "E", 1},       {6, 2, "Es(2)", "F# / Gb", 2},
    {6, 12, "Es(12)", "E", 8},
};

// Where pieces stand at 96 dpi, in pixels of the window: the chord finder's
// board of frets 1 to 12 and the note table's of 0 to 19.
struct PieceRow
{
    int lastFret;
    const char* name;
    QRect place;
};
const PieceRow Pieces[] = {
    {12, "imgLT", {16, 13, 26, 11}},      {12, "imgTop(1)", {42, 13, 26, 11}},
    {12, "lblTop(12)", {328, 7, 26, 17}}, {12, "E0", {16, 24, 26, 16}},
    {12, "lblE", {16, 26, 25, 17}},       {12, "Es(12)", {328, 104, 26, 16}},
    {12, "lblEs", {16, 106, 25, 17}},     {12, "imgRB", {354, 120, 26, 11}},
    {12, "fretboard", {0, 0, 380, 131}},  {19, "G(1)", {68, 56, 26, 16}},
    {19, "A(19)", {536, 88, 26, 16}},     {19, "lblTop(0)", {42, 7, 26, 17}},
    {19, "fretboard", {0, 0, 588, 131}},
};

// Semitones above the low E of a cell tag, from the letters' places in the
// octave from E.
int semitones(const QString& tag)
{
    const int steps = notes::tagPosition(tag) - 1;
    const int inOctave[] = {0, 1, 3, 5, 7, 8, 10}; // E F G A B C D
    return 12 * (steps / 7) + inOctave[steps % 7] + (notes::tagRaised(tag) ? 1 : 0);
}

} // namespace

class tst_fretboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void cells();
    void pieces_data();
    void pieces();
    void layoutRoundsEverySum();
    void clickableCells();
    void displayOnlyCells();
    void spokenText_data();
    void spokenText();
    void spokenNote_data();
    void spokenNote();
    void libraryNamesSpoken();
};

// The cells of the table, and every cell one semitone above the one before
// it on its string, each open string sounding as the string below it at the
// fifth fret (the fourth below the B string), with the letter of its staff
// position.
void tst_fretboard::cells()
{
    FretboardView view(nullptr, 0, 19, FretboardView::Mode::ClickableCells);
    for (const CellRow& c : Cells) {
        const QWidget* cell = view.cellWidget(c.string, c.fret);
        QCOMPARE(cell->objectName(), QLatin1String(c.name));
        QCOMPARE(cell->toolTip(), QLatin1String(c.hover));
        QCOMPARE(notes::tagPosition(notes::cellTag(c.string, c.fret)), c.position);
    }
    const int openStrings[] = {24, 19, 15, 10, 5, 0};
    for (int s = 1; s <= 6; ++s) {
        for (int f = 0; f <= 19; ++f) {
            const QString tag = notes::cellTag(s, f);
            QVERIFY2(semitones(tag) == openStrings[s - 1] + f, qPrintable(tag));
            const int position = notes::tagPosition(tag);
            QCOMPARE(notes::tagLetter(tag), QString(QLatin1Char("EFGABCD"[(position - 1) % 7])));
        }
    }
    QCOMPARE(notes::cellTag(7, 0) + notes::cellTag(1, 20), QString());
}

void tst_fretboard::pieces_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Pieces)); ++i)
        QTest::addRow("%d %s", Pieces[i].lastFret, Pieces[i].name) << i;
}

void tst_fretboard::pieces()
{
    QFETCH(int, row);
    const PieceRow& p = Pieces[row];
    QWidget window;
    FretboardView view(&window, p.lastFret == 19 ? 0 : 1, p.lastFret,
                       FretboardView::Mode::DisplayOnly);
    view.buildFretboard();
    const QWidget* piece = window.findChild<QWidget*>(QLatin1String(p.name));
    QVERIFY(piece);
    QCOMPARE(piece->geometry(), p.place);
}

// At 105 dpi a piece 26 pixels wide is 356.57 twips, a row 16 pixels high
// 219.43 and an edge 11 pixels high 150.86: each running sum is rounded to the
// nearest twip, so the columns stand 357 twips apart and the rows 219.
void tst_fretboard::layoutRoundsEverySum()
{
    const QSize edge(26, 11);
    const QSize row(26, 16);
    const fretboard::PieceSizes sizes{edge, edge, edge, row, row, row, edge, edge, edge};
    const fretboard::Layout layout = fretboard::layOutFretboard(sizes, 1440.0 / 105, 1, 12);
    QCOMPARE(layout.top[1].left, 954);
    QCOMPARE(layout.rows[5].end.left, 4881);
    QCOMPARE(layout.rows[1].cells[0].top, 570);
    QCOMPARE(layout.bottomRight.top, 1665);
}

void tst_fretboard::clickableCells()
{
    FretboardView view(nullptr, 0, 19, FretboardView::Mode::ClickableCells);
    view.buildFretboard();
    QSignalSpy clicks(&view, &FretboardView::cellClicked);
    const auto piece = [&](const char* name) { return view.findChild<QWidget*>(name); };
    QTest::mouseClick(piece("G(1)"), Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseClick(piece("Es(0)"), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(piece("E(19)"), Qt::RightButton, {}, QPoint(10, 8));
    QTest::mouseClick(piece("E0"), Qt::LeftButton, {}, QPoint(10, 8)); // the nut
    // A press that ends outside the cell is no click.
    QTest::mousePress(piece("D(4)"), Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseRelease(piece("D(4)"), Qt::LeftButton, {}, QPoint(40, 8));
    const QList<QVariantList> reported = clicks;
    QCOMPARE(reported, (QList<QVariantList>{{3, 1}, {6, 0}}));
    // The hand shows over the cells only.
    QCOMPARE(piece("B(7)")->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(piece("B0")->cursor().shape(), Qt::ArrowCursor);
}

void tst_fretboard::displayOnlyCells()
{
    FretboardView view(nullptr, 1, 12, FretboardView::Mode::DisplayOnly);
    view.buildFretboard();
    QSignalSpy clicks(&view, &FretboardView::cellClicked);
    QTest::mouseClick(view.cellWidget(3, 1), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(view.cellWidget(3, 1)->cursor().shape(), Qt::ArrowCursor);
    // The string names and the open-string pieces name the string.
    QStringList names;
    for (const char* row :
         {"lblE", "E0", "lblB", "B0", "lblG", "G0", "lblD", "D0", "lblA", "A0", "lblEs", "Es0"})
        names << view.findChild<QWidget*>(row)->toolTip();
    QCOMPARE(names.join(QString()), QStringLiteral("EEBBGGDDAAEE"));
    // Keys and assistive technology see a plain picture, as before.
    QCOMPARE(view.focusPolicy(), Qt::NoFocus);
    QCOMPARE(QAccessible::queryAccessibleInterface(&view)->role(), QAccessible::Client);
    QCOMPARE(QAccessible::queryAccessibleInterface(view.cellWidget(3, 1))->role(),
             QAccessible::Client);
}

void tst_fretboard::spokenText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    const char* const rows[][2] = {
        {"C", "C"},
        {"C#", "C sharp"},
        {"Ab", "A flat"},
        {"Eb7sus4", "E flat 7 sus 4"},
        {"C#m7b5", "C sharp minor 7 flat 5"},
        {"Bbmaj7", "B flat major 7"},
        {"Abdim7", "A flat diminished 7"},
        {"F#aug", "F sharp augmented"},
        {"Cadd9", "C add 9"},
        {"Gsus2", "G sus 2"},
        {"G5", "G 5"},
        {"C/G", "C over G"},
        {"D/F#", "D over F sharp"},
        {"Am/G", "A minor over G"},
        {"Maj7", "major 7"},
        {"m7b5", "minor 7 flat 5"},
        {"Slash", "Slash"},
        {"Ab 7sus4, barre", "A flat 7 sus 4, barre"},
        {"C# major: x 4 6 6 6 4", "C sharp major: x 4 6 6 6 4"},
        {"A 7th suspended 4th", "A 7th suspended 4th"},
        {"Bb half-diminished", "B flat half-diminished"},
        {"E added ninth", "E added ninth"},
        {"C/ /G Cbb H", "C/ /G Cbb H"},
        {"", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void tst_fretboard::spokenText()
{
    QFETCH(QString, text);
    QTEST(notes::spokenText(text), "spoken");
}

// Notes as the staff and the cells name them, with the octave of their sound:
// the number goes up at C; a note off the staff is not spoken.
void tst_fretboard::spokenNote_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("open low E") << "E" << 1 << "E 2";
    QTest::newRow("B below middle C's octave") << "B" << 5 << "B 2";
    QTest::newRow("C starts the octave") << "C" << 6 << "C 3";
    QTest::newRow("G sharp") << "G#" << 10 << "G sharp 3";
    QTest::newRow("A flat") << "Ab" << 11 << "A flat 3";
    QTest::newRow("open high E") << "E" << 15 << "E 4";
    QTest::newRow("top of the staff") << "B" << 26 << "B 5";
    QTest::newRow("no note yet") << "E" << 50 << "";
    QTest::newRow("below the staff") << "D" << 0 << "";
}

void tst_fretboard::spokenNote()
{
    QFETCH(QString, name);
    QFETCH(int, position);
    QTEST(notes::spokenNote(name, position), "spoken");
}

// Every chord name and group of the shipped library is spoken in words a
// voice reads as meant: letters, numbers and the words for the signs and
// qualities; no "#" and no flat "b" is left.
void tst_fretboard::libraryNamesSpoken()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/ChordData.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList words{"A",     "B",    "C",     "D",     "E",          "F",         "G",
                            "sharp", "flat", "minor", "major", "diminished", "augmented", "sus",
                            "add",   "over", "Major", "Minor", "Slash"};
    int names = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith("!C") && !line.startsWith("!F"))
            continue;
        for (const QString& name : {QString::fromLatin1(line.mid(8, 10)).trimmed(),
                                    QString::fromLatin1(line.mid(19, 10)).trimmed()}) {
            ++names;
            for (const QString& word : notes::spokenText(name).split(QLatin1Char(' '))) {
                bool number = false;
                word.toInt(&number);
                QVERIFY2(number || words.contains(word),
                         qPrintable(name + " -> " + notes::spokenText(name)));
            }
        }
    }
    QVERIFY(names > 400);
}

QTEST_MAIN(tst_fretboard)
#include "tst_fretboard.moc"
