// Feeds arbitrary text to the tempo box reader: it must never crash, and what it
// accepts must be a tempo the metronome can use.

#include "TempoText.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<int> tempo = tempo::readTempoText(text)) {
        if (*tempo < 1 || *tempo > 399)
            std::abort();
    }
    return 0;
}
