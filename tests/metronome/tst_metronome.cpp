// The metronome: tempo arithmetic, the tempo box reader, and the window with a
// real audio output (SDL's disk driver writes what would be heard to a file).

#include "BeatSchedule.h"
#include "FakeDesktop.h"
#include "Look.h"
#include "MetronomeWindow.h"
#include "Palette.h"
#include "Tempo.h"
#include "TempoText.h"
#include "WaveOutput.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

namespace {

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class tst_Metronome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void beatPeriod_data();
    void beatPeriod();
    void tempoFromX_data();
    void tempoFromX();
    void pointerLeft_data();
    void pointerLeft();
    void tempoText_data();
    void tempoText();
    void beatSchedule_data();
    void beatSchedule();

    void opensAtItsStartValues();
    void sliderPress_data();
    void sliderPress();
    void dragOutsideTheBarStaysAtTheEnds();
    void typedTempo_data();
    void typedTempo();
    void startStopSwitchesColourAndTimer();
    void tempoChangeKeepsRunning();
    void beatsWriteTheClick();
    void missingRhythmStopsWithError();
    void unplayableOtherSound_data();
    void unplayableOtherSound();
    void otherCancelledChangesNothing();
    void otherChosenBecomesTheClick();
    void noDeviceKeepsRunningSilently();

private:
    MetronomeWindow* open();
    void useDiskDriver();
    void choose(const char* entry);
    void pressSlider(QEvent::Type type, double x);
    QString writeSound(const QString& name, const QByteArray& bytes);

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
    useDiskDriver();
    desktop.fileAnswer.reset();
    desktop.fileRequests.clear();
}

void tst_Metronome::cleanup()
{
    delete window;
}

void tst_Metronome::useDiskDriver()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("out.raw")).toLocal8Bit());
}

MetronomeWindow* tst_Metronome::open()
{
    window = new MetronomeWindow(desktop);
    window->show();
    return window;
}

void tst_Metronome::choose(const char* entry)
{
    window->findChild<QAction*>(QLatin1String(entry))->trigger();
}

void tst_Metronome::pressSlider(QEvent::Type type, double x)
{
    auto* slider = window->findChild<QLabel*>(QStringLiteral("imgSlider"));
    const QPointF local(x, 10);
    QMouseEvent event(type, local, slider->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &event);
}

QString tst_Metronome::writeSound(const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void tst_Metronome::beatPeriod_data()
{
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("period");
    QTest::newRow("120") << 120 << 500;
    QTest::newRow("40") << 40 << 1500;
    QTest::newRow("240") << 240 << 250;
    QTest::newRow("1") << 1 << 60000;
    QTest::newRow("399") << 399 << 150;
    QTest::newRow("176: 340.9 up") << 176 << 341;
    QTest::newRow("64: 937.5 to even") << 64 << 938;
    QTest::newRow("192: 312.5 to even") << 192 << 312;
    QTest::newRow("300") << 300 << 200;
    QTest::newRow("16: 3750") << 16 << 3750;
}

void tst_Metronome::beatPeriod()
{
    QFETCH(int, tempo);
    QFETCH(int, period);
    QCOMPARE(tempo::BeatPeriod(tempo), period);
}

void tst_Metronome::tempoFromX_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("tempo");
    QTest::newRow("offset 100") << 100.0 << 130;
    QTest::newRow("left edge") << 0.0 << 40;
    QTest::newRow("offset 10") << 10.0 << 40;
    QTest::newRow("offset 11") << 11.0 << 41;
    QTest::newRow("100.5 to even") << 100.5 << 130;
    QTest::newRow("101.5 to even") << 101.5 << 132;
    QTest::newRow("100.6 up") << 100.6 << 131;
    QTest::newRow("offset 210") << 210.0 << 240;
    QTest::newRow("right edge") << 219.0 << 240;
    QTest::newRow("far right") << 5000.0 << 240;
    QTest::newRow("far left") << -5000.0 << 40;
}

