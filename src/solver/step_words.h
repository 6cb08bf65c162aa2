// The words of the next step, in Dutch (UTF-8): what the game's "Volgende stap" shows in its
// info line and what sudoku-solve --explain prints. Cells are named by row and column, "r4k7";
// the cell of a placement in full, "rij 4, kolom 7"; digits always with their article, "de 7",
// so that a number never reads as both.
#pragma once

#include <string>

#include "solver/next_step.h"

namespace logic {

// "r4k7".
std::string CellName(int cell);

// The elimination: the pattern, why it holds, and the candidates it strikes.
std::string Describe(const EliminationStep& step);
// The placement, and why: the digits on the board and the candidates struck.
std::string Describe(const PlacementStep& step);
// When there is no placement: the board is full, or reasoning stops here.
std::string Describe(StepOutcome outcome);
// A digit that stands twice in a row, column or block of the grid, the first in the search
// order: "de 5 staat meer dan eens in rij 1"; empty when none does.
std::string DescribeClash(const Digits& grid);

}  // namespace logic
