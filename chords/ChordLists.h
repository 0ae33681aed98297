#pragma once

#include "ChordRecord.h"

#include <QStringList>

#include <vector>

// What the chord finder's two lists show, from the loaded chords.

// One entry per run of consecutive chords with the same group, in file order.
// Chords with an empty group before the first named group start no entry.
QStringList groupEntries(const std::vector<ChordRecord>& chords);

// The names of every chord of the group, in file order.
QStringList chordNames(const std::vector<ChordRecord>& chords, const QString& group);

// The chord list keeps its position across groups: the row to select in a list
// of count entries when rememberedRow was selected before (-1 for none): that
// row when it exists, the first when there was none, else the last. -1 for an
// empty list.
int keptChordRow(int rememberedRow, int count);

// The chord with that group and name, the last one when several match; null
// when none does.
const ChordRecord* findChord(const std::vector<ChordRecord>& chords, const QString& group,
                             const QString& name);
