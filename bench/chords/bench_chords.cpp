// Times what opening the chord finder does with a large library: read the file
// and fill the group list (which selects the first group and fills its chord
// list). Prints the median of five runs.

#include "ChordFile.h"
#include "ChordLists.h"

#include "FakeDesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int LineCount = 100'000;

QByteArray generatedLibrary()
{
    const char* groups[] = {"Major", "Minor", "7", "Maj7", "m7",  "sus2", "sus4", "7sus4",
                            "6",     "m6",    "9", "add9", "dim", "dim7", "m7b5", "aug"};
    QByteArray bytes;
    bytes.reserve(LineCount * 95);
    for (int i = 0; i < LineCount; ++i) {
        // Runs of 12 chords per group, so the group list gets many entries.
        const char* group = groups[(i / 12) % 16];
        bytes += QString::asprintf("!%c %04d %-10s %-10s %02d %02d %02d %02d %02d %02d %-20s "
                                   "%d %d %02d 00 00 00 00 00 00\r\n",
                                   i % 10 == 0 ? 'F' : 'C', i % 10000, group,
                                   qPrintable(QStringLiteral("Chord%1").arg(i % 12)), i % 13, i % 5,
                                   i % 7, i % 3, -1, 0, "generated chord", 1, 6, i % 13)
                     .toLatin1();
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("ChordData.txt")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(generatedLibrary()) < 0) {
        std::fprintf(stderr, "cannot write the generated library\n");
        return 1;
    }
    file.close();
    platform::FakeDesktop desktop(dir.path());

    QListWidget groups;
    QListWidget chords;
    std::vector<double> times;
    std::size_t records = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<ChordRecord> loaded = loadChordFile(desktop, nullptr, ChordSet::Ordinary);
        groups.clear();
        groups.addItems(groupEntries(loaded));
        groups.setCurrentRow(0);
        chords.clear();
        chords.addItems(chordNames(loaded, groups.currentItem()->text()));
        chords.setCurrentRow(0);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        records = loaded.size();
    }
    std::sort(times.begin(), times.end());
    std::printf("bench_chords: %d lines, %zu chords, %d group entries: median %.1f ms "
                "(min %.1f, max %.1f) over 5 runs\n",
                LineCount, records, groups.count(), times[2], times.front(), times.back());
    return 0;
}
