#include "ChordFile.h"

#include "Desktop.h"

#include <QFile>

std::vector<ChordRecord> loadChordFile(platform::Desktop& desktop, QWidget* owner, ChordSet set)
{
    QFile file(desktop.programFile(QStringLiteral("ChordData.txt")));
    ChordLoad load = readChordData(file, set);
    file.close();
    if (load.failed)
        desktop.showCriticalMessage(owner, ChordFileMissingMessage);
    return std::move(load.records);
}
