#include "CurrentNote.h"

void CurrentNote::selectFromTag(const QString& tag)
{
    raised_ = notes::tagRaised(tag);
    // The flat name of a raised note sits one step above its sharp name.
    staffPosition_ = notes::tagPosition(tag) + (raised_ && flatNaming_ ? 1 : 0);
    baseLetter_ = notes::tagLetter(tag);
    sign_ = !raised_ ? Sign::None : flatNaming_ ? Sign::Flat : Sign::Sharp;
}

void CurrentNote::setStaffPosition(int p)
{
    staffPosition_ = p;
    const QString letter = notes::staffLetter(p);
    if (!letter.isEmpty())
        baseLetter_ = letter;
    if (flatNaming_ && raised_)
        baseLetter_ = notes::previousLetter(baseLetter_);
}

bool CurrentNote::switchToFlatNaming()
{
    if (flatNaming_)
        return false;
    flatNaming_ = true;
    if (raised_) {
        sign_ = Sign::Flat;
        ++staffPosition_;
    }
    return true;
}

bool CurrentNote::switchToSharpNaming()
{
    if (!flatNaming_)
        return false;
    flatNaming_ = false;
    if (raised_) {
        sign_ = Sign::Sharp;
        --staffPosition_;
    }
    return true;
}

void CurrentNote::putNatural()
{
    if (sign_ == Sign::Flat)
        baseLetter_ = notes::nextLetter(baseLetter_);
    sign_ = Sign::None;
    raised_ = false;
}

void CurrentNote::putSharp()
{
    if (sign_ == Sign::Sharp)
        return;
    if (sign_ == Sign::Flat)
        baseLetter_ = notes::nextLetter(baseLetter_);
    sign_ = Sign::Sharp;
    raised_ = true;
    flatNaming_ = false;
}

void CurrentNote::putFlat()
{
    if (sign_ == Sign::Flat)
        return;
    sign_ = Sign::Flat;
    raised_ = true;
    flatNaming_ = true;
    baseLetter_ = notes::previousLetter(baseLetter_);
}

notes::TagKey CurrentNote::key() const
{
    const bool flatName = raised_ && flatNaming_;
    return {flatName ? staffPosition_ - 1 : staffPosition_, raised_};
}

QString CurrentNote::name() const
{
    return notes::noteName(baseLetter_, raised_, flatNaming_);
}
