#include "ChordData.h"
#include "ChordLine.h"
#include "ChordLists.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

// A device that delivers its data in small pieces and then fails.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray data) : data_(std::move(data)) {}

protected:
    qint64 readData(char* target, qint64 maximum) override
    {
        if (data_.isEmpty())
            return -1;
        const qint64 count = std::min<qint64>({maximum, data_.size(), 7});
        std::copy_n(data_.constData(), count, target);
        data_.remove(0, count);
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
};

// A device that cannot be opened.
class ClosedDevice : public QIODevice
{
public:
    bool open(OpenMode) override { return false; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

QStringList Names(const std::vector<ChordRecord>& records)
{
    QStringList names;
    for (const ChordRecord& r : records)
        names.append(r.Name);
    return names;
}

// What a guitarist checks in a chord: the notes it sounds in standard tuning
// against the chord named, the lowest of them against its bass (the root, or
// the note after the slash of a slash chord), and whether one hand can hold it.
struct Quality
{
    QString group;
    QString suffix;
    QList<int> intervals; // semitones above the root
};

const QList<Quality> Qualities{
    {"Major", "", {0, 4, 7}},
    {"Minor", "m", {0, 3, 7}},
    {"7", "7", {0, 4, 7, 10}},
    {"Maj7", "maj7", {0, 4, 7, 11}},
    {"m7", "m7", {0, 3, 7, 10}},
    {"sus2", "sus2", {0, 2, 7}},
    {"sus4", "sus4", {0, 5, 7}},
    {"7sus4", "7sus4", {0, 5, 7, 10}},
    {"6", "6", {0, 4, 7, 9}},
    {"m6", "m6", {0, 3, 7, 9}},
    {"9", "9", {0, 2, 4, 7, 10}},
    {"add9", "add9", {0, 2, 4, 7}},
    {"dim", "dim", {0, 3, 6}},
    {"dim7", "dim7", {0, 3, 6, 9}},
    {"m7b5", "m7b5", {0, 3, 6, 10}},
    {"aug", "aug", {0, 4, 8}},
    {"5", "5", {0, 7}},
};
const QStringList Roots{"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
const QStringList SharpNames{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
// Open strings 1 (high E) to 6 (low E) as pitch classes, C = 0.
constexpr std::array<int, 6> OpenStrings{4, 11, 7, 2, 9, 4};

// Empty when the chord is sound, else what is wrong with it.
QString ChordFault(const ChordRecord& c)
{
    // A slash chord is a chord of any quality over the bass note after the slash.
    const bool slash = c.Group == u"Slash";
    const QString chord = slash ? c.Name.section(u'/', 0, 0) : c.Name;
    const Quality* quality = nullptr;
    int root = -1;
    for (const Quality& q : Qualities) {
        if ((slash || q.group == c.Group) && chord.endsWith(q.suffix) &&
            Roots.contains(chord.chopped(q.suffix.size()))) {
            quality = &q;
            root = static_cast<int>(Roots.indexOf(chord.chopped(q.suffix.size())));
        }
    }
    if (!quality)
        return QStringLiteral("name not of its group");
    const QString bassName =
        slash ? c.Name.section(u'/', 1) : chord.chopped(quality->suffix.size());
    const int bass = std::max(Roots.indexOf(bassName), SharpNames.indexOf(bassName));
    if (bass < 0)
        return QStringLiteral("unknown bass note");

    QSet<int> sounding;
    QSet<int> above; // the strings above the lowest one played
    int lowestNote = -1;
    QList<int> pressed;
    for (int s = 6; s >= 1; --s) {
        const int fret = c.Frets[s - 1];
        if (fret < -1 || fret > 12)
            return QStringLiteral("fret off the board");
        if (fret < 0)
            continue;
        const int note = (OpenStrings[s - 1] + fret) % 12;
        if (lowestNote < 0)
            lowestNote = note;
        else
            above.insert(note);
        sounding.insert(note);
        if (fret > 0)
            pressed.append(fret);
    }
    QSet<int> wanted;
    for (int interval : quality->intervals)
        wanted.insert((root + interval) % 12);
    if (!sounding.contains(root))
        return QStringLiteral("root missing");
    if (lowestNote != bass)
        return QStringLiteral("bass not the lowest note");
    if (!(above - wanted).isEmpty())
        return QStringLiteral("foreign note");
    QSet<int> missing = wanted - sounding;
    if (quality->intervals.size() > 2) // any chord but a power chord may leave out its fifth
        missing.remove((root + 7) % 12);
    if (!missing.isEmpty())
        return QStringLiteral("chord note missing");

    if (pressed.isEmpty())
        return {};
    const int lowest = *std::min_element(pressed.begin(), pressed.end());
    if (*std::max_element(pressed.begin(), pressed.end()) - lowest > 3)
        return QStringLiteral("stretch beyond four frets");
    qsizetype fingers = pressed.size();
    if (c.BarreFret > 0) {
        if (c.BarreFrom < 1 || c.BarreTo > 6 || c.BarreFrom >= c.BarreTo)
            return QStringLiteral("barre strings out of order");
        if (c.BarreFret != lowest)
            return QStringLiteral("barre not at the lowest fret");
        if (c.Frets[c.BarreFrom - 1] != lowest || c.Frets[c.BarreTo - 1] != lowest)
            return QStringLiteral("barre ends not at the barre fret");
        fingers = 1;
        for (int s = 1; s <= 6; ++s) {
            const int fret = c.Frets[s - 1];
            const bool under = s >= c.BarreFrom && s <= c.BarreTo;
            if (under && fret < lowest)
                return QStringLiteral("string under the barre not pressed");
            if (fret > 0 && !(under && fret == lowest))
                ++fingers;
        }
    } else if (c.BarreFrom != 0 || c.BarreTo != 0) {
        return QStringLiteral("barre strings without a barre fret");
    }
    if (fingers > 4)
        return QStringLiteral("more than four fingers");
    return {};
}

ChordRecord Chord(const QString& group, const QString& name, std::array<std::int16_t, 6> frets,
                  int from = 0, int to = 0, int fret = 0)
{
    ChordRecord c;
    c.Group = group;
    c.Name = name;
    c.Frets = frets;
    c.BarreFrom = static_cast<std::int16_t>(from);
    c.BarreTo = static_cast<std::int16_t>(to);
    c.BarreFret = static_cast<std::int16_t>(fret);
    return c;
}

} // namespace

class tst_ChordData : public QObject
{
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void parseLine_data();
    void parseLine();
    void lineSelection_data();
    void lineSelection();
    void anySplitOfTheBytes();
    void encodingPerLine_data();
    void encodingPerLine();
    void megabyteLine();
    void readFailureKeepsCompleteLines();
    void unopenableDevice();
    void chordFault_data();
    void chordFault();
    void shippedLibrary();
};

void tst_ChordData::readNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::newRow("muted") << "-1" << -1.0;
    QTest::newRow("space and zero") << " 0" << 0.0;
    QTest::newRow("blank") << "  " << 0.0;
    QTest::newRow("twelve") << "12" << 12.0;
    QTest::newRow("space before") << " 3" << 3.0;
    QTest::newRow("space after") << "3 " << 3.0;
    QTest::newRow("letter") << "x" << 0.0;
    QTest::newRow("tab inside") << "1\t2" << 12.0;
    QTest::newRow("space after sign") << "- 1" << -1.0;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("half down to even") << "2.5" << 2.0;
    QTest::newRow("half up to even") << "3.5" << 4.0;
    QTest::newRow("negative half") << "-2.5" << -2.0;
    QTest::newRow("half of nothing") << "0.5" << 0.0;
    QTest::newRow("fraction only") << ".6" << 1.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.0;
    QTest::newRow("no exponent") << "1E10" << 1.0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("٣") << 0.0;
}

void tst_ChordData::readNumber()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QCOMPARE(ReadNumber(field), value);
}

void tst_ChordData::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<ChordRecord>("expected");

