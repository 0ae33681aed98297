// The metronome window on a real sound output (SDL's dummy driver), seen
// through a desktop that notes every click the window asks for.

#include "FakeDesktop.h"
#include "Look.h"
#include "MetronomeWindow.h"
#include "Palette.h"
#include "TapTempo.h"
#include "WaveOutput.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList SoundEntries{"mnuSound01", "mnuSound02", "mnuSound03", "mnuSound00"};

} // namespace

class tst_Metronome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typedTempo_data();
    void typedTempo();
    void slider_data();
    void slider();
    void reopensAtItsStartValues();
    void keyboard_data();
    void keyboard();
    void whatOpensTheWindowsMenu_data();
    void whatOpensTheWindowsMenu();
    void tapRules_data();
    void tapRules();
    void screenReaderNames();
    void beatsFollowTheWindow_data();
    void beatsFollowTheWindow();
    void missingRhythmStopsWithError();
    void otherSound_data();
    void otherSound();
    void noDeviceKeepsRunningSilently();

private:
    template <typename T> T* find(const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    void setTempoText(const QString& text) { find<QLineEdit>("txtValue")->setText(text); }
    void toggleRunning() { QTest::mouseClick(find<QLabel>("lblStartStop"), Qt::LeftButton); }
    QString state();
    void choose(const QString& entry) { window->findChild<QAction*>(entry)->trigger(); }
    QString checkedEntry();
    void onSlider(const QString& gestures);
    void tap(const QString& how, qint64 ms);

    QTemporaryDir dir;
    QPointer<MetronomeWindow> window;
    platform::FakeDesktop desktop;
};

void tst_Metronome::initTestCase()
{
    look::installFontSubstitutions();
    QVERIFY(dir.isValid());
    // The window's folder holds Rhythm01 and Rhythm03 but no Rhythm02.
    for (const char* name : {"Rhythm01.wav", "Rhythm03.wav"})
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name),
                            dir.filePath(QLatin1String(name))));
    desktop.setProgramFolder(dir.path());
}

void tst_Metronome::init()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "dummy");
    desktop.fileAnswer.reset();
    desktop.fileRequests.clear();
    window = new MetronomeWindow(desktop);
    window->show();
}

void tst_Metronome::cleanup()
{
    delete window;
}

// "running" or "stopped" when the switch's colour and the beat timer agree.
QString tst_Metronome::state()
{
    const QColor colour = find<QLabel>("lblStartStop")->palette().color(QPalette::WindowText);
    const bool active = find<QTimer>("Timer1")->isActive();
    if (colour == QColor(active ? palette::SwitchOn : palette::Action))
        return active ? "running" : "stopped";
    return "switch " + colour.name() + (active ? ", timer on" : ", timer off");
}

QString tst_Metronome::checkedEntry()
{
    QStringList checked;
    for (const QString& entry : SoundEntries)
        if (window->findChild<QAction*>(entry)->isChecked())
            checked.append(entry);
    return checked.join(u' ');
}

void tst_Metronome::typedTempo_data()
{
    // Text left as typed; the beat period in ms and the pointer's left edge
    // show the tempo taken (500 and 89: the text changed nothing).
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("pointer");
    QTest::newRow("130") << "130" << 462 << 99;
    QTest::newRow("smallest") << "1" << 60000 << 9;
    QTest::newRow("largest") << "399" << 150 << 209;
    QTest::newRow("176: 340.9 up") << "176" << 341 << 145;
    QTest::newRow("64: 937.5 to even") << "64" << 938 << 33;
    QTest::newRow("192: 312.5 to even") << "192" << 312 << 161;
    QTest::newRow("40: slider's left end") << "40" << 1500 << 9;
    QTest::newRow("240: slider's right end") << "240" << 250 << 209;
    QTest::newRow("300 beyond the right end") << "300" << 200 << 209;
    QTest::newRow("16 beyond the left end") << "16" << 3750 << 9;
    QTest::newRow("12.5 to even") << "12.5" << 5000 << 9;
    QTest::newRow("13.5 to even") << "13.5" << 4286 << 9;
    QTest::newRow("just above a half") << "12.5000001" << 4615 << 9;
    QTest::newRow("half with zeros") << "12.50000" << 5000 << 9;
    QTest::newRow("a half and a digit beyond") << "12.5010" << 4615 << 9;
    QTest::newRow("fraction only") << ".7" << 60000 << 9;
    QTest::newRow("leading zeros") << "0000000000000000000130" << 462 << 99;
    QTest::newRow("blanks, sign, trailing text") << "  +77x" << 779 << 46;
    QTest::newRow("tab before") << "\t42" << 1429 << 11;
    QTest::newRow("second number ignored") << "5 6" << 12000 << 9;
    QTest::newRow("no exponent") << "1e3" << 60000 << 9;
    QTest::newRow("trailing point") << "88." << 682 << 57;
    for (const char* ignored :
         {"0", "400", "abc", "", "0.5", "399.5", "12345678901", "-5", "+", "\u0661\u0662"})
        QTest::newRow(qPrintable(QStringLiteral("\"%1\" ignored").arg(QString::fromUtf8(ignored))))
            << QString::fromUtf8(ignored) << 500 << 89;
    QTest::newRow("beyond 64 bits ignored") << QString(40, u'9') << 500 << 89;
}

