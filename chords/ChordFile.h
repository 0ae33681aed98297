#pragma once

#include "ChordData.h"

#include <QString>

class QWidget;
namespace platform {
class Desktop;
}

// Shown when the chord library cannot be opened or read.
inline const QString ChordFileMissingMessage =
    QStringLiteral("Akor bilgilerinin bulunduğu ChordData.txt dosyası bulunamadı.");

// Reads the chord lines of one set from ChordData.txt in the program's folder.
// When the file cannot be opened or read, the message box is shown once (owned
// by owner) and the chords read before the failure are returned.
std::vector<ChordRecord> loadChordFile(platform::Desktop& desktop, QWidget* owner, ChordSet set);
