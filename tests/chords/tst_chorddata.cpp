#include "ChordData.h"
#include "ChordLine.h"
#include "ChordLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

QStringList namesOf(const std::vector<ChordRecord>& records)
{
    QStringList names;
    for (const ChordRecord& r : records)
        names.append(r.name);
    return names;
}

ChordRecord makeChord(const QString& group, const QString& name,
                      guitar::PerString<std::int16_t> frets, int from = 0, int to = 0, int fret = 0)
{
    ChordRecord c;
    c.group = group;
    c.name = name;
    c.frets = frets;
    c.barreFrom = static_cast<std::int16_t>(from);
    c.barreTo = static_cast<std::int16_t>(to);
    c.barreFret = static_cast<std::int16_t>(fret);
    return c;
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
constexpr guitar::PerString<int> OpenStrings{4, 11, 7, 2, 9, 4};

// Empty when the chord is sound, else what is wrong with it.
QString faultOf(const ChordRecord& c)
{
    // A slash chord is a chord of any quality over the bass note after the slash.
    const bool slash = c.group == u"Slash";
    const QString chord = slash ? c.name.section(u'/', 0, 0) : c.name;
    const Quality* quality = nullptr;
    int root = -1;
    for (const Quality& q : Qualities) {
        if ((slash || q.group == c.group) && chord.endsWith(q.suffix) &&
            Roots.contains(chord.chopped(q.suffix.size()))) {
            quality = &q;
            root = static_cast<int>(Roots.indexOf(chord.chopped(q.suffix.size())));
        }
    }
    if (!quality)
        return QStringLiteral("name not of its group");
    const QString bassName =
        slash ? c.name.section(u'/', 1) : chord.chopped(quality->suffix.size());
    const int bass = std::max(Roots.indexOf(bassName), SharpNames.indexOf(bassName));
    if (bass < 0)
        return QStringLiteral("unknown bass note");

    QSet<int> sounding;
    QSet<int> above; // the strings above the lowest one played
    int lowestNote = -1;
    QList<int> pressed;
    for (int s = 6; s >= 1; --s) {
        const int fret = c.frets[s - 1];
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
    if (c.barreFret > 0) {
        if (c.barreFrom < 1 || c.barreTo > 6 || c.barreFrom >= c.barreTo)
            return QStringLiteral("barre strings out of order");
        if (c.barreFret != lowest)
            return QStringLiteral("barre not at the lowest fret");
        if (c.frets[c.barreFrom - 1] != lowest || c.frets[c.barreTo - 1] != lowest)
            return QStringLiteral("barre ends not at the barre fret");
        fingers = 1;
        for (int s = 1; s <= 6; ++s) {
            const int fret = c.frets[s - 1];
            const bool under = s >= c.barreFrom && s <= c.barreTo;
            if (under && fret < lowest)
                return QStringLiteral("string under the barre not pressed");
            if (fret > 0 && !(under && fret == lowest))
                ++fingers;
        }
    } else if (c.barreFrom != 0 || c.barreTo != 0) {
        return QStringLiteral("barre strings without a barre fret");
    }
    if (fingers > 4)
        return QStringLiteral("more than four fingers");
    return {};
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
    void readFailureKeepsCompleteLines();
    void chordFileKinds_data();
    void chordFileKinds();
    void chordFault_data();
    void chordFault();
    void shippedLibrary();
};

void tst_ChordData::readNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::newRow("muted") << "-1" << -1.0;
    QTest::newRow("blank") << "  " << 0.0;
    QTest::newRow("letter") << "x" << 0.0;
    QTest::newRow("tab inside") << "1\t2" << 12.0;
    QTest::newRow("space after sign") << "- 1" << -1.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("half down to even") << "2.5" << 2.0;
    QTest::newRow("half up to even") << "3.5" << 4.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.0;
    QTest::newRow("no exponent") << "1E10" << 1.0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("٣") << 0.0;
}

void tst_ChordData::readNumber()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QCOMPARE(::readNumber(field), value);
}

