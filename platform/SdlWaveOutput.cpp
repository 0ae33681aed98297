// The wave output itself, on SDL: built as a module of its own that the
// program loads the first time a window needs sound (SystemDesktop.cpp).

#include "WaveOutput.h"

#include "WaveMixer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <QtEndian>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace platform {

namespace {

constexpr int OutputRate = 48000;
constexpr int OutputChannels = 2;
// 1024 frames, about 21 ms: a note asked for waits for the next buffer and
// then for the one the sound server holds, some 35 ms in all, where 2048-frame
// buffers took some 65 ms, too long for a note that answers a key. 512-frame
// buffers now and then ran dry with every core busy and put the beats after
// it late. A beat is placed by frame count, so the length of the buffer
// delays the whole beat a little but never moves one beat against another.
constexpr Uint16 OutputBufferFrames = 1024;
// The output closes this long after the last sound has been rendered, so that
// a sound played now and then does not open and close it every time, while the
// desktop sees the program's playback stream go soon after the beats stop.
constexpr int ReleaseDelayMs = 800;
// A click longer than the slowest beat (one minute) is cut there: it would be
// cut off by the next beat anyway.
constexpr int LongestSoundSeconds = 60;
// Of a larger file only the beginning is read (some 20 s of 16-bit mono at
// 48 kHz), so that a huge file does not hold up the window.
constexpr qint64 ReadLimitBytes = 2 * 1024 * 1024;

// The file's bytes, or for a file larger than ReadLimitBytes its beginning with
// the data chunk cut to the whole blocks that were read. Nothing when the file
// cannot be read, or when a large file is not a wave file or is shorter than its
// data chunk claims.
std::optional<QByteArray> readWaveBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    QByteArray bytes = file.read(ReadLimitBytes);
    if (size <= ReadLimitBytes)
        return bytes;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    quint32 blockAlign = 1;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const auto length = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "fmt " && at + 22 <= bytes.size())
            blockAlign =
                std::max(1u, quint32(qFromLittleEndian<quint16>(bytes.constData() + at + 20)));
        if (id == "data") {
            const qint64 start = at + 8;
            if (start + qint64(length) > size)
                return std::nullopt;
            qint64 kept = std::min<qint64>(length, bytes.size() - start);
            kept -= kept % blockAlign;
            qToLittleEndian<quint32>(quint32(kept), bytes.data() + at + 4);
            bytes.truncate(start + kept);
            return bytes;
        }
        at += 8 + qint64(length) + (length & 1);
    }
    return std::nullopt;
}

struct DecodedFile
{
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<const WaveSamples> wave;
};

// Samples in the given format converted to the output's. Nothing when SDL
// cannot convert between them.
std::shared_ptr<WaveSamples> converted(const Uint8* data, Uint32 bytes, const SDL_AudioSpec& from,
                                       const SDL_AudioSpec& output)
{
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, output.format,
                          output.channels, output.freq) < 0)
        return nullptr;
    // The conversion works in place, in a buffer large enough for its widest step.
    auto wave = std::make_shared<WaveSamples>();
    const std::size_t room = std::size_t(bytes) * std::size_t(std::max(cvt.len_mult, 1));
    wave->samples.resize((room + sizeof(float) - 1) / sizeof(float));
    auto* work = reinterpret_cast<Uint8*>(wave->samples.data());
    std::memcpy(work, data, bytes);
    cvt.buf = work;
    cvt.len = int(bytes);
    cvt.len_cvt = int(bytes);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0)
        return nullptr;
    const std::size_t count = std::size_t(cvt.len_cvt) / sizeof(float);
    wave->samples.resize(count - count % std::size_t(output.channels));
    // Resampling a loud sound overshoots full scale between its samples (by
    // some 40 % for a square wave near the top of its band); left alone, the
    // sound server would clip that harshly.
    for (float& sample : wave->samples)
        sample = std::clamp(sample, -1.0f, 1.0f);
    return wave;
}

float peakOf(const std::vector<float>& samples)
{
    float peak = 0.0f;
    for (float sample : samples)
        peak = std::max(peak, std::abs(sample));
    return peak;
}