void tst_Metronome::typedTempo()
{
    QFETCH(QString, text);
    QFETCH(int, period);
    QFETCH(int, pointer);
    setTempoText(text);
    QCOMPARE(find<QLineEdit>("txtValue")->text(), text);
    QCOMPARE(find<QTimer>("Timer1")->interval(), period);
    QCOMPARE(find<QLabel>("imgSliderCursor")->x(), pointer);
}

void tst_Metronome::slider_data()
{
    // Mouse gestures on the bar at offsets from its left edge; the tempo then
    // in the box and the pointer's left edge.
    QTest::addColumn<QString>("gestures");
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("pointer");
    QTest::newRow("press") << "press 100" << 130 << 99;
    QTest::newRow("left edge") << "press 0" << 40 << 9;
    QTest::newRow("offset 10") << "press 10" << 40 << 9;
    QTest::newRow("offset 11") << "press 11" << 41 << 10;
    QTest::newRow("100.5 to even") << "press 100.5" << 130 << 99;
    QTest::newRow("101.5 to even") << "press 101.5" << 132 << 101;
    QTest::newRow("100.6 up") << "press 100.6" << 131 << 100;
    QTest::newRow("offset 210") << "press 210" << 240 << 209;
    QTest::newRow("right edge") << "press 219" << 240 << 209;
    QTest::newRow("drag beyond the left end") << "press 100; move -300" << 40 << 9;
    QTest::newRow("drag beyond the right end") << "press 100; move 900" << 240 << 209;
    QTest::newRow("moves after the release")
        << "press 100; move 150; release 150; move 20" << 180 << 149;
    QTest::newRow("double click") << "press 100; release 100; double 150; release 150" << 130 << 99;
    // Keys on the focused slider, from the start tempo 120 or a typed one.
    QTest::newRow("Right") << "key Right" << 121 << 90;
    QTest::newRow("Left") << "key Left" << 119 << 88;
    QTest::newRow("Page Up") << "key PgUp" << 130 << 99;
    QTest::newRow("Page Down") << "key PgDown" << 110 << 79;
    QTest::newRow("Home") << "key Home" << 40 << 9;
    QTest::newRow("End, Left") << "key End; key Left" << 239 << 208;
    QTest::newRow("Left at the slowest") << "key Home; key Left" << 40 << 9;
    QTest::newRow("Page Up near the fastest")
        << "key End; key PgDown; key PgUp; key PgUp" << 240 << 209;
    QTest::newRow("Left from a typed 300") << "type 300; key Left" << 240 << 209;
}

void tst_Metronome::slider()
{
    QFETCH(QString, gestures);
    QFETCH(int, tempo);
    QFETCH(int, pointer);
    onSlider(gestures);
    QCOMPARE(find<QLineEdit>("txtValue")->text(), QString::number(tempo));
    QCOMPARE(find<QLabel>("imgSliderCursor")->x(), pointer);
}

