#pragma once

#include <QString>

#include "NoteNames.h"

// The note the note table shows: where its head stands on the staff, whether
// it carries a sign, and whether raised notes are named with sharps or flats.
// Pure state and rules, no widgets.
//
// Kept by every operation: the sign is None without an accidental, otherwise
// Flat in flat naming and Sharp in sharp naming. Once a note is chosen and
// while its staff position lies on the board (1 to 26), a raised note in flat
// naming stands one position above its sharp name and the base letter is the
// letter below that of its position; otherwise the base letter is the letter
// of its position.
class CurrentNote
{
public:
    // Head position meaning "no note chosen yet"; it lies above the staff.
    static constexpr int NoNote = 50;
    enum class Sign
    {
        None,
        Sharp,
        Flat
    };

    int staffPosition() const { return staffPosition_; }
    bool raised() const { return raised_; }
    bool flatNaming() const { return flatNaming_; }
    // The letter of the sharp name, also when the note is named flat.
    const QString& baseLetter() const { return baseLetter_; }
    Sign sign() const { return sign_; }

    // Makes the note of a cell tag current, named in the present naming.
    void selectFromTag(const QString& tag);
    // Moves the note to staff position p, keeping its sign.
    void setStaffPosition(int p);

    // The naming toggles. Each returns false when it changes nothing (the
    // naming was already the one asked for), true when the note must be shown
    // again.
    bool switchToFlatNaming();
    bool switchToSharpNaming();

    // The note-type menu: no sign, a sharp or a flat on the line or space the
    // head stands on. The note is shown again after each of them.
    void putNatural();
    void putSharp();
    void putFlat();

    // The key by which the cells holding this note are found: the sharp
    // name's position and the sign.
    notes::TagKey key() const;
    // The name shown above the staff.
    QString name() const;

private:
    int staffPosition_ = NoNote;
    bool raised_ = false;
    bool flatNaming_ = false;
    QString baseLetter_;
    Sign sign_ = Sign::None;
};
