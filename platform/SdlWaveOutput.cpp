// The wave output itself, on SDL: built as a module of its own that the
// program loads the first time a window needs sound (SystemDesktop.cpp).

#include "WaveOutput.h"

#include "WaveMixer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <optional>

namespace platform {

namespace {

constexpr int OutputRate = 48000;
constexpr int OutputChannels = 2;
// 512 frames, about 11 ms: short enough that a click asked for
// WaveOutput::Latency ahead is rendered in time, long enough that a busy machine
// rarely lets the sound server run dry.
constexpr Uint16 OutputBufferFrames = 512;
// A click longer than the slowest beat (one minute) is cut there: it would be
// cut off by the next beat anyway.
constexpr int LongestSoundSeconds = 60;
// Of a larger file only the beginning is read (some 20 s of 16-bit mono at
// 48 kHz), so that a huge file does not hold up the window.
constexpr qint64 ReadLimitBytes = 2 * 1024 * 1024;

quint32 littleEndian32(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

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
        const quint32 length = littleEndian32(bytes, at + 4);
        if (id == "fmt " && at + 24 <= bytes.size())
            blockAlign = std::max(1u, littleEndian32(bytes, at + 20) & 0xffffu);
        if (id == "data") {
            const qint64 start = at + 8;
            if (start + qint64(length) > size)
                return std::nullopt;
            qint64 kept = std::min<qint64>(length, bytes.size() - start);
            kept -= kept % blockAlign;
            for (int i = 0; i < 4; ++i)
                bytes[at + 4 + i] = char((quint64(kept) >> (8 * i)) & 0xff);
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

// Reads a wave file and converts it to the output's format. Nothing when the
// file cannot be read, is not a wave file, is truncated or holds no samples.
std::shared_ptr<const WaveSamples> decode(const QString& path, const SDL_AudioSpec& output)
{
    // A data chunk shorter than it claims is an error rather than a shorter sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
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

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, output.format,
                          output.channels, output.freq) < 0)
        return nullptr;
    // The conversion works in place, in a buffer large enough for its widest step.
    auto wave = std::make_shared<WaveSamples>();
    const std::size_t room = std::size_t(used) * std::size_t(std::max(cvt.len_mult, 1));
    wave->samples.resize((room + sizeof(float) - 1) / sizeof(float));
    auto* work = reinterpret_cast<Uint8*>(wave->samples.data());
    std::memcpy(work, buffer, used);
    cvt.buf = work;
    cvt.len = int(used);
    cvt.len_cvt = int(used);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0)
        return nullptr;
    const std::size_t count = std::size_t(cvt.len_cvt) / sizeof(float);
    wave->samples.resize(count - count % std::size_t(output.channels));
    return wave;
}

} // namespace

class SdlWaveOutput : public QObject, public WaveOutput
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KordelixWaveOutput_iid)
    Q_INTERFACES(platform::WaveOutput)

public:
    ~SdlWaveOutput() override { close(); }

    // Opens the output on first use; false when there is none.
    bool open()
    {
        if (tried_)
            return device_ != 0;
        tried_ = true;
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Kordelix");
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
        mixer_ = std::make_unique<ClickMixer>(spec_.freq, spec_.channels);
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    // Closing the device waits for its thread, so the callback never sees the
    // mixer or a sound after they are released.
    void close() override
    {
        if (device_ != 0) {
            SDL_CloseAudioDevice(device_);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            device_ = 0;
        }
        mixer_.reset();
        files_.clear();
        tried_ = false;
    }

    int deviceCount() override
    {
        if (!open())
            return 0;
        // Some drivers list no devices but open their default one.
        return std::max(SDL_GetNumAudioDevices(0), 1);
    }

    bool play(const QString& path, AudioClock::time_point requested) override
    {
        if (!open())
            return false;
        std::shared_ptr<const WaveSamples> wave = load(path);
        if (!wave)
            return false;
        SDL_LockAudioDevice(device_);
        mixer_->schedule(std::move(wave), requested + Latency);
        SDL_UnlockAudioDevice(device_);
        return true;
    }

private:
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
        const auto now = AudioClock::now();
        auto* output = static_cast<SdlWaveOutput*>(self);
        const int frames = length / int(sizeof(float)) / output->spec_.channels;
        output->mixer_->render(reinterpret_cast<float*>(stream), frames, now);
    }

    bool tried_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::unique_ptr<ClickMixer> mixer_;
    QHash<QString, DecodedFile> files_;
};

} // namespace platform

#include "SdlWaveOutput.moc"
