#include "AppFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ApplicationFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

QString ApplicationFile(const QString& fileName)
{
    return QDir(ApplicationFolder()).filePath(fileName);
}

void SetApplicationFolder(const QString& folder)
{
    overriddenFolder() = folder;
}

} // namespace platform
