#pragma once

#include <QString>

#include "NoteNames.h"

// The note the note table shows: where its head stands on the staff, whether
// it carries a sign, and whether raised notes are named with sharps or flats.
// Pure state and rules, no widgets.
//
// Kept by every operation: NoteType is 0 without a sign, otherwise 2 in flat
// naming and 1 in sharp naming. Once a note is chosen and while StaffPos lies
// on the board (1 to 26), a raised note in flat naming stands one position
// above its sharp name and BaseLetter is the letter below that of StaffPos;
// otherwise BaseLetter is the letter of StaffPos.
struct CurrentNote
{
    // Head position meaning "no note chosen yet"; it lies above the staff.
    static constexpr int NoNote = 50;
    enum Sign : short
    {
        None = 0,
        Sharp = 1,
        Flat = 2
    };

    int StaffPos = NoNote;
    bool HasAccidental = false;
    bool FlatMode = false;
    // The letter of the sharp name, also when the note is named flat.
    QString BaseLetter;
    short NoteType = None;

    // Makes the note of a cell tag current, named in the present naming.
    void SelectFromTag(const QString& tag);
    // Moves the note to staff position p, keeping its sign.
    void SetStaffPosition(int p);

    // The naming toggles. Each returns false when it changes nothing (the
    // naming was already the one asked for), true when the note must be shown
    // again.
    bool SwitchToFlatNaming();
    bool SwitchToSharpNaming();

    // The note-type menu: no sign, a sharp or a flat on the line or space the
    // head stands on. The note is shown again after each of them.
    void PutNatural();
    void PutSharp();
    void PutFlat();

    // The key by which the cells holding this note are found: the sharp
    // name's position and the sign.
    notes::TagKey Key() const;
    // The name shown above the staff.
    QString Name() const;
};
