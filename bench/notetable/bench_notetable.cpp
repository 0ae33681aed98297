// Time of one fret cell click in the note table: the click event, the new
// current note and showNote over all 120 cells. Prints the median of 1,000
// clicks spread over the whole board, first for the click alone, then for the
// click with the repaint it causes.
#include "FretboardView.h"
#include "Look.h"
#include "NoteTableWindow.h"
#include "SystemDesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::installFontSubstitutions();

    platform::SystemDesktop desktop;
    auto* window = new NoteTableWindow(desktop);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    const auto* board = window->findChild<FretboardView*>();

    constexpr int Clicks = 1000;
    const auto measure = [board](bool repaint) {
        std::vector<double> times;
        times.reserve(Clicks);
        QElapsedTimer timer;
        for (int i = 0; i < Clicks; ++i) {
            // Walk the strings and frets in a stride so that successive
            // clicks name different notes and repaint different cells.
            const int string = 1 + (i * 5) % 6;
            const int fret = (i * 7) % 20;
            QWidget* cell = board->cellWidget(string, fret);
            timer.start();
            QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(13, 8));
            if (repaint)
                QCoreApplication::processEvents();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-28s median %.3f ms, 90th percentile %.3f ms, max %.3f ms\n",
                    repaint ? "click, showNote and repaint:" : "click and showNote:",
                    times[Clicks / 2], times[Clicks * 9 / 10], times.back());
    };
    std::printf("note table, 120 cells, %d clicks each\n", Clicks);
    measure(false);
    measure(true);
    delete window;
    return 0;
}