void tst_ChordData::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("record");
    // The description fills its 20 columns, up to column 68.
    const QString barre = QString::fromLatin1(
        chordLine("!C", 2, "Minor", "C#m7", {4, 5, 4, 6, 4, -1}, "C#m7 barre at fret 4", 1, 5, 4));
    QTest::newRow("barre chord")
        << barre << "2|Minor|C#m7|4 5 4 6 4 -1|C#m7 barre at fret 4|1 5 4|0 0 0 0 0 0";
    QTest::newRow("extras") << barre.left(76) + "04 05 06 07 08 12"
                            << "2|Minor|C#m7|4 5 4 6 4 -1|C#m7 barre at fret 4|1 5 4|4 5 6 7 8 12";
    QTest::newRow("ends inside the description")
        << barre.left(52) << "2|Minor|C#m7|4 5 4 6 4 -1|C#m7|0 0 0|0 0 0 0 0 0";
    // A field is read up to the line's end, also from its last character.
    QTest::newRow("ends on the name's first letter")
        << barre.left(20) << "2|Minor|C|0 0 0 0 0 0||0 0 0|0 0 0 0 0 0";
    QTest::newRow("ends on the barre's first string")
        << barre.left(70) << "2|Minor|C#m7|4 5 4 6 4 -1|C#m7 barre at fret 4|1 0 0|0 0 0 0 0 0";
    QString letters = barre + "and more after the last column";
    for (int column : {3, 8, 19, 30, 33, 48, 69, 71, 73, 76, 91})
        letters[column - 1] = u'Z';
    QTest::newRow("between the columns")
        << letters << "2|Minor|C#m7|4 5 4 6 4 -1|C#m7 barre at fret 4|1 5 4|0 0 0 0 0 0";
    QTest::newRow("text fields trimmed of spaces only")
        << QStringLiteral("!C      Two word             00 00 00 00 00 00   \tkeeps tabs\t  ")
        << "0|Two word||0 0 0 0 0 0|\tkeeps tabs\t|0 0 0|0 0 0 0 0 0";
}

void tst_ChordData::parseLine()
{
    QFETCH(QString, line);
    const ChordRecord r = parseChordLine(line);
    QStringList frets;
    QStringList extras;
    for (std::size_t s = 0; s < r.frets.size(); ++s) {
        frets << QString::number(r.frets[s]);
        extras << QString::number(r.extras[s]);
    }
    QTEST(QStringLiteral("%1|%2|%3|%4|%5|%6 %7 %8|%9")
              .arg(QString::number(r.number), r.group, r.name, frets.join(u' '), r.description,
                   QString::number(r.barreFrom), QString::number(r.barreTo),
                   QString::number(r.barreFret), extras.join(u' ')),
          "record");
}

void tst_ChordData::lineSelection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("favorites");
    QTest::addColumn<QStringList>("names");

    const QByteArray c = chordLine("!C", 1, "Major", "C", {0, 1, 0, 2, 3, -1}, "");
    const QByteArray d = chordLine("!C", 2, "Major", "D", {2, 3, 2, 0, -1, -1}, "");
    const QByteArray fav = chordLine("!F", 1, "Minor", "Am", {0, 1, 2, 2, 0, -1}, "");
    QTest::newRow("CR LF") << c + "\r\n" + d + "\r\n" << false << QStringList{"C", "D"};
    QTest::newRow("CR alone, LF alone")
        << c + "\r" + d + "\n" + c << false << QStringList{"C", "D", "C"};
    QTest::newRow("LF CR is two line ends")
        << "\n" + c + "\n\r" + d << false << QStringList{"C", "D"};
    QTest::newRow("ordinary set") << c + "\r\n" + fav + "\r\n" + d << false
                                  << QStringList{"C", "D"};
    QTest::newRow("favourite set")
        << c + "\r\n" + fav + "\r\n" + fav << true << QStringList{"Am", "Am"};
    QTest::newRow("marker in lower case or not first")
        << "!c" + c.mid(2) + "\r\n " + c + "\r\n" + d << false << QStringList{"D"};

    // Each line is decoded on its own: UTF-8 when it is valid UTF-8, else
    // Windows-1254. Columns count characters, so two-byte letters in the group
    // do not shift the name.
    const QByteArray utf8 = chordLine("!C", 1, QString::fromUtf8("Çalışma"), "Ğ", {5}, "");
    QByteArray singleByte = chordLine("!C", 2, "G", "x", {5}, "");
    singleByte[19] = '\x80'; // euro sign
    QByteArray broken = chordLine("!C", 3, "G", "x", {5}, "");
    broken.replace(19, 2, "\xC3\x28"); // lead byte without its follower
    QTest::newRow("encoding per line")
        << utf8 + "\r\n" + singleByte + "\r\n" + broken + "\r\n" + utf8 << false
        << QStringList{"Ğ", "€", "Ã(", "Ğ"};
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + c << false << QStringList{"C"};
}

void tst_ChordData::lineSelection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, favorites);
    QFETCH(QStringList, names);
    QCOMPARE(namesOf(parseChordData(bytes, favorites ? ChordSet::Favorites : ChordSet::Ordinary)),
             names);
}