// Mouse gestures on the slider bar, "press 100; move 150; release 150", at
// offsets from its left edge.
void tst_Metronome::onSlider(const QString& gestures)
{
    const QMap<QString, QEvent::Type> types{{"press", QEvent::MouseButtonPress},
                                            {"move", QEvent::MouseMove},
                                            {"release", QEvent::MouseButtonRelease},
                                            {"double", QEvent::MouseButtonDblClick}};
    auto* bar = find<QWidget>("imgSlider");
    const QMap<QString, Qt::Key> keys{{"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},
                                      {"PgUp", Qt::Key_PageUp}, {"PgDown", Qt::Key_PageDown},
                                      {"Home", Qt::Key_Home},   {"End", Qt::Key_End}};
    for (const QString& gesture : gestures.split(u';')) {
        const QStringList words = gesture.split(u' ', Qt::SkipEmptyParts);
        if (words[0] == QLatin1String("key")) {
            QTest::keyClick(bar, keys.value(words[1]));
            continue;
        }
        if (words[0] == QLatin1String("type")) {
            setTempoText(words[1]);
            continue;
        }
        const QEvent::Type type = types.value(words[0]);
        const QPointF at(words[1].toDouble(), 10);
        QMouseEvent event(type, at, bar->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &event);
    }
}

void tst_Metronome::keyboard_data()
{
    // Keys pressed with the focus on a control; then running or not, and
    // whether the window is still open.
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("open");
    QTest::newRow("Space on the slider") << "imgSlider" << int(Qt::Key_Space) << true << true;
    QTest::newRow("Space on Start/Stop") << "lblStartStop" << int(Qt::Key_Space) << true << true;
    QTest::newRow("Return on Start/Stop") << "lblStartStop" << int(Qt::Key_Return) << true << true;
    QTest::newRow("Space in the tempo box") << "txtValue" << int(Qt::Key_Space) << false << true;
    QTest::newRow("Space on Close") << "lblClose" << int(Qt::Key_Space) << false << false;
    QTest::newRow("Escape") << "imgSlider" << int(Qt::Key_Escape) << false << false;
}

void tst_Metronome::keyboard()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, running);
    QFETCH(bool, open);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* control = find<QWidget>(focus.toLatin1().constData());
    control->setFocus();
    QTest::keyClick(control, Qt::Key(key));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!window.isNull(), open);
    if (open)
        QCOMPARE(find<QTimer>("Timer1")->isActive(), running);
}

void tst_Metronome::whatOpensTheWindowsMenu_data()
{
    // A right click at a point of the window, or a key on a control; the
    // menu that opens then.
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("menu");
    QTest::newRow("background, top left") << "right 3,3"
                                          << "mnuBeats";
    QTest::newRow("the golden bar beside the name") << "right 10,110"
                                                    << "mnuBeats";
    QTest::newRow("slider") << "right 50,25"
                            << "";
    QTest::newRow("the tempo box's frame") << "right 233,17"
                                           << "";
    QTest::newRow("Start/Stop") << "right 150,72"
                                << "";
    QTest::newRow("Close") << "right 250,72"
                           << "";
    QTest::newRow("sound name") << "right 50,100"
                                << "";
    QTest::newRow("Menu on the slider") << "Menu imgSlider"
                                        << "mnuBeats";
    QTest::newRow("Shift+F10 on Start/Stop") << "Shift+F10 lblStartStop"
                                             << "mnuBeats";
    QTest::newRow("Menu in the tempo box") << "Menu txtValue"
                                           << "";
    QTest::newRow("Shift+F10 on the sound name") << "Shift+F10 lblExp"
                                                 << "mnuSound";
}

void tst_Metronome::whatOpensTheWindowsMenu()
{
    QFETCH(QString, gesture);
    QFETCH(QString, menu);
    const QString how = gesture.section(u' ', 0, 0);
    const QString where = gesture.section(u' ', 1);
    if (how == "right") {
        // As the desktop sends it: to the control under the pointer, then to
        // its parents while none takes it.
        const QPoint at(where.section(u',', 0, 0).toInt(), where.section(u',', 1).toInt());
        QWidget* under = window->childAt(at) ? window->childAt(at) : window.data();
        QContextMenuEvent event(QContextMenuEvent::Mouse, under->mapFrom(window, at),
                                window->mapToGlobal(at));
        QApplication::sendEvent(under, &event);
    } else {
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* control = find<QWidget>(where.toLatin1().constData());
        control->setFocus();
        QTest::keyClick(control, how == "Menu" ? Qt::Key_Menu : Qt::Key_F10,
                        how == "Menu" ? Qt::NoModifier : Qt::ShiftModifier);
    }
    QStringList open;
    for (const char* name : {"mnuBeats", "mnuSound"}) {
        if (find<QMenu>(name)->isVisible()) {
            open.append(QLatin1String(name));
            // The keyboard opens a menu on its checked entry, the mouse on none.
            const QAction* active = find<QMenu>(name)->activeAction();
            QCOMPARE(active && active->isChecked(), how != "right");
            QCOMPARE(active == nullptr, how == "right");
        }
    }
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    QCOMPARE(open.join(u' '), menu);
}