void tst_Metronome::tempoFromX()
{
    QFETCH(double, x);
    QFETCH(int, tempo);
    QCOMPARE(tempo::TempoFromX(x), tempo);
}

void tst_Metronome::pointerLeft_data()
{
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("left");
    QTest::newRow("120") << 120 << 89;
    QTest::newRow("130") << 130 << 99;
    QTest::newRow("40") << 40 << 9;
    QTest::newRow("20 stops at the left") << 20 << 9;
    QTest::newRow("1") << 1 << 9;
    QTest::newRow("240") << 240 << 209;
    QTest::newRow("300 stops at the right") << 300 << 209;
    QTest::newRow("399") << 399 << 209;
}

void tst_Metronome::pointerLeft()
{
    QFETCH(int, tempo);
    QFETCH(int, left);
    QCOMPARE(tempo::PointerLeft(8, tempo), left);
}

void tst_Metronome::tempoText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tempo"); // 0: the text is ignored
    QTest::newRow("120") << "120" << 120;
    QTest::newRow("smallest") << "1" << 1;
    QTest::newRow("largest") << "399" << 399;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("400") << "400" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("12.5 to even") << "12.5" << 12;
    QTest::newRow("13.5 to even") << "13.5" << 14;
    QTest::newRow("just above a half") << "12.5000001" << 13;
    QTest::newRow("half with zeros") << "12.50000" << 12;
    QTest::newRow("below a half") << "12.4999999" << 12;
    QTest::newRow("fraction only") << ".7" << 1;
    QTest::newRow("half of one to zero") << "0.5" << 0;
    QTest::newRow("1.5 up to 2") << "1.5" << 2;
    QTest::newRow("398.5 to even") << "398.5" << 398;
    QTest::newRow("399.5 rounds to 400") << "399.5" << 0;
    QTest::newRow("eleven digits") << "12345678901" << 0;
    QTest::newRow("beyond 64 bits") << QString(40, u'9') << 0;
    QTest::newRow("leading zeros") << "0000000000000000000120" << 120;
    QTest::newRow("blanks, sign, trailing text") << "  +77x" << 77;
    QTest::newRow("tab before") << "\t42" << 42;
    QTest::newRow("negative") << "-5" << 0;
    QTest::newRow("blank after sign") << "- 5" << 0;
    QTest::newRow("sign only") << "+" << 0;
    QTest::newRow("second number ignored") << "5 6" << 5;
    QTest::newRow("no exponent") << "1e3" << 1;
    QTest::newRow("trailing point") << "88." << 88;
    QTest::newRow("arabic-indic digits are not digits") << QStringLiteral("\u0661\u0662") << 0;
}

void tst_Metronome::tempoText()
{
    QFETCH(QString, text);
    QFETCH(int, tempo);
    QCOMPARE(tempo::ReadTempoText(text).value_or(0), tempo);
}

void tst_Metronome::beatSchedule_data()
{
    // Ticks of a 100 ms timer started at 0: when each was delivered and when it
    // was due, in ms.
    QTest::addColumn<QList<int>>("delivered");
    QTest::addColumn<QList<int>>("due");
    QTest::newRow("late by varying amounts")
        << QList<int>{103, 207, 301, 409} << QList<int>{100, 200, 300, 400};
    QTest::newRow("late by almost a period") << QList<int>{199, 201} << QList<int>{100, 200};
    QTest::newRow("more than a period late moves the grid")
        << QList<int>{250, 352, 450} << QList<int>{100, 350, 450};
    QTest::newRow("never due after it came") << QList<int>{50, 160} << QList<int>{50, 150};
}

