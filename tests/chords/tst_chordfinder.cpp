#include "ActionLabel.h"
#include "ChordDisplay.h"
#include "ChordFinderWindow.h"
#include "ChordLine.h"
#include "ChordList.h"
#include "ChordLists.h"
#include "ChordSpeech.h"
#include "FingeringBoard.h"
#include "Look.h"
#include "Palette.h"
#include "SoundMeasures.h"

#include "FakeDesktop.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using Cell = std::pair<int, int>; // string, fret (0 = open-string piece)
using Marks = std::map<Cell, Picture>;
Q_DECLARE_METATYPE(Marks)

namespace {

// The pieces of a chord board of frets 1 to 12 that show anything but the
// plain cell (the plain open string at fret 0), from what each shows.
template <typename Shown> Marks marksOf(Shown shown)
{
    Marks marks;
    for (int s = 1; s <= 6; ++s) {
        for (int f = 0; f <= 12; ++f) {
            const Picture picture = shown(s, f);
            if (picture != (f == 0 ? Picture::OpenString : Picture::PlainCell))
                marks[{s, f}] = picture;
        }
    }
    return marks;
}

ChordRecord fingering(guitar::PerString<std::int16_t> frets, std::int16_t from = 0,
                      std::int16_t to = 0, std::int16_t fret = 0)
{
    ChordRecord c;
    c.frets = frets;
    c.barreFrom = from;
    c.barreTo = to;
    c.barreFret = fret;
    return c;
}

ChordRecord named(const QString& group, const QString& name)
{
    ChordRecord c;
    c.group = group;
    c.name = name;
    return c;
}

constexpr auto Dot = Picture::PressedCell;
constexpr auto Cross = Picture::MutedString;

QString accessibleText(QWidget* widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// The selected rows of a list, "-" for none.
QString selectedRows(const QListWidget* list)
{
    QStringList rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows += QString::number(list->row(item));
    return rows.isEmpty() ? QStringLiteral("-") : rows.join(u',');
}

// The focus mark's dots on its bottom side, which the board's size could clip.
int markDots(FingeringBoard* board)
{
    const QImage image = board->grab().toImage();
    const QRect around = board->childrenRect().adjusted(-2, -2, 2, 2);
    int dots = 0;
    for (int x = around.left(); x <= around.right(); ++x)
        dots +=
            image.valid(x, around.bottom()) && image.pixel(x, around.bottom()) == palette::Action;
    return dots;
}

// Groups Major, Minor, Major; the Major chords are C, D, F, G. One favourite.
const QByteArray Library =
    chordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major") + "\r\n" +
    chordLine("!C", 2, "Major", "D", {2, 3, 2, 0, -1, -1}, "D major") + "\r\n" +
    chordLine("!C", 3, "Major", "F", {1, 1, 2, 3, 3, 1}, "F barre", 1, 6, 1) + "\r\n" +
    chordLine("!C", 4, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "A minor") + "\r\n" +
    chordLine("!C", 5, "Minor", "Em", {0, 0, 0, 2, 2, 0}, "E minor") + "\r\n" +
    chordLine("!C", 6, "Major", "G", {3, 0, 0, 0, 2, 3}, "G major") + "\r\n" +
    chordLine("!F", 1, "Easy", "E", {0, 0, 1, 2, 2, 0}, "E major") + "\r\n";

} // namespace

class tst_ChordFinder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void drawChord_data();
    void drawChord();
    void chordChart_data();
    void chordChart();
    void spokenStrings_data();
    void spokenStrings();
    void groupEntries();
    void steps_data();
    void steps();
    void strums_data();
    void strums();
    void unreadableFile();
    void keyboardWalk();
    void wholeRowsHeight_data();
    void wholeRowsHeight();
    void listsShowWholeRows();

private:
    void open(const QByteArray& library = Library);
    QTemporaryDir dir_;
    platform::FakeDesktop desktop_;
    ChordFinderWindow* window_ = nullptr;
    QListWidget* groups_ = nullptr;
    QListWidget* chords_ = nullptr;
    QLabel* description_ = nullptr;
    ActionLabel* favorites_ = nullptr;
    FingeringBoard* board_ = nullptr;
};

