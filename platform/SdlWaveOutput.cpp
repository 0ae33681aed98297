// The wave output itself, on SDL's audio devices; the module the program loads
// the first time a window needs sound (AudioModule.cpp) runs it on SDL.

#include "SdlWaveOutput.h"

#include "WaveMixer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace platform {

namespace {

constexpr int OutputRate = 48000;
constexpr int OutputChannels = 2;
// 1536 frames, 32 ms, for the notes where a sound server mixes them beside
// the clicks. Through the server's PulseAudio protocol each refill passes a
// thread of the server's that is not realtime; with 1024-frame buffers the
// server held some 11 ms of a note in hand, and a busy machine ran it dry now
// and then (silences of 1 to 13 ms inside a note); 1536-frame ones hold some
// 19 ms. A note asked for waits for the next buffer and then for what the
// server holds: some 40 ms in all, where 2048-frame buffers took 53 ms
// (64 ms on PipeWire).
constexpr Uint16 NoteBufferFrames = 1536;
// 1024 frames, about 21 ms, for the one stream that plays everything where
// there is no server to mix two (512-frame buffers now and then ran dry with
// every core busy).
constexpr Uint16 SingleBufferFrames = 1024;
// 8192 frames, about 170 ms: 1024-frame buffers ran dry while builds ran and
// each time put a beat late by some 60 ms, 4096-frame ones once in two
// minutes by 38 ms. A beat is placed by frame count, so the length of the
// buffer delays all beats alike (and the first one after Start a little) but
// never moves one beat against another.
constexpr Uint16 ClickBufferFrames = 8192;
// Each of two streams peaks here, so that their sum never clips at the sink.
constexpr float TwoStreamCeiling = 0.5f;
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

namespace {

SdlWaveOutput::Clock steadyClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

} // namespace

SdlWaveOutput::SdlWaveOutput(std::unique_ptr<AudioBackend> backend, Clock clock)
    : backend_(std::move(backend)), now_(clock ? std::move(clock) : steadyClock())
{
    watch_.setInterval(WatchMs);
    connect(&watch_, &QTimer::timeout, this, &SdlWaveOutput::watch);
}

SdlWaveOutput::~SdlWaveOutput()
{
    close();
}

int SdlWaveOutput::deviceCount()
{
    if (!open())
        return 0;
    // Some drivers list no devices but open their default one.
    return std::max(backend_->listedDevices(), 1);
}

PlayResult SdlWaveOutput::play(const QString& path)
{
    if (!open())
        return PlayResult::NoOutput;
    std::shared_ptr<const WaveSamples> wave = load(path);
    if (!wave)
        return PlayResult::CannotPlay;
    withMixer(clicks_, [&] { clicks_.mixer->play(std::move(wave)); });
    armRelease();
    return PlayResult::Started;
}

PlayResult SdlWaveOutput::playNote(const std::vector<float>& monoSamples, int sampleRate)
{
    if (monoSamples.empty() || sampleRate <= 0)
        return PlayResult::CannotPlay;
    if (!open())
        return PlayResult::NoOutput;
    Stream& stream = noteStream();
    SDL_AudioSpec from{};
    from.format = AUDIO_F32SYS;
    from.channels = 1;
    from.freq = sampleRate;
    std::shared_ptr<const WaveSamples> wave =
        converted(reinterpret_cast<const Uint8*>(monoSamples.data()),
                  Uint32(monoSamples.size() * sizeof(float)), from, stream.spec);
    if (!wave)
        return PlayResult::CannotPlay;
    withMixer(stream, [&] { stream.mixer->addNote(std::move(wave)); });
    armRelease();
    return PlayResult::Started;
}

void SdlWaveOutput::startBeats(const QString& path, int periodMs)
{
    beatPeriodMs_ = periodMs;
    beatPath_ = path;
    if (open()) {
        std::shared_ptr<const WaveSamples> wave = load(path);
        withMixer(clicks_, [&] {
            clicks_.mixer->setBeatSound(std::move(wave));
            clicks_.mixer->startBeats(periodMs);
        });
    }
    updateWatch();
}

PlayResult SdlWaveOutput::setBeatSound(const QString& path)
{
    if (!open())
        return PlayResult::NoOutput;
    std::shared_ptr<const WaveSamples> wave = load(path);
    if (!wave)
        return PlayResult::CannotPlay;
    if (beatPeriodMs_ > 0) {
        beatPath_ = path;
        withMixer(clicks_, [&] { clicks_.mixer->setBeatSound(std::move(wave)); });
    }
    return PlayResult::Started;
}

void SdlWaveOutput::setBeatPeriod(int periodMs)
{
    if (beatPeriodMs_ == 0)
        return;
    beatPeriodMs_ = periodMs;
    if (isOpen())
        withMixer(clicks_, [&] { clicks_.mixer->setBeatPeriod(periodMs); });
}

void SdlWaveOutput::setBeatsPerBar(int beats)
{
    beatsPerBar_ = beats;
    if (isOpen())
        withMixer(clicks_, [&] { clicks_.mixer->setBeatsPerBar(beats); });
}

void SdlWaveOutput::stopBeats()
{
    beatPeriodMs_ = 0;
    if (isOpen()) {
        withMixer(clicks_, [&] { clicks_.mixer->stopBeats(); });
        armRelease();
    }
    updateWatch();
}

void SdlWaveOutput::close()
{
    beatPeriodMs_ = 0;
    failedAt_.reset();
    closeDevices();
}

void SdlWaveOutput::watch()
{
    const bool lost = isOpen() && (backend_->isLost(clicks_.device) ||
                                   (notes_.device != 0 && backend_->isLost(notes_.device)));
    if (lost) {
        // The beats start again at once on the new device; what else was
        // sounding is gone with the old one.
        closeDevices();
        if (beatPeriodMs_ > 0)
            open();
    } else if (!isOpen() && beatPeriodMs_ > 0) {
        open();
    } else if (isOpen() && releaseAt_ && now_() >= *releaseAt_) {
        if (msToSilence() == 0)
            closeDevices();
        else
            armRelease();
    }
    updateWatch();
}

// Opens the output unless it is open; false when there is none. After a
// failed open nothing is tried for RetryMs, however often the output is used.
bool SdlWaveOutput::open()
{
    if (isOpen())
        return true;
    const qint64 now = now_();
    if (failedAt_ && now - *failedAt_ < RetryMs)
        return false;
    if (!openDevices()) {
        failedAt_ = now;
        updateWatch();
        return false;
    }
    failedAt_.reset();
    // The callbacks do not run before the devices are unpaused.
    clicks_.mixer->setBeatsPerBar(beatsPerBar_);
    if (beatPeriodMs_ > 0) {
        clicks_.mixer->setBeatSound(load(beatPath_));
        clicks_.mixer->startBeats(beatPeriodMs_);
    }
    backend_->unpause(clicks_.device);
    if (notes_.device != 0)
        backend_->unpause(notes_.device);
    armRelease();
    updateWatch();
    return true;
}

// Two streams where the server mixes them; one where the driver cannot, or
// where the second device does not open beside the first.
bool SdlWaveOutput::openDevices()
{
    if (!backend_->init())
        return false;
    const bool two = backend_->mixesDevices();
    if (openStream(clicks_, two ? ClickBufferFrames : SingleBufferFrames,
                   two ? TwoStreamCeiling : 1.0f)) {
        if (!two || openStream(notes_, NoteBufferFrames, TwoStreamCeiling))
            return true;
        closeStream(clicks_);
        if (openStream(clicks_, SingleBufferFrames, 1.0f))
            return true;
    }
    // Only a fresh start of the subsystem finds a server that has started
    // since (its connection is made there).
    backend_->quit();
    return false;
}

bool SdlWaveOutput::openStream(Stream& stream, Uint16 frames, float ceiling)
{
    SDL_AudioSpec wanted{};
    wanted.freq = OutputRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = OutputChannels;
    wanted.samples = frames;
    wanted.callback = &SdlWaveOutput::fillBuffer;
    wanted.userdata = &stream;
    stream.device = backend_->open(wanted, stream.spec);
    if (stream.device == 0)
        return false;
    stream.mixer = std::make_unique<WaveMixer>(stream.spec.freq, stream.spec.channels, ceiling);
    return true;
}

// Closing a device waits for its thread, so the callback never sees the mixer
// or a sound after they are released.
void SdlWaveOutput::closeStream(Stream& stream)
{
    if (stream.device != 0)
        backend_->close(stream.device);
    stream.device = 0;
    stream.mixer.reset();
}

// Decoded files go too: the next device may run at another rate.
void SdlWaveOutput::closeDevices()
{
    if (isOpen()) {
        closeStream(notes_);
        closeStream(clicks_);
        backend_->quit();
    }
    releaseAt_.reset();
    files_.clear();
    updateWatch();
}

// The output is to close ReleaseDelayMs after the last sound has been
// rendered; never while beats run.
void SdlWaveOutput::armRelease()
{
    if (const std::optional<std::int64_t> ms = msToSilence())
        releaseAt_ = now_() + *ms + ReleaseDelayMs;
    else
        releaseAt_.reset();
}

std::optional<std::int64_t> SdlWaveOutput::msToSilence()
{
    std::int64_t longest = 0;
    for (Stream* stream : {&clicks_, &notes_}) {
        if (stream->device == 0)
            continue;
        std::optional<std::int64_t> frames;
        withMixer(*stream, [&] { frames = stream->mixer->framesToSilence(); });
        if (!frames)
            return std::nullopt;
        longest = std::max(longest, *frames * 1000 / stream->spec.freq);
    }
    return longest;
}

// The watch runs while there is an output to look after or beats wait for one.
void SdlWaveOutput::updateWatch()
{
    if (!isOpen() && beatPeriodMs_ == 0)
        watch_.stop();
    else if (!watch_.isActive())
        watch_.start();
}

template <typename F> void SdlWaveOutput::withMixer(Stream& stream, F&& f)
{
    backend_->lock(stream.device);
    f();
    backend_->unlock(stream.device);
}

// The decoded file, from the cache while the file on disk is unchanged.
std::shared_ptr<const WaveSamples> SdlWaveOutput::load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        files_.remove(path);
        return nullptr;
    }
    DecodedFile& file = files_[path];
    const QDateTime modified = info.lastModified();
    if (!file.wave || file.size != info.size() || file.modified != modified) {
        file.wave = decode(path, clicks_.spec);
        file.size = info.size();
        file.modified = modified;
    }
    std::shared_ptr<const WaveSamples> wave = file.wave;
    if (!wave)
        files_.remove(path);
    return wave;
}

// A device's thread asks for its next buffer.
void SDLCALL SdlWaveOutput::fillBuffer(void* stream, Uint8* out, int length)
{
    auto* to = static_cast<Stream*>(stream);
    to->mixer->render(reinterpret_cast<float*>(out),
                      length / int(sizeof(float)) / to->spec.channels);
}

} // namespace platform
