#include "FileDialog.h"

#include <QFileDialog>

namespace platform {

namespace {
OpenFileChooser& chooser()
{
    static OpenFileChooser c;
    return c;
}
} // namespace

std::optional<QString> ChooseOpenFile(QWidget* owner, const OpenFileRequest& request)
{
    if (chooser())
        return chooser()(owner, request);

    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the file does not have to exist
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty())
        dialog.selectNameFilter(request.filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

OpenFileChooser SetOpenFileChooser(OpenFileChooser c)
{
    return std::exchange(chooser(), std::move(c));
}

} // namespace platform
