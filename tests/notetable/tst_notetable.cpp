#include "CellTags.h"
#include "CurrentNote.h"
#include "FretboardView.h"
#include "Resources.h"
#include "Look.h"
#include "StaffGeometry.h"
#include "NoteTableWindow.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>

namespace {

const char* const ArrayNames[] = {"E", "B", "G", "D", "A", "Es"};

// Applies one step to a note: 'T' a cell tag, 'P' a staff position, 'f'/'s'
// the flat/sharp toggles, 'N', 'S', 'F' the menu items Normal, Sharp and Flat.
void applyStep(CurrentNote& note, char op, const QString& arg)
{
    switch (op) {
    case 'T':
        note.SelectFromTag(arg);
        break;
    case 'P':
        note.SetStaffPosition(arg.toInt());
        break;
    case 'f':
        note.SwitchToFlatNaming();
        break;
    case 's':
        note.SwitchToSharpNaming();
        break;
    case 'N':
        note.PutNatural();
        break;
    case 'S':
        note.PutSharp();
        break;
    case 'F':
        note.PutFlat();
        break;
    }
}

// Runs a script of steps ("T<tag>", "P<n>", "f", ...) separated by ';'.
CurrentNote run(const QString& script)
{
    CurrentNote note;
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        applyStep(note, step.at(0).toLatin1(), step.mid(1));
    return note;
}

// The invariants every operation keeps; empty when they hold.
QString brokenInvariant(const CurrentNote& n, bool chosen)
{
    const int expectedType = !n.HasAccidental ? 0 : n.FlatMode ? 2 : 1;
    if (n.NoteType != expectedType)
        return QStringLiteral("NoteType %1, expected %2").arg(n.NoteType).arg(expectedType);
    if (!chosen || n.StaffPos < 1 || n.StaffPos > 26)
        return {};
    const QString letter = notes::StaffLetter(n.StaffPos);
    const QString expected = n.HasAccidental && n.FlatMode ? notes::PreviousLetter(letter) : letter;
    if (n.BaseLetter != expected)
        return QStringLiteral("BaseLetter %1 at %2, expected %3")
            .arg(n.BaseLetter)
            .arg(n.StaffPos)
            .arg(expected);
    // The key always names the sharp-name position of the base letter.
    if (n.HasAccidental && notes::StaffLetter(n.Key().position) != n.BaseLetter &&
        n.Key().position >= 1)
        return QStringLiteral("key position %1 does not hold %2")
            .arg(n.Key().position)
            .arg(n.BaseLetter);
    return {};
}

bool samePicture(const QPixmap& a, const QPixmap& b)
{
    return a.toImage() == b.toImage();
}

} // namespace

class tst_notetable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The note rules, without a window.
    void noteRules_data();
    void noteRules();
    void randomOperationsKeepInvariants();
    void staffPosition_data();
    void staffPosition();
    void headTopOfFarPositions();

    // The window, driven through its widgets.
    void opensAfresh();
    void cellClick_data();
    void cellClick();
    void flatToggleKeepsCells();
    void menuOnNotes_data();
    void menuOnNotes();
    void menuBeforeAnySelection();
    void rightPressOpensMenu();
    void otherButtonsDoNothing();
    void staffPress_data();
    void staffPress();
    void pressOnVisibleHead();
    void signFollowsHead();
    void topNoteCutAtEdge();
    void reopenResets();

private:
    QWidget* child(const char* name) const;
    QWidget* cell(int string, int fret) const;
    QStringList marked(const QString& kind) const;
    void clickCell(int string, int fret);
    void pressStaff(double y, Qt::MouseButton button = Qt::LeftButton, int x = 60);
    void choose(QAction* item);
    QAction* menuItem(const char* name) const;

    QPointer<NoteTableWindow> window_;
    QPixmap plain_, red_, brown_;
};

void tst_notetable::initTestCase()
{
    look::installFontSubstitutions();
    plain_ = loadPicture(Picture::PlainCell);
    red_ = loadPicture(Picture::ClickedCell);
    brown_ = loadPicture(Picture::MatchingCell);
    QVERIFY2(!samePicture(plain_, red_) && !samePicture(red_, brown_),
             "the three cell pictures must differ");
}

