#include "CellTags.h"
#include "CurrentNote.h"
#include "FakeDesktop.h"
#include "FocusMarkSides.h"
#include "FretboardView.h"
#include "Look.h"
#include "NoteTableWindow.h"
#include "Palette.h"
#include "Resources.h"
#include "SoundMeasures.h"
#include "StaffGeometry.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>

#include <limits>

namespace {

// User actions and what the window shows afterwards. Actions: "c3,1" click
// string 3 at fret 1, "y60" press the staff 60 pixels down, "h" press the
// lower part of the head, "f"/"s" the flat/sharp toggles, "N", "S", "F" the
// menu's Normal, Sharp (#) and Flat (b), "kRight" a key typed into the window
// (the fretboard has the focus when it opens, two Shift+Tabs reach the staff),
// "rSpace" a key held down until it repeats.
// A "D" before c, y or h double-clicks instead. Shown: the note's name, the red and the brown
// cells, the top of the head in the staff (333: hidden below it), the sign beside the head and the
// naming toggles ("(b)": the unlit flat).
struct Seen
{
    const char* actions;
    const char* name;
    const char* red;
    const char* brown;
    int head;
    const char* sign;
    const char* naming;
};
constexpr Seen UserSees[] = {
    {"", "", "", "", 333, "", "#(b)"},
    {"c1,0", "E", "E(0)", "A(19) B(5) D(14) G(9)", 59, "", "#(b)"},
    {"c3,1", "G#", "G(1)", "A(11) D(6) Es(16)", 84, "#", "#(b)"},
    {"f c3,1", "Ab", "G(1)", "A(11) D(6) Es(16)", 79, "b", "(#)b"},
    {"c3,1 f", "Ab", "", "A(11) D(6) Es(16) G(1)", 79, "b", "(#)b"},
    {"c3,1 f c3,1 f", "Ab", "G(1)", "A(11) D(6) Es(16)", 79, "b", "(#)b"},
    {"c3,1 f s", "G#", "", "A(11) D(6) Es(16) G(1)", 84, "#", "#(b)"},
    {"c6,0", "E", "Es(0)", "", 129, "", "#(b)"},
    {"f c2,1", "C", "B(1)", "A(15) D(10) G(5)", 69, "", "(#)b"},
    {"c1,0 F", "Eb", "", "A(18) B(4) D(13) G(8)", 59, "b", "(#)b"},
    {"c1,1 F", "Fb", "", "", 54, "b", "(#)b"},
    {"c2,2 F", "Cb", "", "", 69, "b", "(#)b"},
    {"c3,1 N", "G", "", "A(10) D(5) Es(15) G(0)", 84, "", "#(b)"},
    {"f c3,1 S", "A#", "", "A(13) D(8) Es(18) G(3)", 79, "#", "#(b)"},
    {"S F", "b", "", "", -116, "b", "(#)b"},
    {"y60", "F", "", "B(6) D(15) E(1) G(10)", 54, "", "#(b)"},
    {"y100", "E", "", "A(7) D(2) Es(12)", 94, "", "#(b)"},
    {"y80", "B", "", "A(14) B(0) D(9) Es(19) G(4)", 74, "", "#(b)"},
    {"y0", "B", "", "E(19)", 4, "", "#(b)"},
    {"y60 h", "E", "", "A(19) B(5) D(14) E(0) G(9)", 59, "", "#(b)"},
    {"c2,2 y100", "E#", "", "", 94, "#", "#(b)"},
    {"c2,2 y100 N", "E", "", "A(7) D(2) Es(12)", 94, "", "#(b)"},
    {"f c3,1 y90", "Gb", "", "A(9) D(4) Es(14)", 84, "b", "(#)b"},
    {"c3,1 f N c4,1", "Eb", "D(1)", "A(6) Es(11)", 94, "b", "(#)b"},
    {"y5 S f", "Cb", "", "", -1, "b", "(#)b"},
    // The keyboard does what the mouse does.
    {"kReturn", "E", "E(0)", "A(19) B(5) D(14) G(9)", 59, "", "#(b)"},
    {"kDown kDown kRight kSpace", "G#", "G(1)", "A(11) D(6) Es(16)", 84, "#", "#(b)"},
    {"c1,0 kShift+Tab kShift+Tab kUp", "F", "", "B(6) D(15) E(1) G(10)", 54, "", "#(b)"},
    {"kShift+Tab kShift+Tab kDown", "B", "", "E(19)", 4, "", "#(b)"},
    {"y140 kShift+Tab kShift+Tab kDown", "E", "", "Es(0)", 129, "", "#(b)"},
    // The menu opens on the present sign.
    {"c1,0 kShift+Tab kShift+Tab kMenu kDown kDown kReturn", "Eb", "", "A(18) B(4) D(13) G(8)", 59,
     "b", "(#)b"},
    {"c3,1 kShift+Tab kShift+Tab kShift+F10 kUp kReturn", "G", "", "A(10) D(5) Es(15) G(0)", 84, "",
     "#(b)"},
};

// The pitches of the notes played after some actions, in hertz (a note stands
// at y = 140 - 5p on the staff, position 8 on the bottom line). Guitar music
// is written an octave above its sound: the top space is E4, the bottom line
// E3.
struct Played
{
    const char* actions;
    const char* pitches;
};
constexpr Played UserPlays[] = {
    {"c1,0 c6,0 y60 h f s", ""},
    {"Dc1,0", "329.63"},
    {"Dc6,0", "82.41"},
    {"Dc3,1 Dc1,19", "207.65 987.77"},
    {"kReturn kDown kDown kRight kSpace", "329.63 207.65"},
    {"Dy60", "349.23"},
    {"Dy100", "164.81"},
    {"f c3,1 Dy85", "207.65"},
    // Notes that mark no cell sound as the note they equal.
    {"c2,2 Dy100", "174.61"},
    {"c1,1 F Dy60", "329.63"},
    {"c2,2 F Dy75", "246.94"},
    {"c1,0 kShift+Tab kShift+Tab kReturn kDown kSpace", "329.63 293.66"},
    {"kShift+Tab kShift+Tab kReturn", ""},
    // A key held down plays once.
    {"rReturn", "329.63"},
    {"c1,0 kShift+Tab kShift+Tab rSpace", "329.63"},
};

// What assistive technology reads after some actions: the object, its role,
// name, description and value, and which of the states selected, focused and
// checked it has.
struct Heard
{
    const char* actions;
    const char* object;
    QAccessible::Role role;
    const char* name;
    const char* description;
    const char* value;
    const char* states;
};
const Heard UserHears[] = {
    {"", "fretboard", QAccessible::List, "Fretboard", "", "", "focused"},
    {"", "E(0)", QAccessible::ListItem, "high E string, fret 0", "E 4", "", "focused"},
    {"", "G(1)", QAccessible::ListItem, "G string, fret 1", "G sharp 3 or A flat 3", "", ""},
    {"", "Es(19)", QAccessible::ListItem, "low E string, fret 19", "B 3", "", ""},
    {"", "A(1)", QAccessible::ListItem, "A string, fret 1", "A sharp 2 or B flat 2", "", ""},
    {"kDown kRight", "B(1)", QAccessible::ListItem, "B string, fret 1", "C 4", "", "focused"},
    {"c3,1", "G(1)", QAccessible::ListItem, "G string, fret 1", "G sharp 3 or A flat 3", "",
     "selected focused"},
    {"c3,1", "A(11)", QAccessible::ListItem, "A string, fret 11", "G sharp 3 or A flat 3", "",
     "selected"},
    {"c3,1 y100", "G(1)", QAccessible::ListItem, "G string, fret 1", "G sharp 3 or A flat 3", "",
     "focused"},
    // The focus cell has the focus only while the board has it.
    {"c3,1 kTab", "G(1)", QAccessible::ListItem, "G string, fret 1", "G sharp 3 or A flat 3", "",
     "selected"},
    {"kShift+Tab", "fretboard", QAccessible::List, "Fretboard", "", "", ""},
    {"", "imgSharp", QAccessible::Button, "Sharp", "Sharp", "", "checked"},
    {"", "imgFlat", QAccessible::Button, "Flat", "Flat", "", ""},
    {"f", "imgFlat", QAccessible::Button, "Flat", "Flat", "", "checked"},
    {"", "picStave", QAccessible::Graphic, "Staff", "", "", ""},
    {"f c3,1 kShift+Tab kShift+Tab", "picStave", QAccessible::Graphic, "Staff", "A flat 3",
     "A flat 3", "focused"},
    {"c1,0 kShift+Tab kShift+Tab kUp", "picStave", QAccessible::Graphic, "Staff", "F 4", "F 4",
     "focused"},
    {"y0", "picStave", QAccessible::Graphic, "Staff", "B 5", "B 5", ""},
    {"c6,0", "picStave", QAccessible::Graphic, "Staff", "E 2", "E 2", ""},
};

// The rules every operation on a note keeps; empty when they hold. Staff
// position 1 is the low E, each position the next letter.
QString brokenRule(const CurrentNote& n, bool chosen)
{
    using Sign = CurrentNote::Sign;
    if (n.sign() != (!n.raised() ? Sign::None : n.flatNaming() ? Sign::Flat : Sign::Sharp))
        return QStringLiteral("the sign does not follow the naming");
    const int p = n.staffPosition();
    if (!chosen || p < 1 || p > 26)
        return {};
    // A flat name stands one step above the sharp name its letter belongs to.
    const int sharpPosition = n.raised() && n.flatNaming() ? p - 1 : p;
    const QChar letter = QLatin1Char("DEFGABC"[sharpPosition % 7]);
    if (n.baseLetter() != letter || n.key().position != sharpPosition)
        return QStringLiteral("letter %1 and key %2 at %3")
            .arg(n.baseLetter())
            .arg(n.key().position)
            .arg(p);
    return {};
}

} // namespace