// Taps at a time in ms: the T key on the slider or in the tempo box, held
// (repeating), or the menu entry chosen with Return.
void tst_Metronome::tap(const QString& how, qint64 ms)
{
    if (how == "menu") {
        auto* menu = find<QMenu>("mnuBeats");
        menu->popup(window->mapToGlobal(QPoint(3, 3)));
        menu->setActiveAction(window->findChild<QAction*>(u"mnuTapTempo"_s));
    }
    QWidget* target = how == "menu"  ? find<QWidget>("mnuBeats")
                      : how == "box" ? find<QWidget>("txtValue")
                                     : find<QWidget>("imgSlider");
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, how == "menu" ? Qt::Key_Return : Qt::Key_T, Qt::NoModifier,
                    u"t"_s, how == "held");
    press.setTimestamp(quint64(ms));
    QApplication::sendEvent(target, &press);
}

void tst_Metronome::tapRules_data()
{
    // Tap times in ms; after each tap the tempo the series gives, "-" none.
    QTest::addColumn<QString>("taps");
    QTest::addColumn<QString>("tempos");
    QTest::newRow("500 ms apart") << "0 500 1000 1500 2000 2500"
                                  << "- 120 120 120 120 120";
    QTest::newRow("the mean interval") << "0 400 1000"
                                       << "- 150 120";
    QTest::newRow("187.5 to even") << "0 320"
                                   << "- 188";
    QTest::newRow("312.5 to even") << "0 192"
                                   << "- 312";
    // The slow first interval leaves the last eight taps with the ninth.
    QTest::newRow("the last eight taps") << "0 1000 1500 2000 2500 3000 3500 4000 4500"
                                         << "- 60 80 90 96 100 103 105 120";
    QTest::newRow("2 s: the slowest") << "0 2000"
                                      << "- 30";
    QTest::newRow("a longer pause begins anew") << "0 500 2501 2901"
                                                << "- 120 - 150";
    QTest::newRow("beyond the fastest") << "0 100 250"
                                        << "- 399 399";
    QTest::newRow("the same millisecond") << "0 0"
                                          << "- 399";
    QTest::newRow("back in time begins anew") << "5000 4000 4500"
                                              << "- - 120";
}

void tst_Metronome::tapRules()
{
    QFETCH(QString, taps);
    QFETCH(QString, tempos);
    tempo::TapTempo tapTempo;
    QStringList given;
    for (const QString& tap : taps.split(u' ')) {
        const std::optional<int> tempo = tapTempo.tap(tap.toLongLong());
        given.append(tempo ? QString::number(*tempo) : u"-"_s);
    }
    QCOMPARE(given.join(u' '), tempos);
}

void tst_Metronome::screenReaderNames()
{
    QAccessibleInterface* slider =
        QAccessible::queryAccessibleInterface(find<QWidget>("imgSlider"));
    QCOMPARE(slider->role(), QAccessible::Slider);
    QCOMPARE(slider->text(QAccessible::Name), QStringLiteral("Tempo slider"));
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 120);
    QCOMPARE(slider->valueInterface()->minimumValue().toInt(), 40);
    QCOMPARE(slider->valueInterface()->maximumValue().toInt(), 240);
    setTempoText(QStringLiteral("97"));
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 97);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(find<QWidget>("txtValue"))->text(QAccessible::Name),
        QStringLiteral("Tempo"));
    QAccessibleInterface* sound = QAccessible::queryAccessibleInterface(find<QWidget>("lblExp"));
    QCOMPARE(sound->text(QAccessible::Name), QStringLiteral("Sound: Rhythm 01"));
    choose(QStringLiteral("mnuSound03"));
    QCOMPARE(sound->text(QAccessible::Name), QStringLiteral("Sound: Rhythm 03"));
    // From the keyboard the sound menu opens on the sound in use.
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* soundName = find<QWidget>("lblExp");
    soundName->setFocus();
    QTest::keyClick(soundName, Qt::Key_Return);
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuSound"));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), window->findChild<QAction*>(QStringLiteral("mnuSound03")));
    menu->close();
    QAccessibleInterface* startStop =
        QAccessible::queryAccessibleInterface(find<QWidget>("lblStartStop"));
    QVERIFY(startStop->state().checkable && !startStop->state().checked);
    toggleRunning();
    QVERIFY(startStop->state().checked);

    // The window tells its beats per bar, and its menu is named.
    QAccessibleInterface* metronome = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(metronome->text(QAccessible::Description), QStringLiteral("No accent"));
    choose(QStringLiteral("mnuBeats04"));
    QCOMPARE(metronome->text(QAccessible::Description), QStringLiteral("4 beats per bar"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(find<QMenu>("mnuBeats"))->text(QAccessible::Name),
        QStringLiteral("Beats per bar"));
}

