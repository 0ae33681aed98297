#pragma once

#include <QString>

// Note and chord names as a screen reader should say them. A speech voice reads
// "A#" as "a hash" and "Ab" as the word "ab"; these functions spell the signs
// out. Pure functions; none of them fails.
namespace notes {

// Spells every note or chord name in a text for speech and keeps the rest:
// "#" is " sharp", the flat sign "b" is " flat", and a chord's parts are
// words: "C#" is "C sharp", "Eb7sus4" "E flat 7 sus 4", "C#m7b5" "C sharp
// minor 7 flat 5", "Cmaj7" "C major 7", "C/G" "C over G", a chord group such
// as "m7b5" "minor 7 flat 5". A word counts as a name only when all of it
// reads as one (a trailing comma or colon aside), so "barre", "7th" and
// "added" stay as they are.
QString spokenText(const QString& text);

// The octave, in scientific pitch, of the sound of a staff position: position
// 1 is the open low E string, E2; the number goes up at each C.
int soundingOctave(int staffPosition);

// A note name as shown above the staff ("G#", "Ab", "E") standing at a staff
// position, spoken with the octave of its sound: "G sharp 3". Empty for a
// position off the staff (no note shown).
QString spokenNote(const QString& name, int staffPosition);

// The note a fretboard cell sounds, from its tag, spoken with its octave: "E 4"
// for a natural note, both names of a raised one ("A sharp 2 or B flat 2").
QString spokenCellNote(const QString& tag);

// One name of that note: a raised note named with a sharp ("A sharp 2") or a
// flat ("B flat 2"); a natural note by its letter either way.
QString spokenTagNote(const QString& tag, bool flat);

} // namespace notes
