#include "solver/solve_lines.h"

#include <cstdio>

#include "solver/logic_givens.h"
#include "solver/solution_search.h"
#include "solver/step_words.h"

namespace solver {

namespace {

constexpr std::uint8_t kNotACell = 0xff;

constexpr std::array<std::uint8_t, 256> MakeCellCodes() {
    std::array<std::uint8_t, 256> codes{};
    for (auto& code : codes) {
        code = kNotACell;
    }
    codes['0'] = 0;
    codes['.'] = 0;
    for (int d = 1; d <= 9; ++d) {
        codes['0' + d] = static_cast<std::uint8_t>(d);
    }
    return codes;
}

constexpr std::array<std::uint8_t, 256> kCellCodes = MakeCellCodes();

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Describe(unsigned char c) {
    char text[16];
    if (c >= 0x20 && c < 0x7f) {
        std::snprintf(text, sizeof text, "'%c'", c);
    } else {
        std::snprintf(text, sizeof text, "byte 0x%02x", c);
    }
    return text;
}

}  // namespace

LineKind ParsePuzzleLine(std::string_view line, GridDigits& puzzle, std::string& problem) {
    // A line of blanks is empty once its trailing blanks are gone.
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return LineKind::Skipped;
    }
    if (line.size() != CellCount) {
        problem = "expected 81 cells, found " + std::to_string(line.size()) + " characters";
        return LineKind::Malformed;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const std::uint8_t code = kCellCodes[c];
        if (code == kNotACell) {
            problem = "unexpected " + Describe(c) + " at column " + std::to_string(i + 1) +
                      " (cells are 1-9, or 0 or . when empty)";
            return LineKind::Malformed;
        }
        puzzle[i] = code;
    }
    return LineKind::Puzzle;
}

const char* OutcomeName(PuzzleOutcome outcome) {
    switch (outcome) {
        case PuzzleOutcome::Solved:
            return "Solved";
        case PuzzleOutcome::Failed:
            return "Failed";
        case PuzzleOutcome::Invalid:
            return "Invalid";
    }
    return "";
}

PuzzleOutcome SolvePuzzle(SolverEngine& engine, const GridDigits& puzzle, GridDigits& grid) {
    // Without a duplicate, entering leaves the candidates that a rebuild would give.
    if (!engine.EnterPuzzle(puzzle)) {
        grid = puzzle;
        return PuzzleOutcome::Invalid;
    }
    const SolveStatus status = engine.Solve();
    grid = engine.Grid();
    return status == SolveStatus::Solved ? PuzzleOutcome::Solved : PuzzleOutcome::Failed;
}

void AppendAnswer(std::string& out, const GridDigits& grid, PuzzleOutcome outcome) {
    char line[CellCount + 1];
    for (int i = 0; i < CellCount; ++i) {
        line[i] = static_cast<char>('0' + grid[i]);
    }
    line[CellCount] = ' ';
    out.append(line, sizeof line);
    out.append(OutcomeName(outcome));
    out.push_back('\n');
}

LinesSummary AnswerLines(std::string_view text, std::string_view source, std::string& out,
                         std::string& errors, const AnswerPuzzle& answer) {
    LinesSummary summary;
    GridDigits puzzle{};
    std::string problem;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        switch (ParsePuzzleLine(line, puzzle, problem)) {
            case LineKind::Skipped:
                break;
            case LineKind::Puzzle:
                ++summary.puzzles;
                answer(out, puzzle);
                break;
            case LineKind::Malformed:
                ++summary.malformed;
                errors.append(source);
                errors.push_back(':');
                errors.append(std::to_string(lineNumber));
                errors.append(": ");
                errors.append(problem);
                errors.push_back('\n');
                break;
        }
    }
    return summary;
}

LinesSummary SolveLines(std::string_view text, std::string_view source, SolverEngine& engine,
                        std::string& out, std::string& errors) {
    GridDigits grid{};
    return AnswerLines(text, source, out, errors,
                       [&engine, &grid](std::string& answers, const GridDigits& puzzle) {
                           const PuzzleOutcome outcome = SolvePuzzle(engine, puzzle, grid);
                           AppendAnswer(answers, grid, outcome);
                       });
}

namespace {

void AppendPuzzle(std::string& out, const GridDigits& puzzle) {
    for (const int digit : puzzle) {
        out.push_back(static_cast<char>('0' + digit));
    }
}

}  // namespace

void AppendRating(std::string& out, const GridDigits& puzzle) {
    AppendPuzzle(out, puzzle);
    const std::string clash = logic::DescribeClash(puzzle);
    const int solutions = clash.empty() ? logic::CountSolutions(puzzle, 2) : 0;
    if (solutions == 0) {
        out += " 0 - geen oplossing";
        out += clash.empty() ? "" : ": " + clash;
    } else if (solutions > 1) {
        out += " meer - meer dan \u00e9\u00e9n oplossing";
    } else if (const logic::Grading grading = logic::Grade(puzzle);
               grading.outcome == logic::Outcome::Solved) {
        int givens = 0;
        for (const int digit : puzzle) {
            givens += digit != 0 ? 1 : 0;
        }
        const int difficulty = logic::DifficultyOf(grading.hardest, givens);
        out += " 1 " + std::to_string(difficulty) + " " + logic::LevelName(difficulty) + ": " +
               logic::InfoOf(grading.hardest).name;
    } else {
        out += " 1 - te moeilijk: de technieken van het spel maken hem niet af";
    }
    out.push_back('\n');
}

void AppendExplanation(std::string& out, const GridDigits& puzzle) {
    AppendPuzzle(out, puzzle);
    out.push_back('\n');
    const std::string clash = logic::DescribeClash(puzzle);
    const int solutions = clash.empty() ? logic::CountSolutions(puzzle, 2) : 0;
    if (solutions == 0) {
        out += "Geen oplossing" + (clash.empty() ? std::string() : ": " + clash) + ".\n\n";
        return;
    }
    if (solutions > 1) {
        out += "Deze puzzel heeft meer dan \u00e9\u00e9n oplossing.\n";
    }
    logic::Digits board = puzzle;
    logic::StruckCandidates struck{};
    for (;;) {
        const logic::NextStep step = logic::FindNextStep(board, struck, solutions == 1);
        if (step.outcome != logic::StepOutcome::Placement) {
            out += logic::Describe(step.outcome) + "\n\n";
            return;
        }
        for (const logic::EliminationStep& elimination : step.eliminations) {
            out += logic::Describe(elimination) + "\n";
            logic::Remember(elimination, struck);
        }
        out += logic::Describe(step.placement) + "\n";
        board[logic::CellIndex(step.placement.cell)] =
            static_cast<std::uint8_t>(step.placement.digit);
    }
}

}  // namespace solver