void tst_Metronome::beatSchedule()
{
    QFETCH(QList<int>, delivered);
    QFETCH(QList<int>, due);
    const BeatSchedule::Clock::time_point start{std::chrono::hours(1)};
    BeatSchedule schedule;
    schedule.Start(start, std::chrono::milliseconds(100));
    for (qsizetype i = 0; i < delivered.size(); ++i) {
        const auto at = schedule.Tick(start + std::chrono::milliseconds(delivered[i]));
        QCOMPARE(std::chrono::duration_cast<std::chrono::milliseconds>(at - start).count(),
                 qint64(due[i]));
    }
}

void tst_Metronome::opensAtItsStartValues()
{
    for (int opening = 0; opening < 2; ++opening) {
        open();
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Metronome"));
        QCOMPARE(window->size(), QSize(299, 125));
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->text(), "120");
        QCOMPARE(timer->interval(), 500);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(!timer->isActive());
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("imgSliderCursor"))->pos(),
                 QPoint(89, 27));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblExp"))->text(), "Rhythm 01");
        auto* startStop = window->findChild<QLabel*>(QStringLiteral("lblStartStop"));
        QCOMPARE(textColour(startStop), QColor(palette::Action));
        QCOMPARE(startStop->text(), "Start/Stop");
        QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuSound01"))->isChecked());
        // Whatever the first opening changed is gone in the second.
        QTest::mouseClick(startStop, Qt::LeftButton);
        window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("77"));
        choose("mnuSound03");
        window->close();
        QTRY_VERIFY(window.isNull());
    }
}

void tst_Metronome::sliderPress_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("tempo");
    QTest::newRow("offset 100") << 100.0 << 130;
    QTest::newRow("offset 0") << 0.0 << 40;
    QTest::newRow("offset 10") << 10.0 << 40;
    QTest::newRow("offset 210") << 210.0 << 240;
    QTest::newRow("offset 219") << 219.0 << 240;
}

void tst_Metronome::sliderPress()
{
    QFETCH(double, x);
    QFETCH(int, tempo);
    open();
    pressSlider(QEvent::MouseButtonPress, x);
    pressSlider(QEvent::MouseButtonRelease, x);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->text(),
             QString::number(tempo));
    QCOMPARE(window->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(),
             tempo::BeatPeriod(tempo));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("imgSliderCursor"))->x(),
             8 + tempo - 30 - 9);
}

void tst_Metronome::dragOutsideTheBarStaysAtTheEnds()
{
    open();
    auto* text = window->findChild<QLineEdit*>(QStringLiteral("txtValue"));
    auto* pointer = window->findChild<QLabel*>(QStringLiteral("imgSliderCursor"));
    pressSlider(QEvent::MouseButtonPress, 100);
    QCOMPARE(text->text(), "130");
    pressSlider(QEvent::MouseMove, -300);
    QCOMPARE(text->text(), "40");
    QCOMPARE(pointer->x(), 9);
    pressSlider(QEvent::MouseMove, 900);
    QCOMPARE(text->text(), "240");
    QCOMPARE(pointer->x(), 209);
    pressSlider(QEvent::MouseMove, 150);
    QCOMPARE(text->text(), "180");
    pressSlider(QEvent::MouseButtonRelease, 150);
    // Moves without the button held change nothing.
    pressSlider(QEvent::MouseMove, 20);
    QCOMPARE(text->text(), "180");
    QCOMPARE(window->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 333);
}

void tst_Metronome::typedTempo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("pointer");
    QTest::newRow("300: pointer at the right end") << "300" << 200 << 209;
    QTest::newRow("20: pointer at the left end") << "20" << 3000 << 9;
    QTest::newRow("12.5") << "12.5" << 5000 << 9;
    QTest::newRow("0 ignored") << "0" << 500 << 89;
    QTest::newRow("400 ignored") << "400" << 500 << 89;
    QTest::newRow("letters ignored") << "abc" << 500 << 89;
    QTest::newRow("empty ignored") << "" << 500 << 89;
    QTest::newRow("eleven digits ignored") << "99999999999" << 500 << 89;
}

