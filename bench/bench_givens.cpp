// Times the choice of givens at every difficulty, each over puzzles made from random solution
// grids, and tells what the puzzles ask of the player; then times the next-step hint on every
// step of solving difficulty-8 puzzles.
// Usage: bench-givens [PUZZLES-PER-DIFFICULTY] [SEED]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

#include "solver/logic_givens.h"
#include "solver/next_step.h"
#include "solver/solution_search.h"

namespace {

using logic::Technique;
using logic::TechniqueCount;

// Milliseconds of processor time this thread has used: on a busy machine the time the others
// had the processor is left out.
double ProcessorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

double Percentile(std::vector<double> sorted, double share) {
    std::sort(sorted.begin(), sorted.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
    return sorted[at];
}

// Steps through each puzzle with the hint, from its givens to the full grid.
void TimeSteps(int puzzles, const logic::DrawNumber& draw) {
    std::vector<double> microseconds;
    for (int i = 0; i < puzzles; ++i) {
        const logic::Digits solution = *logic::RandomSolution(logic::Digits{}, draw);
        logic::Digits board =
            logic::PuzzleOf(solution, logic::ChooseGivens(solution, 8, true, draw)->cells);
        for (;;) {
            const double start = ProcessorMilliseconds();
            const logic::NextStep step = logic::FindNextStep(board);
            microseconds.push_back((ProcessorMilliseconds() - start) * 1e3);
            if (step.outcome != logic::StepOutcome::Placement) {
                break;
            }
            board[logic::CellIndex(step.placement.cell)] =
                static_cast<std::uint8_t>(step.placement.digit);
        }
    }
    std::printf(
        "\nNext step, over the %zu steps of %d difficulty-8 puzzles: median %.1f us, 99th "
        "percentile %.1f us, max %.1f us of processor time\n",
        microseconds.size(), puzzles, Percentile(microseconds, 0.5), Percentile(microseconds, 0.99),
        Percentile(microseconds, 1));
}

}  // namespace

int main(int argc, char** argv) {
    const int puzzles = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    std::mt19937_64 engine(seed);
    const logic::DrawNumber draw = [&engine](int count) {
        return std::uniform_int_distribution<int>(1, count)(engine);
    };

    std::printf("Processor time per puzzle (wall-clock time in brackets):\n\n");
    std::printf("| difficulty | median ms | 99th pct ms | max ms | mean givens |");
    for (const logic::TechniqueInfo& info : logic::Ladder()) {
        std::printf(" %s |", info.name);
    }
    std::printf("\n|---|---|---|---|---|");
    for (int t = 0; t < TechniqueCount; ++t) {
        std::printf("---|");
    }
    std::printf("\n");

    using Clock = std::chrono::steady_clock;
    for (int difficulty = 2; difficulty <= 8; ++difficulty) {
        std::vector<double> milliseconds, wallMilliseconds;
        std::array<int, TechniqueCount> hardest{};
        long givens = 0;
        for (int i = 0; i < puzzles; ++i) {
            const logic::Digits solution = *logic::RandomSolution(logic::Digits{}, draw);
            const auto start = Clock::now();
            const double startProcessor = ProcessorMilliseconds();
            const logic::ChosenGivens chosen =
                *logic::ChooseGivens(solution, difficulty, true, draw);
            milliseconds.push_back(ProcessorMilliseconds() - startProcessor);
            wallMilliseconds.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            givens += static_cast<long>(chosen.cells.count());
            ++hardest[static_cast<int>(chosen.grading.hardest)];
        }
        std::printf("| %d | %.2f (%.2f) | %.2f (%.2f) | %.2f (%.2f) | %.1f |", difficulty,
                    Percentile(milliseconds, 0.5), Percentile(wallMilliseconds, 0.5),
                    Percentile(milliseconds, 0.99), Percentile(wallMilliseconds, 0.99),
                    Percentile(milliseconds, 1), Percentile(wallMilliseconds, 1),
                    static_cast<double>(givens) / puzzles);
        for (const int count : hardest) {
            std::printf(" %.1f %% |", 100.0 * count / puzzles);
        }
        std::printf("\n");
    }
    TimeSteps(puzzles, draw);
    return 0;
}
