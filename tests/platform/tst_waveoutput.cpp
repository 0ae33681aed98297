// Wave output: where the mixer puts each sound's first sample, and the SDL
// module through SDL's disk driver, which writes what a listener would hear to
// a file.

#include "SystemDesktop.h"
#include "WaveMixer.h"
#include "WaveOutput.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <functional>
#include <random>

using namespace std::chrono;
using platform::AudioClock;

namespace {

constexpr int Rate = 48000;
constexpr int Buffer = 256;
// Milliseconds SDL's disk driver waits after each buffer: a quick pace where
// only whether a file plays matters, and about a buffer's length in real time
// (512 frames) where the place of a click matters.
constexpr const char* QuickDelay = "2";
constexpr const char* RealTimeDelay = "11";

// The mixer rendering mono buffers, each asked for lateMs() after the clock
// time of its first frame; sounds of a constant level show where they land.
struct MixerRun
{
    platform::ClickMixer mixer{Rate, 1};
    std::vector<float> out;

    static AudioClock::time_point at(double ms)
    {
        return AudioClock::time_point(seconds(1000)) +
               duration_cast<AudioClock::duration>(duration<double, std::milli>(ms));
    }
    double renderedMs() const { return double(out.size()) * 1000 / Rate; }
    void render(
        int buffers, const std::function<double()>& lateMs = [] { return 0.0; })
    {
        std::vector<float> buffer(Buffer);
        for (int i = 0; i < buffers; ++i) {
            mixer.render(buffer.data(), Buffer, at(renderedMs() + lateMs()));
            out.insert(out.end(), buffer.begin(), buffer.end());
        }
    }
    void schedule(float level, int frames, double startMs)
    {
        auto wave = std::make_shared<platform::WaveSamples>();
        wave->samples.assign(std::size_t(frames), level);
        mixer.schedule(std::move(wave), at(startMs));
    }
    long firstFrameOf(float level, long from = 0) const
    {
        const auto found = std::find(out.begin() + from, out.end(), level);
        return found == out.end() ? -1 : long(found - out.begin());
    }
};

// A 16-bit mono wave file of a constant level; claimedFrames lets a test claim
// more data than it holds.
QByteArray waveFile(int frames, double level, int rate = Rate, qint64 claimedFrames = -1)
{
    const auto dataBytes = quint32((claimedFrames < 0 ? frames : claimedFrames) * 2);
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (int i = 0; i < frames; ++i)
        out << qint16(std::min(32767L, std::lround(level * 32768)));
    return file;
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
    void initTestCase() { QVERIFY(dir.isValid()); }
    void soundLandsAtItsFrame_data();
    void soundLandsAtItsFrame();
    void newSoundCutsOffTheSoundingOne();
    void lateRequestsDoNotMoveTheBeat();
    void clickSoundsOneLatencyLater();
    void whichFilesPlay_data();
    void whichFilesPlay();
    void changedFileIsReadAgain();
    void noDeviceCountsZero();
    void programEndsWhileSounding();

private:
    void useDiskDriver(const char* delayMs = QuickDelay);
    bool play(const QString& path) { return desktop.waveOutput().play(path, steady_clock::now()); }
    QVector<float> writtenSamples();

    QTemporaryDir dir;
    platform::SystemDesktop desktop;
};

void tst_WaveOutput::useDiskDriver(const char* delayMs)
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("out.raw")).toLocal8Bit());
    qputenv("SDL_DISKAUDIODELAY", delayMs);
}

// Closes the output, so that the disk driver has written all it rendered, and
// reads that back: 32-bit floats, two channels.
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

