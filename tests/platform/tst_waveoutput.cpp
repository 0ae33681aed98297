// Wave output: the SDL module through SDL's disk driver, which writes what a
// listener would hear to a file.

#include "SoundMeasures.h"
#include "SystemDesktop.h"
#include "WaveOutput.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace {

constexpr int Rate = 48000;
// Milliseconds SDL's disk driver waits after each buffer: a quick pace where
// only what is played matters, and about a buffer's length in real time (1024
// frames) where the output's life matters.
constexpr const char* QuickDelay = "2";
constexpr const char* RealTimeDelay = "21";

// A wave file around the given sample bytes: formatTag 1 for integer PCM, 3 for
// float. dataBytes is the data length the header claims, which a test may set
// beyond the bytes the file holds.
QByteArray waveFileAround(quint16 formatTag, int bits, int channels, int rate,
                          const QByteArray& samples, quint32 dataBytes)
{
    const int frameBytes = bits / 8 * channels;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << formatTag << quint16(channels) << quint32(rate)
        << quint32(rate * frameBytes) << quint16(frameBytes) << quint16(bits);
    out.writeRawData("data", 4);
    out << dataBytes;
    out.writeRawData(samples.constData(), int(samples.size()));
    return file;
}

// A 16-bit mono wave file of a constant level; claimedFrames lets a test claim
// more data than it holds.
QByteArray waveFile(int frames, double level, int rate = Rate, qint64 claimedFrames = -1)
{
    char sample[2];
    qToLittleEndian(qint16(std::min(32767L, std::lround(level * 32768))), sample);
    QByteArray samples;
    for (int i = 0; i < frames; ++i)
        samples.append(sample, 2);
    return waveFileAround(1, 16, 1, rate, samples,
                          quint32((claimedFrames < 0 ? frames : claimedFrames) * 2));
}

// A full-scale square wave at a quarter of the rate (two samples high, two
// low), the loudest sound near the top of its band, in any sample format:
// bits 8 to 32 of integer PCM, or 32-bit float.
QByteArray squareWaveFile(int bits, bool isFloat, int channels, int rate, int frames)
{
    const int bytes = bits / 8;
    QByteArray samples;
    for (int i = 0; i < frames * channels; ++i) {
        const bool high = i / channels % 4 < 2;
        char sample[4];
        if (isFloat)
            qToLittleEndian(high ? 1.0f : -1.0f, sample);
        else if (bits == 8)
            sample[0] = char(high ? 255 : 0); // unsigned
        else
            qToLittleEndian(high ? qint32((1LL << (bits - 1)) - 1) : qint32(-(1LL << (bits - 1))),
                            sample);
        samples.append(sample, bytes);
    }
    return waveFileAround(isFloat ? 3 : 1, bits, channels, rate, samples, quint32(samples.size()));
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
    void whichFilesPlay_data();
    void whichFilesPlay();
    void changedFileIsReadAgain();
    void noDeviceCountsZero();
    void programEndsWhileSounding();
    void formatsPlayWithinFullScale_data();
    void formatsPlayWithinFullScale();
    void notesPlayAtTheOutputsRate_data();
    void notesPlayAtTheOutputsRate();
    void beatsStartWhenTheOutputAppears();
    void firstBeatOfABarIsAFifthHigher_data();
    void firstBeatOfABarIsAFifthHigher();
    void outputClosesWhenSilent_data();
    void outputClosesWhenSilent();

private:
    void useDiskDriver(const char* delayMs = QuickDelay);
    bool play(const QString& path)
    {
        return desktop.waveOutput().play(path) == platform::PlayResult::Started;
    }
    QVector<float> writtenSamples();
    qint64 writtenBytes() { return QFileInfo(dir.filePath(QStringLiteral("out.raw"))).size(); }

    QTemporaryDir dir;
    platform::SystemDesktop desktop;
};

