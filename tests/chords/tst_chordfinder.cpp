#include "ActionLabel.h"
#include "ChordDisplay.h"
#include "ChordFinderWindow.h"
#include "ChordLine.h"
#include "ChordLists.h"
#include "Look.h"

#include "FakeDesktop.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using Cell = std::pair<int, int>; // string, fret (0 = open-string piece)
using Marks = std::map<Cell, Picture>;
Q_DECLARE_METATYPE(Marks)

namespace {

// A board that remembers the marked cells.
struct FakeBoard : ChordBoard
{
    bool isMarked(int string, int fret) const override { return marks.count({string, fret}); }
    void setCell(int string, int fret, Picture picture, bool marked) override
    {
        if (marked)
            marks[{string, fret}] = picture;
        else
            marks.erase({string, fret});
    }
    Marks marks;
};

ChordRecord fingering(std::array<std::int16_t, 6> frets, std::int16_t from = 0, std::int16_t to = 0,
                      std::int16_t fret = 0)
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

QWidget* nextTabStop(QWidget* widget)
{
    QWidget* w = widget->nextInFocusChain();
    while (w != widget && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
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
    void groupEntries();
    void steps_data();
    void steps();
    void unreadableFile();
    void tabGoesFromChordsToGroups();

private:
    void open(const QByteArray& library = Library);
    QTemporaryDir dir_;
    platform::FakeDesktop desktop_;
    ChordFinderWindow* window_ = nullptr;
    QListWidget* groups_ = nullptr;
    QListWidget* chords_ = nullptr;
    QLabel* description_ = nullptr;
    ActionLabel* favorites_ = nullptr;
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
    QVERIFY(groups_ && chords_ && description_ && favorites_);
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
    FakeBoard board;
    board.marks = {{{1, 12}, Dot}, {{3, 0}, Cross}}; // the previous chord's marks go
    ::drawChord(chord, board);
    QCOMPARE(board.marks, marks);
}

void tst_ChordFinder::groupEntries()
{
    const std::vector<ChordRecord> chords{named("", "a"), named("Major", "C"), named("Minor", "Am"),
                                          named("Major", "G"), named("", "b")};
    QCOMPARE(::groupEntries(chords), (QStringList{"Major", "Minor", "Major", ""}));
    QCOMPARE(chordNames(chords, "Major"), (QStringList{"C", "G"}));
}

// What the window shows after a few steps: "group N" and "chord N" select a
// row as a click does, "favorites" clicks the switch.
void tst_ChordFinder::steps_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("groupCount");
    QTest::addColumn<int>("chordRow");
    QTest::addColumn<QString>("description");
    const QByteArray noFavorites = Library.left(Library.indexOf("!F"));
    const QByteArray sameNameTwice =
        chordLine("!C", 1, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "first") + "\r\n" +
        chordLine("!C", 2, "Minor", "Am", {5, 5, 5, 7, 7, 5}, "second", 1, 6, 5);
    QTest::newRow("opening") << Library << QStringList{} << 3 << 0 << "C major";
    QTest::newRow("group change keeps the row, not the chord")
        << Library << QStringList{"chord 1", "group 1"} << 3 << 1 << "E minor";
    QTest::newRow("row one past the new group's end: its last")
        << Library << QStringList{"chord 2", "group 1"} << 3 << 1 << "E minor";
    QTest::newRow("favorites") << Library << QStringList{"favorites"} << 1 << 0 << "E major";
    QTest::newRow("favorites and back")
        << Library << QStringList{"chord 2", "favorites", "favorites"} << 3 << 0 << "C major";
    QTest::newRow("no favorites: the chord shown stays")
        << noFavorites << QStringList{"chord 2", "favorites", "chord 0"} << 0 << 0 << "F barre";
    QTest::newRow("same name twice: the later")
        << sameNameTwice << QStringList{} << 1 << 0 << "second";
}

void tst_ChordFinder::steps()
{
    QFETCH(QByteArray, library);
    QFETCH(QStringList, steps);
    open(library);
    for (const QString& step : steps) {
        const int row = step.section(u' ', 1).toInt();
        if (step.startsWith(u"group"))
            groups_->setCurrentRow(row);
        else if (step.startsWith(u"chord"))
            chords_->setCurrentRow(row);
        else
            QTest::mouseClick(favorites_, Qt::LeftButton);
    }
    QTEST(groups_->count(), "groupCount");
    QTEST(chords_->currentRow(), "chordRow");
    QTEST(description_->text(), "description");
    QCOMPARE(desktop_.messages.size(), 0);
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
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(desktop_.messages.size(), 2);
}

void tst_ChordFinder::tabGoesFromChordsToGroups()
{
    open();
    QCOMPARE(nextTabStop(chords_), groups_);
}

QTEST_MAIN(tst_ChordFinder)
#include "tst_chordfinder.moc"