    ChordRecord c = Chord("Major", "C", {0, 1, 0, 2, 3, -1});
    c.Number = 1;
    c.Description = "C major";
    QTest::newRow("open chord") << QString::fromLatin1(ChordLine("!C", 1, "Major", "C",
                                                                 {0, 1, 0, 2, 3, -1}, "C major"))
                                << c;

    ChordRecord f = Chord("Major", "F", {1, 1, 2, 3, 3, 1}, 1, 6, 1);
    f.Number = 2;
    f.Description = "F major, barre";
    QTest::newRow("barre chord") << QString::fromLatin1(ChordLine("!C", 2, "Major", "F",
                                                                  {1, 1, 2, 3, 3, 1},
                                                                  "F major, barre", 1, 6, 1))
                                 << f;

    const QString full =
        QString::fromLatin1(ChordLine("!C", 3, "Major", "G", {3, 0, 0, 0, 2, 3}, "G major"))
            .left(69) +
        QStringLiteral("1 2 03 04 05 06 07 08 12");
    ChordRecord g = Chord("Major", "G", {3, 0, 0, 0, 2, 3}, 1, 2, 3);
    g.Number = 3;
    g.Description = "G major";
    g.Extras = {4, 5, 6, 7, 8, 12};
    QTest::newRow("extras") << full << g;