void tst_Metronome::typedTempo()
{
    QFETCH(QString, text);
    QFETCH(int, period);
    QFETCH(int, pointer);
    open();
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("txtValue"));
    box->setText(text);
    // The text is kept as typed, never rewritten.
    QCOMPARE(box->text(), text);
    QCOMPARE(window->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), period);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("imgSliderCursor"))->x(), pointer);
}

void tst_Metronome::startStopSwitchesColourAndTimer()
{
    open();
    auto* startStop = window->findChild<QLabel*>(QStringLiteral("lblStartStop"));
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(textColour(startStop), QColor(palette::SwitchOn));
    QVERIFY(timer->isActive());
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(textColour(startStop), QColor(palette::Action));
    QVERIFY(!timer->isActive());
    QCOMPARE(startStop->text(), "Start/Stop");
}

void tst_Metronome::tempoChangeKeepsRunning()
{
    open();
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("lblStartStop")), Qt::LeftButton);
    window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("240"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 250);
    pressSlider(QEvent::MouseButtonPress, 10);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1500);
}

void tst_Metronome::beatsWriteTheClick()
{
    open();
    window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("399"));
    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("lblStartStop")), Qt::LeftButton);
    QTest::qWait(500);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblExp"))->text(), "Rhythm 01");
    desktop.waveOutput().close();
    QFile written(dir.filePath(QStringLiteral("out.raw")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    float peak = 0;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        float s;
        std::memcpy(&s, bytes.constData() + i, 4);
        peak = std::max(peak, std::abs(s));
    }
    QVERIFY2(peak > 0.5f, qPrintable(QString::number(peak)));
}

void tst_Metronome::missingRhythmStopsWithError()
{
    open();
    auto* startStop = window->findChild<QLabel*>(QStringLiteral("lblStartStop"));
    auto* label = window->findChild<QLabel*>(QStringLiteral("lblExp"));
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("399"));
    QTest::mouseClick(startStop, Qt::LeftButton);
    choose("mnuSound02");
    // The preview failed at once.
    QCOMPARE(label->text(), "Error..!");
    QCOMPARE(textColour(startStop), QColor(palette::Action));
    QVERIFY(!timer->isActive());
    for (const char* entry : {"mnuSound01", "mnuSound02", "mnuSound03", "mnuSound00"})
        QCOMPARE(window->findChild<QAction*>(QLatin1String(entry))->isChecked(),
                 qstrcmp(entry, "mnuSound02") == 0);

    // Starting again runs one period and stops again on the first beat.
    label->setText(QStringLiteral("Rhythm 02"));
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(textColour(startStop), QColor(palette::SwitchOn));
    QTRY_COMPARE_WITH_TIMEOUT(label->text(), QStringLiteral("Error..!"), 2000);
    QVERIFY(!timer->isActive());
    QCOMPARE(textColour(startStop), QColor(palette::Action));

    // Choosing Rhythm 01 again puts its name back.
    choose("mnuSound01");
    QCOMPARE(label->text(), "Rhythm 01");
    QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuSound01"))->isChecked());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("mnuSound02"))->isChecked());
}

void tst_Metronome::unplayableOtherSound_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // the file is grown to this size with zeros
    QTest::addColumn<bool>("playable");
    QByteArray truncated("RIFF\x24\x00\x01\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
                         "\x80\xbb\x00\x00\x00\x77\x01\x00\x02\x00\x10\x00"
                         "data\x00\x00\x01\x00",
                         44);
    truncated.append(QByteArray(100, '\x10'));
    std::mt19937 random(11);
    QByteArray noise(65536, 0);
    for (char& c : noise)
        c = char(random());
    QTest::newRow("text") << QByteArray("not a sound") << qint64(0) << false;
    QTest::newRow("0 bytes") << QByteArray() << qint64(0) << false;
    QTest::newRow("random bytes") << noise << qint64(0) << false;
    QTest::newRow("truncated") << truncated << qint64(0) << false;
    // A wave header claiming 100 MB of silence, and the silence itself.
    QByteArray huge = truncated.left(40);
    huge.append("\x00\x00\x40\x06", 4);
    huge[4] = '\x24';
    huge[5] = '\x00';
    huge[6] = '\x40';
    huge[7] = '\x06';
    QTest::newRow("100 MB") << huge << qint64(100 * 1024 * 1024 + 44) << true;
}