void tst_WaveOutput::useDiskDriver(const char* delayMs)
{
    desktop.waveOutput().close();
    // What the last output wrote is not read as this one's.
    QFile::remove(dir.filePath(QStringLiteral("out.raw")));
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
    // A device closed before its first buffer has written nothing.
    QVector<float> samples(bytes.size() / qsizetype(sizeof(float)));
    if (!samples.isEmpty())
        std::memcpy(samples.data(), bytes.constData(), std::size_t(samples.size()) * sizeof(float));
    return samples;
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
    // Of 32-bit stereo, the part read holds half a frame past its last whole one.
    QTest::newRow("large, read up to half a frame")
        << waveFileAround(1, 32, 2, Rate, QByteArray(480 * 8, '\x10'), quint32(10 * mb)) << 20 * mb
        << true;
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
    QCOMPARE(desktop.waveOutput().playNote(std::vector<float>(480, 0.5f), Rate),
             platform::PlayResult::NoOutput);
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

void tst_WaveOutput::formatsPlayWithinFullScale_data()
{
    // A square wave at a quarter of its rate, in every sample format, converted
    // to the output's 48 000 Hz: no sample beyond full scale (the conversion
    // overshoots by up to 40 % when it resamples), and as long as the file.
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::newRow("8-bit mono, 22 050 Hz") << 8 << false << 1 << 22050;
    QTest::newRow("16-bit stereo, 44 100 Hz") << 16 << false << 2 << 44100;
    QTest::newRow("16-bit mono, 48 000 Hz") << 16 << false << 1 << 48000;
    QTest::newRow("24-bit mono, 96 000 Hz") << 24 << false << 1 << 96000;
    QTest::newRow("32-bit stereo, 32 000 Hz") << 32 << false << 2 << 32000;
    QTest::newRow("float mono, 11 025 Hz") << 32 << true << 1 << 11025;
    QTest::newRow("float stereo, 44 100 Hz") << 32 << true << 2 << 44100;
}

void tst_WaveOutput::formatsPlayWithinFullScale()
{
    QFETCH(int, bits);
    QFETCH(bool, isFloat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    useDiskDriver();
    const QString path = dir.filePath(QStringLiteral("square.wav"));
    const int frames = rate / 4;
    QVERIFY(writeFile(path, squareWaveFile(bits, isFloat, channels, rate, frames)));
    QVERIFY(play(path));
    // The output may have written silence while the file was decoded.
    const qint64 before = writtenBytes();
    QTRY_VERIFY(writtenBytes() > before + qint64(Rate) / 2 * 8);
    const QVector<float> samples = writtenSamples();
    float peak = 0;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(samples[i]));
        if (std::abs(samples[i]) > 0.1f) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    QVERIFY2(peak <= 1.0f, qPrintable(QStringLiteral("peak %1").arg(peak)));
    QVERIFY(peak > 0.9f);
    // A quarter of a second at the output's rate, give or take the edges the
    // resampling filter softens.
    QVERIFY2(std::abs((last - first) / 2 - 12000) < 100,
             qPrintable(QStringLiteral("%1 frames").arg((last - first) / 2)));
}

void tst_WaveOutput::notesPlayAtTheOutputsRate_data()
{
    // A quarter of a second of mono samples at 0.5 and at some rate, after
    // some samples at 1.5, beyond full scale.
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("loud");
    QTest::addColumn<bool>("plays");
    QTest::newRow("48 000 Hz") << 48000 << 12000 << 0 << true;
    QTest::newRow("22 050 Hz") << 22050 << 5513 << 0 << true;
    QTest::newRow("96 000 Hz") << 96000 << 24000 << 0 << true;
    // Clipped to full scale, the loud start leaves the rest at its level.
    QTest::newRow("after a moment beyond full scale") << 48000 << 12000 << 100 << true;
    QTest::newRow("no samples") << 48000 << 0 << 0 << false;
    QTest::newRow("no rate") << 0 << 12000 << 0 << false;
}

// A note plays on both channels at its level, a quarter of a second long at
// the output's rate; one that cannot play writes nothing.
void tst_WaveOutput::notesPlayAtTheOutputsRate()
{
    QFETCH(int, rate);
    QFETCH(int, samples);
    QFETCH(int, loud);
    QFETCH(bool, plays);
    useDiskDriver();
    std::vector<float> note(std::size_t(loud), 1.5f);
    note.resize(note.size() + std::size_t(samples), 0.5f);
    QCOMPARE(desktop.waveOutput().playNote(note, rate) == platform::PlayResult::Started, plays);
    if (plays) {
        const qint64 before = writtenBytes();
        QTRY_VERIFY(writtenBytes() > before + qint64(Rate) / 2 * 8);
    }
    const QVector<float> written = writtenSamples();
    qsizetype frames = 0;
    for (qsizetype i = 0; i + 1 < written.size(); i += 2) {
        QCOMPARE(written[i], written[i + 1]);
        frames += std::abs(written[i] - 0.5f) < 0.01f;
    }
    QVERIFY2(std::abs(frames - (plays ? 12000 : 0)) < 100,
             qPrintable(QStringLiteral("%1 frames").arg(frames)));
}

// No device when the beats start, then the sound server appears: within a
// second the output opens by itself, and the beats play their sound on the
// output's own clock, exactly a period of its frames apart.
void tst_WaveOutput::beatsStartWhenTheOutputAppears()
{
    desktop.waveOutput().close();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString path = dir.filePath(QStringLiteral("beat.wav"));
    QVERIFY(writeFile(path, waveFile(480, 0.5)));
    QFile::remove(dir.filePath(QStringLiteral("out.raw")));
    desktop.waveOutput().startBeats(path, 100);
    QCOMPARE(desktop.waveOutput().setBeatSound(path), platform::PlayResult::NoOutput);

    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("out.raw")).toLocal8Bit());
    qputenv("SDL_DISKAUDIODELAY", QuickDelay);
    QTRY_VERIFY(writtenBytes() > 6 * 4800 * 8);
    const QVector<float> samples = writtenSamples();
    QList<qsizetype> onsets;
    for (qsizetype i = 2; i < samples.size(); i += 2)
        if (samples[i] != 0 && samples[i - 2] == 0)
            onsets.append(i / 2);
    QVERIFY2(onsets.size() >= 4, qPrintable(QStringLiteral("%1 beats").arg(onsets.size())));
    for (qsizetype i = 1; i < onsets.size(); ++i)
        QCOMPARE(onsets[i] - onsets[i - 1], 4800);
}

