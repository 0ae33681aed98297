#pragma once

#include "GuitarStrings.h"

#include <QString>

#include <cstdint>

// One chord of the chord library. Strings are numbered 1 (high E) to 6 (low E),
// the order of the fretboard's rows.
struct ChordRecord
{
    std::int32_t number = 0;
    QString group;
    QString name;
    // -1 = string not played, 0 = open string, 1 to 12 = pressed at that fret.
    guitar::PerString<std::int16_t> frets{};
    // Further per-string numbers, carried along unread.
    guitar::PerString<std::int16_t> extras{};
    QString description;
    // Strings covered by the barre, first and last.
    std::int16_t barreFrom = 0;
    std::int16_t barreTo = 0;
    // Fret of the barre; 0 or less = no barre.
    std::int16_t barreFret = 0;

    bool operator==(const ChordRecord&) const = default;
};
