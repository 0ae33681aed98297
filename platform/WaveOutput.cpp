#include "WaveOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platform {

namespace {

// The SDL output lives in a module beside the program and is loaded the first
// time a window needs sound: SDL and the libraries it brings with it (sound
// server clients, codecs) then cost nothing at start-up. Without the module
// there is no output device.
struct AudioModule
{
    int (*deviceCount)() = nullptr;
    bool (*play)(const QString& path, std::chrono::steady_clock::rep requested) = nullptr;
    void (*close)() = nullptr;
};

const AudioModule& audioModule()
{
    static const AudioModule module = [] {
        AudioModule found;
        // The program's own folder, also when tests point ApplicationFolder()
        // elsewhere; the module is never unloaded.
        QLibrary library(QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("kordelix-audio")));
        if (!library.load())
            return found;
        found.deviceCount = reinterpret_cast<decltype(found.deviceCount)>(
            library.resolve("KordelixWaveOutputDeviceCount"));
        found.play =
            reinterpret_cast<decltype(found.play)>(library.resolve("KordelixPlayWaveAsync"));
        found.close =
            reinterpret_cast<decltype(found.close)>(library.resolve("KordelixCloseWaveOutput"));
        if (!found.deviceCount || !found.play || !found.close)
            return AudioModule{};
        return found;
    }();
    return module;
}

} // namespace

int WaveOutputDeviceCount()
{
    const AudioModule& module = audioModule();
    return module.deviceCount ? module.deviceCount() : 0;
}

bool PlayWaveAsync(const QString& path, std::chrono::steady_clock::time_point requested)
{
    const AudioModule& module = audioModule();
    return module.play && module.play(path, requested.time_since_epoch().count());
}

void CloseWaveOutput()
{
    const AudioModule& module = audioModule();
    if (module.close)
        module.close();
}

} // namespace platform
