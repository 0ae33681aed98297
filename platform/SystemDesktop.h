#pragma once

#include "Desktop.h"

#include <memory>

namespace platform {

// The desktop the program runs on: Qt's message box, file dialog and URL
// handling, the executable's folder, and the SDL sound output, which lives in a
// module beside the program and is loaded the first time a window needs sound
// (SDL and the libraries it brings cost nothing at start-up). Without the
// module there is no output device.
class SystemDesktop : public Desktop
{
public:
    SystemDesktop();
    ~SystemDesktop() override;

    void showCriticalMessage(QWidget* owner, const QString& text) override;
    std::optional<QString> chooseOpenFile(QWidget* owner, const OpenFileRequest& request) override;
    void openLink(const QString& target) override;
    QString programFolder() const override;
    WaveOutput& waveOutput() override;

private:
    class ModuleOutput;
    std::unique_ptr<ModuleOutput> output_;
};

} // namespace platform
