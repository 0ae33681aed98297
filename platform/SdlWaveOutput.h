#pragma once

#include "AudioBackend.h"
#include "WaveOutput.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

class WaveMixer;
struct WaveSamples;

// The wave output on SDL's audio devices (through an AudioBackend). Where the
// sound server mixes streams, the clicks (beats and files played) have a
// stream of their own with a long buffer, which rides out a busy machine
// without a late beat (the beats are counted in its frames, so the buffer
// delays them all alike), and notes have a short one, so that a note answers
// its key quickly; each stream peaks at half of full scale, so that the two
// never clip at the sink. Elsewhere one short stream plays everything.
//
// It keeps an eye on itself: a device the server has lost is closed and
// opened anew, beats and sounds wanted while there is no output open it once
// it can be opened (tried at most once a second), and it closes once silent.
class SdlWaveOutput : public QObject, public WaveOutput
{
public:
    // Milliseconds on a steady clock.
    using Clock = std::function<qint64()>;

    explicit SdlWaveOutput(std::unique_ptr<AudioBackend> backend, Clock clock = {});
    ~SdlWaveOutput() override;

    int deviceCount() override;
    PlayResult play(const QString& path) override;
    PlayResult playNote(const std::vector<float>& monoSamples, int sampleRate) override;
    void startBeats(const QString& path, int periodMs) override;
    PlayResult setBeatSound(const QString& path) override;
    void setBeatPeriod(int periodMs) override;
    void setBeatsPerBar(int beats) override;
    void stopBeats() override;
    void close() override;

    // Reopens a lost output, opens one that beats wait for, closes one that
    // has been silent long enough. Runs by itself every WatchMs while the
    // output is open or beats wait for it.
    void watch();
    bool isOpen() const { return clicks_.device != 0; }

    static constexpr int WatchMs = 100;
    static constexpr int RetryMs = 1000;
    static constexpr int ReleaseDelayMs = 800;

private:
    // One SDL device and what renders into it.
    struct Stream
    {
        SDL_AudioDeviceID device = 0;
        SDL_AudioSpec spec{};
        std::unique_ptr<WaveMixer> mixer;
    };
    // A file as decoded for the clicks' stream, and the size and time it had.
    struct DecodedFile
    {
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<const WaveSamples> wave;
    };

    bool open();
    bool openDevices();
    bool openStream(Stream& stream, Uint16 frames, float ceiling);
    void closeStream(Stream& stream);
    void closeDevices();
    Stream& noteStream() { return notes_.device != 0 ? notes_ : clicks_; }
    void armRelease();
    std::optional<std::int64_t> msToSilence();
    void updateWatch();
    template <typename F> void withMixer(Stream& stream, F&& f);
    std::shared_ptr<const WaveSamples> load(const QString& path);
    static void SDLCALL fillBuffer(void* stream, Uint8* out, int length);

    std::unique_ptr<AudioBackend> backend_;
    Clock now_;
    Stream clicks_;
    Stream notes_; // no device where the notes play on the clicks' stream
    QHash<QString, DecodedFile> files_;
    int beatPeriodMs_ = 0;            // 0 while no beats are wanted
    QString beatPath_;                // their sound, decoded anew for each device
    int beatsPerBar_ = 0;             // as asked for, given to each new device
    std::optional<qint64> failedAt_;  // the last open that failed, while none succeeded
    std::optional<qint64> releaseAt_; // when to close the output if it is silent then
    QTimer watch_;
};

} // namespace platform
