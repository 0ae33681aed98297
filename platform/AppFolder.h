#pragma once

#include <QString>

namespace platform {

// The folder that holds the program file: the chord library and the click sounds
// are read from here.
QString ApplicationFolder();

// ApplicationFolder() followed by a separator and the given file name.
QString ApplicationFile(const QString& fileName);

// Points ApplicationFolder() somewhere else (an empty text restores the real
// folder). Tests use it to run a window against a folder of their own.
void SetApplicationFolder(const QString& folder);

} // namespace platform
