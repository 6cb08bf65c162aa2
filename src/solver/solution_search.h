// Exact search for the solutions of a grid, by backtracking over candidate masks: no logic
// beyond "fill the cell with the fewest candidates first".
#pragma once

#include <optional>

#include "solver/logic_draw.h"
#include "solver/logic_grid.h"

namespace logic {

// The number of solutions of the puzzle, counted up to `limit` (at least 1): CountSolutions(p, 2)
// tells none, one and several apart. A digit that repeats in a unit gives 0.
int CountSolutions(const Digits& puzzle, int limit);

// A solution of the puzzle drawn at random (each cell's candidates are tried in an order drawn
// afresh), or nothing when it has none. An empty puzzle gives a random complete grid.
std::optional<Digits> RandomSolution(const Digits& puzzle, const DrawNumber& draw);

}  // namespace logic