    ChordRecord shortLine = c;
    QTest::newRow("ends after the description")
        << QString::fromLatin1(ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major"))
               .left(68)
        << shortLine;
    shortLine.Description = "C ma";
    QTest::newRow("ends inside the description")
        << QString::fromLatin1(ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major"))
               .left(52)
        << shortLine;
    QTest::newRow("marker only") << "!C" << ChordRecord{};

    QString letters = QString::fromLatin1(
        ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major", 0, 0, 0));
    for (int column : {3, 8, 19, 30, 33, 48, 69, 71, 73, 76, 91})
        letters[column - 1] = u'Z';
    letters += QStringLiteral("and more after the last column");
    QTest::newRow("between the columns") << letters << c;

    ChordRecord padded = Chord("Two word", "", {0, 0, 0, 0, 0, 0});
    padded.Description = "\tkeeps tabs\t";
    QTest::newRow("text fields trimmed of spaces only")
        << QStringLiteral("!C      Two word             00 00 00 00 00 00   \tkeeps tabs\t  ")
        << padded;

    ChordRecord tabs = Chord("", "", {1, 2, 0, 4, 5, 6});
    QTest::newRow("tabs in numeric fields")
        << QStringLiteral("!C%1\t1 2\t \t\t 4\t  5  6").arg(QString(28, u' ')) << tabs;
}

void tst_ChordData::parseLine()
{
    QFETCH(QString, line);
    QFETCH(ChordRecord, expected);
    const ChordRecord r = ParseChordLine(line);
    QCOMPARE(r.Number, expected.Number);
    QCOMPARE(r.Group, expected.Group);
    QCOMPARE(r.Name, expected.Name);
    QCOMPARE(r.Frets, expected.Frets);
    QCOMPARE(r.Description, expected.Description);
    QCOMPARE(r.BarreFrom, expected.BarreFrom);
    QCOMPARE(r.BarreTo, expected.BarreTo);
    QCOMPARE(r.BarreFret, expected.BarreFret);
    QCOMPARE(r.Extras, expected.Extras);
}

void tst_ChordData::lineSelection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("favorites");
    QTest::addColumn<QStringList>("names");

    const QByteArray c = ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "");
    const QByteArray d = ChordLine("!C", 2, "Major", "D", {2, 3, 2, 0, -1, -1}, "");
    const QByteArray fav = ChordLine("!F", 1, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "");
    QTest::newRow("empty file") << QByteArray() << false << QStringList{};
    QTest::newRow("comments only")
        << QByteArray("# chords\r\n\r\n!x\r\n") << false << QStringList{};
    QTest::newRow("CR LF") << c + "\r\n" + d + "\r\n" << false << QStringList{"C", "D"};
    QTest::newRow("CR alone") << c + "\r" + d + "\r" << false << QStringList{"C", "D"};
    QTest::newRow("LF alone") << c + "\n" + d << false << QStringList{"C", "D"};
    QTest::newRow("blank lines between")
        << c + "\r\n\r\n\n\r" + d << false << QStringList{"C", "D"};
    QTest::newRow("LF CR is two line ends")
        << "\n" + c + "\n\r" + d << false << QStringList{"C", "D"};
    QTest::newRow("favourites only, ordinary set") << fav + "\r\n" + fav << false << QStringList{};
    QTest::newRow("favourites only, favourite set")
        << fav + "\r\n" + fav << true << QStringList{"Am", "Am"};
    QTest::newRow("sets mixed") << c + "\r\n" + fav + "\r\n" + d << true << QStringList{"Am"};
    QTest::newRow("lower-case marker") << "!c" + c.mid(2) + "\r\n" + d << false << QStringList{"D"};
    QTest::newRow("space before marker") << " " + c + "\r\n" + d << false << QStringList{"D"};
    QTest::newRow("equal chords both kept") << c + "\r\n" + c << false << QStringList{"C", "C"};
}

void tst_ChordData::lineSelection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, favorites);
    QFETCH(QStringList, names);
    QCOMPARE(Names(ParseChordData(bytes, favorites ? ChordSet::Favorites : ChordSet::Ordinary)),
             names);
}

