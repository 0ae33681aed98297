#pragma once

#include "ChordRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

class QIODevice;

// Reading the chord library: a plain text file of fixed-column chord lines.
// Lines beginning "!C" are the ordinary set, lines beginning "!F" the
// favourites; every other line is skipped.

enum class ChordSet
{
    Ordinary,
    Favorites,
};

// "!C" or "!F".
QStringView setMarker(ChordSet set);

// Reads a numeric column range: spaces and tabs are ignored, then an optional
// sign, digits and an optional decimal fraction are read up to the first other
// character. No digits read as 0. The value is rounded to the nearest whole
// number, an exact half to the even neighbour. Exponents are not read.
double readNumber(QStringView field);

// The record held by one chord line, by its columns (1-based, in characters).
// Columns beyond the end of a short line read as empty.
ChordRecord parseChordLine(QStringView line);

// Splits bytes into lines (CR LF, a CR alone and a LF alone each end a line),
// decodes each line (UTF-8 when it is valid UTF-8, otherwise Windows-1254) and
// keeps the chord lines of one set in file order. Bytes may arrive in pieces of
// any size.
class ChordDataParser
{
public:
    explicit ChordDataParser(ChordSet set);

    void feed(QByteArrayView bytes);
    // Takes the last line, which needs no line end.
    void finish();

    std::vector<ChordRecord> takeRecords() { return std::move(records_); }

private:
    void takeLine(QByteArrayView line);

    QStringView marker_;
    QByteArray pending_;
    bool skipLineFeed_ = false;
    std::vector<ChordRecord> records_;
};

std::vector<ChordRecord> parseChordData(QByteArrayView bytes, ChordSet set);

struct ChordLoad
{
    // The chord lines read before the end of the data or a failure.
    std::vector<ChordRecord> records;
    // The device could not be opened, a read failed or the data ran past the
    // size limit.
    bool failed = false;
};

// The most a chord library may hold: far beyond any real library, small enough
// that a file that never ends (or a huge one) is given up on in a moment.
inline constexpr qint64 ChordDataByteLimit = 16 * 1024 * 1024;

// Reads the chord lines of one set from a device, opening it for reading when
// it is not open yet. A read failure, or data beyond byteLimit, ends the
// reading as a failure; the complete lines read before it are kept.
ChordLoad readChordData(QIODevice& device, ChordSet set, qint64 byteLimit = ChordDataByteLimit);

// The same from the file at path. Only a regular file (or a link to one) is
// read: a named pipe, a device or a socket is a failure, and opening never
// waits for a writer.
ChordLoad readChordFile(const QString& path, ChordSet set);
