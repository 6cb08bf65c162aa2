// Milliseconds of the whole "Nieuwe puzzel" command, from the menu to the board drawn in its
// image (the window's paint, which follows when the program next waits, is not counted), at each
// difficulty, with puzzles that have one solution; and of "Volgende stap" on each new puzzle, up
// to the marks and the explanation shown. Run headless:
//   QT_QPA_PLATFORM=offscreen build/program/bench-new-puzzle [PUZZLES]
#include "platform/files.h"
#include "ui/game/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// The processor time of this thread, which other programs on a busy machine do not lengthen.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Figures {
    std::vector<double> times;
    void Print() {
        std::sort(times.begin(), times.end());
        std::printf("  %6.2f  %7.2f  %6.2f", times[times.size() / 2],
                    times[times.size() * 99 / 100], times.back());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int puzzles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    Main window;
    window.show();
    QAction* nieuw = window.findChild<QAction*>(QStringLiteral("FileNieuw"));
    std::printf(
        "%d puzzles at each difficulty; the hardest technique each needs: naked single, "
        "hidden single, box/line, naked pair, triple, quad\n",
        puzzles);
    std::printf(
        "            new puzzle, ms                                 next step, ms\n"
        "            wall-clock             processor              wall-clock\n"
        "difficulty  median  99th pct  max  median  99th pct  max  median  99th pct  max"
        "    givens  NS     HS     BL     NP     NT     NQ\n");
    for (int difficulty = MinDifficulty; difficulty <= MaxDifficulty; ++difficulty) {
        window.Settings().Difficulty = difficulty;
        Figures wall, processor, step;
        double givens = 0;
        std::array<int, logic::TechniqueCount> hardest{};
        for (int k = 0; k < puzzles; ++k) {
            QElapsedTimer clock;
            const double start = ThreadMilliseconds();
            clock.start();
            nieuw->trigger();
            wall.times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            processor.times.push_back(ThreadMilliseconds() - start);
            QAction* volgende = window.findChild<QAction*>(QStringLiteral("HelpVolgendeStap"));
            clock.start();
            volgende->trigger();
            step.times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            const PuzzleGivens& puzzle = window.Model().Puzzle();
            givens += static_cast<double>(puzzle.cells.count());
            ++hardest[static_cast<std::size_t>(
                puzzle.hardest.value_or(logic::Technique::NakedQuad))];
            // The paint and the other waiting events, outside the measured step.
            QApplication::processEvents();
        }
        std::printf("%10d", difficulty);
        wall.Print();
        processor.Print();
        step.Print();
        std::printf("  %6.1f", givens / puzzles);
        for (const int count : hardest) {
            std::printf("  %5.1f", 100.0 * count / puzzles);
        }
        std::printf("\n");
    }
    return 0;
}
