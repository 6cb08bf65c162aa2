// Puzzles as lines of text, the way sudoku-solve reads and answers them.
//
// A puzzle line holds 81 characters in grid-row order: "1".."9" for a digit, "0" or "." for
// an empty cell. Trailing blanks, tabs and a carriage return are ignored. Empty lines, lines
// of blanks and lines that begin with "#" are skipped. An answer line holds the 81 cells of
// the grid in grid-row order ("0" for a cell left empty), one blank and the outcome.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "solver/solver_engine.h"

namespace solver {

enum class LineKind { Skipped, Puzzle, Malformed };

// Reads one line (without its line feed). For a puzzle the digits are written to puzzle; for
// a malformed line problem tells what is wrong with it.
LineKind ParsePuzzleLine(std::string_view line, GridDigits& puzzle, std::string& problem);

enum class PuzzleOutcome { Solved, Failed, Invalid };

const char* OutcomeName(PuzzleOutcome outcome);

// Enters the puzzle as the solver window does when it is typed in cell by cell and solved.
// Invalid when one of its digits repeats in a row, column or box; grid then holds the
// puzzle unchanged. Otherwise grid holds everything that solving found.
PuzzleOutcome SolvePuzzle(SolverEngine& engine, const GridDigits& puzzle, GridDigits& grid);

void AppendAnswer(std::string& out, const GridDigits& grid, PuzzleOutcome outcome);

struct LinesSummary {
    std::size_t puzzles = 0;
    std::size_t malformed = 0;
};

// Answers every puzzle line of text into out, in order. Each malformed line adds a message
// "<source>:<line number>: <problem>" and a line feed to errors.
LinesSummary SolveLines(std::string_view text, std::string_view source, SolverEngine& engine,
                        std::string& out, std::string& errors);

}  // namespace solver
