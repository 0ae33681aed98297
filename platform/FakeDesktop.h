#pragma once

#include "SystemDesktop.h"
#include "WaveOutput.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace platform {

// Forwards to the real output and notes each sound asked for, each note with
// its samples, and how the beats were started, changed, counted in bars and
// stopped.
class RecordingOutput : public WaveOutput
{
public:
    struct Note
    {
        std::vector<float> samples;
        int sampleRate = 0;
    };

    explicit RecordingOutput(WaveOutput& real) : real_(real) {}
    int deviceCount() override { return real_.deviceCount(); }
    PlayResult play(const QString& path) override
    {
        paths.append(path);
        return real_.play(path);
    }
    PlayResult playNote(const std::vector<float>& monoSamples, int sampleRate) override
    {
        notes.append({monoSamples, sampleRate});
        return real_.playNote(monoSamples, sampleRate);
    }
    void startBeats(const QString& path, int periodMs) override
    {
        beats.append(QStringLiteral("start %1").arg(periodMs));
        real_.startBeats(path, periodMs);
    }
    PlayResult setBeatSound(const QString& path) override
    {
        paths.append(path);
        return real_.setBeatSound(path);
    }
    void setBeatPeriod(int periodMs) override
    {
        beats.append(QStringLiteral("period %1").arg(periodMs));
        real_.setBeatPeriod(periodMs);
    }
    void setBeatsPerBar(int count) override
    {
        beats.append(QStringLiteral("bar %1").arg(count));
        real_.setBeatsPerBar(count);
    }
    void stopBeats() override
    {
        beats.append(QStringLiteral("stop"));
        real_.stopBeats();
    }
    void close() override { real_.close(); }

    QStringList paths;
    QStringList beats;
    QList<Note> notes;

private:
    WaveOutput& real_;
};

// The desktop for tests: message boxes, file dialogs and links are recorded
// instead of shown, the program's folder is the test's own, and the sound
// output is the real one (on SDL's dummy or disk driver in tests), recorded.
class FakeDesktop : public SystemDesktop
{
public:
    explicit FakeDesktop(QString folder = {}) : folder_(std::move(folder)) {}

    void setProgramFolder(const QString& folder) { folder_ = folder; }
    QString programFolder() const override
    {
        return folder_.isEmpty() ? SystemDesktop::programFolder() : folder_;
    }

    void showCriticalMessage(QWidget*, const QString& text) override { messages.append(text); }

    std::optional<QString> chooseOpenFile(QWidget*, const OpenFileRequest& request) override
    {
        fileRequests.append(request);
        return fileAnswer;
    }

    void openLink(const QString& target) override { links.append(target); }

    RecordingOutput& waveOutput() override { return output; }

    QStringList messages;
    QList<OpenFileRequest> fileRequests;
    std::optional<QString> fileAnswer; // what the next file dialog answers
    QStringList links;
    RecordingOutput output{SystemDesktop::waveOutput()};

private:
    QString folder_;
};

} // namespace platform
