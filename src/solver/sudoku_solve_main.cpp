// sudoku-solve: solves puzzles given one per line with the logic solver of the game.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "solver/solve_lines.h"

namespace {

constexpr const char* kHelp =
    "Usage: sudoku-solve [FILE]...\n"
    "Solve Sudoku puzzles by logic alone, the way the game's solver window does:\n"
    "elimination, naked and hidden singles, box/line reduction and naked subsets of\n"
    "two to four cells, without guessing.\n"
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
    "  -h, --help  show this help and exit\n"
    "  --          treat the arguments after it as file names\n"
    "\n"
    "Exit status: 0 if every line read was a puzzle or skipped, 1 if a line was\n"
    "malformed or a file could not be read, 2 for a wrong option.\n";

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
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsDone && (arg == "-h" || arg == "--help")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (!optionsDone && arg == "--") {
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
        const auto summary =
            solver::SolveLines(text, fromStdin ? "<stdin>" : name, engine, out, errors);
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
