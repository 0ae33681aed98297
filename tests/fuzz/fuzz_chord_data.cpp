#include "ChordData.h"

#include <cstdint>
#include <cstdlib>

// Every chord read must come from a line of the set, so there can never be
// more records than line ends plus one; the same bytes fed in two pieces must
// read exactly as in one piece.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (ChordSet set : {ChordSet::Ordinary, ChordSet::Favorites}) {
        const std::vector<ChordRecord> whole = parseChordData(bytes, set);
        const qsizetype split = size == 0 ? 0 : data[0] % static_cast<qsizetype>(size + 1);
        ChordDataParser parser(set);
        parser.feed(bytes.first(split));
        parser.feed(bytes.sliced(split));
        parser.finish();
        if (parser.takeRecords() != whole)
            std::abort();
        if (static_cast<qsizetype>(whole.size()) > bytes.count('\r') + bytes.count('\n') + 1)
            std::abort();
    }
    return 0;
}
