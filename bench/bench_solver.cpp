// Times the path of sudoku-solve (parse, enter, solve, format) over a puzzle file.
// Usage: bench-solver [PUZZLE-FILE] [SECONDS-PER-ROUND]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "solver/solve_lines.h"

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : SUDOKU_BENCH_CORPUS;
    const double roundSeconds = argc > 2 ? std::atof(argv[2]) : 0.5;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "bench-solver: cannot read %s\n", path.c_str());
        return 1;
    }
    std::stringstream buffer;
    buffer << file.rdbuf();
    const std::string text = buffer.str();

    solver::SolverEngine engine;
    std::string out, errors;
    out.reserve(text.size() + text.size() / 8);
    const auto summary = solver::SolveLines(text, path, engine, out, errors);
    if (summary.puzzles == 0) {
        std::fprintf(stderr, "bench-solver: no puzzles in %s\n", path.c_str());
        return 1;
    }
    std::size_t solved = 0;
    for (std::size_t at = out.find(" Solved"); at != std::string::npos;
         at = out.find(" Solved", at + 1)) {
        ++solved;
    }

    // Best of five rounds, each running the whole file as often as fits in the round. The
    // processor time is the one to quote on a busy machine: it leaves out the time that other
    // processes had the processor.
    using Clock = std::chrono::steady_clock;
    double bestWall = 1e300, bestProcessor = 1e300;
    for (int round = 0; round < 5; ++round) {
        std::size_t runs = 0;
        const auto start = Clock::now();
        const std::clock_t startProcessor = std::clock();
        std::chrono::duration<double> elapsed{};
        do {
            out.clear();
            solver::SolveLines(text, path, engine, out, errors);
            ++runs;
            elapsed = Clock::now() - start;
        } while (elapsed.count() < roundSeconds);
        const double processor =
            static_cast<double>(std::clock() - startProcessor) / CLOCKS_PER_SEC;
        const double puzzles = static_cast<double>(runs * summary.puzzles);
        bestWall = std::min(bestWall, elapsed.count() * 1e6 / puzzles);
        bestProcessor = std::min(bestProcessor, processor * 1e6 / puzzles);
    }
    std::printf(
        "%zu puzzles (%zu Solved), best of 5 rounds: %.2f us per puzzle of processor time, "
        "%.2f us of wall-clock time\n",
        summary.puzzles, solved, bestProcessor, bestWall);
    return 0;
}