void tst_ChordData::anySplitOfTheBytes()
{
    const QByteArray bytes = "# head\r\n" + ChordLine("!C", 1, "Major", "C", {0}, "") + "\r\n" +
                             ChordLine("!C", 2, "Major", "D", {2}, "") + "\r" +
                             ChordLine("!C", 3, "Major", "E", {0}, "") + "\n\r\n";
    const std::vector<ChordRecord> whole = ParseChordData(bytes, ChordSet::Ordinary);
    QCOMPARE(Names(whole), (QStringList{"C", "D", "E"}));
    for (qsizetype split = 0; split <= bytes.size(); ++split) {
        ChordDataParser parser(ChordSet::Ordinary);
        parser.Feed(QByteArrayView(bytes).first(split));
        parser.Feed(QByteArrayView(bytes).sliced(split));
        parser.Finish();
        QVERIFY2(parser.TakeRecords() == whole, qPrintable(QString::number(split)));
    }
}

void tst_ChordData::encodingPerLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("firstFret");

    // Columns count characters: two-byte letters do not shift the fields.
    const QString turkish = QString::fromUtf8("Çalışma");
    const QString line = QString::fromUtf8(ChordLine("!C", 1, "G", "Ğ", {5}, ""))
                             .replace(8, 10, turkish.leftJustified(10));
    QTest::newRow("UTF-8") << line.toUtf8() << turkish << QString::fromUtf8("Ğ") << 5;

    QByteArray cp1254 = ChordLine("!C", 1, "G", "x", {7}, "");
    cp1254.replace(8, 4, "\xC7\xFD\xF0\xFE"); // Çığş
    cp1254[19] = '\x80';                      // euro sign
    QTest::newRow("Windows-1254") << cp1254 << QString::fromUtf8("Çığş") << QString::fromUtf8("€")
                                  << 7;
    QByteArray broken = ChordLine("!C", 1, "G", "x", {3}, "");
    broken.replace(8, 2, "\xC3\x28"); // lead byte without its follower
    QTest::newRow("invalid UTF-8 read as Windows-1254")
        << broken << QString::fromUtf8("Ã(") << "x" << 3;
    QTest::newRow("byte-order mark")
        << "\xEF\xBB\xBF" + ChordLine("!C", 1, "Major", "A", {9}, "") << "Major"
        << "A" << 9;
}

