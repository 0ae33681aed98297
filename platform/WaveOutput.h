#pragma once

#include <QObject>
#include <QString>
#include <chrono>

namespace platform {

// The program's one sound output. A sound goes on after the window that
// started it has closed.
class WaveOutput
{
public:
    // Time between the instant a sound is asked to start and its first sample
    // leaving the program. Fixed, so that sounds asked for at even intervals
    // come out at even intervals even though the output takes its data in
    // whole buffers.
    static constexpr std::chrono::milliseconds Latency{40};

    virtual ~WaveOutput() = default;

    // Number of wave output devices; 0 when there is no output that can be
    // opened.
    virtual int deviceCount() = 0;

    // Starts playing a wave file and returns at once whether playing started:
    // the file is read and decoded now, and a missing, unreadable, truncated or
    // non-wave file plays nothing and returns false. The first sample sounds at
    // requested + Latency, at the exact frame; a sound still playing is cut off
    // then. Decoded files are kept, and read again when their size or
    // modification time changes.
    virtual bool play(const QString& path, std::chrono::steady_clock::time_point requested) = 0;

    // Closes the output at once, cutting off what is playing; the next use
    // opens it again.
    virtual void close() = 0;
};

} // namespace platform

// The audio module implements this interface; a module built against another
// version of it does not load.
#define KordelixWaveOutput_iid "org.example.kordelix.WaveOutput/1"
Q_DECLARE_INTERFACE(platform::WaveOutput, KordelixWaveOutput_iid)
