#include "solver/next_step.h"

#include <algorithm>

namespace logic {

namespace {

constexpr int NotStruck = -1;

// An elimination made on the way, and which of its strikes the placement needs.
struct Made {
    Elimination elimination;
    std::array<DigitMask, CellCount> needed{};
    bool isNeeded = false;
};

NextStep Without(StepOutcome outcome) {
    NextStep step;
    step.outcome = outcome;
    return step;
}

std::vector<Cell> CellsAt(std::vector<int> cells) {
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    std::vector<Cell> named;
    for (const int cell : cells) {
        named.push_back(CellAt(cell));
    }
    return named;
}

// Looks for a placement, making the eliminations that the techniques find before one, and
// notes for every candidate they strike which of them struck it. Any other missing candidate
// was missing from the start, because a peer holds the digit.
class StepSearch {
  public:
    explicit StepSearch(const Digits& board) : board_(board), grid_(board) {
        for (auto& digits : struckBy_) {
            digits.fill(NotStruck);
        }
    }

    NextStep Run() {
        while (!grid_.IsContradictory() && !grid_.IsSolved()) {
            const Deduction next = FindSimplest(grid_, Technique::NakedQuad);
            if (const auto* placement = std::get_if<Placement>(&next)) {
                return Explain(*placement);
            }
            const auto* elimination = std::get_if<Elimination>(&next);
            if (elimination == nullptr) {
                return Without(StepOutcome::NoStep);
            }
            Make(*elimination);
        }
        return Without(grid_.IsContradictory() ? StepOutcome::Contradiction
                                               : StepOutcome::BoardFull);
    }

  private:
    void Make(const Elimination& elimination) {
        const int index = static_cast<int>(made_.size());
        for (const int cell : CellsOf(elimination.targetUnit)) {
            for (DigitMask struck = elimination.StrikesFrom(grid_, cell); struck != 0;
                 struck &= struck - 1) {
                struckBy_[cell][LowestDigit(struck) - 1] = static_cast<std::int16_t>(index);
            }
        }
        made_.push_back(Made{elimination});
        Apply(grid_, elimination);
    }

    // The deduction relies on the digit being gone from the cell's candidates: if an
    // elimination struck it, that elimination is needed, and so is what it relied on.
    // Returns false when the digit was missing from the start.
    bool Need(int cell, int digit) {
        const int by = struckBy_[cell][digit - 1];
        if (by == NotStruck) {
            return false;
        }
        Made& made = made_[by];
        made.needed[cell] |= DigitBit(digit);
        if (!made.isNeeded) {
            made.isNeeded = true;
            NeedWhatItRestsOn(made.elimination);
        }
        return true;
    }

    void NeedWhatItRestsOn(const Elimination& e) {
        if (e.technique == Technique::BoxLine) {
            // The digit is gone from the unit's cells outside the crossing.
            for (const int cell : CellsOf(e.unit)) {
                if (board_[cell] == 0 && !InUnit(cell, e.targetUnit)) {
                    Need(cell, LowestDigit(e.digits));
                }
            }
            return;
        }
        // The subset's cells have lost every other digit.
        for (int i = 0; i < e.cellCount; ++i) {
            for (int digit = 1; digit <= 9; ++digit) {
                if ((e.digits & DigitBit(digit)) == 0) {
                    Need(e.cells[i], digit);
                }
            }
        }
    }

    NextStep Explain(const Placement& placement) {
        NextStep step;
        step.outcome = StepOutcome::Placement;
        std::vector<int> deciding = placement.technique == Technique::NakedSingle
                                        ? DecideNakedSingle(placement)
                                        : DecideHiddenSingle(placement);
        step.placement = PlacementStep{placement.technique, CellAt(placement.cell), placement.digit,
                                       std::nullopt, CellsAt(deciding)};
        if (placement.unit >= 0) {
            step.placement.unit = UnitAt(placement.unit);
        }
        for (const Made& made : made_) {
            if (made.isNeeded) {
                step.eliminations.push_back(Described(made));
            }
        }
        return step;
    }

    // A cell holding each other digit, looked for in the block first, then the row, then
    // the column; where none holds it, an elimination struck it.
    std::vector<int> DecideNakedSingle(const Placement& placement) {
        std::vector<int> deciding;
        const int cell = placement.cell;
        for (int digit = 1; digit <= 9; ++digit) {
            if (digit == placement.digit || Need(cell, digit)) {
                continue;
            }
            for (const int unit : {BlockUnit(cell), RowUnit(cell), ColumnUnit(cell)}) {
                const auto& cells = CellsOf(unit);
                const auto holder = std::find_if(cells.begin(), cells.end(),
                                                 [&](int other) { return board_[other] == digit; });
                if (holder != cells.end()) {
                    deciding.push_back(*holder);
                    break;
                }
            }
        }
        return deciding;
    }

    // The unit's other empty cells, each ruled out by a cell holding the digit or by an
    // elimination. Of the holders, those that rule out most of what is left are taken first.
    std::vector<int> DecideHiddenSingle(const Placement& placement) {
        std::vector<int> open;
        for (const int cell : CellsOf(placement.unit)) {
            if (cell != placement.cell && board_[cell] == 0 && !Need(cell, placement.digit)) {
                open.push_back(cell);
            }
        }
        std::vector<int> deciding;
        while (!open.empty()) {
            const int holder = BestHolder(placement.digit, open);
            if (holder < 0) {
                break;  // only on a board whose digits contradict each other
            }
            deciding.push_back(holder);
            std::erase_if(open, [holder](int cell) { return ArePeers(cell, holder); });
        }
        return deciding;
    }

    // The cell holding the digit that sees most of the open cells (the first such one).
    int BestHolder(int digit, const std::vector<int>& open) const {
        int best = -1;
        long bestSeen = 0;
        for (int cell = 0; cell < CellCount; ++cell) {
            if (board_[cell] != digit) {
                continue;
            }
            const long seen = std::count_if(open.begin(), open.end(),
                                            [cell](int other) { return ArePeers(cell, other); });
            if (seen > bestSeen) {
                best = cell;
                bestSeen = seen;
            }
        }
        return best;
    }

    static EliminationStep Described(const Made& made) {
        const Elimination& e = made.elimination;
        EliminationStep step{
            e.technique,
            UnitAt(e.unit),
            UnitAt(e.targetUnit),
            e.digits,
            CellsAt(std::vector<int>(e.cells.begin(), e.cells.begin() + e.cellCount)),
            {}};
        for (int cell = 0; cell < CellCount; ++cell) {
            if (made.needed[cell] != 0) {
                step.struck.push_back(Strike{CellAt(cell), made.needed[cell]});
            }
        }
        return step;
    }

    const Digits& board_;
    CandidateGrid grid_;
    std::vector<Made> made_;
    // For each cell and digit, the index in made_ of the elimination that struck it.
    std::array<std::array<std::int16_t, 9>, CellCount> struckBy_{};
};

}  // namespace

NextStep FindNextStep(const Digits& board) {
    return StepSearch(board).Run();
}

}  // namespace logic
