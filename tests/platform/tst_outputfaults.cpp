// The wave output on a sound system the test plays: a server that goes away,
// comes back late or never, and lists no devices; time is the test's own.

#include "SdlWaveOutput.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using platform::PlayResult;

namespace {

// A sound server behind SDL as far as the output sees it. As in SDL, a
// connection is made when the subsystem starts from nothing, and only a
// connection made while the present server runs can open devices.
class FakeSound : public platform::AudioBackend
{
public:
    struct Device
    {
        SDL_AudioSpec spec;
        bool lost = false;
    };

    bool init() override
    {
        if (started++ == 0)
            connection = serverUp ? server : -1;
        return true;
    }
    void quit() override { --started; }
    int listedDevices() override { return listed; }
    bool mixesDevices() override { return true; }
    SDL_AudioDeviceID open(const SDL_AudioSpec& wanted, SDL_AudioSpec& obtained) override
    {
        ++opens;
        if (started == 0 || !serverUp || connection != server)
            return 0;
        obtained = wanted;
        devices[next] = {wanted};
        return next++;
    }
    void close(SDL_AudioDeviceID device) override { devices.erase(device); }
    void unpause(SDL_AudioDeviceID) override {}
    void lock(SDL_AudioDeviceID) override {}
    void unlock(SDL_AudioDeviceID) override {}
    bool isLost(SDL_AudioDeviceID device) override { return devices.at(device).lost; }

    // The server ends (its devices are lost) and, with up, starts again.
    void restart(bool up)
    {
        for (auto& [id, device] : devices)
            device.lost = true;
        ++server;
        serverUp = up;
    }

    // The device with the longest (or shortest) buffer; 0 when none is open.
    SDL_AudioDeviceID device(bool longest) const
    {
        SDL_AudioDeviceID found = 0;
        for (const auto& [id, device] : devices)
            if (found == 0 || (device.spec.samples > devices.at(found).spec.samples) == longest)
                found = id;
        return found;
    }

    // What the device's callback hands over for so many frames.
    std::vector<float> render(SDL_AudioDeviceID id, int frames)
    {
        const SDL_AudioSpec& spec = devices.at(id).spec;
        std::vector<float> out(std::size_t(frames) * spec.channels);
        spec.callback(spec.userdata, reinterpret_cast<Uint8*>(out.data()),
                      int(out.size() * sizeof(float)));
        return out;
    }

    bool serverUp = true;
    int listed = 1;
    int started = 0; // inits not yet quit
    int opens = 0;   // devices asked for
    int server = 0;  // which run of the server is up
    int connection = -1;
    std::map<SDL_AudioDeviceID, Device> devices;
    SDL_AudioDeviceID next = 1;
};

float peak(const std::vector<float>& samples)
{
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::abs(s));
    return loudest;
}

} // namespace

class tst_OutputFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { output.reset(); }
    void deviceCount_data();
    void deviceCount();
    void failureReasons_data();
    void failureReasons();
    void lostOutputReopens_data();
    void lostOutputReopens();
    void quietWithoutServer();
    void streamsNeverClip();
    void release_data();
    void release();

private:
    // Moves the clock on in steps of the output's watch, watching at each.
    void passMs(qint64 ms);
    // Whether the clicks' device, opened anew, starts with a beat.
    bool beatSoundsAtOnce();

    QTemporaryDir dir;
    QString click; // full scale, 10 ms
    QString junk;
    FakeSound* sound = nullptr;
    qint64 now = 0;
    std::unique_ptr<platform::SdlWaveOutput> output;
};

void tst_OutputFaults::initTestCase()
{
    QVERIFY(dir.isValid());
    click = dir.filePath(QStringLiteral("click.wav"));
    junk = dir.filePath(QStringLiteral("junk.wav"));
    QFile file(click);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 960);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(48000) << quint32(96000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(960);
    for (int i = 0; i < 480; ++i)
        out << qint16(i % 2 ? -32767 : 32767);
    QFile other(junk);
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("not a sound") > 0);
}

void tst_OutputFaults::init()
{
    auto backend = std::make_unique<FakeSound>();
    sound = backend.get();
    now = 1000;
    output = std::make_unique<platform::SdlWaveOutput>(std::move(backend), [this] { return now; });
}

void tst_OutputFaults::passMs(qint64 ms)
{
    for (const qint64 end = now + ms; now < end;) {
        now = std::min(end, now + platform::SdlWaveOutput::WatchMs);
        output->watch();
    }
}

bool tst_OutputFaults::beatSoundsAtOnce()
{
    const SDL_AudioDeviceID clicks = sound->device(true);
    return clicks != 0 && sound->render(clicks, 64)[0] != 0.0f;
}

void tst_OutputFaults::deviceCount_data()
{
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("count");
    QTest::newRow("two devices") << true << 2 << 2;
    QTest::newRow("a driver that lists none") << true << 0 << 1;
    QTest::newRow("no server") << false << 1 << 0;
}

// The count, and the subsystem left started exactly while the output is open.
void tst_OutputFaults::deviceCount()
{
    QFETCH(bool, serverUp);
    QFETCH(int, listed);
    QFETCH(int, count);
    sound->serverUp = serverUp;
    sound->listed = listed;
    QCOMPARE(output->deviceCount(), count);
    QCOMPARE(sound->started, serverUp ? 1 : 0);
    output->close();
    QCOMPARE(sound->started, 0);
}

