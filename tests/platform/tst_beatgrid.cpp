// The beat grid as the mixer renders it: where each beat and each sound starts
// in the output's frames, after tempo changes, late sounds and previews.

#include "WaveMixer.h"

#include <QTest>

namespace {

// Runs a script on a mono mixer: "start <ms>", "period <ms>", "stop",
// "sound <level> [frames]" (the beats' sound), "play <level> [frames]" (a sound
// at once), "render <frame>" (up to that frame, in buffers of 1024 frames).
// Levels are quarters. Returns where a sound starts or changes, as
// "frame:level".
QStringList run(int rate, const QString& script)
{
    platform::ClickMixer mixer(rate, 1);
    std::vector<float> out;
    const auto wave = [](const QStringList& words) {
        auto samples = std::make_shared<platform::WaveSamples>();
        samples->samples.assign(words.size() > 2 ? words[2].toUInt() : 100, words[1].toFloat() / 4);
        return samples;
    };
    for (const QString& step : script.split(u';')) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QString& verb = words[0];
        if (verb == "start")
            mixer.startBeats(words[1].toInt());
        else if (verb == "period")
            mixer.setBeatPeriod(words[1].toInt());
        else if (verb == "stop")
            mixer.stopBeats();
        else if (verb == "sound")
            mixer.setBeatSound(wave(words));
        else if (verb == "play")
            mixer.play(wave(words));
        else if (verb == "render")
            while (out.size() < words[1].toULong()) {
                const auto frames = std::min<std::size_t>(1024, words[1].toULong() - out.size());
                out.resize(out.size() + frames);
                mixer.render(out.data() + out.size() - frames, int(frames));
            }
        else
            qFatal("unknown step %s", qPrintable(step));
    }
    QStringList onsets;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] != 0 && (i == 0 || out[i] != out[i - 1]))
            onsets.append(QStringLiteral("%1:%2").arg(i).arg(double(out[i]) * 4));
    return onsets;
}

} // namespace

class tst_BeatGrid : public QObject
{
    Q_OBJECT

private slots:
    void beatsFallOnTheGrid_data();
    void beatsFallOnTheGrid();
};

void tst_BeatGrid::beatsFallOnTheGrid_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("onsets");
    QTest::newRow("120 BPM at 48 kHz") << 48000 << "sound 1; start 500; render 80000"
                                       << QStringList{"0:1", "24000:1", "48000:1", "72000:1"};
    QTest::newRow("176 BPM: 341 ms at 48 kHz")
        << 48000 << "sound 1; start 341; render 50000"
        << QStringList{"0:1", "16368:1", "32736:1", "49104:1"};
    // 455 ms is 20065.5 frames: each beat is rounded from the first one, so the
    // error never adds up.
    QTest::newRow("132 BPM at 44.1 kHz") << 44100 << "sound 1; start 455; render 61000"
                                         << QStringList{"0:1", "20066:1", "40131:1", "60197:1"};
    QTest::newRow("slower, mid-beat: one new period after the last beat")
        << 48000 << "sound 1; start 500; render 30000; period 600; render 90000"
        << QStringList{"0:1", "24000:1", "52800:1", "81600:1"};
    QTest::newRow("faster, mid-beat")
        << 48000 << "sound 1; start 500; render 30000; period 300; render 70000"
        << QStringList{"0:1", "24000:1", "38400:1", "52800:1", "67200:1"};
    QTest::newRow("faster, a period already past: the next beat at once")
        << 48000 << "sound 1; start 500; render 40000; period 250; render 60000"
        << QStringList{"0:1", "24000:1", "40000:1", "52000:1"};
    QTest::newRow("two changes within one beat count from the same beat")
        << 48000 << "sound 1; start 500; render 30000; period 400; period 600; render 90000"
        << QStringList{"0:1", "24000:1", "52800:1", "81600:1"};
    QTest::newRow("changed before the first beat")
        << 48000 << "sound 1; start 500; period 250; render 30000"
        << QStringList{"0:1", "12000:1", "24000:1"};
    QTest::newRow("started later, counted from the next frame")
        << 48000 << "sound 1; render 5000; start 500; render 30000"
        << QStringList{"5000:1", "29000:1"};
    QTest::newRow("stopped") << 48000 << "sound 1; start 500; render 30000; stop; render 80000"
                             << QStringList{"0:1", "24000:1"};
    // A sound handed over 40 ms after its beat (a late tick) plays from the
    // next beat on, and the beats stay on their frames.
    QTest::newRow("new sound after a beat")
        << 48000 << "sound 1; start 500; render 26000; sound 2; render 80000"
        << QStringList{"0:1", "24000:1", "48000:2", "72000:2"};
    QTest::newRow("silent until a sound comes")
        << 48000 << "start 500; render 30000; sound 1; render 80000"
        << QStringList{"48000:1", "72000:1"};
    // A sound played at once starts with the next buffer and is cut off by the
    // next beat, and does not come back after it.
    QTest::newRow("a sound played between beats")
        << 48000 << "sound 1; start 500; render 10240; play 3 20000; render 50000"
        << QStringList{"0:1", "10240:3", "24000:1", "48000:1"};
}

void tst_BeatGrid::beatsFallOnTheGrid()
{
    QFETCH(int, rate);
    QFETCH(QString, script);
    QFETCH(QStringList, onsets);
    QCOMPARE(run(rate, script), onsets);
}

QTEST_GUILESS_MAIN(tst_BeatGrid)
#include "tst_beatgrid.moc"