void tst_ChordData::anySplitOfTheBytes()
{
    const QByteArray bytes = "# head\r\n" + chordLine("!C", 1, "Major", "C", {0}, "") + "\r\n" +
                             chordLine("!C", 2, "Major", "D", {2}, "") + "\r" +
                             chordLine("!C", 3, "Major", "E", {0}, "") + "\n\r\n";
    const std::vector<ChordRecord> whole = parseChordData(bytes, ChordSet::Ordinary);
    QCOMPARE(namesOf(whole), (QStringList{"C", "D", "E"}));
    for (qsizetype split = 0; split <= bytes.size(); ++split) {
        ChordDataParser parser(ChordSet::Ordinary);
        parser.feed(QByteArrayView(bytes).first(split));
        parser.feed(QByteArrayView(bytes).sliced(split));
        parser.finish();
        QVERIFY2(parser.takeRecords() == whole, qPrintable(QString::number(split)));
    }
}

void tst_ChordData::readFailureKeepsCompleteLines()
{
    const QByteArray bytes = chordLine("!C", 1, "Major", "C", {0}, "") + "\r\n" +
                             chordLine("!C", 2, "Major", "D", {2}, "") + "\r\n" +
                             chordLine("!C", 3, "Major", "E", {0}, "");
    FailingDevice device(bytes);
    const ChordLoad load = readChordData(device, ChordSet::Ordinary);
    QVERIFY(load.failed);
    QCOMPARE(namesOf(load.records), (QStringList{"C", "D"}));
}

// What lies at the chord library's path: a file, a link, a folder or a special
// file, and how long a file is.
void tst_ChordData::chordFileKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QStringList>("names");
    const QStringList both{"C", "D"};
    QTest::newRow("file") << "file" << false << both;
    QTest::newRow("link to a file") << "link to file" << false << both;
    QTest::newRow("file of exactly the size limit") << "file at limit" << false << both;
    QTest::newRow("file one byte past the limit") << "file past limit" << true << both;
    QTest::newRow("missing") << "missing" << true << QStringList();
    QTest::newRow("folder") << "folder" << true << QStringList();
    QTest::newRow("pipe nothing writes to") << "pipe" << true << QStringList();
    QTest::newRow("link to an endless device") << "/dev/zero" << true << QStringList();
    QTest::newRow("link to an empty device") << "/dev/null" << true << QStringList();
    QTest::newRow("socket") << "socket" << true << QStringList();
}

void tst_ChordData::chordFileKinds()
{
    QFETCH(QString, kind);
    QFETCH(bool, failed);
    QFETCH(QStringList, names);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("ChordData.txt"));
    const QByteArray name = QFile::encodeName(path);
    const auto writeChords = [](const QString& to, qint64 size) {
        QFile file(to);
        const QByteArray lines = chordLine("!C", 1, "Major", "C", {0}, "") + "\r\n" +
                                 chordLine("!C", 2, "Major", "D", {2}, "") + "\r\n";
        // The rest is a hole of NUL bytes, a line of no set.
        return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size() &&
               (size < 0 || file.resize(size));
    };
    if (kind == "file") {
        QVERIFY(writeChords(path, -1));
    } else if (kind == "link to file") {
        QVERIFY(writeChords(folder.filePath("real.txt"), -1));
        QVERIFY(QFile::link(folder.filePath("real.txt"), path));
    } else if (kind == "file at limit" || kind == "file past limit") {
        QVERIFY(writeChords(path, ChordDataByteLimit + (kind == "file past limit")));
    } else if (kind == "folder") {
        QVERIFY(QDir(folder.path()).mkdir("ChordData.txt"));
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind.startsWith('/')) {
        QVERIFY(QFile::link(kind, path));
    } else if (kind == "socket") {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::copy(name.begin(), name.end(), address.sun_path);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(socket >= 0);
        const int bound = ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::close(socket);
        QCOMPARE(bound, 0);
    }
    const ChordLoad load = readChordFile(path, ChordSet::Ordinary);
    QCOMPARE(load.failed, failed);
    QCOMPARE(namesOf(load.records), names);
}