// The sound for the first beat of a bar: the same samples taken as if
// recorded at 1.5 times their rate, so a fifth higher and shorter, at the peak
// level of the plain sound (resampling moves it a little).
std::shared_ptr<const WaveSamples> accentOf(const WaveSamples& plain, const Uint8* data,
                                            Uint32 bytes, SDL_AudioSpec from,
                                            const SDL_AudioSpec& output)
{
    from.freq = from.freq * 3 / 2;
    std::shared_ptr<WaveSamples> accented = converted(data, bytes, from, output);
    if (!accented)
        return nullptr;
    if (const float peak = peakOf(accented->samples); peak > 0.0f) {
        const float scale = peakOf(plain.samples) / peak;
        for (float& sample : accented->samples)
            sample *= scale;
    }
    return accented;
}

// Reads a wave file and converts it to the output's format. Nothing when the
// file cannot be read, is not a wave file, is truncated or holds no samples.
std::shared_ptr<const WaveSamples> decode(const QString& path, const SDL_AudioSpec& output)
{
    const std::optional<QByteArray> bytes = readWaveBytes(path);
    if (!bytes)
        return nullptr;
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes->constData(), int(bytes->size())), 1, &spec,
                        &buffer, &length))
        return nullptr;
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(buffer, &SDL_FreeWAV);

    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    if (frameBytes == 0)
        return nullptr;
    const Uint64 longest = Uint64(LongestSoundSeconds) * Uint64(spec.freq) * frameBytes;
    const auto used = Uint32(std::min<Uint64>(length - length % frameBytes, longest));
    if (used == 0)
        return nullptr;

    std::shared_ptr<WaveSamples> wave = converted(buffer, used, spec, output);
    if (wave)
        wave->accented = accentOf(*wave, buffer, used, spec, output);
    return wave;
}

} // namespace

class SdlWaveOutput : public QObject, public WaveOutput
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KordelixWaveOutput_iid)
    Q_INTERFACES(platform::WaveOutput)

public:
    SdlWaveOutput()
    {
        release_.setSingleShot(true);
        connect(&release_, &QTimer::timeout, this, &SdlWaveOutput::release);
    }
    ~SdlWaveOutput() override { close(); }

    int deviceCount() override
    {
        if (!open())
            return 0;
        // Some drivers list no devices but open their default one.
        return std::max(SDL_GetNumAudioDevices(0), 1);
    }

    bool play(const QString& path) override
    {
        if (!open())
            return false;
        std::shared_ptr<const WaveSamples> wave = load(path);
        if (!wave)
            return false;
        withMixer([&] { mixer_->play(std::move(wave)); });
        releaseWhenSilent();
        return true;
    }

    bool playNote(const std::vector<float>& monoSamples, int sampleRate) override
    {
        if (monoSamples.empty() || sampleRate <= 0 || !open())
            return false;
        SDL_AudioSpec from{};
        from.format = AUDIO_F32SYS;
        from.channels = 1;
        from.freq = sampleRate;
        std::shared_ptr<const WaveSamples> wave =
            converted(reinterpret_cast<const Uint8*>(monoSamples.data()),
                      Uint32(monoSamples.size() * sizeof(float)), from, spec_);
        if (!wave)
            return false;
        withMixer([&] { mixer_->addNote(std::move(wave)); });
        releaseWhenSilent();
        return true;
    }

    void startBeats(const QString& path, int periodMs) override
    {
        beatPeriodMs_ = periodMs;
        if (!open())
            return;
        std::shared_ptr<const WaveSamples> wave = load(path);
        withMixer([&] {
            mixer_->setBeatSound(std::move(wave));
            mixer_->startBeats(periodMs);
        });
    }

    bool setBeatSound(const QString& path) override
    {
        if (!open())
            return false;
        std::shared_ptr<const WaveSamples> wave = load(path);
        if (!wave)
            return false;
        if (beatPeriodMs_ > 0)
            withMixer([&] { mixer_->setBeatSound(std::move(wave)); });
        return true;
    }

    void setBeatPeriod(int periodMs) override
    {
        if (beatPeriodMs_ == 0)
            return;
        beatPeriodMs_ = periodMs;
        if (device_ != 0)
            withMixer([&] { mixer_->setBeatPeriod(periodMs); });
    }

    void setBeatsPerBar(int beats) override
    {
        beatsPerBar_ = beats;
        if (device_ != 0)
            withMixer([&] { mixer_->setBeatsPerBar(beats); });
    }

    void stopBeats() override
    {
        beatPeriodMs_ = 0;
        if (device_ == 0)
            return;
        withMixer([&] { mixer_->stopBeats(); });
        releaseWhenSilent();
    }

    void close() override
    {
        beatPeriodMs_ = 0;
        closeDevice();
    }