void tst_Metronome::reopensAtItsStartValues()
{
    setTempoText(QStringLiteral("77"));
    toggleRunning();
    choose(QStringLiteral("mnuSound03"));
    choose(QStringLiteral("mnuBeats05"));
    window->close();
    QTRY_VERIFY(window.isNull());
    window = new MetronomeWindow(desktop);
    window->show();
    QCOMPARE(find<QLineEdit>("txtValue")->text(), "120");
    QCOMPARE(find<QTimer>("Timer1")->interval(), 500);
    QCOMPARE(find<QLabel>("imgSliderCursor")->pos(), QPoint(89, 27));
    QCOMPARE(find<QLabel>("lblExp")->text(), "Rhythm 01");
    QCOMPARE(checkedEntry(), "mnuSound01");
    QCOMPARE(state(), "stopped");
    QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuBeats00"))->isChecked());
    desktop.output.beats.clear();
    toggleRunning();
    QCOMPARE(desktop.output.beats.join(u"; "_s), "bar 0; start 500");
}

void tst_Metronome::beatsFollowTheWindow_data()
{
    // What the user does ("start" and "stop" press "Start/Stop", "type" a
    // tempo, "slider" gestures, "bar" chooses the beats per bar, "tap" at a
    // time in ms, "close" the window) and how the output's beats are
    // counted in bars, started, changed and stopped; every change of tempo or
    // count while running reaches the beats at once, whatever the timer does.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("beats");
    QTest::newRow("started") << u"start"_s << u"bar 0; start 500"_s;
    QTest::newRow("typed while running")
        << u"start; type 150"_s << u"bar 0; start 500; period 400"_s;
    QTest::newRow("typed while stopped") << u"type 150; start"_s << u"bar 0; start 400"_s;
    QTest::newRow("stopped") << u"start; stop; type 150"_s << u"bar 0; start 500; stop"_s;
    QTest::newRow("slider dragged while running")
        << u"start; slider press 100; slider move 150; slider release 150"_s
        << u"bar 0; start 500; period 462; period 333"_s;
    QTest::newRow("tapped while running")
        << u"start; tap 1000; tap 1400"_s << u"bar 0; start 500; period 400"_s;
    QTest::newRow("T in the tempo box is text")
        << u"start; tap 1000 box; tap 1400 box"_s << u"bar 0; start 500"_s;
    QTest::newRow("a held T taps once")
        << u"start; tap 1000; tap 1400 held"_s << u"bar 0; start 500"_s;
    QTest::newRow("tapped in the menu")
        << u"start; tap 1000 menu; tap 1600 menu"_s << u"bar 0; start 500; period 600"_s;
    QTest::newRow("count chosen while stopped") << u"bar 4; start"_s << u"bar 4; start 500"_s;
    QTest::newRow("count changed while running")
        << u"start; bar 3; bar 0"_s << u"bar 0; start 500; bar 3; bar 0"_s;
    QTest::newRow("started again with the count")
        << u"bar 4; start; stop; start"_s << u"bar 4; start 500; stop; bar 4; start 500"_s;
    QTest::newRow("closed while running") << u"start; close"_s << u"bar 0; start 500; stop"_s;
    QTest::newRow("closed while stopped") << u"close"_s << QString();
}

void tst_Metronome::beatsFollowTheWindow()
{
    QFETCH(QString, actions);
    QFETCH(QString, beats);
    desktop.output.beats.clear();
    for (const QString& action : actions.split(u';')) {
        const QString verb = action.trimmed().section(u' ', 0, 0);
        const QString rest = action.trimmed().section(u' ', 1);
        if (verb == "start" || verb == "stop")
            toggleRunning();
        else if (verb == "type")
            setTempoText(rest);
        else if (verb == "slider")
            onSlider(rest);
        else if (verb == "bar")
            choose(u"mnuBeats0"_s + rest);
        else if (verb == "tap")
            tap(rest.section(u' ', 1), rest.section(u' ', 0, 0).toLongLong());
        else if (verb == "close") {
            window->close();
            QTRY_VERIFY(window.isNull());
        }
    }
    QCOMPARE(desktop.output.beats.join(u"; "_s), beats);
}

