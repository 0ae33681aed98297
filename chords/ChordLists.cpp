#include "ChordLists.h"

QStringList GroupEntries(const std::vector<ChordRecord>& chords)
{
    QStringList groups;
    QString previous;
    for (const ChordRecord& chord : chords) {
        if (chord.Group != previous) {
            groups.append(chord.Group);
            previous = chord.Group;
        }
    }
    return groups;
}

QStringList ChordNames(const std::vector<ChordRecord>& chords, const QString& group)
{
    QStringList names;
    for (const ChordRecord& chord : chords) {
        if (chord.Group == group)
            names.append(chord.Name);
    }
    return names;
}

int KeptChordRow(int rememberedRow, int count)
{
    if (count < 1)
        return -1;
    if (rememberedRow < 0)
        return 0;
    return rememberedRow < count ? rememberedRow : count - 1;
}

int FindChord(const std::vector<ChordRecord>& chords, const QString& group, const QString& name)
{
    int found = 0;
    for (std::size_t i = 0; i < chords.size(); ++i) {
        if (chords[i].Group == group && chords[i].Name == name)
            found = static_cast<int>(i) + 1;
    }
    return found;
}