void tst_ChordData::encodingPerLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(int, firstFret);
    // A plain line before and after: each line is decoded on its own.
    const QByteArray plain = ChordLine("!C", 9, "Plain", "P", {1}, "");
    const auto records =
        ParseChordData(plain + "\r\n" + bytes + "\r\n" + plain, ChordSet::Ordinary);
    QCOMPARE(records.size(), 3u);
    QCOMPARE(records[1].Group, group);
    QCOMPARE(records[1].Name, name);
    QCOMPARE(records[1].Frets[0], firstFret);
    QCOMPARE(records[0], records[2]);
    QCOMPARE(records[2].Group, "Plain");
}

void tst_ChordData::megabyteLine()
{
    QByteArray bytes = ChordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "C major");
    bytes.append(QByteArray(1 << 20, '\xE9'));
    bytes.append("\r\n" + ChordLine("!C", 2, "Major", "D", {2}, ""));
    const auto records = ParseChordData(bytes, ChordSet::Ordinary);
    QCOMPARE(Names(records), (QStringList{"C", "D"}));
    QCOMPARE(records[0].Description, "C major");
    QCOMPARE(records[0].Frets[5], -1);
}

void tst_ChordData::readFailureKeepsCompleteLines()
{
    const QByteArray bytes = ChordLine("!C", 1, "Major", "C", {0}, "") + "\r\n" +
                             ChordLine("!C", 2, "Major", "D", {2}, "") + "\r\n" +
                             ChordLine("!C", 3, "Major", "E", {0}, "");
    FailingDevice device(bytes);
    const ChordLoad load = ReadChordData(device, ChordSet::Ordinary);
    QVERIFY(load.failed);
    QCOMPARE(Names(load.records), (QStringList{"C", "D"}));

    QBuffer whole;
    whole.setData(bytes);
    const ChordLoad complete = ReadChordData(whole, ChordSet::Ordinary);
    QVERIFY(!complete.failed);
    QCOMPARE(Names(complete.records), (QStringList{"C", "D", "E"}));
}

void tst_ChordData::unopenableDevice()
{
    ClosedDevice device;
    const ChordLoad load = ReadChordData(device, ChordSet::Ordinary);
    QVERIFY(load.failed);
    QVERIFY(load.records.empty());
}