private:
    // Opens the output unless it is open; false when there is none. A failed
    // open is tried again on the next use, so that a sound server that starts
    // later is found.
    bool open()
    {
        if (device_ != 0)
            return true;
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Kordelix");
        // A data chunk shorter than it claims is an error rather than a shorter sound.
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        SDL_AudioSpec wanted{};
        wanted.freq = OutputRate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = OutputChannels;
        wanted.samples = OutputBufferFrames;
        wanted.callback = &SdlWaveOutput::fillBuffer;
        wanted.userdata = this;
        device_ =
            SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                    SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
        if (device_ == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        // The callback does not run before the device is unpaused.
        mixer_ = std::make_unique<WaveMixer>(spec_.freq, spec_.channels);
        mixer_->setBeatsPerBar(beatsPerBar_);
        if (beatPeriodMs_ > 0)
            mixer_->startBeats(beatPeriodMs_);
        else
            releaseWhenSilent();
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    // Closing the device waits for its thread, so the callback never sees the
    // mixer or a sound after they are released. Decoded files go too: the next
    // device may run at another rate.
    void closeDevice()
    {
        release_.stop();
        if (device_ != 0) {
            SDL_CloseAudioDevice(device_);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            device_ = 0;
        }
        mixer_.reset();
        files_.clear();
    }

    // Arms the release of the output for ReleaseDelayMs after the last sound
    // has been rendered; never while beats run.
    void releaseWhenSilent()
    {
        if (const std::optional<std::int64_t> frames = framesToSilence())
            release_.start(int(*frames * 1000 / spec_.freq) + ReleaseDelayMs);
    }

    // Closes the output unless something was played or beats started since the
    // release was armed.
    void release()
    {
        const std::optional<std::int64_t> frames = framesToSilence();
        if (frames == 0)
            closeDevice();
        else
            releaseWhenSilent();
    }

    std::optional<std::int64_t> framesToSilence()
    {
        std::optional<std::int64_t> frames;
        if (device_ != 0)
            withMixer([&] { frames = mixer_->framesToSilence(); });
        return frames;
    }

    template <typename F> void withMixer(F&& f)
    {
        SDL_LockAudioDevice(device_);
        f();
        SDL_UnlockAudioDevice(device_);
    }

    // The decoded file, from the cache while the file on disk is unchanged.
    std::shared_ptr<const WaveSamples> load(const QString& path)
    {
        const QFileInfo info(path);
        if (!info.isFile()) {
            files_.remove(path);
            return nullptr;
        }
        DecodedFile& file = files_[path];
        const QDateTime modified = info.lastModified();
        if (!file.wave || file.size != info.size() || file.modified != modified) {
            file.wave = decode(path, spec_);
            file.size = info.size();
            file.modified = modified;
        }
        std::shared_ptr<const WaveSamples> wave = file.wave;
        if (!wave)
            files_.remove(path);
        return wave;
    }

    // The audio thread asks for the next buffer.
    static void SDLCALL fillBuffer(void* self, Uint8* stream, int length)
    {
        auto* output = static_cast<SdlWaveOutput*>(self);
        const int frames = length / int(sizeof(float)) / output->spec_.channels;
        output->mixer_->render(reinterpret_cast<float*>(stream), frames);
    }

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::unique_ptr<WaveMixer> mixer_;
    QHash<QString, DecodedFile> files_;
    int beatPeriodMs_ = 0; // 0 while no beats are wanted
    int beatsPerBar_ = 0;
    QTimer release_;
};

} // namespace platform

#include "SdlWaveOutput.moc"
