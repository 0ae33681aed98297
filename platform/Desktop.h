#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

class WaveOutput;

// What the file-open dialog is asked to show.
struct OpenFileRequest
{
    QString title;
    QString folder;      // where the dialog opens
    QStringList filters; // in Qt's form, "Wave files (*.wav)"; the first is selected
};

// Everything the windows ask of the desktop. The program runs on
// SystemDesktop; tests hand the windows a double that records what was asked.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // A modal box with the text, the critical (stop) icon, one OK button and
    // an empty title; returns when it is closed.
    virtual void showCriticalMessage(QWidget* owner, const QString& text) = 0;

    // A modal file-open dialog owned by the window. The chosen file's full
    // path (it need not exist), or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget* owner,
                                                  const OpenFileRequest& request) = 0;

    // Opens a document or address ("mailto:...", "http://...") with the
    // desktop's default handler; a missing or failing handler is ignored.
    virtual void openLink(const QString& target) = 0;

    // The folder that holds the program file: the chord library and the click
    // sounds are read from here.
    virtual QString programFolder() const = 0;

    // The program's one sound output.
    virtual WaveOutput& waveOutput() = 0;

    // programFolder() followed by a separator and the file name.
    QString programFile(const QString& fileName) const;
};

} // namespace platform