void tst_ChordFinder::initTestCase()
{
    look::installFontSubstitutions();
    desktop_.setProgramFolder(dir_.path());
}

void tst_ChordFinder::cleanup()
{
    delete window_;
    window_ = nullptr;
    desktop_.messages.clear();
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
}

// Writes the library (unless it is null) and opens the window.
void tst_ChordFinder::open(const QByteArray& library)
{
    QFile file(dir_.filePath(QStringLiteral("ChordData.txt")));
    if (!library.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(library) == library.size());
    file.close();
    window_ = new ChordFinderWindow(desktop_);
    groups_ = window_->findChild<QListWidget*>(QStringLiteral("lstGroup"));
    chords_ = window_->findChild<QListWidget*>(QStringLiteral("lstChord"));
    description_ = window_->findChild<QLabel*>(QStringLiteral("lblDesc"));
    favorites_ = window_->findChild<ActionLabel*>(QStringLiteral("lblFavorites"));
    board_ = window_->findChild<FingeringBoard*>();
    QVERIFY(groups_ && chords_ && description_ && favorites_ && board_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void tst_ChordFinder::drawChord_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<Marks>("marks");
    const auto first = Picture::BarreFirst;
    const auto middle = Picture::BarreMiddle;
    const auto last = Picture::BarreLast;
    QTest::newRow("open chord") << fingering({0, 1, 0, 2, 3, -1})
                                << Marks{{{2, 1}, Dot},
                                         {{4, 2}, Dot},
                                         {{5, 3}, Dot},
                                         {{6, 0}, Cross}};
    QTest::newRow("barre replaces dots")
        << fingering({-1, 1, 2, 3, 3, 1}, 2, 6, 1)
        << Marks{{{1, 0}, Cross},  {{2, 1}, first},  {{3, 1}, middle},
                 {{4, 1}, middle}, {{5, 1}, middle}, {{6, 1}, last},
                 {{3, 2}, Dot},    {{4, 3}, Dot},    {{5, 3}, Dot}};
    QTest::newRow("barre upside down")
        << fingering({0, 0, 0, 0, 0, 0}, 5, 2, 4) << Marks{{{5, 4}, first}, {{2, 4}, last}};
    QTest::newRow("off the board skipped")
        << fingering({13, -2, 12, -1, 0, 99}, 1, 6, 13) << Marks{{{3, 12}, Dot}, {{4, 0}, Cross}};
}

void tst_ChordFinder::drawChord()
{
    QFETCH(ChordRecord, chord);
    QFETCH(Marks, marks);
    const ChordPictures pictures = chordPictures(chord);
    QCOMPARE(marksOf([&](int s, int f) { return pictures[s - 1][f]; }), marks);
    // On the board the marks of the previous chord go: crosses on every open
    // string and a barre over the last fret.
    QWidget window;
    FingeringBoard board(&window);
    board.showChord(fingering({-1, -1, -1, -1, -1, -1}, 1, 6, 12));
    board.showChord(chord);
    QCOMPARE(marksOf([&](int s, int f) { return f == 0 ? board.openString(s) : board.cell(s, f); }),
             marks);
}

// Strings from low E. The chart: "?" where the board shows nothing of a
// pressed string. The frets sounded when the chord is strummed: "x" for a
// string not played.
void tst_ChordFinder::chordChart_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("sounded");
    QTest::newRow("C") << fingering({0, 1, 0, 2, 3, -1}) << "x 3 2 0 1 0"
                       << "x 3 2 0 1 0";
    QTest::newRow("F barre") << fingering({1, 1, 2, 3, 3, 1}, 1, 6, 1) << "1 3 3 2 1 1"
                             << "1 3 3 2 1 1";
    QTest::newRow("muted bass") << fingering({2, 3, 2, 0, -1, -1}) << "x x 0 2 3 2"
                                << "x x 0 2 3 2";
    QTest::newRow("barre fills open strings, not higher frets")
        << fingering({0, 0, 2, 3, 3, 0}, 1, 6, 1) << "1 3 3 2 1 1"
        << "1 3 3 2 1 1";
    QTest::newRow("muted string under a barre")
        << fingering({1, 1, 2, 3, 3, -1}, 1, 6, 1) << "x 3 3 2 1 1"
        << "x 3 3 2 1 1";
    QTest::newRow("barre upside down: its two ends")
        << fingering({0, 0, 0, 0, 0, 0}, 5, 2, 4) << "0 4 0 0 4 0"
        << "0 4 0 0 4 0";
    QTest::newRow("barre over the top strings only")
        << fingering({0, 0, 0, 2, 2, 0}, 1, 3, 2) << "0 2 2 2 2 2"
        << "0 2 2 2 2 2";
    QTest::newRow("off the board") << fingering({13, -2, 12, -1, 0, 99}) << "? 0 x 12 ? ?"
                                   << "99 0 x 12 x 13";
    QTest::newRow("off the board under a barre")
        << fingering({13, 13, 0, 0, 0, 0}, 1, 2, 5) << "0 0 0 0 5 5"
        << "0 0 0 0 13 13";
    QTest::newRow("barre off the board") << fingering({0, 0, 0, 0, 0, 0}, 1, 6, 13) << "0 0 0 0 0 0"
                                         << "13 13 13 13 13 13";
}