// The alert a window shows assistive technology, or an empty string.
QString shownAlert(QWidget* window)
{
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < shown->childCount(); ++i) {
        QAccessibleInterface* child = shown->child(i);
        if (child->role() == QAccessible::AlertMessage && !child->state().invisible)
            return child->text(QAccessible::Name);
    }
    return {};
}

void tst_Metronome::missingRhythmStopsWithError()
{
    auto* name = find<QLabel>("lblExp");
    QCOMPARE(shownAlert(name->window()), QString());
    setTempoText(QStringLiteral("399"));
    toggleRunning();
    choose(QStringLiteral("mnuSound02"));
    // The preview failed at once, which assistive technology hears as an alert.
    QCOMPARE(name->text(), "Error..!");
    QCOMPARE(shownAlert(name->window()), "Error..!");
    QCOMPARE(state(), "stopped");
    QCOMPARE(checkedEntry(), "mnuSound02");

    // Started again, it stops again on the first beat.
    name->setText(QStringLiteral("Rhythm 02"));
    toggleRunning();
    QCOMPARE(state(), "running");
    QTRY_COMPARE_WITH_TIMEOUT(name->text(), QStringLiteral("Error..!"), 5000);
    QCOMPARE(state(), "stopped");

    choose(QStringLiteral("mnuSound01"));
    QCOMPARE(name->text(), "Rhythm 01");
    QCOMPARE(checkedEntry(), "mnuSound01");
}

void tst_Metronome::otherSound_data()
{
    // What the file dialog answers while "Rhythm 03" plays (%1: the program's
    // folder; null: cancelled); the sound's name, the checked entry, and the
    // file the beats play afterwards (null: stopped).
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("click");
    QTest::newRow("cancelled") << QString() << u"Rhythm 03"_s << u"mnuSound03"_s
                               << u"Rhythm03.wav"_s;
    QTest::newRow("a wave file, blanks around")
        << u"  %1/mine.wav "_s << u"Other rhythms"_s << u"mnuSound00"_s << u"mine.wav"_s;
    QTest::newRow("not a sound") << u"%1/text.wav"_s << u"Error..!"_s << u"mnuSound00"_s
                                 << QString();
}

void tst_Metronome::otherSound()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QString, checked);
    QFETCH(QString, click);
    QVERIFY(QFile::copy(dir.filePath(QStringLiteral("Rhythm03.wav")),
                        dir.filePath(QStringLiteral("mine.wav"))));
    QFile text(dir.filePath(QStringLiteral("text.wav")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a sound") > 0);
    text.close();
    const auto removeFiles = qScopeGuard([&] {
        QFile::remove(dir.filePath(QStringLiteral("mine.wav")));
        text.remove();
    });
    setTempoText(QStringLiteral("399"));
    toggleRunning();
    choose(QStringLiteral("mnuSound03"));
    if (!answer.isNull())
        desktop.fileAnswer = answer.arg(dir.path());
    choose(QStringLiteral("mnuSound00"));

    QCOMPARE(desktop.fileRequests.size(), 1);
    QCOMPARE(desktop.fileRequests[0].title, "Select sound file");
    QCOMPARE(desktop.fileRequests[0].folder, dir.path());
    QCOMPARE(desktop.fileRequests[0].filters,
             QStringList({"Wave files (*.wav)", "All files (*.*)"}));
    QCOMPARE(find<QLabel>("lblExp")->text(), name);
    QCOMPARE(checkedEntry(), checked);
    QCOMPARE(state(), click.isNull() ? "stopped" : "running");
    if (!click.isNull()) {
        const qsizetype before = desktop.output.paths.size();
        QTRY_VERIFY_WITH_TIMEOUT(desktop.output.paths.size() > before, 5000);
        QCOMPARE(desktop.output.paths.last(), dir.filePath(click));
    }
}

void tst_Metronome::noDeviceKeepsRunningSilently()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    setTempoText(QStringLiteral("399"));
    toggleRunning();
    // Even a sound that cannot be played is skipped, not reported.
    choose(QStringLiteral("mnuSound02"));
    QTest::qWait(400);
    QCOMPARE(state(), "running");
    QCOMPARE(find<QLabel>("lblExp")->text(), "Rhythm 02");
}

QTEST_MAIN(tst_Metronome)
#include "tst_metronome.moc"