class tst_notetable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        look::installFontSubstitutions();
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    void init();
    void cleanup() { delete window_; }

    void randomWalkKeepsRules();
    void staffPositions();
    void userSees_data();
    void userSees();
    void userPlays_data();
    void userPlays();
    void userHears_data();
    void userHears();
    void focusCell_data();
    void focusCell();
    void tabOrder();
    void staffButtons();
    void closes_data();
    void closes();

private:
    QWidget* child(const char* name) const { return window_->findChild<QWidget*>(name); }
    QLabel* label(const char* name) const { return window_->findChild<QLabel*>(name); }
    QWidget* cell(int string, int fret) const
    {
        return window_->findChild<FretboardView*>()->cellWidget(string, fret);
    }
    void click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               bool twice = false);
    void type(const QString& keys);
    void hold(const QString& keys);
    void perform(const QString& actions);
    void choose(const char* item);
    QString cellsShowing(Picture picture) const;
    QString shown(const char* name) const;

    platform::FakeDesktop desktop_;
    QPointer<NoteTableWindow> window_;
};

void tst_notetable::init()
{
    desktop_.output.notes.clear();
    window_ = new NoteTableWindow(desktop_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

// Clicks through the window, so the click reaches whatever lies at that point.
void tst_notetable::click(QWidget* target, QPoint at, Qt::MouseButton button, bool twice)
{
    const QPoint point = target->mapTo(window_, at);
    if (twice)
        QTest::mouseDClick(window_->windowHandle(), button, {}, point);
    else
        QTest::mouseClick(window_->windowHandle(), button, {}, point);
}

// Types a key, as "Shift+Tab", into the window: it reaches the focused control
// or the open menu.
void tst_notetable::type(const QString& keys)
{
    const QKeyCombination key = QKeySequence::fromString(keys)[0];
    QTest::keyClick(window_->windowHandle(), key.key(), key.keyboardModifiers());
}

// Holds a key down until it repeats, then lets it go.
void tst_notetable::hold(const QString& keys)
{
    const QKeyCombination key = QKeySequence::fromString(keys)[0];
    QTest::keyPress(window_->windowHandle(), key.key(), key.keyboardModifiers());
    for (int repeat = 0; repeat < 3; ++repeat)
        QTest::simulateEvent(QApplication::focusWidget(), true, key.key(), key.keyboardModifiers(),
                             QString(), true);
    QTest::keyRelease(window_->windowHandle(), key.key(), key.keyboardModifiers());
}

void tst_notetable::perform(const QString& actions)
{
    for (QString action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool twice = action.startsWith(QLatin1Char('D'));
        if (twice)
            action.remove(0, 1);
        const QString arg = action.mid(1);
        const Qt::MouseButton left = Qt::LeftButton;
        switch (action.at(0).toLatin1()) {
        case 'c':
            click(cell(arg.section(',', 0, 0).toInt(), arg.section(',', 1).toInt()), {13, 8}, left,
                  twice);
            break;
        case 'y':
            click(child("picStave"), QPoint(60, arg.toInt()), left, twice);
            break;
        case 'h':
            click(child("picStave"), child("ImgNote")->pos() + QPoint(8, 10), left, twice);
            break;
        case 'f':
        case 's':
            click(child(action == u"f" ? "imgFlat" : "imgSharp"), QPoint(5, 5));
            break;
        case 'k':
            type(arg);
            break;
        case 'r':
            hold(arg);
            break;
        default:
            choose(action == u"N" ? "mnuComp" : action == u"S" ? "mnuSharp" : "mnuFlat");
        }
    }
}

// Picks an item of the staff's menu as a user does: right press, then click.
void tst_notetable::choose(const char* item)
{
    click(child("picStave"), QPoint(60, 75), Qt::RightButton);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("mnuMain"));
    QVERIFY(menu->isVisible());
    auto* action = window_->findChild<QAction*>(item);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(!menu->isVisible());
}

// The object names of the cells showing a picture, sorted.
QString tst_notetable::cellsShowing(Picture picture) const
{
    const auto* board = window_->findChild<FretboardView*>();
    QStringList names;
    for (int s = 1; s <= 6; ++s) {
        for (int f = 0; f <= 19; ++f) {
            if (board->cell(s, f) == picture)
                names << cell(s, f)->objectName();
        }
    }
    names.sort();
    return names.join(QLatin1Char(' '));
}

// The sign picture a label shows: "#", "b", "(#)" and "(b)" for the unlit
// ones, or "" for none.
QString tst_notetable::shown(const char* name) const
{
    const QImage image = label(name)->pixmap().toImage();
    const std::pair<Picture, const char*> signs[] = {{Picture::SharpOn, "#"},
                                                     {Picture::FlatOn, "b"},
                                                     {Picture::SharpOff, "(#)"},
                                                     {Picture::FlatOff, "(b)"}};
    for (const auto& [picture, text] : signs) {
        if (image == loadPicture(picture).toImage())
            return QLatin1String(text);
    }
    return image.isNull() ? QString() : QStringLiteral("?");
}

// Walks random sequences of every operation on a note and checks the rules
// after each step. KORDELIX_WALK=n walks another set of sequences.
void tst_notetable::randomWalkKeepsRules()
{
    const quint32 walks = qEnvironmentVariableIsSet("KORDELIX_WALK")
                              ? quint32(qEnvironmentVariableIntValue("KORDELIX_WALK"))
                              : 1;
    QRandomGenerator random(walks);
    for (int walk = 0; walk < 2000; ++walk) {
        CurrentNote note;
        bool chosen = false;
        QString trail;
        for (int step = 0; step < 30; ++step) {
            const char op = "cPfsNSF"[random.bounded(7)];
            const int string = random.bounded(1, 7), fret = random.bounded(0, 20);
            const int position = random.bounded(1, 27);
            if (op == 'c')
                note.selectFromTag(notes::cellTag(string, fret));
            else if (op == 'P')
                note.setStaffPosition(position);
            else if (op == 'f')
                note.switchToFlatNaming();
            else if (op == 's')
                note.switchToSharpNaming();
            else if (op == 'N')
                note.putNatural();
            else if (op == 'S')
                note.putSharp();
            else
                note.putFlat();
            chosen = chosen || op == 'c' || op == 'P';
            trail += op == 'c'   ? QStringLiteral("c%1,%2 ").arg(string).arg(fret)
                     : op == 'P' ? QStringLiteral("P%1 ").arg(position)
                                 : QLatin1Char(op) + QStringLiteral(" ");
            const QString broken = brokenRule(note, chosen);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("KORDELIX_WALK=%1, after %2: %3")
                                                      .arg(walks)
                                                      .arg(trail, broken)));
        }
    }
}