void tst_notetable::init()
{
    window_ = new NoteTableWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void tst_notetable::cleanup()
{
    delete window_;
}

QWidget* tst_notetable::child(const char* name) const
{
    return window_->findChild<QWidget*>(QLatin1String(name));
}

QWidget* tst_notetable::cell(int string, int fret) const
{
    return window_->findChild<FretboardView*>()->cellWidget(string, fret);
}

QAction* tst_notetable::menuItem(const char* name) const
{
    return window_->findChild<QAction*>(QLatin1String(name));
}

// The cells showing a picture: "red", "brown" or "marked" (flag set).
QStringList tst_notetable::marked(const QString& kind) const
{
    const auto* board = window_->findChild<FretboardView*>();
    QStringList cells;
    for (int s = 1; s <= 6; ++s) {
        for (int f = 0; f <= 19; ++f) {
            const QPixmap shown = board->cellPicture(s, f);
            const bool match = kind == u"red"     ? samePicture(shown, red_)
                               : kind == u"brown" ? samePicture(shown, brown_)
                                                  : board->cellMarked(s, f);
            if (match)
                cells << QStringLiteral("%1(%2)").arg(QLatin1String(ArrayNames[s - 1])).arg(f);
        }
    }
    cells.sort();
    return cells;
}

void tst_notetable::clickCell(int string, int fret)
{
    QWidget* target = cell(string, fret);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(13, 8));
}

void tst_notetable::pressStaff(double y, Qt::MouseButton button, int x)
{
    QTest::mousePress(child("picStave"), button, {}, QPoint(x, int(y)));
    QTest::mouseRelease(child("picStave"), button, {}, QPoint(x, int(y)));
}

// Picks an item of the popup menu the way a user does: right press on the
// staff, then a click on the item.
void tst_notetable::choose(QAction* item)
{
    QVERIFY(item);
    pressStaff(75, Qt::RightButton);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("mnuMain"));
    QVERIFY(menu && menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());
}

void tst_notetable::noteRules_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("staffPos");
    QTest::addColumn<int>("keyPos");
    QTest::addColumn<QString>("keySign");
    QTest::addColumn<int>("noteType");
    QTest::addColumn<bool>("flatMode");

    QTest::newRow("no note") << ""
                             << "" << 50 << 50 << " " << 0 << false;
    QTest::newRow("open high E") << "T15, ,E"
                                 << "E" << 15 << 15 << " " << 0 << false;
    QTest::newRow("G sharp") << "T10,#,G"
                             << "G#" << 10 << 10 << "#" << 1 << false;
    QTest::newRow("G sharp, then flat naming") << "T10,#,G;f"
                                               << "Ab" << 11 << 10 << "#" << 2 << true;
    QTest::newRow("flat naming twice") << "T10,#,G;f;f"
                                       << "Ab" << 11 << 10 << "#" << 2 << true;
    QTest::newRow("raised cell in flat naming") << "f;T10,#,G"
                                                << "Ab" << 11 << 10 << "#" << 2 << true;
    QTest::newRow("natural cell in flat naming") << "f;T13, ,C"
                                                 << "C" << 13 << 13 << " " << 0 << true;
    QTest::newRow("back to sharp naming") << "f;T10,#,G;s"
                                          << "G#" << 10 << 10 << "#" << 1 << false;
    QTest::newRow("sharp naming twice") << "T10,#,G;s"
                                        << "G#" << 10 << 10 << "#" << 1 << false;
    QTest::newRow("Sharp before any note") << "S"
                                           << "#" << 50 << 50 << "#" << 1 << false;
    QTest::newRow("Flat before any note") << "F"
                                          << "b" << 50 << 49 << "#" << 2 << true;
    QTest::newRow("E made flat") << "T15, ,E;F"
                                 << "Eb" << 15 << 14 << "#" << 2 << true;
    QTest::newRow("F made flat") << "T16, ,F;F"
                                 << "Fb" << 16 << 15 << "#" << 2 << true;
    QTest::newRow("E made sharp") << "T15, ,E;S"
                                  << "E#" << 15 << 15 << "#" << 1 << false;
    QTest::newRow("B made sharp") << "T12, ,B;S"
                                  << "B#" << 12 << 12 << "#" << 1 << false;
    QTest::newRow("D made flat") << "T07, ,D;F"
                                 << "Db" << 7 << 6 << "#" << 2 << true;
    QTest::newRow("C sharp made flat") << "T13,#,C;F"
                                       << "Cb" << 13 << 12 << "#" << 2 << true;
    QTest::newRow("D flat made sharp") << "T07, ,D;F;S"
                                       << "D#" << 7 << 7 << "#" << 1 << false;
    QTest::newRow("D flat made natural") << "T07, ,D;F;N"
                                         << "D" << 7 << 7 << " " << 0 << true;
    QTest::newRow("Flat on a flat note") << "f;T10,#,G;F"
                                         << "Ab" << 11 << 10 << "#" << 2 << true;
    QTest::newRow("Sharp on a sharp note") << "T10,#,G;S"
                                           << "G#" << 10 << 10 << "#" << 1 << false;
    QTest::newRow("Normal on a natural note") << "T15, ,E;N"
                                              << "E" << 15 << 15 << " " << 0 << false;
    QTest::newRow("Normal keeps flat naming") << "T10,#,G;f;N;T07,#,D"
                                              << "Eb" << 8 << 7 << "#" << 2 << true;
    QTest::newRow("sharp note moved to E") << "T13,#,C;P8"
                                           << "E#" << 8 << 8 << "#" << 1 << false;
    QTest::newRow("flat note moved to the G line") << "f;T10,#,G;P10"
                                                   << "Gb" << 10 << 9 << "#" << 2 << true;
    QTest::newRow("natural moved") << "T15, ,E;P3"
                                   << "G" << 3 << 3 << " " << 0 << false;
    QTest::newRow("position off the board keeps the letter") << "T15, ,E;P0"
                                                             << "E" << 0 << 0 << " " << 0 << false;
    QTest::newRow("top B sharp shown flat") << "P26;S;f"
                                            << "Cb" << 27 << 26 << "#" << 2 << true;
}

