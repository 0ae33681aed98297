#include "ActionLabel.h"
#include "ChordDisplay.h"
#include "ChordFile.h"
#include "ChordFinderWindow.h"
#include "ChordLine.h"
#include "ChordLists.h"
#include "FretboardView.h"
#include "Look.h"
#include "Palette.h"

#include "FakeDesktop.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using Cell = std::pair<int, int>; // string, fret (0 = open-string piece)
using Marks = std::map<Cell, CellPicture>;
Q_DECLARE_METATYPE(Marks)

namespace {

// A board that remembers the marked cells and counts picture assignments.
class FakeBoard : public ChordBoard
{
public:
    bool IsMarked(int string, int fret) const override { return marks.count({string, fret}); }
    void SetCell(int string, int fret, CellPicture picture, bool marked) override
    {
        ++assignments;
        if (marked)
            marks[{string, fret}] = picture;
        else
            marks.erase({string, fret});
    }
    Marks marks;
    int assignments = 0;
};

ChordRecord Chord(std::array<std::int16_t, 6> frets, int from = 0, int to = 0, int fret = 0)
{
    ChordRecord c;
    c.Frets = frets;
    c.BarreFrom = static_cast<std::int16_t>(from);
    c.BarreTo = static_cast<std::int16_t>(to);
    c.BarreFret = static_cast<std::int16_t>(fret);
    return c;
}

ChordRecord Named(const QString& group, const QString& name)
{
    ChordRecord c;
    c.Group = group;
    c.Name = name;
    return c;
}

constexpr auto Dot = CellPicture::Dot;
constexpr auto Start = CellPicture::BarreStart;
constexpr auto Middle = CellPicture::BarreMiddle;
constexpr auto End = CellPicture::BarreEnd;

// The marked cells of the window's fretboard.
std::set<Cell> MarkedCells(const FretboardView* board)
{
    std::set<Cell> cells;
    for (int s = 1; s <= 6; ++s) {
        if (board->openMarked(s))
            cells.insert({s, 0});
        for (int f = 1; f <= 12; ++f) {
            if (board->cellMarked(s, f))
                cells.insert({s, f});
        }
    }
    return cells;
}

QWidget* NextTabStop(QWidget* widget)
{
    for (QWidget* w = widget->nextInFocusChain(); w != widget; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            return w;
    }
    return widget;
}

const std::set<Cell> OpenC{{2, 1}, {4, 2}, {5, 3}, {6, 0}};

} // namespace

class tst_ChordFinder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void drawChord_data();
    void drawChord();
    void chordChangeTouchesOnlyMarkedCells();
    void groupEntries();

    void openingShowsFirstChordOfFirstGroup();
    void groupRunsListAllChordsOfTheGroup();
    void chordPositionKeptAcrossGroups();
    void duplicateShowsLaterRecord();
    void favouritesToggle();
    void toggleToEmptySetKeepsWhatIsShown();
    void unreadableFile_data();
    void unreadableFile();
    void chordChangeInWindowCountsAssignments();
    void fretsOffTheBoardAreSkipped();
    void mouseClickOnChord();
    void layoutRules();

private:
    void WriteFile(const QByteArray& bytes);
    void Open();
    QTemporaryDir dir_;
    platform::FakeDesktop desktop_;
    QPointer<ChordFinderWindow> window_;
    QListWidget* groups_ = nullptr;
    QListWidget* chords_ = nullptr;
    QLabel* desc_ = nullptr;
    ActionLabel* favorites_ = nullptr;
    FretboardView* board_ = nullptr;
};

const QByteArray Library =
    ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major") + "\r\n" +
    ChordLine("!C", 2, "Major", "D", {2, 3, 2, 0, -1, -1}, "D major") + "\r\n" +
    ChordLine("!C", 3, "Major", "F", {1, 1, 2, 3, 3, 1}, "F barre", 1, 6, 1) + "\r\n" +
    ChordLine("!C", 4, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "A minor") + "\r\n" +
    ChordLine("!C", 5, "Minor", "Em", {0, 0, 0, 2, 2, 0}, "E minor") + "\r\n" +
    ChordLine("!C", 6, "Major", "G", {3, 0, 0, 0, 2, 3}, "G major") + "\r\n" +
    ChordLine("!F", 1, "Easy", "E", {0, 0, 1, 2, 2, 0}, "E major") + "\r\n";

