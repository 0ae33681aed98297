#pragma once

#include <QChar>
#include <QString>

// The note naming model shared by both fretboard windows: note letters, staff
// positions, cell tags and note names. Pure functions of strings and integers;
// none of them fails.
//
// A cell tag is six characters "PP,A,L": a two-digit staff position, the
// accidental (' ' natural or '#' sharp) and the letter, e.g. "10,#,G".
// Staff position 1 is the open low E string; each step up is the next letter.
namespace notes {

// The letter after / before a note letter in the cycle C D E F G A B; any
// other string (empty, lower case, "H") gives the empty string.
QString nextLetter(const QString& letter);
QString previousLetter(const QString& letter);

// The letter of staff position p for 1 <= p <= 26, otherwise the empty string
// (no letter: the caller keeps the letter it had).
QString staffLetter(int position);

// Tag fields. The position is the first two characters read as a decimal
// number (0 when they are not digits); the tag is raised when its fourth
// character is not a blank; the letter is the characters from the sixth on,
// at most three.
int tagPosition(const QString& tag);
bool tagRaised(const QString& tag);
QString tagLetter(const QString& tag);

// The hover text of a cell: the letter of a natural note, "G# / Ab" for a
// raised one.
QString tagToolTip(const QString& tag);

// The name of a note as shown above the staff. The base letter is the letter
// of the sharp name also when the note is named flat: ("C", raised, flat) is
// "Db".
QString noteName(const QString& baseLetter, bool raised, bool flat);

// Two cells sound the same note exactly when their tag keys are equal.
struct TagKey
{
    int position = 0;
    bool raised = false;
    friend bool operator==(const TagKey&, const TagKey&) = default;
};

TagKey tagKeyOf(const QString& tag);

} // namespace notes