void tst_WaveOutput::firstBeatOfABarIsAFifthHigher_data()
{
    // Beats per bar, told the output before it opens or once it is open, and
    // of six beats the accented ones ("x").
    QTest::addColumn<int>("beatsPerBar");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("accents");
    QTest::newRow("no accent") << 0 << true << "......";
    QTest::newRow("3 beats, before the output opens") << 3 << false << "x..x..";
    QTest::newRow("2 beats, on the open output") << 2 << true << "x.x.x.";
}

// Beats 100 ms apart of a 1000 Hz tone of 50 ms at 0.5: a plain beat (".")
// is the file's samples exactly; an accented one ("x") is 1500 Hz, a third
// shorter, with the plain one's peak ("?": neither).
void tst_WaveOutput::firstBeatOfABarIsAFifthHigher()
{
    QFETCH(int, beatsPerBar);
    QFETCH(bool, open);
    QFETCH(QString, accents);
    useDiskDriver();
    QByteArray samples(2 * 2400, Qt::Uninitialized);
    std::vector<float> tone(2400);
    for (int i = 0; i < 2400; ++i) {
        // Half a sample off the zero crossings, so that no sample is silent.
        const auto value = qint16(std::lround(16384 * std::sin(M_PI * (i + 0.5) / 24)));
        qToLittleEndian(value, samples.data() + 2 * i);
        tone[std::size_t(i)] = value / 32768.0f;
    }
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    QVERIFY(writeFile(path, waveFileAround(1, 16, 1, Rate, samples, quint32(samples.size()))));
    platform::WaveOutput& output = desktop.waveOutput();
    QVERIFY(!open || output.deviceCount() > 0);
    output.setBeatsPerBar(beatsPerBar);
    output.startBeats(path, 100);
    QTRY_VERIFY(writtenBytes() > 7 * 4800 * 8);
    const QVector<float> written = writtenSamples();
    const auto first = std::find_if(written.begin(), written.end(), [](float s) { return s; });
    QVERIFY(written.end() - first >= 6 * 4800 * 2);
    const float peak = *std::max_element(tone.begin(), tone.end());
    QString heard;
    for (int beat = 0; beat < 6; ++beat) {
        std::vector<float> left;
        for (auto at = first + beat * 4800 * 2; at != first + (beat + 1) * 4800 * 2; at += 2)
            left.push_back(*at);
        const auto loud = [](float s) { return std::abs(s) > 0.05f; };
        const auto sounding = std::find_if(left.rbegin(), left.rend(), loud).base() -
                              std::find_if(left.begin(), left.end(), loud);
        if (std::equal(tone.begin(), tone.end(), left.begin()) && sounding < 2400)
            heard += u'.';
        else if (std::abs(sounding - 1600) < 10 &&
                 std::abs(measure::roughFundamental(left, Rate, 200, 1000, 500) - 1500) < 5 &&
                 std::abs(measure::peak(left, Rate) - peak) < 1e-6f)
            heard += u'x';
        else
            heard += u'?';
    }
    QCOMPARE(heard, accents);
}

void tst_WaveOutput::outputClosesWhenSilent_data()
{
    // What is played, and whether the output has closed 1.2 s later (the disk
    // driver's file stops growing).
    QTest::addColumn<QString>("played");
    QTest::addColumn<bool>("closed");
    QTest::newRow("nothing") << "" << true;
    QTest::newRow("a short sound") << "sound" << true;
    QTest::newRow("a sound of 3 s") << "long" << false;
    QTest::newRow("a note of 3 s") << "note" << false;
    QTest::newRow("beats") << "beats" << false;
    QTest::newRow("beats stopped") << "beats stopped" << true;
}

void tst_WaveOutput::outputClosesWhenSilent()
{
    QFETCH(QString, played);
    QFETCH(bool, closed);
    useDiskDriver(RealTimeDelay);
    const QString sound = dir.filePath(QStringLiteral("short.wav"));
    const QString longSound = dir.filePath(QStringLiteral("long.wav"));
    QVERIFY(writeFile(sound, waveFile(480, 0.5)));
    QVERIFY(writeFile(longSound, waveFile(Rate * 3, 0.5)));
    platform::WaveOutput& output = desktop.waveOutput();
    QVERIFY(output.deviceCount() > 0);
    if (played == "sound")
        QVERIFY(play(sound));
    if (played == "long")
        QVERIFY(play(longSound));
    if (played == "note")
        QCOMPARE(output.playNote(std::vector<float>(std::size_t(Rate) * 3, 0.5f), Rate),
                 platform::PlayResult::Started);
    if (played.startsWith("beats"))
        output.startBeats(sound, 200);
    QTest::qWait(300);
    if (played == "beats stopped")
        output.stopBeats();
    QTest::qWait(1200);
    const qint64 before = writtenBytes();
    QTest::qWait(300);
    QCOMPARE(writtenBytes() == before, closed);
    output.close();
}

QTEST_GUILESS_MAIN(tst_WaveOutput)
#include "tst_waveoutput.moc"