void tst_WaveOutput::soundLandsAtItsFrame_data()
{
    // Buffers of 256 frames (5.33 ms) asked for on time, then more buffers each
    // asked for shiftMs late; then a sound is scheduled `ahead` frames after the
    // frame being asked for, and must start exactly there.
    QTest::addColumn<int>("onTime");
    QTest::addColumn<double>("shiftMs");
    QTest::addColumn<int>("late");
    QTest::addColumn<int>("ahead");
    QTest::newRow("first frame of the next buffer") << 1 << 0.0 << 0 << 0;
    QTest::newRow("inside the next buffer") << 1 << 0.0 << 0 << 32;
    QTest::newRow("last frame of the next buffer") << 1 << 0.0 << 0 << 255;
    QTest::newRow("inside a later buffer") << 1 << 0.0 << 0 << 344;
    QTest::newRow("many buffers ahead") << 1 << 0.0 << 0 << 4544;
    // Once the output has fallen behind for good, a sound is placed by the new
    // timing after a handful of buffers, not after the old ones have aged out.
    QTest::newRow("output stalled for 200 ms") << 20 << 200.0 << 21 << 480;
    QTest::newRow("output 8 ms behind for good") << 100 << 8.0 << 6 << 480;
    QTest::newRow("output 3 ms behind for good") << 100 << 3.0 << 6 << 480;
}

void tst_WaveOutput::soundLandsAtItsFrame()
{
    QFETCH(int, onTime);
    QFETCH(double, shiftMs);
    QFETCH(int, late);
    QFETCH(int, ahead);
    MixerRun run;
    run.render(onTime);
    run.render(late, [=] { return shiftMs; });
    const long frame = long(run.out.size()) + ahead;
    run.schedule(0.5f, 100, run.renderedMs() + shiftMs + ahead / 48.0);
    run.render(40, [=] { return shiftMs; });
    QCOMPARE(run.firstFrameOf(0.5f), frame);
    QCOMPARE(run.out[std::size_t(frame) + 99], 0.5f);
    QCOMPARE(run.out[std::size_t(frame) + 100], 0.0f);
}

void tst_WaveOutput::newSoundCutsOffTheSoundingOne()
{
    MixerRun run;
    run.render(1);
    run.schedule(0.25f, 10000, 10);
    run.schedule(0.75f, 50, 20);
    run.render(10);
    QCOMPARE(run.firstFrameOf(0.25f), 480L);
    QCOMPARE(run.firstFrameOf(0.75f), 960L);
    QCOMPARE(run.out[959], 0.25f);
    // The first sound does not come back once the second has ended.
    QCOMPARE(run.firstFrameOf(0.25f, 960), -1L);

    // A start that was already rendered sounds at the next buffer.
    run.schedule(0.5f, 10, 0);
    run.render(1);
    QCOMPARE(run.firstFrameOf(0.5f), long(run.out.size()) - Buffer);
}

// The audio thread wakes late by up to 3 ms; sounds asked for exactly 100 ms
// apart must still land 4800 frames apart, give or take 15.
void tst_WaveOutput::lateRequestsDoNotMoveTheBeat()
{
    MixerRun run;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> late(0.0, 3.0);
    const auto jitter = [&] { return late(random); };
    run.render(200, jitter);
    long previous = -1;
    for (int beat = 1; beat <= 20; ++beat) {
        // Each sound is asked for 30 ms ahead, as the output's latency allows.
        const double startMs = 1000 + beat * 100.0;
        while (run.renderedMs() < startMs - 30)
            run.render(1, jitter);
        run.schedule(float(beat) / 32, 10, startMs);
        run.render(10, jitter);
        const long frame = run.firstFrameOf(float(beat) / 32);
        QVERIFY2(previous < 0 || std::abs(frame - previous - 4800) <= 15,
                 qPrintable(QStringLiteral("interval %1 frames").arg(frame - previous)));
        previous = frame;
    }
}