// A press at height y chooses the nearest line or space, halfway the even
// one; positions far off the board still put the head out of sight.
void tst_notetable::staffPositions()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> table[] = {{-20, 26},  {13.99, 26}, {14, 25}, {17.5, 24},
                                            {22.5, 24}, {135, 1},    {400, 1}, {nan, 26}};
    for (const auto& [y, position] : table)
        QCOMPARE(staff::positionAt(y), position);
    QCOMPARE(staff::headTop(std::numeric_limits<int>::min()), 100000);
    QCOMPARE(staff::headTop(std::numeric_limits<int>::max()), -100000);
}

void tst_notetable::userSees_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(UserSees)); ++i)
        QTest::addRow("%s", *UserSees[i].actions ? UserSees[i].actions : "fresh") << i;
}

void tst_notetable::userSees()
{
    QFETCH(int, row);
    const Seen& expected = UserSees[row];
    perform(QLatin1String(expected.actions));
    QWidget* head = child("ImgNote");
    QCOMPARE(label("lblNoteName")->text(), QLatin1String(expected.name));
    QCOMPARE(cellsShowing(Picture::ClickedCell), QLatin1String(expected.red));
    QCOMPARE(cellsShowing(Picture::MatchingCell), QLatin1String(expected.brown));
    QCOMPARE(head->pos(), QPoint(136, expected.head));
    QCOMPARE(shown("imgNoteType"), QLatin1String(expected.sign));
    if (*expected.sign)
        QCOMPARE(child("imgNoteType")->pos(), head->pos() + QPoint(-16, -4));
    QCOMPARE(shown("imgSharp") + shown("imgFlat"), QLatin1String(expected.naming));
}

