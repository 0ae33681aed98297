#include "CurrentNote.h"

void CurrentNote::SelectFromTag(const QString& tag)
{
    HasAccidental = notes::TagRaised(tag);
    // The flat name of a raised note sits one step above its sharp name.
    StaffPos = notes::TagPosition(tag) + (HasAccidental && FlatMode ? 1 : 0);
    BaseLetter = notes::TagLetter(tag);
    NoteType = !HasAccidental ? None : FlatMode ? Flat : Sharp;
}

void CurrentNote::SetStaffPosition(int p)
{
    StaffPos = p;
    const QString letter = notes::StaffLetter(p);
    if (!letter.isEmpty())
        BaseLetter = letter;
    if (FlatMode && HasAccidental)
        BaseLetter = notes::PreviousLetter(BaseLetter);
}

bool CurrentNote::SwitchToFlatNaming()
{
    if (FlatMode)
        return false;
    FlatMode = true;
    if (HasAccidental) {
        NoteType = Flat;
        ++StaffPos;
    }
    return true;
}

bool CurrentNote::SwitchToSharpNaming()
{
    if (!FlatMode)
        return false;
    FlatMode = false;
    if (HasAccidental) {
        NoteType = Sharp;
        --StaffPos;
    }
    return true;
}

void CurrentNote::PutNatural()
{
    if (NoteType == Flat)
        BaseLetter = notes::NextLetter(BaseLetter);
    NoteType = None;
    HasAccidental = false;
}

void CurrentNote::PutSharp()
{
    if (NoteType == Sharp)
        return;
    if (NoteType == Flat)
        BaseLetter = notes::NextLetter(BaseLetter);
    NoteType = Sharp;
    HasAccidental = true;
    FlatMode = false;
}

void CurrentNote::PutFlat()
{
    if (NoteType == Flat)
        return;
    NoteType = Flat;
    HasAccidental = true;
    FlatMode = true;
    BaseLetter = notes::PreviousLetter(BaseLetter);
}

notes::TagKey CurrentNote::Key() const
{
    const bool flatName = HasAccidental && FlatMode;
    return {flatName ? StaffPos - 1 : StaffPos,
            HasAccidental ? QLatin1Char('#') : QLatin1Char(' ')};
}

QString CurrentNote::Name() const
{
    return notes::NoteName(BaseLetter, HasAccidental, FlatMode);
}
