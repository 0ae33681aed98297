#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// What the file-open dialog is asked to show.
struct OpenFileRequest
{
    QString title;
    QString folder;      // where the dialog opens
    QStringList filters; // in Qt's form, "Wave files (*.wav)"; the first is selected
};

// Shows a modal file-open dialog owned by the window. Returns the chosen file's
// full path, or nothing when the user cancelled. The file need not exist.
std::optional<QString> ChooseOpenFile(QWidget* owner, const OpenFileRequest& request);

// Replaces the dialog (an empty function restores the real one) and returns the
// previous replacement. Tests answer the dialog with it.
using OpenFileChooser =
    std::function<std::optional<QString>(QWidget* owner, const OpenFileRequest& request)>;
OpenFileChooser SetOpenFileChooser(OpenFileChooser chooser);

} // namespace platform
