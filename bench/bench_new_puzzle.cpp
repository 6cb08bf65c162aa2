// New puzzles with one solution at each difficulty, from the game's own grids and source of
// chance, with the givens symmetric:
//   - made on one thread, as the thread that makes them ahead does: the tries (removal orders)
//     each took, the puzzles a second, the givens and the share of each hardest technique; and
//     "Volgende stap" followed on each from its givens to the full board;
//   - the whole "Nieuwe puzzel" command in the window, from the menu to the board drawn in its
//     image (the window's paint, which follows when the program next waits, is not counted),
//     once the puzzle made ahead is ready, as it is for a player who played the one before.
// Run headless:
//   QT_QPA_PLATFORM=offscreen build/program/bench-new-puzzle [PUZZLES]
#include "core/base_grids.h"
#include "core/givens.h"
#include "core/random.h"
#include "platform/files.h"
#include "solver/logic_givens.h"
#include "solver/next_step.h"
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Largest(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

// Follows the next step from the givens to the full board; false when it stops short or goes
// wrong.
bool StepsToTheEnd(const Grid& solution, const CellSet& givens) {
    const logic::Digits answer = DigitsOf(solution);
    logic::Digits board = logic::PuzzleOf(answer, givens);
    logic::StruckCandidates struck{};
    for (;;) {
        const logic::NextStep step = logic::FindNextStep(board, struck);
        if (step.outcome != logic::StepOutcome::Placement) {
            return step.outcome == logic::StepOutcome::BoardFull && board == answer;
        }
        for (const logic::EliminationStep& elimination : step.eliminations) {
            logic::Remember(elimination, struck);
        }
        const int cell = logic::CellIndex(step.placement.cell);
        if (answer[cell] != step.placement.digit) {
            return false;
        }
        board[cell] = static_cast<std::uint8_t>(step.placement.digit);
    }
}

void MadeOnOneThread(int puzzles) {
    std::printf(
        "Made on one thread, %d puzzles at each difficulty:\n\n"
        "| difficulty | mean givens | hardest technique | in band | tries: mean, median, most | "
        "puzzles a second | steps followed to the end |\n"
        "|---|---|---|---|---|---|---|\n",
        puzzles);
    Random random(1);
    for (int difficulty = MinDifficulty; difficulty <= MaxDifficulty; ++difficulty) {
        GameSettings settings;
        settings.Difficulty = difficulty;
        std::vector<double> tries;
        std::array<int, logic::TechniqueCount> hardest{};
        double givens = 0, milliseconds = 0;
        int inBand = 0, followed = 0;
        for (int k = 0; k < puzzles; ++k) {
            const Grid solution =
                TransformedGrid(random.Draw(BaseGridCount), random.Draw(TransformationCount));
            int tried = 1;
            const double start = ThreadMilliseconds();
            const PuzzleGivens chosen = *ChooseGivens(solution, settings, random, [&](int n) {
                tried = n + 1;
                return true;
            });
            milliseconds += ThreadMilliseconds() - start;
            tries.push_back(tried);
            givens += static_cast<double>(chosen.cells.count());
            ++hardest[static_cast<std::size_t>(*chosen.hardest)];
            inBand += logic::BandOf(*chosen.hardest) == difficulty ? 1 : 0;
            followed += StepsToTheEnd(solution, chosen.cells) ? 1 : 0;
        }
        std::printf("| %d | %.1f |", difficulty, givens / puzzles);
        const char* separator = " ";
        for (const logic::TechniqueInfo& info : logic::Ladder()) {
            const int count = hardest[static_cast<std::size_t>(info.technique)];
            if (count > 0) {
                std::printf("%s%s %.1f %%", separator, info.name, 100.0 * count / puzzles);
                separator = ", ";
            }
        }
        double sum = 0;
        for (const double t : tries) {
            sum += t;
        }
        std::printf(
            " | %s | %.1f, %.0f, %.0f | %.0f | %d of %d |\n",
            difficulty >= 5
                ? QByteArray::number(100.0 * inBand / puzzles, 'f', 1).append(" %").constData()
                : "",
            sum / puzzles, Median(tries), Largest(tries), 1000.0 * puzzles / milliseconds, followed,
            puzzles);
        std::fflush(stdout);
    }
}

void CommandInTheWindow(int puzzles) {
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    Main window;
    window.show();
    QAction* nieuw = window.findChild<QAction*>(QStringLiteral("FileNieuw"));
    QAction* volgende = window.findChild<QAction*>(QStringLiteral("HelpVolgendeStap"));
    int layouts = 0;
    QObject::connect(&window.Model(), &GameModel::laidOut, [&layouts] { ++layouts; });
    std::printf(
        "\n\"Nieuwe puzzel\" in the window, %d puzzles at each difficulty, the puzzle ready:\n\n"
        "| difficulty | wall-clock median | slowest | processor median | slowest | "
        "\"Volgende stap\" median | slowest |\n"
        "|---|---|---|---|---|---|---|\n",
        puzzles);
    for (int difficulty = MinDifficulty; difficulty <= MaxDifficulty; ++difficulty) {
        window.Settings().Difficulty = difficulty;
        std::vector<double> wall, processor, step;
        int late = 0;
        for (int k = 0; k <= puzzles; ++k) {
            // The player plays meanwhile; the puzzle of the difficulty is made.
            while (!window.Puzzles().Ready()) {
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            }
            const int before = layouts;
            QElapsedTimer clock;
            const double start = ThreadMilliseconds();
            clock.start();
            nieuw->trigger();
            const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            const double used = ThreadMilliseconds() - start;
            // The first puzzle of a difficulty was made for the one before.
            if (k == 0) {
                while (window.Model().Puzzle().level != difficulty) {
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                }
                continue;
            }
            late += layouts == before ? 1 : 0;
            wall.push_back(elapsed);
            processor.push_back(used);
            clock.start();
            volgende->trigger();
            step.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            // The paint and the other waiting events, outside the measured command.
            QApplication::processEvents();
        }
        std::printf("| %d | %.2f ms | %.2f ms | %.2f ms | %.2f ms | %.2f ms | %.2f ms |%s\n",
                    difficulty, Median(wall), Largest(wall), Median(processor), Largest(processor),
                    Median(step), Largest(step),
                    late > 0 ? QByteArray(" (not laid out at once: ")
                                   .append(QByteArray::number(late))
                                   .append(")")
                                   .constData()
                             : "");
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int puzzles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    MadeOnOneThread(puzzles);
    CommandInTheWindow(puzzles);
    return 0;
}
