// Tap tempo: the tempo a series of taps gives, tap by tap.

#include "TapTempo.h"

#include <QTest>

class tst_TapTempo : public QObject
{
    Q_OBJECT

private slots:
    void tapsGiveTheTempo_data();
    void tapsGiveTheTempo();
};

void tst_TapTempo::tapsGiveTheTempo_data()
{
    // Tap times in ms; after each tap the tempo it gives, "-" for none.
    QTest::addColumn<QString>("taps");
    QTest::addColumn<QString>("tempos");
    QTest::newRow("500 ms apart") << "0 500 1000 1500 2000 2500"
                                  << "- 120 120 120 120 120";
    QTest::newRow("the mean interval") << "0 400 1000"
                                       << "- 150 120";
    QTest::newRow("119.76 to the nearest") << "0 501"
                                           << "- 120";
    QTest::newRow("119.05 to the nearest") << "0 504"
                                           << "- 119";
    QTest::newRow("187.5 to even") << "0 320"
                                   << "- 188";
    QTest::newRow("312.5 to even") << "0 192"
                                   << "- 312";
    // The slow first interval leaves the last eight taps with the ninth.
    QTest::newRow("the last eight taps") << "0 1000 1500 2000 2500 3000 3500 4000 4500"
                                         << "- 60 80 90 96 100 103 105 120";
    QTest::newRow("exactly 2 s: the slowest") << "0 2000"
                                              << "- 30";
    QTest::newRow("a pause of more than 2 s begins anew") << "0 500 2501 2901"
                                                          << "- 120 - 150";
    QTest::newRow("fastest") << "0 150"
                             << "- 399";
    QTest::newRow("beyond the fastest") << "0 100 200"
                                        << "- 399 399";
    QTest::newRow("just below the fastest") << "0 151"
                                            << "- 397";
    QTest::newRow("the same millisecond") << "0 0"
                                          << "- 399";
    QTest::newRow("back in time begins anew") << "5000 4000 4500"
                                              << "- - 120";
    QTest::newRow("far from zero") << "86400000000 86400000500"
                                   << "- 120";
}

void tst_TapTempo::tapsGiveTheTempo()
{
    QFETCH(QString, taps);
    QFETCH(QString, tempos);
    tempo::TapTempo tapTempo;
    QStringList given;
    for (const QString& tap : taps.split(u' ')) {
        const std::optional<int> tempo = tapTempo.tap(tap.toLongLong());
        given.append(tempo ? QString::number(*tempo) : QStringLiteral("-"));
    }
    QCOMPARE(given.join(u' '), tempos);
}

QTEST_APPLESS_MAIN(tst_TapTempo)
#include "tst_taptempo.moc"
