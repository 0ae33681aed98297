#include "Desktop.h"

#include <QDir>

namespace platform {

QString Desktop::programFile(const QString& fileName) const
{
    return QDir(programFolder()).filePath(fileName);
}

} // namespace platform