void tst_notetable::noteRules()
{
    QFETCH(QString, script);
    QFETCH(QString, name);
    QFETCH(int, staffPos);
    QFETCH(int, keyPos);
    QFETCH(QString, keySign);
    QFETCH(int, noteType);
    QFETCH(bool, flatMode);
    const CurrentNote note = run(script);
    QCOMPARE(note.Name(), name);
    QCOMPARE(note.StaffPos, staffPos);
    QCOMPARE(note.Key().position, keyPos);
    QCOMPARE(note.Key().accidental, keySign.at(0));
    QCOMPARE(int(note.NoteType), noteType);
    QCOMPARE(note.FlatMode, flatMode);
}

// Walks many random sequences of every operation and checks the invariants
// after each step.
void tst_notetable::randomOperationsKeepInvariants()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const char ops[] = "TPfsNSF";
    for (int walk = 0; walk < 2000; ++walk) {
        CurrentNote note;
        bool chosen = false;
        QString trail;
        for (int step = 0; step < 30; ++step) {
            const char op = ops[random.bounded(7)];
            QString arg;
            if (op == 'T')
                arg = notes::CellTag(random.bounded(1, 7), random.bounded(0, 20));
            else if (op == 'P')
                arg = QString::number(random.bounded(1, 27));
            applyStep(note, op, arg);
            chosen = chosen || op == 'T' || op == 'P';
            trail += QLatin1Char(op) + arg + QLatin1Char(';');
            const QString broken = brokenInvariant(note, chosen);
            QVERIFY2(
                broken.isEmpty(),
                qPrintable(QStringLiteral("seed %1, after %2: %3").arg(seed).arg(trail, broken)));
            // Replaying the trail gives the same note: no hidden state.
            if (step == 29)
                QCOMPARE(run(trail).Name(), note.Name());
        }
    }
}

void tst_notetable::staffPosition_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("position");
    QTest::newRow("top edge") << 0.0 << 26;
    QTest::newRow("13") << 13.0 << 26;
    QTest::newRow("just above 14") << 13.99 << 26;
    QTest::newRow("14") << 14.0 << 25;
    QTest::newRow("17") << 17.0 << 25;
    QTest::newRow("17.5, halfway goes even") << 17.5 << 24;
    QTest::newRow("18") << 18.0 << 24;
    QTest::newRow("22.5, halfway goes even") << 22.5 << 24;
    QTest::newRow("top line") << 60.0 << 16;
    QTest::newRow("top space") << 65.0 << 15;
    QTest::newRow("bottom line") << 100.0 << 8;
    QTest::newRow("133") << 133.0 << 1;
    QTest::newRow("135") << 135.0 << 1;
    QTest::newRow("bottom edge") << 149.0 << 1;
    QTest::newRow("below the picture") << 400.0 << 1;
    QTest::newRow("above the picture") << -20.0 << 26;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 26;
}