void tst_ChordData::chordFault_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<QString>("fault");
    QTest::newRow("open C") << Chord("Major", "C", {0, 1, 0, 2, 3, -1}) << "";
    QTest::newRow("F barre") << Chord("Major", "F", {1, 1, 2, 3, 3, 1}, 1, 6, 1) << "";
    QTest::newRow("G without fifth is fine") << Chord("7", "G7", {1, -1, 0, -1, 2, 3}) << "";
    QTest::newRow("C with a wrong fret")
        << Chord("Major", "C", {1, 1, 0, 2, 3, -1}) << "foreign note";
    QTest::newRow("minor named major")
        << Chord("Major", "A", {0, 1, 2, 2, 0, -1}) << "foreign note";
    QTest::newRow("third left out")
        << Chord("Major", "A", {0, -1, 2, 2, 0, -1}) << "chord note missing";
    QTest::newRow("root left out") << Chord("Major", "C", {0, -1, 0, 2, -1, -1}) << "root missing";
    QTest::newRow("Bm without barre")
        << Chord("Minor", "Bm", {2, 3, 4, 4, 2, -1}) << "more than four fingers";
    QTest::newRow("open string under barre")
        << Chord("Major", "F", {0, 1, 2, 3, 3, 1}, 1, 6, 1) << "foreign note";
    QTest::newRow("barre above lowest fret")
        << Chord("9", "C9", {3, 3, 3, 2, 3, -1}, 1, 3, 3) << "barre not at the lowest fret";
    QTest::newRow("barre end on a higher fret")
        << Chord("Major", "Bb", {1, 3, 3, 3, 1, -1}, 1, 6, 1) << "barre ends not at the barre fret";
    QTest::newRow("too wide") << Chord("Major", "C", {8, 5, 5, 5, 3, -1}, 2, 5, 5)
                              << "stretch beyond four frets";
    QTest::newRow("off the board")
        << Chord("Major", "E", {12, 12, 13, 14, 14, 12}, 1, 6, 12) << "fret off the board";
    QTest::newRow("root not in the bass")
        << Chord("Major", "C", {0, 1, 0, 2, 3, 0}) << "bass not the lowest note";
    QTest::newRow("power chord") << Chord("5", "F5", {-1, -1, -1, 3, 3, 1}) << "";
    QTest::newRow("power chord with a third")
        << Chord("5", "A5", {-1, 2, 2, 2, 0, -1}) << "foreign note";
    QTest::newRow("power chord without its fifth")
        << Chord("5", "A5", {-1, -1, 2, -1, 0, -1}) << "chord note missing";
    QTest::newRow("slash chord") << Chord("Slash", "D/F#", {2, 3, 2, 0, -1, 2}) << "";
    QTest::newRow("bass outside the chord") << Chord("Slash", "Am/G", {0, 1, 2, 2, 0, 3}) << "";
    QTest::newRow("bass above the bass string")
        << Chord("Slash", "G/B", {3, 0, 0, 0, 2, 3}) << "bass not the lowest note";
    QTest::newRow("bass outside the chord sounds again")
        << Chord("Slash", "Am/G", {3, 1, 2, 2, 0, 3}) << "foreign note";
}

void tst_ChordData::chordFault()
{
    QFETCH(ChordRecord, chord);
    QFETCH(QString, fault);
    QCOMPARE(ChordFault(chord), fault);
}

void tst_ChordData::shippedLibrary()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/ChordData.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith("!C") || line.startsWith("!F"))
            QCOMPARE(line.chopped(1).size(), 93); // each ends CR LF
    }

    const auto chords = ParseChordData(bytes, ChordSet::Ordinary);
    QSet<QString> seen;
    for (const ChordRecord& c : chords) {
        QVERIFY2(ChordFault(c).isEmpty(), qPrintable(c.Name + ": " + ChordFault(c)));
        // Read from its 20 columns, a description that lost words there
        // lost the ", barre" at its end.
        QVERIFY2((c.BarreFret > 0) == c.Description.endsWith(u", barre"),
                 qPrintable(c.Name + ": " + c.Description));
        seen.insert(c.Group + '/' + c.Name);
    }
    const QStringList groups = GroupEntries(chords); // one entry per group
    QCOMPARE(QSet<QString>(groups.begin(), groups.end()).size(), groups.size());
    for (const Quality& q : Qualities) {
        for (const QString& root : Roots)
            QVERIFY2(seen.contains(q.group + '/' + root + q.suffix), qPrintable(root + q.suffix));
    }
    QCOMPARE(seen.size(), chords.size());

    const auto favourites = ParseChordData(bytes, ChordSet::Favorites);
    QVERIFY(favourites.size() >= 15 && favourites.size() <= 25);
    for (const ChordRecord& f : favourites) {
        const auto same = std::find_if(chords.begin(), chords.end(), [&](const ChordRecord& c) {
            return c.Group == f.Group && c.Name == f.Name && c.Frets == f.Frets &&
                   c.BarreFret == f.BarreFret;
        });
        QVERIFY2(same != chords.end(), qPrintable(f.Name));
    }
    for (const char* beginner : {"C", "G", "D", "Am", "Em", "E7", "Cadd9", "Dsus2", "Asus2"})
        QVERIFY(Names(favourites).contains(QLatin1String(beginner)));
}

QTEST_GUILESS_MAIN(tst_ChordData)
#include "tst_chorddata.moc"
