#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace platform {

// What became of a sound asked for: it started, there is no output to play it
// on (none can be opened now), or the sound itself cannot be played.
enum class PlayResult
{
    Started,
    NoOutput,
    CannotPlay
};

// The program's one sound output. It is opened when a sound or a beat needs
// it, tried again at most once a second while it cannot be opened (beats
// asked for start once it can), opened anew when the sound server loses it,
// and closed once everything has been played and no beats run. A sound goes
// on after the window that started it has closed.
//
// Sound files are read and decoded when asked for: a missing, unreadable,
// truncated or non-wave file plays nothing. Decoded files are kept, and read
// again when their size or modification time changes.
class WaveOutput
{
public:
    virtual ~WaveOutput() = default;

    // Number of wave output devices; 0 when there is no output that can be
    // opened.
    virtual int deviceCount() = 0;

    // Starts playing a wave file at once. A file or beat still playing is cut
    // off; notes go on.
    virtual PlayResult play(const QString& path) = 0;

    // Starts playing mono samples at the given rate at once, added to what
    // else sounds (the beats, a file played, other notes). The sum never clips:
    // where it would, it is turned down for a moment. Nothing plays for no
    // samples or a rate that is not above 0 (CannotPlay).
    virtual PlayResult playNote(const std::vector<float>& monoSamples, int sampleRate) = 0;

    // Beats counted on the output's own clock: the first sounds at once, then
    // one every periodMs, each cutting off the sound before it. The path's
    // sound plays on them if it can be played; otherwise they stay silent until
    // setBeatSound gives them one. Beats asked for while there is no output
    // start when it can be opened.
    virtual void startBeats(const QString& path, int periodMs) = 0;

    // The sound of the beats to come; the beats' sound stays unchanged unless
    // it Started.
    virtual PlayResult setBeatSound(const QString& path) = 0;

    // A new period from the next beat on: one new period after the last beat
    // that sounded, or at once when that moment has passed.
    virtual void setBeatPeriod(int periodMs) = 0;

    // Beats per bar, from the next bar line on and for the beats started later:
    // the first beat of each bar plays its sound a fifth higher (at 1.5 times
    // its rate, so also shorter) at the same peak level; fewer than 2 beats is
    // no accent, every beat as it is. A start begins a bar, and a new period
    // keeps counting the beats.
    virtual void setBeatsPerBar(int beats) = 0;

    // No more beats; a beat still sounding plays to its end.
    virtual void stopBeats() = 0;

    // Closes the output at once, cutting off what is playing; the next use
    // opens it again.
    virtual void close() = 0;
};

} // namespace platform

// The audio module implements this interface; a module built against another
// version of it does not load.
#define KordelixWaveOutput_iid "org.example.kordelix.WaveOutput/5"
Q_DECLARE_INTERFACE(platform::WaveOutput, KordelixWaveOutput_iid)
