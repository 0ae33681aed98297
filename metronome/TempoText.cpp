#include "TempoText.h"

#include "Tempo.h"

namespace tempo {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<int> readTempoText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // The integer part is read digit by digit and given up as soon as it is
    // beyond every accepted tempo, so no length of digits can overflow.
    long long whole = 0;
    bool tooLarge = false;
    while (i < n && isDigit(text[i])) {
        if (!tooLarge) {
            whole = whole * 10 + (text[i].unicode() - u'0');
            tooLarge = whole > MaximumTempo + 1;
        }
        ++i;
    }
    if (tooLarge)
        return std::nullopt;

    // Rounding to the nearest integer needs only the fraction's first digit and
    // whether anything but zeros follows it; exactly one half goes to the even
    // neighbour.
    if (i < n && text[i] == u'.') {
        ++i;
        if (i < n && isDigit(text[i])) {
            const int first = text[i].unicode() - u'0';
            bool restNonZero = false;
            for (++i; i < n && isDigit(text[i]); ++i)
                restNonZero = restNonZero || text[i] != u'0';
            const bool half = first == 5 && !restNonZero;
            if (first > 5 || (first == 5 && restNonZero) || (half && whole % 2 == 1))
                ++whole;
        }
    }

    const long long value = negative ? -whole : whole;
    if (!isAcceptedTempo(value))
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace tempo
