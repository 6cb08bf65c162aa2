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
#include <functional>
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

// Appends what is said of a puzzle to out.
using AnswerPuzzle = std::function<void(std::string& out, const GridDigits& puzzle)>;

// Answers every puzzle line of text into out, in order. Each malformed line adds a message
// "<source>:<line number>: <problem>" and a line feed to errors.
LinesSummary AnswerLines(std::string_view text, std::string_view source, std::string& out,
                         std::string& errors, const AnswerPuzzle& answer);
// The solver window's answer to each puzzle line.
LinesSummary SolveLines(std::string_view text, std::string_view source, SolverEngine& engine,
                        std::string& out, std::string& errors);

// How hard a puzzle is, in one line: the puzzle ("0" for an empty cell), its solutions ("0", "1"
// or "meer"), the difficulty 2..8 of the game that it belongs to ("-" for none), and in Dutch
// the difficulty's name and the hardest technique it needs, or why it has none:
//   <puzzle> 1 6 zeer moeilijk: verborgen paar
//   <puzzle> 0 - geen oplossing: de 5 staat meer dan eens in rij 1
void AppendRating(std::string& out, const GridDigits& puzzle);
// The puzzle, the steps of the game's "Volgende stap" from its givens to the end, one part to a
// line in the game's own Dutch words, and an empty line.
void AppendExplanation(std::string& out, const GridDigits& puzzle);

}  // namespace solver
