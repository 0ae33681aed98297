#pragma once

// Pitches in equal temperament with A4 = 440 Hz, the guitar in standard tuning
// (E2 A2 D3 G3 B3 E4 from the lowest string up).
namespace synth {

// The pitch of a string (1 = high E ... 6 = low E, as on the fretboard) pressed
// at a fret (0 = open). 0 for a string the guitar does not have.
double stringFrequency(int string, int fret);

// The sounding pitch of a note written on the staff. Guitar music is written an
// octave above its sound: staff position 1 is the open low E string (E2), 8 the
// bottom line (E3), 15 the top space (E4); each step up is the next letter.
// The alteration is +1 for a sharp, -1 for a flat, 0 for none, so that E#, B#,
// Fb and Cb sound at their enharmonic pitches.
double writtenNoteFrequency(int staffPosition, int alteration);

} // namespace synth