void tst_Metronome::unplayableOtherSound()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(bool, playable);
    const QString path = writeSound(QStringLiteral("other.wav"), content);
    QVERIFY(!path.isEmpty());
    if (size > 0)
        QVERIFY(QFile(path).resize(size));
    open();
    auto* startStop = window->findChild<QLabel*>(QStringLiteral("lblStartStop"));
    QTest::mouseClick(startStop, Qt::LeftButton);
    desktop.fileAnswer = path;
    QElapsedTimer answered;
    answered.start();
    choose("mnuSound00");
    QVERIFY2(answered.elapsed() < 1000, qPrintable(QString::number(answered.elapsed())));
    QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuSound00"))->isChecked());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("mnuSound01"))->isChecked());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblExp"))->text(),
             playable ? "Other rhythms" : "Error..!");
    QCOMPARE(textColour(startStop), QColor(playable ? palette::SwitchOn : palette::Action));
}

void tst_Metronome::otherCancelledChangesNothing()
{
    open();
    choose("mnuSound03");
    choose("mnuSound00");
    QCOMPARE(desktop.fileRequests.size(), 1);
    QCOMPARE(desktop.fileRequests.last().title, "Select sound file");
    QCOMPARE(desktop.fileRequests.last().folder, dir.path());
    QCOMPARE(desktop.fileRequests.last().filters, QStringList({QStringLiteral("Wave files (*.wav)"),
                                                               QStringLiteral("All files (*.*)")}));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblExp"))->text(), "Rhythm 03");
    for (const char* entry : {"mnuSound01", "mnuSound02", "mnuSound03", "mnuSound00"})
        QCOMPARE(window->findChild<QAction*>(QLatin1String(entry))->isChecked(),
                 qstrcmp(entry, "mnuSound03") == 0);
}

void tst_Metronome::otherChosenBecomesTheClick()
{
    const QString path = dir.filePath(QStringLiteral("mine.wav"));
    QVERIFY(QFile::copy(dir.filePath(QStringLiteral("Rhythm03.wav")), path));
    open();
    desktop.fileAnswer = QStringLiteral("  ") + path + QStringLiteral(" ");
    choose("mnuSound00");
    auto* label = window->findChild<QLabel*>(QStringLiteral("lblExp"));
    QCOMPARE(label->text(), "Other rhythms");
    // The beats play the chosen file: once it is gone, the next beat fails.
    window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("399"));
    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("lblStartStop")), Qt::LeftButton);
    QTest::qWait(400);
    QCOMPARE(label->text(), "Other rhythms");
    QVERIFY(QFile::remove(path));
    QTRY_COMPARE_WITH_TIMEOUT(label->text(), QStringLiteral("Error..!"), 2000);
    QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuSound00"))->isChecked());
}

void tst_Metronome::noDeviceKeepsRunningSilently()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    open();
    auto* startStop = window->findChild<QLabel*>(QStringLiteral("lblStartStop"));
    window->findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("399"));
    QTest::mouseClick(startStop, Qt::LeftButton);
    // Even a sound that cannot be played is skipped, not reported.
    choose("mnuSound02");
    QTest::qWait(400);
    QCOMPARE(textColour(startStop), QColor(palette::SwitchOn));
    QVERIFY(window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblExp"))->text(), "Rhythm 02");
}

QTEST_MAIN(tst_Metronome)
#include "tst_metronome.moc"