void tst_notetable::staffPosition()
{
    QFETCH(double, y);
    QFETCH(int, position);
    QCOMPARE(staff::PositionAt(y), position);
}

// Positions far off the board (reachable only by walking the naming toggles
// and the menu for ever) still give a defined top out of sight.
void tst_notetable::headTopOfFarPositions()
{
    QCOMPARE(staff::HeadTop(std::numeric_limits<int>::min()), 100000);
    QCOMPARE(staff::HeadTop(std::numeric_limits<int>::max()), -100000);
}

void tst_notetable::opensAfresh()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Note table"));
    QCOMPARE(window_->size(), QSize(603, 369));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QString());
    QVERIFY(marked("marked").isEmpty());
    QCOMPARE(window_->currentNote().StaffPos, 50);
    auto* sharp = qobject_cast<QLabel*>(child("imgSharp"));
    auto* flat = qobject_cast<QLabel*>(child("imgFlat"));
    QVERIFY(samePicture(sharp->pixmap(), loadPicture(Picture::SharpOn)));
    QVERIFY(samePicture(flat->pixmap(), loadPicture(Picture::FlatOff)));
    QCOMPARE(sharp->toolTip(), QStringLiteral("Sharp"));
    QCOMPARE(flat->toolTip(), QStringLiteral("Flat"));
    QCOMPARE(child("picStave")->toolTip(), QStringLiteral("Right click for note type"));
    // The head and sign wait below the staff's visible part.
    QVERIFY(child("ImgNote")->y() >= child("picStave")->height());
    QVERIFY(child("imgNoteType")->y() >= child("picStave")->height());
    QCOMPARE(qobject_cast<QLabel*>(child("lblTop(0)"))->text(), QStringLiteral("0"));
    QVERIFY(qobject_cast<QLabel*>(child("lblTop(15)"))->font().bold());
    const auto* menu = window_->findChild<QMenu*>(QStringLiteral("mnuMain"));
    QStringList items;
    for (const QAction* item : menu->actions()) {
        QVERIFY(!item->isCheckable() && item->isEnabled());
        items << item->text();
    }
    QCOMPARE(items, (QStringList{"Normal", "Sharp (#)", "Flat (b)"}));
}

void tst_notetable::cellClick_data()
{
    QTest::addColumn<bool>("flatNaming");
    QTest::addColumn<int>("string");
    QTest::addColumn<int>("fret");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("brown");
    QTest::addColumn<int>("headTop");
    QTest::newRow("open high E") << false << 1 << 0 << "E"
                                 << QStringList{"A(19)", "B(5)", "D(14)", "G(9)"} << 59;
    QTest::newRow("G sharp") << false << 3 << 1 << "G#" << QStringList{"A(11)", "D(6)", "Es(16)"}
                             << 84;
    QTest::newRow("A flat") << true << 3 << 1 << "Ab" << QStringList{"A(11)", "D(6)", "Es(16)"}
                            << 79;
    QTest::newRow("open low E, one cell") << false << 6 << 0 << "E" << QStringList{} << 129;
    QTest::newRow("top B, one cell") << false << 1 << 19 << "B" << QStringList{} << 4;
    QTest::newRow("natural in flat naming")
        << true << 2 << 1 << "C" << QStringList{"A(15)", "D(10)", "G(5)"} << 69;
}

void tst_notetable::cellClick()
{
    QFETCH(bool, flatNaming);
    QFETCH(int, string);
    QFETCH(int, fret);
    QFETCH(QString, name);
    QFETCH(QStringList, brown);
    QFETCH(int, headTop);
    if (flatNaming)
        QTest::mouseClick(child("imgFlat"), Qt::LeftButton, {}, QPoint(5, 5));
    clickCell(string, fret);
    const QString clicked =
        QStringLiteral("%1(%2)").arg(QLatin1String(ArrayNames[string - 1])).arg(fret);
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), name);
    QCOMPARE(marked("red"), QStringList{clicked});
    QCOMPARE(marked("brown"), brown);
    QStringList all = brown + QStringList{clicked};
    all.sort();
    QCOMPARE(marked("marked"), all);
    QCOMPARE(child("ImgNote")->y(), headTop);
}

