// The next step a person can take on a board, with what it rests on: the candidates that must
// be struck first, if any, and the digit that can then be placed. The board's digits decide
// the candidates; the player's pencil marks play no part. The techniques, their order and the
// order of the search are those of the grader.
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

// Candidates ruled out by box/line reduction or a naked subset, on the way to a placement.
struct EliminationStep {
    Technique technique;
    // Box/line: the unit in which the digit can only go where it crosses `targetUnit` (the
    // block when pointing, the line when claiming). Naked subset: its unit.
    Unit unit;
    // Whose other cells lose the digits: for a naked subset the same unit.
    Unit targetUnit;
    DigitMask digits;         // box/line: the one digit; naked subset: its digits
    std::vector<Cell> cells;  // the deciding cells: where the digit(s) can still go
    // The candidates struck that the placement needs gone, in grid-row order; the step may
    // strike others as well.
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
    // rule it out of the unit's other empty cells. What they leave open, the eliminations close.
    std::vector<Cell> deciding;
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
// right.
NextStep FindNextStep(const Digits& board);

}  // namespace logic
