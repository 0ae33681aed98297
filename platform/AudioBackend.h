#pragma once

#include <SDL.h>

#include <memory>

namespace platform {

// The calls the wave output makes to the sound system: SDL's audio subsystem
// and its devices. Tests put a sound system of their own in its place, one
// that loses devices and has no server when they say so.
class AudioBackend
{
public:
    virtual ~AudioBackend() = default;

    // Starts the audio subsystem; false when no driver can start. Every
    // successful init is ended by one quit.
    virtual bool init() = 0;
    virtual void quit() = 0;

    // The output devices the driver lists; some list none but open their
    // default one.
    virtual int listedDevices() = 0;

    // Whether a second device plays beside the first, mixed by the sound
    // server (not so where the driver writes one file).
    virtual bool mixesDevices() = 0;

    // Opens the default output, paused; 0 when it cannot be opened.
    virtual SDL_AudioDeviceID open(const SDL_AudioSpec& wanted, SDL_AudioSpec& obtained) = 0;
    // Closing waits for the device's thread: its callback has returned for
    // good.
    virtual void close(SDL_AudioDeviceID device) = 0;
    virtual void unpause(SDL_AudioDeviceID device) = 0;
    // While locked, the device's callback does not run.
    virtual void lock(SDL_AudioDeviceID device) = 0;
    virtual void unlock(SDL_AudioDeviceID device) = 0;
    // The device was lost: its server went away or its sink was removed.
    virtual bool isLost(SDL_AudioDeviceID device) = 0;
};

// The real one, on SDL.
std::unique_ptr<AudioBackend> makeSdlAudioBackend();

} // namespace platform
