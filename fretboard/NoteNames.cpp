#include "NoteNames.h"

#include <array>

namespace notes {

namespace {

constexpr std::array<char, 7> LetterCycle{'C', 'D', 'E', 'F', 'G', 'A', 'B'};

// Index of a one-letter string in the cycle, or -1.
int cycleIndex(const QString& letter)
{
    if (letter.size() != 1)
        return -1;
    for (int i = 0; i < int(LetterCycle.size()); ++i) {
        if (letter.at(0) == QLatin1Char(LetterCycle[i]))
            return i;
    }
    return -1;
}

QString cycleLetter(int index)
{
    return QString(QLatin1Char(LetterCycle[(index + LetterCycle.size()) % LetterCycle.size()]));
}

} // namespace

QString nextLetter(const QString& letter)
{
    const int i = cycleIndex(letter);
    return i < 0 ? QString() : cycleLetter(i + 1);
}

QString previousLetter(const QString& letter)
{
    const int i = cycleIndex(letter);
    return i < 0 ? QString() : cycleLetter(i - 1);
}

QString staffLetter(int position)
{
    // Position 1 is E, the letter two steps after C in the cycle.
    if (position < 1 || position > 26)
        return {};
    return cycleLetter((position - 1 + 2) % 7);
}

int tagPosition(const QString& tag)
{
    int value = 0;
    for (int i = 0; i < 2 && i < tag.size(); ++i) {
        const QChar c = tag.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool tagRaised(const QString& tag)
{
    return tag.size() > 3 && tag.at(3) != QLatin1Char(' ');
}

QString tagLetter(const QString& tag)
{
    return tag.mid(5, 3);
}

QString tagToolTip(const QString& tag)
{
    const QString letter = tagLetter(tag);
    if (!tagRaised(tag))
        return letter;
    return letter + QStringLiteral("# / ") + nextLetter(letter) + QLatin1Char('b');
}

QString noteName(const QString& baseLetter, bool raised, bool flat)
{
    if (!raised)
        return baseLetter;
    if (!flat)
        return baseLetter + QLatin1Char('#');
    return nextLetter(baseLetter) + QLatin1Char('b');
}

TagKey tagKeyOf(const QString& tag)
{
    return {tagPosition(tag), tagRaised(tag)};
}

} // namespace notes
