// Grading a puzzle by the techniques a person needs for it.
#pragma once

#include "solver/logic_grid.h"
#include "solver/logic_techniques.h"

namespace logic {

enum class Outcome : std::uint8_t {
    Solved,         // every cell filled: the puzzle has this one solution
    Stuck,          // no technique makes progress
    Contradiction,  // the digits leave some cell without a candidate: no solution
};

struct Grading {
    Outcome outcome = Outcome::Stuck;
    // The hardest technique used; NakedSingle also when the grid needed none.
    Technique hardest = Technique::NakedSingle;
    // How often each technique was applied: once per digit placed, once per elimination.
    std::array<int, TechniqueCount> uses{};
};

// Solves the puzzle as a person would: again and again the simplest technique, up to
// `hardest`, that makes progress. Every deduction is sound, so a puzzle that ends Solved has
// exactly one solution.
Grading Grade(const Digits& puzzle, Technique hardest = Technique::NakedQuad);

// Fills in what the techniques up to `hardest` find, until the grid is solved, stuck or
// contradictory, or `stopCell` has a digit (-1: no such stop). Which cells get filled does not
// depend on the order in which the techniques are applied, only on which ones may be, so this
// applies each technique wherever it applies before it looks again: fewer searches than
// grading needs, for the same answer.
void Fill(CandidateGrid& grid, Technique hardest, int stopCell = -1);

}  // namespace logic