void tst_notetable::flatToggleKeepsCells()
{
    clickCell(3, 1);
    const int sharpTop = child("ImgNote")->y();
    QTest::mouseClick(child("imgFlat"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("Ab"));
    QCOMPARE(child("ImgNote")->y(), sharpTop - 5);
    QVERIFY(marked("red").isEmpty());
    QCOMPARE(marked("brown"), (QStringList{"A(11)", "D(6)", "Es(16)", "G(1)"}));
    auto* sign = qobject_cast<QLabel*>(child("imgNoteType"));
    QVERIFY(samePicture(sign->pixmap(), loadPicture(Picture::FlatOn)));
    QVERIFY(samePicture(qobject_cast<QLabel*>(child("imgFlat"))->pixmap(),
                        loadPicture(Picture::FlatOn)));
    QVERIFY(samePicture(qobject_cast<QLabel*>(child("imgSharp"))->pixmap(),
                        loadPicture(Picture::SharpOff)));

    // A second click changes nothing, not even the red marker of a new click.
    clickCell(3, 1);
    QTest::mouseClick(child("imgFlat"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(marked("red"), QStringList{"G(1)"});
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("Ab"));

    QTest::mouseClick(child("imgSharp"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("G#"));
    QCOMPARE(child("ImgNote")->y(), sharpTop);
}

void tst_notetable::menuOnNotes_data()
{
    QTest::addColumn<int>("string");
    QTest::addColumn<int>("fret");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("markedCells");
    QTest::newRow("E flat marks the D sharp cells") << 1 << 0 << "mnuFlat"
                                                    << "Eb" << 4;
    QTest::newRow("F flat marks no cell") << 1 << 1 << "mnuFlat"
                                          << "Fb" << 0;
    QTest::newRow("E sharp marks no cell") << 1 << 0 << "mnuSharp"
                                           << "E#" << 0;
    QTest::newRow("B sharp marks no cell") << 2 << 0 << "mnuSharp"
                                           << "B#" << 0;
    QTest::newRow("C sharp made C flat") << 2 << 2 << "mnuFlat"
                                         << "Cb" << 0;
    QTest::newRow("Normal on G sharp") << 3 << 1 << "mnuComp"
                                       << "G" << 4;
}

void tst_notetable::menuOnNotes()
{
    QFETCH(int, string);
    QFETCH(int, fret);
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(int, markedCells);
    clickCell(string, fret);
    const int headTop = child("ImgNote")->y();
    choose(menuItem(qPrintable(item)));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), name);
    QCOMPARE(marked("brown").size(), markedCells);
    QVERIFY(marked("red").isEmpty());
    QCOMPARE(child("ImgNote")->y(), headTop); // the menu never moves the head
}

void tst_notetable::menuBeforeAnySelection()
{
    choose(menuItem("mnuSharp"));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("#"));
    choose(menuItem("mnuFlat"));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("b"));
    QVERIFY(marked("marked").isEmpty());
    QVERIFY(child("ImgNote")->geometry().bottom() < 0);
    QVERIFY(child("imgNoteType")->geometry().bottom() < 0);
}

void tst_notetable::rightPressOpensMenu()
{
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("mnuMain"));
    QWidget* stave = child("picStave");
    QTest::mousePress(stave, Qt::RightButton, {}, QPoint(70, 40));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), stave->mapToGlobal(QPoint(70, 40)));
    QCOMPARE(window_->currentNote().StaffPos, 50); // a right press chooses no note
    menu->close();
}

void tst_notetable::otherButtonsDoNothing()
{
    QTest::mousePress(child("picStave"), Qt::MiddleButton, {}, QPoint(70, 40));
    QCOMPARE(window_->currentNote().StaffPos, 50);
    QVERIFY(!window_->findChild<QMenu*>(QStringLiteral("mnuMain"))->isVisible());
    QTest::mouseClick(cell(1, 3), Qt::RightButton, {}, QPoint(13, 8));
    QVERIFY(marked("marked").isEmpty());
}

