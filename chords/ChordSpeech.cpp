#include "ChordSpeech.h"

#include "CellTags.h"
#include "ChordDisplay.h"
#include "GuitarStrings.h"
#include "SpokenNames.h"

namespace {

// Whether the chord's raised notes are written with flats (see the header).
bool namesWithFlats(const QString& chordName)
{
    if (chordName.isEmpty())
        return false;
    const QChar root = chordName.at(0);
    const QString quality = chordName.mid(1);
    if (quality.startsWith(QLatin1Char('b')))
        return true;
    if (quality.startsWith(QLatin1Char('#')))
        return false;
    const bool minorThird =
        (quality.startsWith(QLatin1Char('m')) && !quality.startsWith(QLatin1String("maj"))) ||
        quality.startsWith(QLatin1String("dim"));
    return root == QLatin1Char('F') || (minorThird && root != QLatin1Char('B'));
}

} // namespace

QString spokenChord(const ChordRecord& chord)
{
    const QString chart = chordChart(chord);
    const QString description = chord.description.trimmed();
    if (description.isEmpty())
        return chart;
    return notes::spokenText(description) + QStringLiteral(": ") + chart;
}

QString spokenString(const ChordRecord& chord, int string)
{
    const QString name =
        QLatin1String(guitar::Strings[string - 1].spoken) + QStringLiteral(" string");
    const int fret = soundingFrets(chord)[string - 1];
    if (fret < 0)
        return name + QStringLiteral(", muted");
    QString spoken =
        name + (fret == 0 ? QStringLiteral(", open") : QStringLiteral(", fret %1").arg(fret));
    if (fret > 0 && underBarre(chord, string) && fret == chord.barreFret)
        spoken += QStringLiteral(", barre");
    const QString note =
        notes::spokenTagNote(notes::cellTag(string, fret), namesWithFlats(chord.name));
    return note.isEmpty() ? spoken : spoken + QStringLiteral(", ") + note;
}