void tst_ChordData::chordFault_data()
{
    QTest::addColumn<ChordRecord>("chord");
    QTest::addColumn<QString>("fault");
    QTest::newRow("open C") << makeChord("Major", "C", {0, 1, 0, 2, 3, -1}) << "";
    QTest::newRow("F barre") << makeChord("Major", "F", {1, 1, 2, 3, 3, 1}, 1, 6, 1) << "";
    QTest::newRow("G without fifth is fine") << makeChord("7", "G7", {1, -1, 0, -1, 2, 3}) << "";
    QTest::newRow("C with a wrong fret")
        << makeChord("Major", "C", {1, 1, 0, 2, 3, -1}) << "foreign note";
    QTest::newRow("minor named major")
        << makeChord("Major", "A", {0, 1, 2, 2, 0, -1}) << "foreign note";
    QTest::newRow("third left out")
        << makeChord("Major", "A", {0, -1, 2, 2, 0, -1}) << "chord note missing";
    QTest::newRow("root left out")
        << makeChord("Major", "C", {0, -1, 0, 2, -1, -1}) << "root missing";
    QTest::newRow("Bm without barre")
        << makeChord("Minor", "Bm", {2, 3, 4, 4, 2, -1}) << "more than four fingers";
    QTest::newRow("open string under barre")
        << makeChord("Major", "F", {0, 1, 2, 3, 3, 1}, 1, 6, 1) << "foreign note";
    QTest::newRow("barre above lowest fret")
        << makeChord("9", "C9", {3, 3, 3, 2, 3, -1}, 1, 3, 3) << "barre not at the lowest fret";
    QTest::newRow("barre end on a higher fret")
        << makeChord("Major", "Bb", {1, 3, 3, 3, 1, -1}, 1, 6, 1)
        << "barre ends not at the barre fret";
    QTest::newRow("too wide") << makeChord("Major", "C", {8, 5, 5, 5, 3, -1}, 2, 5, 5)
                              << "stretch beyond four frets";
    QTest::newRow("off the board")
        << makeChord("Major", "E", {12, 12, 13, 14, 14, 12}, 1, 6, 12) << "fret off the board";
    QTest::newRow("root not in the bass")
        << makeChord("Major", "C", {0, 1, 0, 2, 3, 0}) << "bass not the lowest note";
    QTest::newRow("power chord") << makeChord("5", "F5", {-1, -1, -1, 3, 3, 1}) << "";
    QTest::newRow("power chord with a third")
        << makeChord("5", "A5", {-1, 2, 2, 2, 0, -1}) << "foreign note";
    QTest::newRow("power chord without its fifth")
        << makeChord("5", "A5", {-1, -1, 2, -1, 0, -1}) << "chord note missing";
    QTest::newRow("slash chord") << makeChord("Slash", "D/F#", {2, 3, 2, 0, -1, 2}) << "";
    QTest::newRow("bass outside the chord") << makeChord("Slash", "Am/G", {0, 1, 2, 2, 0, 3}) << "";
    QTest::newRow("bass above the bass string")
        << makeChord("Slash", "G/B", {3, 0, 0, 0, 2, 3}) << "bass not the lowest note";
    QTest::newRow("bass outside the chord sounds again")
        << makeChord("Slash", "Am/G", {3, 1, 2, 2, 0, 3}) << "foreign note";
}

void tst_ChordData::chordFault()
{
    QFETCH(ChordRecord, chord);
    QFETCH(QString, fault);
    QCOMPARE(faultOf(chord), fault);
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

    const auto chords = parseChordData(bytes, ChordSet::Ordinary);
    QSet<QString> seen;
    for (const ChordRecord& c : chords) {
        QVERIFY2(faultOf(c).isEmpty(), qPrintable(c.name + ": " + faultOf(c)));
        // Read from its 20 columns, a description that lost words there
        // lost the ", barre" at its end.
        QVERIFY2((c.barreFret > 0) == c.description.endsWith(u", barre"),
                 qPrintable(c.name + ": " + c.description));
        seen.insert(c.group + '/' + c.name);
    }
    const QStringList groups = groupEntries(chords); // one entry per group
    QCOMPARE(QSet<QString>(groups.begin(), groups.end()).size(), groups.size());
    for (const Quality& q : Qualities) {
        for (const QString& root : Roots)
            QVERIFY2(seen.contains(q.group + '/' + root + q.suffix), qPrintable(root + q.suffix));
    }
    QCOMPARE(seen.size(), chords.size());

    const auto favourites = parseChordData(bytes, ChordSet::Favorites);
    QVERIFY(favourites.size() >= 15 && favourites.size() <= 25);
    for (const ChordRecord& f : favourites) {
        const auto same = std::find_if(chords.begin(), chords.end(), [&](const ChordRecord& c) {
            return c.group == f.group && c.name == f.name && c.frets == f.frets &&
                   c.barreFret == f.barreFret;
        });
        QVERIFY2(same != chords.end(), qPrintable(f.name));
    }
    for (const char* beginner : {"C", "G", "D", "Am", "Em", "E7", "Cadd9", "Dsus2", "Asus2"})
        QVERIFY(namesOf(favourites).contains(QLatin1String(beginner)));
}

QTEST_GUILESS_MAIN(tst_ChordData)
#include "tst_chorddata.moc"