void tst_ChordFinder::chordChart()
{
    QFETCH(ChordRecord, chord);
    QTEST(::chordChart(chord), "chart");
    QStringList sounded;
    const guitar::Frets frets = soundingFrets(chord);
    for (auto fret = frets.rbegin(); fret != frets.rend(); ++fret)
        sounded += *fret < 0 ? QStringLiteral("x") : QString::number(*fret);
    QTEST(sounded.join(u' '), "sounded");
}

// Each string of a chord as a screen reader says it, low E first, with the
// note it sounds; raised notes in the names of the chord's key.
void tst_ChordFinder::spokenStrings_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("strings");
    const auto chord = [](const char* name, std::array<std::int16_t, 6> frets,
                          const char* description, int from = 0, int to = 0, int fret = 0) {
        ChordRecord c;
        c.name = QString::fromLatin1(name);
        c.frets = frets;
        c.description = QString::fromLatin1(description);
        c.barreFrom = std::int16_t(from);
        c.barreTo = std::int16_t(to);
        c.barreFret = std::int16_t(fret);
        return c;
    };
    QTest::newRow("C") << chord("C", {0, 1, 0, 2, 3, -1}, "C major") << "C major: x 3 2 0 1 0"
                       << QStringList{"low E string, muted",   "A string, fret 3, C 3",
                                      "D string, fret 2, E 3", "G string, open, G 3",
                                      "B string, fret 1, C 4", "high E string, open, E 4"};
    QTest::newRow("F, barre") << chord("F", {1, 1, 2, 3, 3, 1}, "F major, barre", 1, 6, 1)
                              << "F major, barre: 1 3 3 2 1 1"
                              << QStringList{"low E string, fret 1, barre, F 2",
                                             "A string, fret 3, C 3",
                                             "D string, fret 3, F 3",
                                             "G string, fret 2, A 3",
                                             "B string, fret 1, barre, C 4",
                                             "high E string, fret 1, barre, F 4"};
    QTest::newRow("Eb: flats") << chord("Eb", {6, 8, 8, 8, 6, -1}, "Eb major, barre", 1, 5, 6)
                               << "E flat major, barre: x 6 8 8 8 6"
                               << QStringList{"low E string, muted",
                                              "A string, fret 6, barre, E flat 3",
                                              "D string, fret 8, B flat 3",
                                              "G string, fret 8, E flat 4",
                                              "B string, fret 8, G 4",
                                              "high E string, fret 6, barre, B flat 4"};
    QTest::newRow("Gm: flats") << chord("Gm", {3, 3, 3, 5, 5, 3}, "G minor, barre", 1, 6, 3)
                               << "G minor, barre: 3 5 5 3 3 3"
                               << QStringList{"low E string, fret 3, barre, G 2",
                                              "A string, fret 5, D 3",
                                              "D string, fret 5, G 3",
                                              "G string, fret 3, barre, B flat 3",
                                              "B string, fret 3, barre, D 4",
                                              "high E string, fret 3, barre, G 4"};
    QTest::newRow("Bm/F#: low E outside the barre")
        << chord("Bm/F#", {2, 3, 4, 4, 2, 2}, "B minor over F#", 1, 5, 2)
        << "B minor over F sharp: 2 2 4 4 3 2"
        << QStringList{
               "low E string, fret 2, F sharp 2", "A string, fret 2, barre, B 2",
               "D string, fret 4, F sharp 3",     "G string, fret 4, B 3",
               "B string, fret 3, D 4",           "high E string, fret 2, barre, F sharp 4"};
    QTest::newRow("D/F#: sharps") << chord("D/F#", {2, 3, 2, 0, -1, 2}, "") << "2 x 0 2 3 2"
                                  << QStringList{"low E string, fret 2, F sharp 2",
                                                 "A string, muted",
                                                 "D string, open, D 3",
                                                 "G string, fret 2, A 3",
                                                 "B string, fret 3, D 4",
                                                 "high E string, fret 2, F sharp 4"};
}

