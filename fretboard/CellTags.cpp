#include "CellTags.h"

#include "GuitarStrings.h"

#include <array>

namespace notes {

namespace {

// One row per fret, columns high E, B, G, D, A, low E. The blank accidental is
// a real blank between the commas.
constexpr std::array<guitar::PerString<const char*>, HighestFret + 1> Tags{{
    {"15, ,E", "12, ,B", "10, ,G", "07, ,D", "04, ,A", "01, ,E"}, // 0
    {"16, ,F", "13, ,C", "10,#,G", "07,#,D", "04,#,A", "02, ,F"}, // 1
    {"16,#,F", "13,#,C", "11, ,A", "08, ,E", "05, ,B", "02,#,F"}, // 2
    {"17, ,G", "14, ,D", "11,#,A", "09, ,F", "06, ,C", "03, ,G"}, // 3
    {"17,#,G", "14,#,D", "12, ,B", "09,#,F", "06,#,C", "03,#,G"}, // 4
    {"18, ,A", "15, ,E", "13, ,C", "10, ,G", "07, ,D", "04, ,A"}, // 5
    {"18,#,A", "16, ,F", "13,#,C", "10,#,G", "07,#,D", "04,#,A"}, // 6
    {"19, ,B", "16,#,F", "14, ,D", "11, ,A", "08, ,E", "05, ,B"}, // 7
    {"20, ,C", "17, ,G", "14,#,D", "11,#,A", "09, ,F", "06, ,C"}, // 8
    {"20,#,C", "17,#,G", "15, ,E", "12, ,B", "09,#,F", "06,#,C"}, // 9
    {"21, ,D", "18, ,A", "16, ,F", "13, ,C", "10, ,G", "07, ,D"}, // 10
    {"21,#,D", "18,#,A", "16,#,F", "13,#,C", "10,#,G", "07,#,D"}, // 11
    {"22, ,E", "19, ,B", "17, ,G", "14, ,D", "11, ,A", "08, ,E"}, // 12
    {"23, ,F", "20, ,C", "17,#,G", "14,#,D", "11,#,A", "09, ,F"}, // 13
    {"23,#,F", "20,#,C", "18, ,A", "15, ,E", "12, ,B", "09,#,F"}, // 14
    {"24, ,G", "21, ,D", "18,#,A", "16, ,F", "13, ,C", "10, ,G"}, // 15
    {"24,#,G", "21,#,D", "19, ,B", "16,#,F", "13,#,C", "10,#,G"}, // 16
    {"25, ,A", "22, ,E", "20, ,C", "17, ,G", "14, ,D", "11, ,A"}, // 17
    {"25,#,A", "23, ,F", "20,#,C", "17,#,G", "14,#,D", "11,#,A"}, // 18
    {"26, ,B", "23,#,F", "21, ,D", "18, ,A", "15, ,E", "12, ,B"}, // 19
}};

} // namespace

QString cellTag(int string, int fret)
{
    if (string < 1 || string > guitar::StringCount || fret < LowestFret || fret > HighestFret)
        return {};
    return QString::fromLatin1(Tags[fret][string - 1]);
}

} // namespace notes