void tst_notetable::userPlays_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("pitches");
    for (const Played& row : UserPlays)
        QTest::newRow(row.actions)
            << QString::fromLatin1(row.actions) << QString::fromLatin1(row.pitches);
}

// Each note played is in tune within 5 cents; a single click plays nothing.
void tst_notetable::userPlays()
{
    QFETCH(QString, actions);
    QFETCH(QString, pitches);
    perform(actions);
    const QStringList expected = pitches.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QList<platform::RecordingOutput::Note>& played = desktop_.output.notes;
    QCOMPARE(played.size(), expected.size());
    for (qsizetype i = 0; i < played.size(); ++i) {
        const double hz = measure::fundamental(played[i].samples, played[i].sampleRate);
        const double cents = 1200.0 * std::log2(hz / expected[i].toDouble());
        QVERIFY2(std::abs(cents) < 5.0,
                 qPrintable(QStringLiteral("note %1 at %2 Hz").arg(i).arg(hz)));
    }
}

void tst_notetable::userHears_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(UserHears)); ++i)
        QTest::addRow("%s: %s", UserHears[i].actions, UserHears[i].object) << i;
}

void tst_notetable::userHears()
{
    QFETCH(int, row);
    const Heard& expected = UserHears[row];
    perform(QLatin1String(expected.actions));
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(child(expected.object));
    QCOMPARE(heard->role(), expected.role);
    QCOMPARE(heard->text(QAccessible::Name), QLatin1String(expected.name));
    QCOMPARE(heard->text(QAccessible::Description), QLatin1String(expected.description));
    QCOMPARE(heard->text(QAccessible::Value), QLatin1String(expected.value));
    const QAccessible::State state = heard->state();
    QStringList states;
    for (const auto& [on, name] : {std::pair{state.selected, "selected"},
                                   {state.focused, "focused"},
                                   {state.checked, "checked"}}) {
        if (on)
            states << QLatin1String(name);
    }
    QCOMPARE(states.join(QLatin1Char(' ')), QLatin1String(expected.states));
    // A cell is found where the board lists it, as a screen reader walks it.
    if (expected.role == QAccessible::ListItem) {
        QAccessibleInterface* board = heard->parent();
        QCOMPARE(board->childCount(), 120);
        QCOMPARE(board->child(board->indexOfChild(heard)), heard);
    }
}

