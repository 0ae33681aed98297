#include "SpokenNames.h"

#include "NoteNames.h"

#include <QStringList>

#include <optional>

namespace notes {

namespace {

constexpr int TopStaffPosition = 26;

// The chord parts spoken as words, longest first where one begins another.
struct Part
{
    const char* written;
    const char* spoken;
};
constexpr Part Parts[] = {
    {"maj", "major"},     {"Maj", "major"}, {"m", "minor"}, {"dim", "diminished"},
    {"aug", "augmented"}, {"sus", "sus"},   {"add", "add"},
};

bool isNoteLetter(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('G');
}

// Reads a note at `at`: a letter with an optional sharp or flat sign.
std::optional<QString> readNote(const QString& word, qsizetype& at)
{
    if (at >= word.size() || !isNoteLetter(word.at(at)))
        return std::nullopt;
    QString spoken(word.at(at++));
    if (at < word.size() && word.at(at) == QLatin1Char('#')) {
        spoken += QStringLiteral(" sharp");
        ++at;
    } else if (at < word.size() && word.at(at) == QLatin1Char('b')) {
        spoken += QStringLiteral(" flat");
        ++at;
    }
    return spoken;
}

// Reads a run of digits at `at`.
QString readNumber(const QString& word, qsizetype& at)
{
    const qsizetype from = at;
    while (at < word.size() && word.at(at).isDigit())
        ++at;
    return word.mid(from, at - from);
}

// Reads one part of a chord's quality at `at`: a word part, a number, or a
// sharp or flat number ("b5").
std::optional<QString> readPart(const QString& word, qsizetype& at)
{
    for (const Part& part : Parts) {
        const QLatin1String written(part.written);
        if (QStringView(word).mid(at).startsWith(written)) {
            at += written.size();
            return QLatin1String(part.spoken);
        }
    }
    if (const QString number = readNumber(word, at); !number.isEmpty())
        return number;
    const QChar sign = at < word.size() ? word.at(at) : QChar();
    if (sign == QLatin1Char('b') || sign == QLatin1Char('#')) {
        qsizetype after = at + 1;
        if (const QString number = readNumber(word, after); !number.isEmpty()) {
            at = after;
            return (sign == QLatin1Char('b') ? QStringLiteral("flat ") : QStringLiteral("sharp ")) +
                   number;
        }
    }
    return std::nullopt;
}

// The spoken form of a whole word that is a note, a chord or a chord's
// quality alone; nothing for any other word.
std::optional<QString> spokenName(const QString& word)
{
    QStringList spoken;
    qsizetype at = 0;
    const std::optional<QString> root = readNote(word, at);
    if (root)
        spoken.append(*root);
    while (at < word.size() && word.at(at) != QLatin1Char('/')) {
        const std::optional<QString> part = readPart(word, at);
        if (!part)
            return std::nullopt;
        spoken.append(*part);
    }
    if (at < word.size()) { // a slash chord's bass note
        ++at;
        const std::optional<QString> bass = root ? readNote(word, at) : std::nullopt;
        if (!bass || at != word.size())
            return std::nullopt;
        spoken.append(QStringLiteral("over ") + *bass);
    }
    if (spoken.isEmpty())
        return std::nullopt;
    return spoken.join(QLatin1Char(' '));
}

bool isWordEnd(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(':') || c == QLatin1Char(';') ||
           c == QLatin1Char('.');
}

} // namespace

QString spokenText(const QString& text)
{
    QString spoken;
    qsizetype at = 0;
    while (at < text.size()) {
        if (isWordEnd(text.at(at))) {
            spoken += text.at(at++);
            continue;
        }
        const qsizetype from = at;
        while (at < text.size() && !isWordEnd(text.at(at)))
            ++at;
        const QString word = text.mid(from, at - from);
        spoken += spokenName(word).value_or(word);
    }
    return spoken;
}

int soundingOctave(int staffPosition)
{
    // Position 1 is E, two letters above C: count letters from the C below.
    const int fromC = staffPosition + 1;
    return (fromC >= 0 ? fromC / 7 : (fromC - 6) / 7) + 2;
}

QString spokenNote(const QString& name, int staffPosition)
{
    if (staffPosition < 1 || staffPosition > TopStaffPosition)
        return {};
    return spokenText(name) + QLatin1Char(' ') + QString::number(soundingOctave(staffPosition));
}

QString spokenCellNote(const QString& tag)
{
    if (!tagRaised(tag))
        return spokenTagNote(tag, false);
    return spokenTagNote(tag, false) + QStringLiteral(" or ") + spokenTagNote(tag, true);
}

QString spokenTagNote(const QString& tag, bool flat)
{
    const int position = tagPosition(tag);
    const QString letter = tagLetter(tag);
    if (!tagRaised(tag))
        return spokenNote(letter, position);
    // The flat name stands one letter, and one staff position, higher.
    if (flat)
        return spokenNote(nextLetter(letter) + QLatin1Char('b'), position + 1);
    return spokenNote(letter + QLatin1Char('#'), position);
}

} // namespace notes
