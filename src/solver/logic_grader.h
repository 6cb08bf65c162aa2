// Grading a puzzle by the techniques a person needs for it.
#pragma once

#include "solver/logic_grid.h"
#include "solver/logic_techniques.h"

namespace logic {

enum class Outcome : std::uint8_t {
    Solved,         // every cell filled: with sound techniques, the puzzle has this one solution
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

// Solves the puzzle as a person would: again and again the simplest technique within reach
// that makes progress. A puzzle whose solution rests on the sound techniques alone (a reach
// without the unique rectangle) has exactly one solution when it ends Solved.
Grading Grade(const Digits& puzzle, Reach reach = {});

// Fills in what the techniques within reach find, until the grid is solved, stuck or
// contradictory, or `stopCell` has a digit (-1: no such stop). Which cells get filled does not
// depend on the order in which the techniques are applied, only on which ones may be, so this
// applies each technique wherever it applies before it looks again: fewer searches than
// grading needs, for the same answer.
void Fill(CandidateGrid& grid, Reach reach, int stopCell = -1);

// The difficulty 2..8 whose name a puzzle of `givens` givens bears when its hardest technique is
// `hardest`: the band of the technique, and among the singles the number of givens tells the
// easy ladders (2: 40 givens and naked singles, 3: 27 givens and singles) from 4.
int DifficultyOf(Technique hardest, int givens);

}  // namespace logic