// Through the module and SDL's disk driver: a click asked for now sounds one
// output latency after a click asked for in the past, which goes out at once.
void tst_WaveOutput::clickSoundsOneLatencyLater()
{
    useDiskDriver(RealTimeDelay);
    const QString past = dir.filePath(QStringLiteral("past.wav"));
    const QString now = dir.filePath(QStringLiteral("now.wav"));
    QVERIFY(writeFile(past, waveFile(Rate / 10, 0.25)));
    QVERIFY(writeFile(now, waveFile(2205, 0.75, 22050))); // converted to the output's rate
    QVERIFY(desktop.waveOutput().deviceCount() > 0);
    QThread::msleep(200); // the output's clock settles on its first buffers
    const auto requested = steady_clock::now();
    QVERIFY(desktop.waveOutput().play(past, requested - seconds(1)));
    QVERIFY(desktop.waveOutput().play(now, requested));
    QThread::msleep(300);
    const QVector<float> samples = writtenSamples();
    const auto firstFrame = [&samples](float low, float high) {
        const auto at = std::find_if(samples.begin(), samples.end(),
                                     [=](float s) { return s > low && s < high; });
        return at == samples.end() ? -1L : long(at - samples.begin()) / 2;
    };
    const long pastFrame = firstFrame(0.24f, 0.26f);
    const long nowFrame = firstFrame(0.6f, 0.9f);
    QVERIFY(pastFrame >= 0 && nowFrame >= 0);
    // Less than the latency by where in its buffer the output was when asked.
    const double gapMs = double(nowFrame - pastFrame) * 1000 / Rate;
    QVERIFY2(gapMs > 12 && gapMs < 55, qPrintable(QStringLiteral("%1 ms").arg(gapMs)));
}

void tst_WaveOutput::whichFilesPlay_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // grown to this size; 0 as written, -1 none, -2 a folder
    QTest::addColumn<bool>("plays");
    const qint64 mb = 1024 * 1024;
    QTest::newRow("a short sound") << waveFile(480, 0.5) << 0LL << true;
    QTest::newRow("missing") << QByteArray() << -1LL << false;
    QTest::newRow("a folder") << QByteArray() << -2LL << false;
    QTest::newRow("empty file") << QByteArray() << 0LL << false;
    QTest::newRow("text") << QByteArray("this is not a sound\n") << 0LL << false;
    QTest::newRow("data chunk cut short") << waveFile(100, 0.5, Rate, 48000) << 0LL << false;
    QTest::newRow("no samples") << waveFile(0, 0.5) << 0LL << false;
    // Only the beginning of a large file is read, which must neither hide a
    // truncated file nor lose a sound.
    QTest::newRow("100 MB of sound") << waveFile(480, 0.5, Rate, 50 * mb) << 100 * mb + 44 << true;
    QTest::newRow("odd size, cut to whole frames")
        << waveFile(480, 0.5, Rate, 10 * mb) << 20 * mb + 45 << true;
    QTest::newRow("large, data chunk beyond the end")
        << waveFile(480, 0.5, Rate, 50 * mb) << 30 * mb << false;
    QTest::newRow("large text file") << QByteArray("text") << 20 * mb << false;
}

void tst_WaveOutput::whichFilesPlay()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(bool, plays);
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    if (size == -2)
        QVERIFY(QDir().mkpath(path));
    else if (size >= 0)
        QVERIFY(writeFile(path, content) && (size == 0 || QFile(path).resize(size)));
    const auto removeFile = qScopeGuard([&] { QFile::remove(path) || QDir().rmdir(path); });
    QElapsedTimer taken;
    taken.start();
    QCOMPARE(play(path), plays);
    QVERIFY2(taken.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(taken.elapsed())));
    // Nothing was played in place of a file that does not play.
    for (float s : plays ? QVector<float>() : writtenSamples())
        QCOMPARE(s, 0.0f);
}

void tst_WaveOutput::changedFileIsReadAgain()
{
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("changing.wav"));
    QVERIFY(writeFile(path, waveFile(480, 0.5)));
    QVERIFY(play(path));
    QVERIFY(writeFile(path, QByteArray("garbage now")));
    QVERIFY(!play(path));
    QVERIFY(writeFile(path, waveFile(960, 0.5)));
    QVERIFY(play(path));
    QVERIFY(QFile::remove(path));
    QVERIFY(!play(path));
}

void tst_WaveOutput::noDeviceCountsZero()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString path = dir.filePath(QStringLiteral("fine.wav"));
    QVERIFY(writeFile(path, waveFile(480, 0.5)));
    QCOMPARE(desktop.waveOutput().deviceCount(), 0);
    QVERIFY(!play(path));
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
    QVERIFY(play(path));
    QThread::msleep(50);
}

QTEST_GUILESS_MAIN(tst_WaveOutput)
#include "tst_waveoutput.moc"
