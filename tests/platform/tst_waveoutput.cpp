// Wave output: where the mixer puts each sound's first sample, and the real SDL
// output through the disk driver, which writes what a listener would hear to a
// file.

#include "SystemDesktop.h"
#include "WaveMixer.h"
#include "WaveOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cmath>
#include <random>

using namespace std::chrono;
using platform::AudioClock;

namespace {

constexpr int Rate = 48000;
constexpr int Buffer = 256;

// A sound of `frames` samples of the given value, so where it lands is plain to see.
std::shared_ptr<const platform::WaveSamples> constantSound(float value, int frames)
{
    auto wave = std::make_shared<platform::WaveSamples>();
    wave->samples.assign(std::size_t(frames), value);
    return wave;
}

// Renders mono buffers asked for exactly on time, from T0 on.
struct MixerRun
{
    platform::ClickMixer mixer{Rate, 1};
    AudioClock::time_point t0 = AudioClock::time_point(seconds(1000));
    std::vector<float> out;

    AudioClock::time_point at(double ms) const
    {
        return t0 + duration_cast<AudioClock::duration>(duration<double, std::milli>(ms));
    }
    void render(int buffers, double lateMs = 0)
    {
        std::vector<float> buffer(Buffer);
        for (int i = 0; i < buffers; ++i) {
            const double ms = double(out.size()) * 1000 / Rate + lateMs;
            mixer.Render(buffer.data(), Buffer, at(ms));
            out.insert(out.end(), buffer.begin(), buffer.end());
        }
    }
    long firstFrameOf(float value, long from = 0) const
    {
        for (std::size_t i = std::size_t(from); i < out.size(); ++i)
            if (out[i] == value)
                return long(i);
        return -1;
    }
};

// A 16-bit mono PCM wave file; dataBytes lets a test claim more data than it holds.
QByteArray waveFile(int frames, double amplitude, int rate = Rate, qint64 claimedFrames = -1)
{
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const auto s = qint16(std::lround(amplitude * 32767 * std::sin(i * 0.3)));
        data.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    const quint32 dataBytes = quint32((claimedFrames < 0 ? frames : claimedFrames) * 2);
    QByteArray file;
    const auto put = [&file](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.append(char((v >> (8 * i)) & 0xff));
    };
    file.append("RIFF");
    put(36 + dataBytes, 4);
    file.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(quint32(rate), 4);
    put(quint32(rate * 2), 4);
    put(2, 2);
    put(16, 2);
    file.append("data");
    put(dataBytes, 4);
    return file + data;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class tst_WaveOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstSampleAtItsFrame_data();
    void firstSampleAtItsFrame();
    void newSoundCutsOffTheSoundingOne();
    void lateRequestsDoNotMoveTheBeat();
    void lastingShiftIsFollowed_data();
    void lastingShiftIsFollowed();
    void clickIsWrittenToTheOutput();
    void unplayableFilesFail_data();
    void unplayableFilesFail();
    void changedFileIsReadAgain();
    void largeFiles_data();
    void largeFiles();
    void noDeviceCountsZero();
    void programEndsWhileSounding();

private:
    void useDiskDriver();
    QVector<float> writtenSamples();

    QTemporaryDir dir;
    platform::SystemDesktop desktop;
};

void tst_WaveOutput::initTestCase()
{
    QVERIFY(dir.isValid());
    useDiskDriver();
}

void tst_WaveOutput::useDiskDriver()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("out.raw")).toLocal8Bit());
    // The disk driver waits between buffers like a real device; keep it short.
    qputenv("SDL_DISKAUDIODELAY", "2");
}

