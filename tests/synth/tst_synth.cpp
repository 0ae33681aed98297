#include "GuitarStrings.h"
#include "Pitch.h"
#include "Pluck.h"
#include "SoundMeasures.h"
#include "Strum.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using Frets = guitar::Frets;
Q_DECLARE_METATYPE(Frets)

namespace {

constexpr int Rate = 48000;
constexpr float MinusThreeDb = 0.708f;

double rms(const std::vector<float>& x, double from)
{
    return measure::rms(x, Rate, from);
}

float peak(const std::vector<float>& x, double from = 0.0, double to = 10.0)
{
    return measure::peak(x, Rate, from, to);
}

} // namespace

class TestSynth : public QObject
{
    Q_OBJECT
private slots:
    void note_data()
    {
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("fret");
        QTest::addColumn<double>("hz");
        const double rows[][3] = {{6, 0, 82.4069},   {6, 1, 87.3071},   {5, 3, 130.8128},
                                  {4, 4, 184.9972},  {3, 8, 311.1270},  {1, 0, 329.6276},
                                  {1, 5, 440.0},     {2, 12, 493.8833}, {1, 12, 659.2551},
                                  {1, 15, 783.9909}, {1, 18, 932.3275}, {1, 19, 987.7666}};
        for (const auto& row : rows)
            QTest::addRow("%g/%g", row[0], row[1]) << int(row[0]) << int(row[1]) << row[2];
    }

    // Every note is in tune, loud but below -3 dBFS, starts without a click
    // (the first half millisecond stays quiet), is still heard after a second
    // and has died away by the end, where it fades out without a click (the
    // last half millisecond far quieter than the moment before the fade).
    void note()
    {
        QFETCH(int, string);
        QFETCH(int, fret);
        QFETCH(double, hz);
        const std::vector<float> x = synth::renderPluck(synth::stringFrequency(string, fret), Rate);
        const double cents = 1200.0 * std::log2(measure::fundamental(x, Rate) / hz);
        QVERIFY2(std::abs(cents) <= 2.0, qPrintable(QStringLiteral("%1 cents off").arg(cents)));
        QVERIFY(peak(x) <= MinusThreeDb && peak(x) >= 0.5f);
        QVERIFY(peak(x, 0.0, 0.0005) < 0.1f * peak(x));
        QVERIFY(rms(x, 1.0) > rms(x, 0.1) / 100 && rms(x, 1.35) < rms(x, 0.1) / 10);
        const double end = double(x.size()) / Rate;
        QVERIFY(peak(x, end - 0.0005, end) < 0.01f * peak(x, end - 0.07, end - 0.05));
    }

    void writtenNote_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("alteration");
        QTest::addColumn<double>("hz");
        QTest::newRow("E on the top space") << 15 << 0 << 329.6276;
        QTest::newRow("E on the bottom line") << 8 << 0 << 164.8138;
        QTest::newRow("highest B") << 26 << 0 << 987.7666;
        QTest::newRow("Gb") << 17 << -1 << 369.9944;
        QTest::newRow("E# is F") << 15 << 1 << 349.2282;
        QTest::newRow("B# is C") << 19 << 1 << 523.2511;
        QTest::newRow("Fb is E") << 16 << -1 << 329.6276;
        QTest::newRow("Cb is B") << 13 << -1 << 246.9417;
    }

    void writtenNote()
    {
        QFETCH(int, position);
        QFETCH(int, alteration);
        QFETCH(double, hz);
        QVERIFY(std::abs(synth::writtenNoteFrequency(position, alteration) - hz) < 0.001);
    }

    void strum_data()
    {
        QTest::addColumn<Frets>("frets");
        QTest::addColumn<QString>("notes"); // "string:hz" in the order struck
        QTest::newRow("C, low E muted")
            << Frets{0, 1, 0, 2, 3, -1} << "5:130.81 4:164.81 3:196.00 2:261.63 1:329.63";
        QTest::newRow("E") << Frets{0, 0, 1, 2, 2, 0}
                           << "6:82.41 5:123.47 4:164.81 3:207.65 2:246.94 1:329.63";
        QTest::newRow("F") << Frets{1, 1, 2, 3, 3, 1}
                           << "6:87.31 5:130.81 4:174.61 3:220.00 2:261.63 1:349.23";
        QTest::newRow("inner strings muted")
            << Frets{3, -1, 0, -2, 2, 3} << "6:98.00 5:123.47 3:196.00 1:392.00";
        QTest::newRow("all muted") << Frets{-1, -1, -1, -1, -1, -1} << "";
    }

    // From the low string up, 30 ms apart, muted strings left out; the mix is
    // silent exactly when nothing is struck, otherwise loud but below -3 dBFS
    // and without a click.
    void strum()
    {
        QFETCH(Frets, frets);
        QFETCH(QString, notes);
        const std::vector<synth::StrumNote> struck = synth::strumNotes(frets);
        const QStringList expected = notes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(struck.size(), std::size_t(expected.size()));
        for (std::size_t i = 0; i < struck.size(); ++i) {
            const QStringList fields = expected[qsizetype(i)].split(QLatin1Char(':'));
            QCOMPARE(struck[i].string, fields[0].toInt());
            QVERIFY(std::abs(struck[i].frequencyHz - fields[1].toDouble()) < 0.01);
            QVERIFY(std::abs(struck[i].onsetSeconds - 0.030 * double(i)) < 1e-9);
        }
        const std::vector<float> x = synth::renderStrum(struck, Rate);
        QCOMPARE(peak(x) >= 0.5f, !struck.empty());
        QVERIFY(peak(x) <= MinusThreeDb);
        QVERIFY(peak(x, 0.0, 0.0005) <= 0.1f * peak(x));
    }

    // Notes that add up to more than one note's peak, though not to full
    // scale, are turned down to that peak; one note is left as it is.
    void strumAsLoudAsANote_data()
    {
        QTest::addColumn<double>("second"); // onset of the same note again; < 0 for none
        QTest::newRow("one note") << -1.0;
        QTest::newRow("the note again half a second later") << 0.5;
        QTest::newRow("the note twice at once") << 0.0;
    }

    void strumAsLoudAsANote()
    {
        QFETCH(double, second);
        std::vector<synth::StrumNote> notes{{1, 329.63, 0.0}};
        if (second >= 0)
            notes.push_back({1, 329.63, second});
        const std::vector<float> x = synth::renderStrum(notes, Rate);
        QVERIFY(std::abs(peak(x) - 0.7f) < 1e-6f);
    }

    // A note is silent until its onset and sounds from there.
    void strumOnset()
    {
        const std::vector<float> x = synth::renderStrum({{1, 329.63, 0.09}}, Rate);
        QCOMPARE(peak(x, 0.0, 0.09), 0.0f);
        QVERIFY(peak(x, 0.09, 0.1) > 0.1f);
    }
};

QTEST_APPLESS_MAIN(TestSynth)
#include "tst_synth.moc"