void tst_notetable::staffPress_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("headTop");
    QTest::addColumn<int>("markedCells");
    QTest::newRow("y 0") << 0 << "B" << 4 << 1;
    QTest::newRow("y 13") << 13 << "B" << 4 << 1;
    QTest::newRow("y 14") << 14 << "A" << 9 << 1;
    QTest::newRow("y 17") << 17 << "A" << 9 << 1;
    QTest::newRow("y 18") << 18 << "G" << 14 << 1;
    QTest::newRow("top line, F") << 60 << "F" << 54 << 4;
    QTest::newRow("top space, E") << 65 << "E" << 59 << 5;
    QTest::newRow("bottom line, E") << 100 << "E" << 94 << 3;
    QTest::newRow("B line, 12") << 80 << "B" << 74 << 5;
    QTest::newRow("y 133") << 133 << "E" << 129 << 1;
    QTest::newRow("y 149") << 149 << "E" << 129 << 1;
}

void tst_notetable::staffPress()
{
    QFETCH(int, y);
    QFETCH(QString, name);
    QFETCH(int, headTop);
    QFETCH(int, markedCells);
    pressStaff(y);
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), name);
    QCOMPARE(child("ImgNote")->y(), headTop);
    QCOMPARE(child("ImgNote")->x(), 136);
    QCOMPARE(marked("brown").size(), markedCells);
    QVERIFY(marked("red").isEmpty());
    QVERIFY(qobject_cast<QLabel*>(child("imgNoteType"))->pixmap().isNull());
}

void tst_notetable::pressOnVisibleHead()
{
    pressStaff(60);
    QWidget* head = child("ImgNote");
    QCOMPARE(head->y(), 54);
    // A press on the head's lower part picks the space under it, as if the
    // head were not there.
    const QPoint onHead = head->geometry().topLeft() + QPoint(8, 10);
    QCOMPARE(child("picStave")->childAt(onHead), nullptr);
    QTest::mousePress(child("picStave"), Qt::LeftButton, {}, onHead);
    QCOMPARE(window_->currentNote().StaffPos, staff::PositionAt(onHead.y()));
    QCOMPARE(window_->currentNote().StaffPos, 15);
}

void tst_notetable::signFollowsHead()
{
    auto* sign = qobject_cast<QLabel*>(child("imgNoteType"));
    clickCell(2, 2); // C sharp
    QCOMPARE(sign->y(), child("ImgNote")->y() - 4);
    QCOMPARE(sign->x(), 120);
    QVERIFY(samePicture(sign->pixmap(), loadPicture(Picture::SharpOn)));
    // Moved on the staff the note keeps its sharp: E sharp marks no cell.
    pressStaff(100);
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("E#"));
    QVERIFY(marked("brown").isEmpty());
    QCOMPARE(sign->y(), 90);
    choose(menuItem("mnuComp"));
    QVERIFY(sign->pixmap().isNull());
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("E"));
}

void tst_notetable::topNoteCutAtEdge()
{
    pressStaff(5);
    choose(menuItem("mnuSharp"));
    QTest::mouseClick(child("imgFlat"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("Cb"));
    QCOMPARE(window_->currentNote().StaffPos, 27);
    QCOMPARE(child("ImgNote")->y(), -1);
    QVERIFY(marked("brown").isEmpty());
}

void tst_notetable::reopenResets()
{
    QTest::mouseClick(child("imgFlat"), Qt::LeftButton, {}, QPoint(5, 5));
    clickCell(3, 1);
    QTest::mouseClick(child("lblClose"), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(window_.isNull()); // closing unloads the window
    init();
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QString());
    QVERIFY(marked("marked").isEmpty());
    QVERIFY(!window_->currentNote().FlatMode);
    QVERIFY(samePicture(qobject_cast<QLabel*>(child("imgSharp"))->pixmap(),
                        loadPicture(Picture::SharpOn)));
    clickCell(3, 1);
    QCOMPARE(qobject_cast<QLabel*>(child("lblNoteName"))->text(), QStringLiteral("G#"));
}

QTEST_MAIN(tst_notetable)
#include "tst_notetable.moc"
