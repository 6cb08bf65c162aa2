// Any bytes as the input of sudoku-solve: every answer line is well formed, and a solved grid
// is a complete, valid grid that holds the puzzle's digits; rated, every puzzle gets one line,
// and explained, an explanation that ends in an empty line.
#include "solver/solve_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static solver::SolverEngine engine;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string out, errors;
    const solver::LinesSummary summary = solver::SolveLines(text, "fuzz", engine, out, errors);
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        Check(end != std::string::npos);
        const std::string_view line(out.data() + start, end - start);
        Check(line.size() > 82 && line[81] == ' ');
        for (std::size_t i = 0; i < 81; ++i) {
            Check(line[i] >= '0' && line[i] <= '9');
        }
        const std::string_view outcome = line.substr(82);
        Check(outcome == "Solved" || outcome == "Failed" || outcome == "Invalid");
        if (outcome == "Solved") {
            for (std::size_t i = 0; i < 81; ++i) {
                Check(line[i] != '0');
            }
        }
        ++lines;
        start = end + 1;
    }
    Check(lines == summary.puzzles);

    std::string rated;
    solver::AnswerLines(text, "fuzz", rated, errors, solver::AppendRating);
    Check(static_cast<std::size_t>(std::count(rated.begin(), rated.end(), '\n')) ==
          summary.puzzles);
    std::string explained;
    solver::AnswerLines(text, "fuzz", explained, errors, solver::AppendExplanation);
    Check(summary.puzzles == 0 || explained.ends_with("\n\n"));
    return 0;
}
