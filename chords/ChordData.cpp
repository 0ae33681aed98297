#include "ChordData.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace {

// First and last column (1-based, inclusive) of every field of a chord line.
struct ColumnRange
{
    int first;
    int last;
};
constexpr ColumnRange NumberColumns{4, 7};
constexpr ColumnRange GroupColumns{9, 18};
constexpr ColumnRange NameColumns{20, 29};
constexpr guitar::PerString<ColumnRange> FretColumns{
    {{31, 32}, {34, 35}, {37, 38}, {40, 41}, {43, 44}, {46, 47}}};
constexpr ColumnRange DescriptionColumns{49, 68};
constexpr ColumnRange BarreFromColumns{70, 70};
constexpr ColumnRange BarreToColumns{72, 72};
constexpr ColumnRange BarreFretColumns{74, 75};
constexpr guitar::PerString<ColumnRange> ExtraColumns{
    {{77, 78}, {80, 81}, {83, 84}, {86, 87}, {89, 90}, {92, 93}}};

// The part of the range that exists in the line, possibly empty.
QStringView columns(QStringView line, ColumnRange range)
{
    if (range.first > line.size())
        return {};
    const qsizetype last = std::min<qsizetype>(range.last, line.size());
    return line.sliced(range.first - 1, last - range.first + 1);
}

QString textField(QStringView line, ColumnRange range)
{
    QStringView text = columns(line, range);
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text.toString();
}

// A field of at most four columns always fits the record's integer types.
template <typename T> T numberField(QStringView line, ColumnRange range)
{
    return static_cast<T>(readNumber(columns(line, range)));
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A line in UTF-8 when it is valid UTF-8, else in Windows-1254. The decoders
// keep no state between lines and are costly to set up, so each thread keeps
// one of each.
QString decodeLine(QByteArrayView line)
{
    if (isAscii(line))
        return QString::fromLatin1(line);
    static thread_local QStringDecoder utf8(QStringConverter::Utf8,
                                            QStringConverter::Flag::Stateless);
    utf8.resetState();
    QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    static thread_local QStringDecoder singleByte("windows-1254",
                                                  QStringConverter::Flag::Stateless);
    singleByte.resetState();
    return singleByte.decode(line);
}

} // namespace

QStringView setMarker(ChordSet set)
{
    return set == ChordSet::Favorites ? u"!F" : u"!C";
}

double readNumber(QStringView field)
{
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < field.size() && (field[i] == u' ' || field[i] == u'\t'))
            ++i;
    };
    const auto digitAt = [&]() -> int {
        skipBlanks();
        if (i < field.size() && field[i] >= u'0' && field[i] <= u'9')
            return field[i].unicode() - u'0';
        return -1;
    };

    skipBlanks();
    bool negative = false;
    if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) {
        negative = field[i] == u'-';
        ++i;
    }
    bool anyDigit = false;
    double value = 0;
    for (int d; (d = digitAt()) >= 0; ++i) {
        value = value * 10 + d;
        anyDigit = true;
    }
    skipBlanks();
    if (i < field.size() && field[i] == u'.') {
        ++i;
        double scale = 0.1;
        for (int d; (d = digitAt()) >= 0; ++i) {
            value += d * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    return std::nearbyint(negative ? -value : value);
}

ChordRecord parseChordLine(QStringView line)
{
    ChordRecord r;
    r.number = numberField<std::int32_t>(line, NumberColumns);
    r.group = textField(line, GroupColumns);
    r.name = textField(line, NameColumns);
    for (std::size_t s = 0; s < FretColumns.size(); ++s)
        r.frets[s] = numberField<std::int16_t>(line, FretColumns[s]);
    r.description = textField(line, DescriptionColumns);
    r.barreFrom = numberField<std::int16_t>(line, BarreFromColumns);
    r.barreTo = numberField<std::int16_t>(line, BarreToColumns);
    r.barreFret = numberField<std::int16_t>(line, BarreFretColumns);
    for (std::size_t s = 0; s < ExtraColumns.size(); ++s)
        r.extras[s] = numberField<std::int16_t>(line, ExtraColumns[s]);
    return r;
}

ChordDataParser::ChordDataParser(ChordSet set) : marker_(setMarker(set)) {}

void ChordDataParser::feed(QByteArrayView bytes)
{
    if (skipLineFeed_ && !bytes.isEmpty()) {
        if (bytes.front() == '\n')
            bytes = bytes.sliced(1);
        skipLineFeed_ = false;
    }
    while (!bytes.isEmpty()) {
        const auto end =
            std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
        if (end == bytes.end()) {
            pending_.append(bytes);
            return;
        }
        const qsizetype length = end - bytes.begin();
        if (pending_.isEmpty()) {
            takeLine(bytes.first(length));
        } else {
            pending_.append(bytes.first(length));
            takeLine(pending_);
            pending_.clear();
        }
        const bool carriageReturn = *end == '\r';
        bytes = bytes.sliced(length + 1);
        if (carriageReturn) {
            if (bytes.isEmpty())
                skipLineFeed_ = true;
            else if (bytes.front() == '\n')
                bytes = bytes.sliced(1);
        }
    }
}

void ChordDataParser::finish()
{
    if (!pending_.isEmpty())
        takeLine(pending_);
    pending_.clear();
    skipLineFeed_ = false;
}

void ChordDataParser::takeLine(QByteArrayView line)
{
    const QString text = decodeLine(line);
    if (text.startsWith(marker_))
        records_.push_back(parseChordLine(text));
}

std::vector<ChordRecord> parseChordData(QByteArrayView bytes, ChordSet set)
{
    ChordDataParser parser(set);
    parser.feed(bytes);
    parser.finish();
    return parser.takeRecords();
}

ChordLoad readChordData(QIODevice& device, ChordSet set, qint64 byteLimit)
{
    ChordLoad load;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        load.failed = true;
        return load;
    }
    ChordDataParser parser(set);
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    qint64 left = byteLimit;
    for (;;) {
        // One byte asked for beyond the limit tells data of exactly the limit
        // from longer data.
        const qint64 count = device.read(buffer.data(), std::min<qint64>(buffer.size(), left + 1));
        if (count < 0 || count > left) {
            // An unfinished line may be cut short: only complete lines count.
            if (count > 0)
                parser.feed(QByteArrayView(buffer.constData(), left));
            load.failed = true;
            break;
        }
        if (count == 0) {
            parser.finish();
            break;
        }
        parser.feed(QByteArrayView(buffer.constData(), count));
        left -= count;
    }
    load.records = parser.takeRecords();
    return load;
}

ChordLoad readChordFile(const QString& path, ChordSet set)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so that no device is opened at all; looked at
    // again once open, in case the name was changed in between. Opening does
    // not block, so a pipe cannot stop the program however it got there.
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {{}, true};
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return {{}, true};
    QFile file;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {{}, true};
    }
    return readChordData(file, set);
}
