#pragma once

#include <QStringView>
#include <optional>

namespace tempo {

// Reads the tempo typed into the tempo box: the leading number of the text
// (blanks before it skipped, an optional sign, digits and an optional decimal
// fraction), rounded to the nearest integer with halves to even. Returns nothing
// when that value is not an accepted tempo (1 to 399), which includes a text
// without a leading number (it counts as 0) and numbers of any length beyond
// the range. Whatever follows the number is ignored.
std::optional<int> readTempoText(QStringView text);

} // namespace tempo