void tst_OutputFaults::failureReasons_data()
{
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("file");
    QTest::addColumn<PlayResult>("result");
    const QString none = QStringLiteral("missing.wav");
    QTest::newRow("play") << true << "play" << click << PlayResult::Started;
    QTest::newRow("play junk") << true << "play" << junk << PlayResult::CannotPlay;
    QTest::newRow("play, no server") << false << "play" << click << PlayResult::NoOutput;
    QTest::newRow("beat sound") << true << "beat" << click << PlayResult::Started;
    QTest::newRow("missing beat sound") << true << "beat" << none << PlayResult::CannotPlay;
    QTest::newRow("junk beat sound, no server") << false << "beat" << junk << PlayResult::NoOutput;
    QTest::newRow("note") << true << "note"
                          << "" << PlayResult::Started;
    QTest::newRow("note, no server") << false << "note"
                                     << "" << PlayResult::NoOutput;
    QTest::newRow("no samples") << true << "silence"
                                << "" << PlayResult::CannotPlay;
}

void tst_OutputFaults::failureReasons()
{
    QFETCH(bool, serverUp);
    QFETCH(QString, call);
    QFETCH(QString, file);
    QFETCH(PlayResult, result);
    sound->serverUp = serverUp;
    output->startBeats(click, 500);
    if (call == "play")
        QCOMPARE(output->play(file), result);
    if (call == "beat")
        QCOMPARE(output->setBeatSound(file), result);
    if (call == "note" || call == "silence")
        QCOMPARE(output->playNote(std::vector<float>(call == "note" ? 480 : 0, 0.5f), 48000),
                 result);
}

void tst_OutputFaults::lostOutputReopens_data()
{
    // The server ends while beats run and is back after downMs; the output is
    // open again within a second and the beats sound at once. downMs -1: only
    // the notes' device is lost.
    QTest::addColumn<int>("downMs");
    QTest::newRow("server restarted at once") << 0;
    QTest::newRow("server back after 3 s") << 3000;
    QTest::newRow("the notes' device lost") << -1;
}

void tst_OutputFaults::lostOutputReopens()
{
    QFETCH(int, downMs);
    output->startBeats(click, 500);
    QVERIFY(beatSoundsAtOnce());
    const SDL_AudioDeviceID before = sound->device(true);
    const int opensBefore = sound->opens;
    if (downMs < 0)
        sound->devices.at(sound->device(false)).lost = true;
    else
        sound->restart(downMs == 0);
    passMs(std::max(downMs, 0));
    const int opensWhileDown = sound->opens - opensBefore;
    sound->serverUp = true;
    passMs(platform::SdlWaveOutput::RetryMs);
    QVERIFY(output->isOpen());
    QVERIFY(sound->device(true) != before);
    QVERIFY(beatSoundsAtOnce());
    // Two devices again, and one try a second while the server was away.
    QCOMPARE(int(sound->devices.size()), 2);
    QVERIFY2(opensWhileDown <= std::max(downMs, 0) / 1000 + 1,
             qPrintable(QStringLiteral("%1 devices asked for").arg(opensWhileDown)));
}

// No server while the window asks for the beat's sound at 398 beats a minute
// and for the device count: the devices are asked for once a second, and the
// beats sound within a second of a server appearing.
void tst_OutputFaults::quietWithoutServer()
{
    sound->serverUp = false;
    output->startBeats(click, 151);
    for (int tick = 0; tick < 66; ++tick) { // 10 s
        QCOMPARE(output->setBeatSound(click), PlayResult::NoOutput);
        QCOMPARE(output->deviceCount(), 0);
        passMs(151);
    }
    QVERIFY2(sound->opens >= 9 && sound->opens <= 11,
             qPrintable(QStringLiteral("%1 devices asked for").arg(sound->opens)));
    sound->serverUp = true;
    passMs(platform::SdlWaveOutput::RetryMs);
    QVERIFY(beatSoundsAtOnce());
}

// A full-scale click and a full-scale note at once, on the two streams the
// server mixes: their sum at the sink stays within full scale, and both are
// heard.
void tst_OutputFaults::streamsNeverClip()
{
    QCOMPARE(output->play(click), PlayResult::Started);
    QCOMPARE(output->playNote(std::vector<float>(4800, 1.0f), 48000), PlayResult::Started);
    QCOMPARE(int(sound->devices.size()), 2);
    float sum = 0;
    for (const auto& [id, device] : std::map(sound->devices))
        sum += peak(sound->render(id, 480));
    QVERIFY2(sum <= 1.0f && sum > 0.9f, qPrintable(QString::number(sum)));
}

void tst_OutputFaults::release_data()
{
    // What sounded, rendered to its end; whether the output is closed 700 ms
    // and 1000 ms after that (it closes 800 ms after the last sound).
    QTest::addColumn<QString>("played");
    QTest::addColumn<bool>("closedAt700");
    QTest::addColumn<bool>("closedAt1000");
    QTest::newRow("a click") << "click" << false << true;
    QTest::newRow("a note") << "note" << false << true;
    QTest::newRow("beats stopped") << "stopped" << false << true;
    QTest::newRow("beats running") << "beats" << false << false;
}

void tst_OutputFaults::release()
{
    QFETCH(QString, played);
    QFETCH(bool, closedAt700);
    QFETCH(bool, closedAt1000);
    if (played == "click")
        output->play(click);
    if (played == "note")
        output->playNote(std::vector<float>(480, 0.5f), 48000);
    if (played == "stopped" || played == "beats")
        output->startBeats(click, 500);
    if (played == "stopped")
        output->stopBeats();
    for (const auto& [id, device] : std::map(sound->devices))
        sound->render(id, 4096);
    passMs(700);
    QCOMPARE(!output->isOpen(), closedAt700);
    passMs(300);
    QCOMPARE(!output->isOpen(), closedAt1000);
}

QTEST_GUILESS_MAIN(tst_OutputFaults)
#include "tst_outputfaults.moc"
