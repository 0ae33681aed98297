#include "ChordFile.h"

#include "AppFolder.h"
#include "MessageBox.h"

#include <QFile>

std::vector<ChordRecord> LoadChordFile(QWidget* owner, ChordSet set)
{
    QFile file(platform::ApplicationFile(QStringLiteral("ChordData.txt")));
    ChordLoad load = ReadChordData(file, set);
    file.close();
    if (load.failed)
        platform::ShowCriticalMessage(owner, ChordFileMissingMessage);
    return std::move(load.records);
}
