#include "SystemDesktop.h"

#include "WaveOutput.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPluginLoader>
#include <QSettings>
#include <QUrl>

namespace platform {

// Forwards to the audio module, loaded on first use; plays nothing and reports
// no device when the module is missing or was built for another interface.
class SystemDesktop::ModuleOutput : public WaveOutput
{
public:
    int deviceCount() override { return module() ? module()->deviceCount() : 0; }

    PlayResult play(const QString& path) override
    {
        return module() ? module()->play(path) : PlayResult::NoOutput;
    }

    PlayResult playNote(const std::vector<float>& monoSamples, int sampleRate) override
    {
        return module() ? module()->playNote(monoSamples, sampleRate) : PlayResult::NoOutput;
    }

    void startBeats(const QString& path, int periodMs) override
    {
        if (module())
            module()->startBeats(path, periodMs);
    }

    PlayResult setBeatSound(const QString& path) override
    {
        return module() ? module()->setBeatSound(path) : PlayResult::NoOutput;
    }

    void setBeatPeriod(int periodMs) override
    {
        if (module())
            module()->setBeatPeriod(periodMs);
    }

    void setBeatsPerBar(int beats) override
    {
        if (module())
            module()->setBeatsPerBar(beats);
    }

    void stopBeats() override
    {
        if (module())
            module()->stopBeats();
    }

    void close() override
    {
        if (module())
            module()->close();
    }

private:
    WaveOutput* module()
    {
        if (!loaded_) {
            loaded_ = true;
            // Always beside the executable: tests point the program's folder
            // elsewhere, the module stays where it was built.
            QPluginLoader loader(QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("kordelix-audio")));
            module_ = qobject_cast<WaveOutput*>(loader.instance());
        }
        return module_;
    }

    bool loaded_ = false;
    WaveOutput* module_ = nullptr; // owned by the plugin loader, never unloaded
};

SystemDesktop::SystemDesktop() : output_(std::make_unique<ModuleOutput>())
{
    // The program keeps no settings, but Qt's file dialog keeps its history in
    // the user's settings folder and cannot be told not to. User settings are
    // looked for below a file, where no folder can be made: the dialog reads
    // nothing and its writes fail without a word.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/settings"));
}

SystemDesktop::~SystemDesktop() = default;

void SystemDesktop::showCriticalMessage(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, owner);
    box.exec();
}

std::optional<QString> SystemDesktop::chooseOpenFile(QWidget* owner, const OpenFileRequest& request)
{
    QFileDialog dialog(owner, request.title, request.folder);
    // It blocks only the window that asked: the other windows stay usable.
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the file does not have to exist
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty())
        dialog.selectNameFilter(request.filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void SystemDesktop::openLink(const QString& target)
{
    QDesktopServices::openUrl(QUrl(target)); // the result is deliberately not examined
}

QString SystemDesktop::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

WaveOutput& SystemDesktop::waveOutput()
{
    return *output_;
}

} // namespace platform