// Where the focus cell stands after some actions: it starts on the high E
// string at fret 0, or on the clicked cell while that still holds the note,
// and stops at the edges.
void tst_notetable::focusCell_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("focusCell");
    const std::pair<const char*, const char*> walks[] = {
        {"", "E(0)"},
        {"kLeft kUp", "E(0)"},
        {"kRight kRight kDown kDown kLeft kUp", "B(1)"},
        {"kDown kDown kDown kDown kDown kDown", "Es(0)"},
        {"c2,18 kRight kRight", "B(19)"},
        {"c3,1 kRight kShift+Tab kTab", "G(1)"},
        {"c3,1 y100 kShift+Tab kTab", "E(0)"},
    };
    for (const auto& [actions, focusCell] : walks)
        QTest::addRow("%s", *actions ? actions : "opened") << actions << focusCell;
}

void tst_notetable::focusCell()
{
    QFETCH(QString, actions);
    QFETCH(QString, focusCell);
    perform(actions);
    auto* board = window_->findChild<FretboardView*>();
    QVERIFY(board->hasFocus());
    QWidget* at = cell(board->focusCell().string, board->focusCell().fret);
    QCOMPARE(at->objectName(), focusCell);
    QCOMPARE(QAccessible::queryAccessibleInterface(board)->focusChild()->object(), at);
    // The focus cell shows the mark once the keyboard has been used.
    QCOMPARE(measure::sidesShowing(at, palette::Action), actions.contains(u'k') ? 4 : 0);
}

