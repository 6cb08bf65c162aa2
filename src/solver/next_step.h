// The next step a person can take on a board, with what it rests on: the candidates that must
// be struck first, if any, and the digit that can then be placed. The board's digits decide
// the candidates, less those that earlier steps struck; the player's pencil marks play no
// part. The techniques, their order and the order of the search are those of the grader.
#pragma once

#include <optional>
#include <vector>

#include "solver/logic_grid.h"
#include "solver/logic_techniques.h"

namespace logic {

// Candidates struck from one cell.
struct Strike {
    Cell cell;
    DigitMask digits;

    friend bool operator==(const Strike&, const Strike&) = default;
};

// For every cell, candidates struck by steps shown before.
using StruckCandidates = std::array<DigitMask, CellCount>;

// Candidates ruled out on the way to a placement.
struct EliminationStep {
    Elimination pattern;  // as the technique found it
    // Every candidate it strikes, in grid-row order.
    std::vector<Strike> struck;
};

// A digit that can be placed.
struct PlacementStep {
    Technique technique;  // NakedSingle or HiddenSingle
    Cell cell;
    int digit;
    std::optional<Unit> unit;  // hidden single: the unit in which the digit has no other place
    // The cells whose digits decide it: for a naked single a cell holding each other digit
    // that its row, column or block holds; for a hidden single cells holding the digit that
    // rule it out of the unit's other empty cells.
    std::vector<Cell> deciding;
    // What the digits leave open, struck candidates close: those that the eliminations of this
    // step struck, and those that steps before it struck. For a naked single they lie in its
    // cell, for a hidden single in the unit's other cells.
    std::vector<Strike> struckHere;
    std::vector<Strike> struckBefore;
};

enum class StepOutcome : std::uint8_t {
    Placement,      // a digit can be placed, maybe after eliminations
    NoStep,         // no technique leads to a placement: the board has several solutions, or
                    // needs more than these techniques
    BoardFull,      // nothing left to place
    Contradiction,  // the board's digits leave a cell without a candidate
};

struct NextStep {
    StepOutcome outcome = StepOutcome::NoStep;
    // The eliminations the placement needs, in the order they are made: each may need those
    // before it.
    std::vector<EliminationStep> eliminations;
    PlacementStep placement{};  // with outcome Placement
};

// The simplest step on the board (grid-row order, 0 = empty), whose digits are taken to be
// right, after the candidates `before` were struck. The unique rectangle is used only when the
// puzzle is known to have one solution.
NextStep FindNextStep(const Digits& board, const StruckCandidates& before = {},
                      bool oneSolution = true);

// Notes the candidates the elimination strikes, so that later steps build on them.
void Remember(const EliminationStep& elimination, StruckCandidates& struck);

}  // namespace logic
