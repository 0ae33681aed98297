#include "AudioBackend.h"
#include "RealtimeKit.h"

#include <QDeadlineTimer>
#include <cstring>
#include <functional>
#include <map>
#include <sched.h>
#include <unistd.h>

namespace platform {

namespace {

// Without a sound server SDL falls back to ALSA, whose failure to open prints
// some eight lines to the terminal. While the output cannot be opened, only
// the sound servers are asked (quietly) on each try; every driver is asked
// again this often, and after the output was open.
constexpr int EveryDriverMs = 60 * 1000;
constexpr const char* ServerDrivers = "pulseaudio,pipewire";
// SDL gives its audio threads nice -20 where it may (as root) and nothing
// more: a thread at nice -20 still waited long enough behind busy loops for
// the server to run a 1024-frame stream dry. Where it may (as root, or with a
// realtime limit), each device's thread therefore runs first-in-first-out, at
// a priority below the sound server's own threads; elsewhere (any normal
// user) RealtimeKit is asked to raise it. The callback only mixes, in a
// bounded time.
constexpr int CallbackPriority = int(RealtimeKit::Priority);

// The output's callback, called from a thread raised on its first call.
struct Callback
{
    SDL_AudioCallback call;
    void* userdata;
    // Told the thread's id when it may not raise itself.
    std::function<void(pid_t)> cannotRaise;
    bool raised = false;

    static void SDLCALL run(void* self, Uint8* out, int length)
    {
        auto* callback = static_cast<Callback*>(self);
        if (!callback->raised) {
            callback->raised = true;
            sched_param priority{};
            priority.sched_priority = CallbackPriority;
            if (sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &priority) != 0)
                callback->cannotRaise(gettid());
        }
        callback->call(callback->userdata, out, length);
    }
};

class SdlAudioBackend : public AudioBackend
{
public:
    bool init() override
    {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Kordelix");
        // A data chunk shorter than it claims is an error rather than a shorter sound.
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
        // A driver named in the environment wins over this hint.
        if (everyDriver_.hasExpired())
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        else
            SDL_SetHint(SDL_HINT_AUDIODRIVER, ServerDrivers);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
            return true;
        everyDriver_.setRemainingTime(EveryDriverMs);
        return false;
    }

    void quit() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

    int listedDevices() override { return SDL_GetNumAudioDevices(0); }

    bool mixesDevices() override
    {
        const char* driver = SDL_GetCurrentAudioDriver();
        return driver && std::strcmp(driver, "disk") != 0;
    }

    SDL_AudioDeviceID open(const SDL_AudioSpec& wanted, SDL_AudioSpec& obtained) override
    {
        auto callback = std::make_unique<Callback>(Callback{
            wanted.callback, wanted.userdata, [this](pid_t thread) { raiseLater(thread); }});
        SDL_AudioSpec raised = wanted;
        raised.callback = &Callback::run;
        raised.userdata = callback.get();
        const SDL_AudioDeviceID device =
            SDL_OpenAudioDevice(nullptr, 0, &raised, &obtained,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                    SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
        // Until the next success, or a minute from now, only servers are asked.
        everyDriver_.setRemainingTime(device != 0 ? 0 : EveryDriverMs);
        if (device != 0)
            callbacks_.emplace(device, std::move(callback));
        obtained.callback = wanted.callback;
        obtained.userdata = wanted.userdata;
        return device;
    }

    void close(SDL_AudioDeviceID device) override
    {
        SDL_CloseAudioDevice(device);
        callbacks_.erase(device);
    }
    void unpause(SDL_AudioDeviceID device) override { SDL_PauseAudioDevice(device, 0); }
    void lock(SDL_AudioDeviceID device) override { SDL_LockAudioDevice(device); }
    void unlock(SDL_AudioDeviceID device) override { SDL_UnlockAudioDevice(device); }

    bool isLost(SDL_AudioDeviceID device) override
    {
        return SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_STOPPED;
    }

private:
    // Called from a device's thread: the main thread asks RealtimeKit. The
    // system bus is reached only once a thread needs it, so never as root.
    void raiseLater(pid_t thread)
    {
        QMetaObject::invokeMethod(
            &mainThread_,
            [this, thread] {
                if (!realtimeKit_)
                    realtimeKit_ = std::make_unique<RealtimeKit>(QDBusConnection::systemBus());
                realtimeKit_->raise(quint64(thread));
            },
            Qt::QueuedConnection);
    }

    QDeadlineTimer everyDriver_{0};
    // Requests posted here from a device's thread are dropped with it.
    QObject mainThread_;
    std::unique_ptr<RealtimeKit> realtimeKit_;
    std::map<SDL_AudioDeviceID, std::unique_ptr<Callback>> callbacks_;
};

} // namespace

std::unique_ptr<AudioBackend> makeSdlAudioBackend()
{
    return std::make_unique<SdlAudioBackend>();
}

} // namespace platform
