// sudoku-solve: solves puzzles given one per line with the logic solver of the game, or rates
// them, or explains them step by step as the game's hint does.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "solver/logic_techniques.h"
#include "solver/solve_lines.h"

namespace {

constexpr const char* kHelp =
    "Usage: sudoku-solve [--rate | --explain] [FILE]...\n"
    "Solve Sudoku puzzles by logic alone, the way the game's solver window does:\n"
    "elimination, naked and hidden singles, box/line reduction and naked subsets of\n"
    "two to four cells, without guessing; or rate them, or explain them step by step,\n"
    "the way the game does.\n"
    "\n"
    "Puzzles are read from each FILE in turn, or from standard input when no FILE is\n"
    "given or FILE is \"-\". Each puzzle is one line of 81 characters, the grid row by\n"
    "row from the top left: 1-9 for a digit, 0 or . for an empty cell. Empty lines and\n"
    "lines beginning with # are skipped; trailing blanks and a carriage return are\n"
    "ignored.\n"
    "\n"
    "For each puzzle one line is written to standard output: the 81 cells of the grid\n"
    "after solving, row by row (0 where a cell stayed empty), a blank, and\n"
    "  Solved   every cell was filled in;\n"
    "  Failed   the techniques got stuck or ran into a contradiction; the cells found\n"
    "           up to then are shown;\n"
    "  Invalid  the puzzle's own digits repeat within a row, column or box; the\n"
    "           puzzle is shown as given.\n"
    "A line that is not a puzzle is reported on standard error with its file and line\n"
    "number, and the next line is read.\n"
    "\n"
    "Options:\n"
    "  --rate      for each puzzle one line: the puzzle (0 for an empty cell), its\n"
    "              number of solutions (0, 1 or meer), the game's difficulty 2-8 that\n"
    "              it belongs to (- for none) and, in Dutch, the difficulty's name and\n"
    "              the hardest technique it needs, or why it has none\n"
    "  --explain   for each puzzle: the puzzle, then the steps of the game's\n"
    "              \"Volgende stap\" from the givens to the end, one to a line, in the\n"
    "              game's Dutch words, and an empty line\n"
    "  -h, --help  show this help and exit\n"
    "  --          treat the arguments after it as file names\n"
    "\n"
    "Exit status: 0 if every line read was a puzzle or skipped, 1 if a line was\n"
    "malformed or a file could not be read, 2 for a wrong option.\n"
    "\n"
    "The techniques of --rate and --explain, simplest first, by the difficulty of\n"
    "their band:\n";

enum class Task { Solve, Rate, Explain };

// The help, and the ladder of techniques with the band each belongs to.
void PrintHelp() {
    std::fputs(kHelp, stdout);
    for (const logic::TechniqueInfo& info : logic::Ladder()) {
        std::printf("  %d  %s: %s\n", info.band, info.name, info.explanation);
    }
}

bool ReadAll(std::FILE* file, std::string& text) {
    text.clear();
    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        text.append(chunk, got);
        if (got < sizeof chunk) {
            return std::ferror(file) == 0;
        }
    }
}

void Write(std::FILE* stream, const std::string& text) {
    if (!text.empty()) {
        std::fwrite(text.data(), 1, text.size(), stream);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> files;
    bool optionsDone = false;
    Task task = Task::Solve;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsDone && (arg == "-h" || arg == "--help")) {
            PrintHelp();
            return 0;
        }
        if (!optionsDone && (arg == "--rate" || arg == "--explain")) {
            if (task != Task::Solve) {
                std::fputs("sudoku-solve: --rate and --explain go one at a time\n", stderr);
                return 2;
            }
            task = arg == "--rate" ? Task::Rate : Task::Explain;
        } else if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg.size() > 1 && arg.front() == '-') {
            std::fprintf(stderr,
                         "sudoku-solve: unknown option %s\n"
                         "Try 'sudoku-solve --help' for more information.\n",
                         argv[i]);
            return 2;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        files.push_back("-");
    }

    solver::SolverEngine engine;
    std::string text, out, errors;
    bool allPuzzles = true;
    for (std::string_view name : files) {
        const bool fromStdin = name == "-";
        const std::string path(name);
        std::FILE* file = fromStdin ? stdin : std::fopen(path.c_str(), "rb");
        if (file == nullptr || !ReadAll(file, text)) {
            std::fprintf(stderr, "sudoku-solve: cannot read %s: %s\n", path.c_str(),
                         std::strerror(errno));
            allPuzzles = false;
            if (file != nullptr && !fromStdin) {
                std::fclose(file);
            }
            continue;
        }
        if (!fromStdin) {
            std::fclose(file);
        }
        out.clear();
        errors.clear();
        out.reserve(text.size() / 82 * 90 + 90);
        const std::string_view source = fromStdin ? "<stdin>" : name;
        const auto summary =
            task == Task::Solve
                ? solver::SolveLines(text, source, engine, out, errors)
                : solver::AnswerLines(
                      text, source, out, errors,
                      task == Task::Rate ? solver::AppendRating : solver::AppendExplanation);
        Write(stdout, out);
        if (summary.malformed > 0) {
            std::fflush(stdout);
            Write(stderr, errors);
            allPuzzles = false;
        }
    }
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "sudoku-solve: cannot write the answers: %s\n", std::strerror(errno));
        return 1;
    }
    return allPuzzles ? 0 : 1;
}