// Closes the output, so the disk driver has written all it rendered, and reads it
// back as the 32-bit float samples the output renders.
QVector<float> tst_WaveOutput::writtenSamples()
{
    desktop.waveOutput().close();
    QFile file(dir.filePath(QStringLiteral("out.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QVector<float> samples(bytes.size() / qsizetype(sizeof(float)));
    if (!samples.isEmpty())
        std::memcpy(samples.data(), bytes.constData(), std::size_t(samples.size()) * sizeof(float));
    return samples;
}

void tst_WaveOutput::firstSampleAtItsFrame_data()
{
    QTest::addColumn<double>("startMs");
    QTest::addColumn<long>("frame");
    // Buffers ask 5.33 ms apart; the rendered frame rate is 48 per millisecond.
    QTest::newRow("inside the next buffer") << 6.0 << 288L;
    QTest::newRow("inside a later buffer") << 12.5 << 600L;
    QTest::newRow("first frame of a buffer") << 256.0 / 48 << 256L;
    QTest::newRow("last frame of a buffer") << 511.0 / 48 << 511L;
    QTest::newRow("many buffers ahead") << 100.0 << 4800L;
}

void tst_WaveOutput::firstSampleAtItsFrame()
{
    QFETCH(double, startMs);
    QFETCH(long, frame);
    MixerRun run;
    run.render(1);
    run.mixer.Schedule(constantSound(0.5f, 100), run.at(startMs));
    run.render(40);
    QCOMPARE(run.firstFrameOf(0.5f), frame);
    QCOMPARE(run.out[std::size_t(frame) + 99], 0.5f);
    QCOMPARE(run.out[std::size_t(frame) + 100], 0.0f);
}

void tst_WaveOutput::newSoundCutsOffTheSoundingOne()
{
    MixerRun run;
    run.render(1);
    run.mixer.Schedule(constantSound(0.25f, 10000), run.at(10));
    run.mixer.Schedule(constantSound(0.75f, 50), run.at(20));
    run.render(10);
    QCOMPARE(run.firstFrameOf(0.25f), 480L);
    QCOMPARE(run.firstFrameOf(0.75f), 960L);
    QCOMPARE(run.out[959], 0.25f);
    // The first sound does not come back once the second has ended.
    QCOMPARE(run.out[1010], 0.0f);
    QCOMPARE(run.firstFrameOf(0.25f, 960), -1L);

    // A start that was already rendered sounds at the next buffer.
    run.mixer.Schedule(constantSound(0.5f, 10), run.at(0));
    run.render(1);
    QCOMPARE(run.firstFrameOf(0.5f), long(run.out.size()) - Buffer);
}

// The audio thread wakes late by up to 3 ms; sounds asked for exactly 100 ms
// apart must still land 4800 frames apart, give or take a tenth of that.
void tst_WaveOutput::lateRequestsDoNotMoveTheBeat()
{
    MixerRun run;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> late(0.0, 3.0);
    std::vector<float> buffer(Buffer);
    const auto renderJittered = [&](int buffers) {
        for (int i = 0; i < buffers; ++i) {
            const double ms = double(run.out.size()) * 1000 / Rate + late(random);
            run.mixer.Render(buffer.data(), Buffer, run.at(ms));
            run.out.insert(run.out.end(), buffer.begin(), buffer.end());
        }
    };
    renderJittered(200);
    long previous = -1;
    for (int beat = 0; beat < 20; ++beat) {
        // Each sound is asked for 30 ms ahead, as the output's latency allows.
        const double startMs = 1100 + beat * 100.0;
        while (double(run.out.size()) * 1000 / Rate < startMs - 30)
            renderJittered(1);
        run.mixer.Schedule(constantSound(float(beat + 1) / 32, 10), run.at(startMs));
        renderJittered(10);
        const long frame = run.firstFrameOf(float(beat + 1) / 32);
        QVERIFY(frame > 0);
        if (previous >= 0)
            QVERIFY2(std::abs(frame - previous - 4800) <= 15,
                     qPrintable(QStringLiteral("interval %1 frames").arg(frame - previous)));
        previous = frame;
    }
}

void tst_WaveOutput::lastingShiftIsFollowed_data()
{
    QTest::addColumn<int>("history");    // buffers asked for on time
    QTest::addColumn<double>("shiftMs"); // how much later every buffer after them is asked for
    QTest::addColumn<int>("after");      // buffers asked for late before the sound is scheduled
    QTest::newRow("output stalled for 200 ms") << 20 << 200.0 << 21;
    QTest::newRow("output 8 ms behind for good") << 100 << 8.0 << 6;
    QTest::newRow("output 3 ms behind for good") << 100 << 3.0 << 6;
}

// Once the output has fallen behind for good, a sound is placed by the new
// timing after a handful of buffers, not after the old ones have aged out.
void tst_WaveOutput::lastingShiftIsFollowed()
{
    QFETCH(int, history);
    QFETCH(double, shiftMs);
    QFETCH(int, after);
    MixerRun run;
    run.render(history);
    run.render(after, shiftMs);
    const double nowMs = double(run.out.size()) * 1000 / Rate + shiftMs;
    run.mixer.Schedule(constantSound(0.5f, 10), run.at(nowMs + 10));
    run.render(10, shiftMs);
    QCOMPARE(run.firstFrameOf(0.5f), long(run.out.size()) - 10 * Buffer + 480);
}

void tst_WaveOutput::clickIsWrittenToTheOutput()
{
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("click.wav"));
    QVERIFY(writeFile(path, waveFile(2400, 0.5, 22050)));
    QVERIFY(desktop.waveOutput().deviceCount() > 0);
    QVERIFY(desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    QThread::msleep(400);
    const QVector<float> samples = writtenSamples();
    QVERIFY(!samples.isEmpty());
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    QVERIFY2(peak > 0.4f && peak < 0.6f, qPrintable(QString::number(peak)));
}

void tst_WaveOutput::unplayableFilesFail_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("text") << QByteArray("this is not a sound\n") << true;
    std::mt19937 random(3);
    QByteArray noise(4096, 0);
    for (char& c : noise)
        c = char(random());
    QTest::newRow("random bytes") << noise << true;
    QTest::newRow("data chunk cut short") << waveFile(100, 0.5, Rate, 48000) << true;
    QTest::newRow("header only") << waveFile(100, 0.5).left(30) << true;
    QTest::newRow("no samples") << waveFile(0, 0.5) << true;
    QTest::newRow("a folder") << QByteArray("folder") << false;
}

void tst_WaveOutput::unplayableFilesFail()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("bad-%1.wav").arg(QTest::currentDataTag()));
    if (exists)
        QVERIFY(writeFile(path, content));
    else if (content == "folder")
        QVERIFY(QDir().mkpath(path));
    QVERIFY(!desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    // Nothing was played in place of it.
    for (float s : writtenSamples())
        QCOMPARE(s, 0.0f);
}

void tst_WaveOutput::changedFileIsReadAgain()
{
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("changing.wav"));
    QVERIFY(writeFile(path, waveFile(480, 0.5)));
    QVERIFY(desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    QVERIFY(writeFile(path, QByteArray("garbage now")));
    QVERIFY(!desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    QVERIFY(writeFile(path, waveFile(960, 0.5)));
    QVERIFY(desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    QVERIFY(QFile::remove(path));
    QVERIFY(!desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    desktop.waveOutput().close();
}

void tst_WaveOutput::largeFiles_data()
{
    QTest::addColumn<qint64>("claimedFrames");
    QTest::addColumn<qint64>("fileBytes");
    QTest::addColumn<bool>("plays");
    const qint64 mb = 1024 * 1024;
    QTest::newRow("100 MB of sound") << 50 * mb << 100 * mb + 44 << true;
    QTest::newRow("odd size, cut to whole frames") << 10 * mb << 20 * mb + 45 << true;
    QTest::newRow("data chunk beyond the end") << 50 * mb << 30 * mb << false;
    QTest::newRow("large text file") << qint64(-1) << 20 * mb << false;
}

// Only the beginning of a large file is read, which must neither hide a
// truncated file nor lose a sound.
void tst_WaveOutput::largeFiles()
{
    QFETCH(qint64, claimedFrames);
    QFETCH(qint64, fileBytes);
    QFETCH(bool, plays);
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("large.wav"));
    QVERIFY(writeFile(path, claimedFrames < 0 ? QByteArray("text")
                                              : waveFile(480, 0.5, Rate, claimedFrames)));
    QVERIFY(QFile(path).resize(fileBytes));
    QElapsedTimer taken;
    taken.start();
    QCOMPARE(desktop.waveOutput().play(path, std::chrono::steady_clock::now()), plays);
    QVERIFY2(taken.elapsed() < 1000, qPrintable(QString::number(taken.elapsed())));
    QVERIFY(QFile::remove(path));
    desktop.waveOutput().close();
}

void tst_WaveOutput::noDeviceCountsZero()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString path = dir.filePath(QStringLiteral("fine.wav"));
    QVERIFY(writeFile(path, waveFile(480, 0.5)));
    QCOMPARE(desktop.waveOutput().deviceCount(), 0);
    QVERIFY(!desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    useDiskDriver();
    QVERIFY(desktop.waveOutput().deviceCount() > 0);
}

// The output stays open with a long sound playing when the program ends: its
// shutdown must stop the audio thread before the sound is released (checked
// under AddressSanitizer).
void tst_WaveOutput::programEndsWhileSounding()
{
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("long.wav"));
    QVERIFY(writeFile(path, waveFile(Rate * 5, 0.5)));
    QVERIFY(desktop.waveOutput().play(path, std::chrono::steady_clock::now()));
    QThread::msleep(50);
}

QTEST_GUILESS_MAIN(tst_WaveOutput)
#include "tst_waveoutput.moc"