// Tab walks the window from the fretboard, where the keyboard starts.
void tst_notetable::tabOrder()
{
    QStringList walk;
    for (int step = 0; step < 6; ++step) {
        walk << QApplication::focusWidget()->objectName();
        type(QStringLiteral("Tab"));
    }
    QCOMPARE(walk.join(QLatin1Char(' ')),
             QStringLiteral("fretboard imgSharp imgFlat picStave lblClose fretboard"));
}

// Only the right button opens the menu, where it was pressed; neither it nor
// the middle button chooses a note.
void tst_notetable::staffButtons()
{
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("mnuMain"));
    click(child("picStave"), QPoint(70, 40), Qt::MiddleButton);
    QVERIFY(!menu->isVisible());
    click(child("picStave"), QPoint(70, 40), Qt::RightButton);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), child("picStave")->mapToGlobal(QPoint(70, 40)));
    QCOMPARE(menu->activeAction(), nullptr); // the mouse finds no entry active
    menu->close();
    QCOMPARE(label("lblNoteName")->text(), QString());
    QCOMPARE(cellsShowing(Picture::ClickedCell) + cellsShowing(Picture::MatchingCell), QString());
    // The Menu key opens it at the note.
    perform(QStringLiteral("c1,0 kShift+Tab kShift+Tab kMenu"));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), child("picStave")->mapToGlobal(QPoint(145, 65)));
    QVERIFY(menu->activeAction());
    QCOMPARE(menu->activeAction()->objectName(), QStringLiteral("mnuComp")); // E has no sign
}

void tst_notetable::closes_data()
{
    QTest::addColumn<QString>("actions");
    QTest::newRow("Close") << "";
    QTest::newRow("Escape") << "kEscape";
    QTest::newRow("Escape on the staff") << "kShift+Tab kShift+Tab kEscape";
}

void tst_notetable::closes()
{
    QFETCH(QString, actions);
    if (actions.isEmpty())
        click(child("lblClose"), QPoint(5, 5));
    else
        perform(actions);
    QTRY_VERIFY(window_.isNull());
}

QTEST_MAIN(tst_notetable)
#include "tst_notetable.moc"
