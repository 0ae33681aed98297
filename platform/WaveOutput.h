#pragma once

#include <QString>
#include <chrono>

// Wave output: one output for the whole program, opened on first use and kept
// until the program ends, so a sound goes on after the window that started it
// has closed.
namespace platform {

// Time between the instant a sound is asked to start and its first sample
// leaving the program. Fixed, so that sounds asked for at even intervals come
// out at even intervals even though the output takes its data in whole buffers.
inline constexpr std::chrono::milliseconds WaveOutputLatency{40};

// Number of wave output devices; 0 when there is no output that can be opened.
int WaveOutputDeviceCount();

// Starts playing a wave file and returns at once whether playing started: the
// file is read and decoded now, and a missing, unreadable, truncated or non-wave
// file plays nothing and returns false. The first sample sounds at
// requested + WaveOutputLatency, at the exact frame; a sound still playing is
// cut off then. Decoded files are kept, and read again when their size or
// modification time changes.
bool PlayWaveAsync(const QString& path, std::chrono::steady_clock::time_point requested =
                                            std::chrono::steady_clock::now());

// Closes the output at once, cutting off what is playing; the next use opens it
// again. Also done when the program ends.
void CloseWaveOutput();

} // namespace platform
