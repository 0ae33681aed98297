#include "ChordLists.h"

#include <algorithm>

QStringList groupEntries(const std::vector<ChordRecord>& chords)
{
    QStringList groups;
    QString previous;
    for (const ChordRecord& chord : chords) {
        if (chord.group != previous) {
            groups.append(chord.group);
            previous = chord.group;
        }
    }
    return groups;
}

QStringList chordNames(const std::vector<ChordRecord>& chords, const QString& group)
{
    QStringList names;
    for (const ChordRecord& chord : chords) {
        if (chord.group == group)
            names.append(chord.name);
    }
    return names;
}

int keptChordRow(int rememberedRow, int count)
{
    if (count < 1)
        return -1;
    if (rememberedRow < 0)
        return 0;
    return rememberedRow < count ? rememberedRow : count - 1;
}

const ChordRecord* findChord(const std::vector<ChordRecord>& chords, const QString& group,
                             const QString& name)
{
    const auto found = std::find_if(chords.rbegin(), chords.rend(), [&](const ChordRecord& c) {
        return c.group == group && c.name == name;
    });
    return found == chords.rend() ? nullptr : &*found;
}