void tst_ChordFinder::initTestCase()
{
    look::installFontSubstitutions();
    QVERIFY(dir_.isValid());
    desktop_.setProgramFolder(dir_.path());
}

void tst_ChordFinder::init()
{
    desktop_.messages.clear();
    WriteFile(Library);
}

void tst_ChordFinder::cleanup()
{
    delete window_;
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
}

void tst_ChordFinder::WriteFile(const QByteArray& bytes)
{
    QFile file(dir_.filePath(QStringLiteral("ChordData.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void tst_ChordFinder::Open()
{
    window_ = new ChordFinderWindow(desktop_);
    groups_ = window_->findChild<QListWidget*>(QStringLiteral("lstGroup"));
    chords_ = window_->findChild<QListWidget*>(QStringLiteral("lstChord"));
    desc_ = window_->findChild<QLabel*>(QStringLiteral("lblDesc"));
    favorites_ = window_->findChild<ActionLabel*>(QStringLiteral("lblFavorites"));
    board_ = window_->findChild<FretboardView*>();
    QVERIFY(groups_ && chords_ && desc_ && favorites_ && board_);
}

void tst_ChordFinder::drawChord_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<Marks>("marks");
    const auto cross = CellPicture::Cross;
    QTest::newRow("open chord") << Chord({0, 1, 0, 2, 3, -1})
                                << Marks{{{2, 1}, Dot},
                                         {{4, 2}, Dot},
                                         {{5, 3}, Dot},
                                         {{6, 0}, cross}};
    QTest::newRow("full barre replaces dots")
        << Chord({1, 1, 2, 3, 3, 1}, 1, 6, 1)
        << Marks{{{1, 1}, Start},  {{2, 1}, Middle}, {{3, 1}, Middle},
                 {{4, 1}, Middle}, {{5, 1}, Middle}, {{6, 1}, End},
                 {{3, 2}, Dot},    {{4, 3}, Dot},    {{5, 3}, Dot}};
    QTest::newRow("barre on one string")
        << Chord({-1, -1, 5, -1, -1, -1}, 3, 3, 5)
        << Marks{{{1, 0}, cross}, {{2, 0}, cross}, {{3, 5}, Start},
                 {{4, 0}, cross}, {{5, 0}, cross}, {{6, 0}, cross}};
    QTest::newRow("barre upside down")
        << Chord({0, 0, 0, 0, 0, 0}, 5, 2, 4) << Marks{{{5, 4}, Start}, {{2, 4}, End}};
    QTest::newRow("no barre fret") << Chord({0, 0, 0, 0, 0, 0}, 1, 6, 0) << Marks{};
    QTest::newRow("barre from string 0") << Chord({0, 0, 0, 0, 0, 0}, 0, 6, 2)
                                         << Marks{{{2, 2}, Middle},
                                                  {{3, 2}, Middle},
                                                  {{4, 2}, Middle},
                                                  {{5, 2}, Middle},
                                                  {{6, 2}, End}};
    QTest::newRow("off the board skipped")
        << Chord({13, -2, 12, -1, 0, 99}, 1, 6, 13) << Marks{{{3, 12}, Dot}, {{4, 0}, cross}};
    QTest::newRow("negative barre fret") << Chord({0, 0, 0, 0, 0, 0}, 1, 6, -3) << Marks{};
}

void tst_ChordFinder::drawChord()
{
    QFETCH(ChordRecord, chord);
    QFETCH(Marks, marks);
    FakeBoard board;
    DrawChord(chord, board);
    QCOMPARE(board.marks, marks);
    DrawChord(chord, board); // drawing twice looks like drawing once
    QCOMPARE(board.marks, marks);
}

void tst_ChordFinder::chordChangeTouchesOnlyMarkedCells()
{
    const ChordRecord x = Chord({0, 1, 0, 2, 3, -1});          // C: 3 dots, 1 cross
    const ChordRecord y = Chord({2, 4, 4, 4, 2, -1}, 1, 5, 2); // B barre
    FakeBoard fresh;
    DrawChord(y, fresh);

    FakeBoard board;
    DrawChord(x, board);
    board.assignments = 0;
    DrawChord(y, board);
    QCOMPARE(board.marks, fresh.marks);
    // Four cells of C are cleared, then B is drawn as on an empty board.
    QCOMPARE(board.assignments, 4 + fresh.assignments);
}

void tst_ChordFinder::groupEntries()
{
    const std::vector<ChordRecord> chords{Named("", "a"),      Named("Major", "C"),
                                          Named("Major", "D"), Named("Minor", "Am"),
                                          Named("Major", "G"), Named("", "b")};
    QCOMPARE(GroupEntries(chords), (QStringList{"Major", "Minor", "Major", ""}));
    QCOMPARE(ChordNames(chords, "Major"), (QStringList{"C", "D", "G"}));
}

void tst_ChordFinder::openingShowsFirstChordOfFirstGroup()
{
    Open();
    QCOMPARE(desktop_.messages.size(), 0);
    QCOMPARE(groups_->count(), 3);
    QCOMPARE(groups_->currentRow(), 0);
    QCOMPARE(chords_->count(), 4);
    QCOMPARE(chords_->currentItem()->text(), "C");
    QCOMPARE(desc_->text(), "C major");
    QCOMPARE(MarkedCells(board_), OpenC);
}

void tst_ChordFinder::groupRunsListAllChordsOfTheGroup()
{
    Open();
    QStringList groups;
    for (int i = 0; i < groups_->count(); ++i)
        groups << groups_->item(i)->text();
    QCOMPARE(groups, (QStringList{"Major", "Minor", "Major"}));
    groups_->setCurrentRow(2);
    QStringList names;
    for (int i = 0; i < chords_->count(); ++i)
        names << chords_->item(i)->text();
    QCOMPARE(names, (QStringList{"C", "D", "F", "G"}));
}

void tst_ChordFinder::chordPositionKeptAcrossGroups()
{
    Open();
    chords_->setCurrentRow(3);
    QCOMPARE(desc_->text(), "G major");
    groups_->setCurrentRow(1); // two chords: the last one
    QCOMPARE(chords_->currentRow(), 1);
    QCOMPARE(desc_->text(), "E minor");
    groups_->setCurrentRow(0); // the position, not the chord, is kept
    QCOMPARE(chords_->currentRow(), 1);
    QCOMPARE(desc_->text(), "D major");
}

void tst_ChordFinder::duplicateShowsLaterRecord()
{
    WriteFile(ChordLine("!C", 1, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "first") + "\r\n" +
              ChordLine("!C", 2, "Minor", "Am", {5, 5, 5, 7, 7, 5}, "second", 1, 6, 5));
    Open();
    QCOMPARE(chords_->count(), 2);
    QCOMPARE(chords_->currentRow(), 0);
    QCOMPARE(desc_->text(), "second");
    QVERIFY(board_->cellMarked(6, 5));
}

void tst_ChordFinder::favouritesToggle()
{
    Open();
    QCOMPARE(favorites_->palette().color(QPalette::WindowText), QColor(palette::Action));
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(favorites_->palette().color(QPalette::WindowText), QColor(palette::SwitchOn));
    QCOMPARE(groups_->count(), 1);
    QCOMPARE(groups_->item(0)->text(), "Easy");
    QCOMPARE(desc_->text(), "E major");
    QCOMPARE(MarkedCells(board_), (std::set<Cell>{{3, 1}, {4, 2}, {5, 2}}));
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(favorites_->palette().color(QPalette::WindowText), QColor(palette::Action));
    QCOMPARE(groups_->count(), 3);
    QCOMPARE(desc_->text(), "C major");
    QCOMPARE(desktop_.messages.size(), 0);
}

void tst_ChordFinder::toggleToEmptySetKeepsWhatIsShown()
{
    WriteFile(Library.left(Library.indexOf("!F")));
    Open();
    chords_->setCurrentRow(2);
    QCOMPARE(desc_->text(), "F barre");
    const std::set<Cell> shown = MarkedCells(board_);
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(groups_->count(), 0);
    QCOMPARE(chords_->count(), 4);
    QCOMPARE(desc_->text(), "F barre");
    QCOMPARE(MarkedCells(board_), shown);
    chords_->setCurrentRow(0); // finds no record: nothing changes
    QCOMPARE(desc_->text(), "F barre");
    QCOMPARE(MarkedCells(board_), shown);
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(groups_->count(), 3);
    QCOMPARE(desktop_.messages.size(), 0);
}

void tst_ChordFinder::unreadableFile_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::newRow("missing") << false;
    QTest::newRow("a folder of that name") << true;
}

void tst_ChordFinder::unreadableFile()
{
    QFETCH(bool, folderInstead);
    QFile::remove(dir_.filePath(QStringLiteral("ChordData.txt")));
    if (folderInstead)
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("ChordData.txt")));
    Open();
    QCOMPARE(desktop_.messages.size(), 1);
    QCOMPARE(desktop_.messages.last(),
             QString::fromUtf8("Akor bilgilerinin bulunduğu ChordData.txt dosyası bulunamadı."));
    QCOMPARE(groups_->count(), 0);
    QCOMPARE(chords_->count(), 0);
    QVERIFY(desc_->text().isEmpty());
    QVERIFY(MarkedCells(board_).empty());
    QTest::mouseClick(favorites_, Qt::LeftButton);
    QCOMPARE(desktop_.messages.size(), 2);
    QVERIFY(window_);
}

