// The mixer: where each beat and each sound starts in the output's frames,
// after tempo changes, late sounds and previews, which beats begin a bar, and
// how notes add up on top.

#include "WaveMixer.h"

#include <QTest>

namespace {

// Runs a script on a mono mixer: "start <ms>", "period <ms>", "stop", "bar
// <beats>", "sound <level>[/<accented level>] [frames]" (the beats' sound),
// "play <level> [frames]" (a sound at once), "note <level> [frames]" (a note
// added at once), "render <frame>" (up to that frame, in buffers of 1024
// frames). Levels are quarters. Returns where the output's level changes to one
// that is not silence, as "frame:level".
QStringList run(int rate, const QString& script)
{
    platform::WaveMixer mixer(rate, 1);
    std::vector<float> out;
    const auto wave = [](const QStringList& words) {
        const std::size_t frames = words.size() > 2 ? words[2].toUInt() : 100;
        const QStringList levels = words[1].split(u'/');
        auto samples = std::make_shared<platform::WaveSamples>();
        samples->samples.assign(frames, levels[0].toFloat() / 4);
        if (levels.size() > 1) {
            auto accented = std::make_shared<platform::WaveSamples>();
            accented->samples.assign(frames, levels[1].toFloat() / 4);
            samples->accented = accented;
        }
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
        else if (verb == "bar")
            mixer.setBeatsPerBar(words[1].toInt());
        else if (verb == "sound")
            mixer.setBeatSound(wave(words));
        else if (verb == "play")
            mixer.play(wave(words));
        else if (verb == "note")
            mixer.addNote(wave(words));
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
    QString level = QStringLiteral("0");
    for (std::size_t i = 0; i < out.size(); ++i) {
        const QString previous = std::exchange(level, QString::number(double(out[i]) * 4, 'g', 4));
        if (level != QStringLiteral("0") && level != previous)
            onsets.append(QStringLiteral("%1:%2").arg(i).arg(level));
    }
    return onsets;
}

} // namespace

class tst_BeatGrid : public QObject
{
    Q_OBJECT

private slots:
    void beatsFallOnTheGrid_data();
    void beatsFallOnTheGrid();
    void loudMomentPassesWithoutClipping_data();
    void loudMomentPassesWithoutClipping();
    void theOldestNoteGivesWay();
    void silenceIsCountedInFrames_data();
    void silenceIsCountedInFrames();
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
    // A note is not cut off by the beats or by a sound played: they add.
    QTest::newRow("a note under the beats")
        << 48000 << "sound 1; start 500; render 10240; note 2 20000; render 50000"
        << QStringList{"0:1", "10240:2", "24000:3", "24100:2", "48000:1"};
    // Bars of beats 100 ms (4800 frames) apart: the first beat of each plays
    // the accented sound (level 3).
    QTest::newRow("no count: every beat plain")
        << 48000 << "sound 1/3; start 100; render 15000"
        << QStringList{"0:1", "4800:1", "9600:1", "14400:1"};
    QTest::newRow("4 beats per bar")
        << 48000 << "sound 1/3; bar 4; start 100; render 24000"
        << QStringList{"0:3", "4800:1", "9600:1", "14400:1", "19200:3"};
    QTest::newRow("changed mid-bar: the bar ends with the old count")
        << 48000 << "sound 1/3; bar 4; start 100; render 26000; bar 2; render 58000"
        << QStringList{"0:3",     "4800:1",  "9600:1",  "14400:1", "19200:3", "24000:1", "28800:1",
                       "33600:1", "38400:3", "43200:1", "48000:3", "52800:1", "57600:3"};
    QTest::newRow("twice in a bar: the last count from its end")
        << 48000 << "sound 1/3; bar 4; start 100; render 6000; bar 0; bar 3; render 40000"
        << QStringList{"0:3",     "4800:1",  "9600:1",  "14400:1", "19200:3",
                       "24000:1", "28800:1", "33600:3", "38400:1"};
    QTest::newRow("from no accent: at the next multiple of the count")
        << 48000 << "sound 1/3; start 100; render 20000; bar 3; render 35000"
        << QStringList{"0:1",     "4800:1",  "9600:1",  "14400:1",
                       "19200:1", "24000:1", "28800:3", "33600:1"};
    QTest::newRow("to no accent") << 48000
                                  << "sound 1/3; bar 2; start 100; render 6000; bar 1; render 20000"
                                  << QStringList{"0:3", "4800:1", "9600:1", "14400:1", "19200:1"};
    QTest::newRow("a new period keeps counting")
        << 48000 << "sound 1/3; bar 3; start 100; render 12000; period 200; render 40000"
        << QStringList{"0:3", "4800:1", "9600:1", "19200:3", "28800:1", "38400:1"};
    QTest::newRow("a start begins a bar")
        << 48000
        << "sound 1/3; bar 3; start 100; render 6000; stop; render 10000; start 100; "
           "render 25000"
        << QStringList{"0:3", "4800:1", "10000:3", "14800:1", "19600:1", "24400:3"};
    QTest::newRow("a sound without an accented one")
        << 48000 << "sound 1; bar 2; start 100; render 10000"
        << QStringList{"0:1", "4800:1", "9600:1"};
    QTest::newRow("a sound played over a note")
        << 48000 << "note 1 3000; render 1024; play 2 1000; render 4000"
        << QStringList{"0:1", "1024:3", "2024:1"};
    QTest::newRow("two notes") << 48000 << "note 1 3000; render 1024; note 2 3000; render 5000"
                               << QStringList{"0:1", "1024:3", "3000:2"};
    // Sounds that add up to more than full scale are held there.
    QTest::newRow("beyond full scale")
        << 48000 << "note 3 1000; note 3 1000; play 3 1000; render 2000" << QStringList{"0:4"};
}

void tst_BeatGrid::beatsFallOnTheGrid()
{
    QFETCH(int, rate);
    QFETCH(QString, script);
    QFETCH(QStringList, onsets);
    QCOMPARE(run(rate, script), onsets);
}

// Three notes at 0.6 and one at 0.4 reach 2.2 for 100 frames: that moment is
// held at full scale, the quiet note after it dips for a moment and comes back
// to its own level (within 0.1 % after three quarters of a second), and the peak
// never goes beyond full scale, above it or below.
void tst_BeatGrid::loudMomentPassesWithoutClipping_data()
{
    QTest::addColumn<float>("sign");
    QTest::newRow("above") << 1.0f;
    QTest::newRow("below") << -1.0f;
}

void tst_BeatGrid::loudMomentPassesWithoutClipping()
{
    QFETCH(float, sign);
    platform::WaveMixer mixer(48000, 2);
    const auto note = [](float level, std::size_t frames) {
        auto wave = std::make_shared<platform::WaveSamples>();
        wave->samples.assign(2 * frames, level);
        return wave;
    };
    for (int i = 0; i < 3; ++i)
        mixer.addNote(note(sign * 0.6f, 100));
    mixer.addNote(note(sign * 0.4f, 48000));
    std::vector<float> out(2 * 48000);
    mixer.render(out.data(), 48000);
    for (float& s : out)
        s *= sign;
    QCOMPARE(*std::max_element(out.begin(), out.end()), 1.0f);
    QCOMPARE(out[0], 1.0f);
    QVERIFY(out[2 * 100] < 0.3f);
    QVERIFY(std::abs(out[2 * 36000] - 0.4f) < 0.0004f);
    QCOMPARE(out[2 * 36000], out[2 * 36000 + 1]);
}

// Seventeen notes at once, the k-th at k/1024: the first gives way to the
// last, and the other sixteen sound together.
void tst_BeatGrid::theOldestNoteGivesWay()
{
    platform::WaveMixer mixer(48000, 1);
    for (int k = 1; k <= 17; ++k)
        mixer.addNote(std::make_shared<platform::WaveSamples>(
            platform::WaveSamples{std::vector<float>(10, float(k) / 1024)}));
    float out = 0;
    mixer.render(&out, 1);
    QCOMPARE(out * 1024, 152.0f); // 2 + 3 + ... + 17
}

void tst_BeatGrid::silenceIsCountedInFrames_data()
{
    // A click and a note of some frames, started before some frames are
    // rendered: the frames left until the last of them ends.
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("click");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("rendered");
    QTest::addColumn<int>("left");
    QTest::newRow("mono note") << 1 << 0 << 300 << 100 << 200;
    QTest::newRow("stereo note") << 2 << 0 << 300 << 100 << 200;
    QTest::newRow("stereo click") << 2 << 300 << 0 << 0 << 300;
    QTest::newRow("stereo click outlasts the note") << 2 << 500 << 300 << 100 << 400;
    QTest::newRow("all played") << 2 << 300 << 300 << 400 << 0;
}

void tst_BeatGrid::silenceIsCountedInFrames()
{
    QFETCH(int, channels);
    QFETCH(int, click);
    QFETCH(int, note);
    QFETCH(int, rendered);
    QFETCH(int, left);
    platform::WaveMixer mixer(48000, channels);
    const auto wave = [channels](int frames) {
        return std::make_shared<platform::WaveSamples>(
            platform::WaveSamples{std::vector<float>(std::size_t(frames * channels), 0.25f)});
    };
    if (click > 0)
        mixer.play(wave(click));
    if (note > 0)
        mixer.addNote(wave(note));
    std::vector<float> out(std::size_t(rendered * channels));
    mixer.render(out.data(), rendered);
    QCOMPARE(mixer.framesToSilence(), std::optional<std::int64_t>(left));
}

QTEST_GUILESS_MAIN(tst_BeatGrid)
#include "tst_beatgrid.moc"