void tst_ChordFinder::spokenStrings()
{
    QFETCH(ChordRecord, chord);
    QTEST(spokenChord(chord), "spoken");
    QStringList strings;
    for (int string = 6; string >= 1; --string)
        strings += spokenString(chord, string);
    QTEST(strings, "strings");
}

void tst_ChordFinder::groupEntries()
{
    const std::vector<ChordRecord> chords{named("", "a"), named("Major", "C"), named("Minor", "Am"),
                                          named("Major", "G"), named("", "b")};
    QCOMPARE(::groupEntries(chords), (QStringList{"Major", "Minor", "Major", ""}));
    QCOMPARE(chordNames(chords, "Major"), (QStringList{"C", "G"}));
}

// What the window shows after a few steps: "group N" and "chord N" select a
// row as a click does, "favorites" clicks the switch, "groups KEYS" and
// "chords KEYS" press keys in a list, "groups ctrl-click" and "chords
// ctrl-click" click its selected row with Ctrl held.
void tst_ChordFinder::steps_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("groupCount");
    QTest::addColumn<QString>("selected"); // rows of the groups and of the chords
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("chart");
    const QByteArray noFavorites = Library.left(Library.indexOf("!F"));
    const QByteArray sameNameTwice =
        chordLine("!C", 1, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "first") + "\r\n" +
        chordLine("!C", 2, "Minor", "Am", {5, 5, 5, 7, 7, 5}, "second", 1, 6, 5);
    QFile shippedFile(QCoreApplication::applicationDirPath() + QStringLiteral("/ChordData.txt"));
    QVERIFY(shippedFile.open(QIODevice::ReadOnly));
    const QByteArray shipped = shippedFile.readAll();
    const QString c = QStringLiteral("x 3 2 0 1 0");
    QTest::newRow("opening") << Library << QStringList{} << 3 << "0 0"
                             << "C major" << c;
    QTest::newRow("group change keeps the row, not the chord")
        << Library << QStringList{"chord 1", "group 1"} << 3 << "1 1"
        << "E minor"
        << "0 2 2 0 0 0";
    QTest::newRow("row one past the new group's end: its last")
        << Library << QStringList{"chord 2", "group 1"} << 3 << "1 1"
        << "E minor"
        << "0 2 2 0 0 0";
    QTest::newRow("favorites") << Library << QStringList{"favorites"} << 1 << "0 0"
                               << "E major"
                               << "0 2 2 1 0 0";
    QTest::newRow("favorites and back")
        << Library << QStringList{"chord 2", "favorites", "favorites"} << 3 << "0 0"
        << "C major" << c;
    QTest::newRow("no favorites: the chord shown stays")
        << noFavorites << QStringList{"chord 2", "favorites", "chord 0"} << 0 << "- 0"
        << "F barre"
        << "1 3 3 2 1 1";
    QTest::newRow("same name twice: the later") << sameNameTwice << QStringList{} << 1 << "0 0"
                                                << "second"
                                                << "5 7 7 5 5 5";
    QTest::newRow("Down in the chords") << Library << QStringList{"chords Down"} << 3 << "0 1"
                                        << "D major"
                                        << "x x 0 2 3 2";
    QTest::newRow("Down in the groups") << Library << QStringList{"groups Down"} << 3 << "1 0"
                                        << "A minor"
                                        << "x 0 2 2 1 0";
    QTest::newRow("a chord's name typed") << Library << QStringList{"chords F"} << 3 << "0 2"
                                          << "F barre"
                                          << "1 3 3 2 1 1";
    for (const char* list : {"groups", "chords"}) {
        for (const char* deselect : {"ctrl-click", "Ctrl+Space"}) {
            QTest::addRow("%s %s keeps the selection", list, deselect)
                << Library << QStringList{QStringLiteral("%1 %2").arg(list, deselect)} << 3 << "0 0"
                << "C major" << c;
        }
    }
    QTest::newRow("shipped C") << shipped << QStringList{} << 18 << "0 0"
                               << "C major" << c;
    QTest::newRow("shipped F") << shipped << QStringList{"chord 5"} << 18 << "0 5"
                               << "F major, barre"
                               << "1 3 3 2 1 1";
}

