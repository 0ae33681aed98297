#include "ChordFile.h"

#include "Desktop.h"

std::vector<ChordRecord> loadChordFile(platform::Desktop& desktop, QWidget* owner, ChordSet set)
{
    ChordLoad load = readChordFile(desktop.programFile(QStringLiteral("ChordData.txt")), set);
    if (load.failed)
        desktop.showCriticalMessage(owner, ChordFileMissingMessage);
    return std::move(load.records);
}