void tst_ChordFinder::chordChangeInWindowCountsAssignments()
{
    Open();
    int assignments = 0;
    connect(board_, &FretboardView::cellPictureSet, this, [&] { ++assignments; });
    connect(board_, &FretboardView::openPictureSet, this, [&] { ++assignments; });
    chords_->setCurrentRow(1); // C (3 dots, 1 cross) to D (3 dots, 2 crosses)
    QCOMPARE(desc_->text(), "D major");
    QCOMPARE(assignments, 4 + 5);
    QCOMPARE(MarkedCells(board_), (std::set<Cell>{{1, 2}, {2, 3}, {3, 2}, {5, 0}, {6, 0}}));
}

void tst_ChordFinder::fretsOffTheBoardAreSkipped()
{
    WriteFile(ChordLine("!C", 1, "Odd", "X", {13, 99, 5, -1, -5, 0}, "odd", 1, 6, 14));
    Open();
    QCOMPARE(desc_->text(), "odd");
    QCOMPARE(MarkedCells(board_), (std::set<Cell>{{3, 5}, {4, 0}}));
}

void tst_ChordFinder::mouseClickOnChord()
{
    Open();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    const QRect item = chords_->visualItemRect(chords_->item(2));
    QTest::mouseClick(chords_->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(desc_->text(), "F barre");
    QCOMPARE(board_->cellMarked(1, 1), true);
}

void tst_ChordFinder::layoutRules()
{
    Open();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(NextTabStop(chords_), groups_);
    const auto* editor = window_->findChild<QLabel*>(QStringLiteral("lblChordEditor"));
    QVERIFY(editor && !editor->isVisible());
    QVERIFY(groups_->geometry().bottom() < window_->height());
    QVERIFY(!groups_->geometry().intersects(board_->geometry()));

    QTest::mouseClick(window_->findChild<ActionLabel*>(QStringLiteral("lblClose")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window_);
}

QTEST_MAIN(tst_ChordFinder)
#include "tst_chordfinder.moc"