void tst_ChordFinder::steps()
{
    QFETCH(QByteArray, library);
    QFETCH(QStringList, steps);
    open(library);
    for (const QString& step : steps) {
        const QString what = step.section(u' ', 1);
        QListWidget* list = step.startsWith(u"groups") ? groups_ : chords_;
        if (step.startsWith(u"group "))
            groups_->setCurrentRow(what.toInt());
        else if (step.startsWith(u"chord "))
            chords_->setCurrentRow(what.toInt());
        else if (step == u"favorites")
            QTest::mouseClick(favorites_, Qt::LeftButton);
        else if (what == u"ctrl-click")
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->selectedItems().front()).center());
        else
            QTest::keySequence(list, QKeySequence(what));
    }
    QTEST(groups_->count(), "groupCount");
    QTEST(selectedRows(groups_) + u' ' + selectedRows(chords_), "selected");
    QTEST(description_->text(), "description");
    QFETCH(QString, description);
    QFETCH(QString, chart);
    QCOMPARE(accessibleText(board_, QAccessible::Description), description + ": " + chart);
    QCOMPARE(favorites_->isChecked(), steps.count(QStringLiteral("favorites")) % 2 == 1);
    QCOMPARE(desktop_.messages.size(), 0);
}

void tst_ChordFinder::strums_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("lowest"); // the first string of each strum, in hertz
    QTest::newRow("a click on a chord is silent") << QStringList{"click 1"} << "";
    QTest::newRow("a double-click on C: C3 first") << QStringList{"double-click 0"} << "130.81";
    QTest::newRow("F barre: F2 first") << QStringList{"double-click 2"} << "87.31";
    QTest::newRow("Space on the board: the chord shown") << QStringList{"board Space"} << "130.81";
    QTest::newRow("Return on the board") << QStringList{"click 1", "board Return"} << "146.83";
    QTest::newRow("Space in the list moves nothing and is silent")
        << QStringList{"chords Space"} << "";
    QTest::newRow("a favourite") << QStringList{"favorites", "double-click 0", "board Enter"}
                                 << "82.41 82.41";
}

// Each gesture strums once; the strum starts on the chord's lowest string.
void tst_ChordFinder::strums()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, lowest);
    qputenv("SDL_AUDIODRIVER", "dummy");
    desktop_.output.notes.clear();
    open();
    for (const QString& step : steps) {
        const QString what = step.section(u' ', 1);
        // Through the window, as the platform delivers a double-click.
        const QPoint row = chords_->viewport()->mapTo(
            window_, chords_->visualItemRect(chords_->item(what.toInt())).center());
        if (step.startsWith(u"click"))
            QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, row);
        else if (step.startsWith(u"double-click"))
            QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, row);
        else if (step == u"favorites")
            QTest::mouseClick(favorites_, Qt::LeftButton);
        else
            QTest::keySequence(step.startsWith(u"board") ? static_cast<QWidget*>(board_) : chords_,
                               QKeySequence(what));
    }
    const QStringList expected = lowest.split(u' ', Qt::SkipEmptyParts);
    const auto& played = desktop_.output.notes;
    QCOMPARE(played.size(), expected.size());
    for (qsizetype i = 0; i < played.size(); ++i) {
        // Over 10 ms from the end of the fade-in, before the second string.
        const int rate = played[i].sampleRate;
        const double hz =
            measure::roughFundamental(played[i].samples, rate, rate / 500, rate / 100, 75.0);
        QVERIFY2(std::abs(hz / expected[i].toDouble() - 1.0) < 0.01,
                 qPrintable(QStringLiteral("strum %1 starts at %2 Hz").arg(i).arg(hz)));
    }
}

// A folder in the file's place cannot be read: the message, then an empty
// window; "Favorites" tries the file again.
void tst_ChordFinder::unreadableFile()
{
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("ChordData.txt")));
    open(QByteArray());
    QCOMPARE(desktop_.messages,
             QStringList{QString::fromUtf8(
                 "Akor bilgilerinin bulunduğu ChordData.txt dosyası bulunamadı.")});
    QCOMPARE(groups_->count(), 0);
    QVERIFY(description_->text().isEmpty());
    QVERIFY(accessibleText(board_, QAccessible::Description).isEmpty());
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(desktop_.messages.size(), 2);
}

// The keyboard starts in "Chords" and Tab walks the window; the board is one
// control, marked round its edge when it has the focus, whose arrows move
// through the strings for assistive technology alone; Escape closes the
// window.
void tst_ChordFinder::keyboardWalk()
{
    open();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(board_);
    QCOMPARE(board->childCount(), 6);
    QWidget* first = QApplication::focusWidget();
    board_->setFocus(); // no key pressed yet: no mark
    QCOMPARE(markDots(board_), 0);

    first->setFocus();
    QStringList walk;
    for (int k = 0; k < 6; ++k) {
        walk += accessibleText(QApplication::focusWidget(), QAccessible::Name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walk,
             (QStringList{"Chords", "Fingering", "Chord groups", "Favorites", "Close", "Chords"}));
    QVERIFY(board_->hasFocus());
    QVERIFY(markDots(board_) > 0);
    const QRect inside = board_->childrenRect().adjusted(1, 1, -1, -1);
    const QImage focused = board_->grab(inside).toImage();
    QCOMPARE(board->focusChild(), nullptr); // the board itself until an arrow
    QTest::keyClick(board_, Qt::Key_Right);
    QTest::keyClick(board_, Qt::Key_Down);
    QCOMPARE(board_->grab(inside).toImage(), focused);
    QVERIFY(board->focusChild());
    QCOMPARE(board->focusChild()->text(QAccessible::Name), QStringLiteral("A string, fret 3, C 3"));
    QVERIFY(board->focusChild()->state().focused);
    QTest::keyClick(board_, Qt::Key_Left);
    QTest::keyClick(board_, Qt::Key_Left); // stops at the low E string
    QCOMPARE(board->indexOfChild(board->focusChild()), 0);
    chords_->setFocus();
    QCOMPARE(board_->grab(inside).toImage(), focused);

    QTest::keyClick(board_, Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
}

void tst_ChordFinder::wholeRowsHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("shown");
    QTest::newRow("whole rows already") << 86 << 14 << 1 << 86;
    QTest::newRow("a pixel short of a row") << 85 << 14 << 1 << 72;
    QTest::newRow("lower than a row: one row") << 10 << 14 << 1 << 16;
    QTest::newRow("frame of 2: five rows in 81 pixels") << 85 << 14 << 2 << 74;
    QTest::newRow("no row height known") << 93 << 0 << 1 << 93;
}

void tst_ChordFinder::wholeRowsHeight()
{
    QFETCH(int, height);
    QFETCH(int, rowHeight);
    QFETCH(int, frameWidth);
    QTEST(::wholeRowsHeight(height, rowHeight, frameWidth), "shown");
}

// Rows of 14 pixels in a frame of 1: six rows fit the laid-out 93 pixels.
void tst_ChordFinder::listsShowWholeRows()
{
    open();
    QCOMPARE(groups_->geometry(), QRect(22, 152, 161, 86));
    QCOMPARE(chords_->geometry(), QRect(197, 152, 177, 86));
}

QTEST_MAIN(tst_ChordFinder)
#include "tst_chordfinder.moc"
