#include "solver/next_step.h"

#include <algorithm>

namespace logic {

namespace {

constexpr std::int16_t NotStruck = -1;
constexpr std::int16_t StruckBefore = -2;

// An elimination made on the way, and whether the placement needs it.
struct Made {
    EliminationStep step;
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

// Adds the digit to the strikes of the cell, keeping them in grid-row order.
void AddStrike(std::vector<Strike>& strikes, int cell, int digit) {
    const Cell at = CellAt(cell);
    auto it = std::find_if(strikes.begin(), strikes.end(),
                           [&](const Strike& strike) { return CellIndex(strike.cell) >= cell; });
    if (it == strikes.end() || it->cell != at) {
        it = strikes.insert(it, Strike{at, 0});
    }
    it->digits |= DigitBit(digit);
}

// Looks for a placement, making the eliminations that the techniques find before one, and
// notes for every candidate they strike which of them struck it. Any other missing candidate
// was struck before, or missing from the start because a peer holds the digit.
class StepSearch {
  public:
    StepSearch(const Digits& board, const StruckCandidates& before, bool oneSolution)
        : board_(board), grid_(board), reach_{Technique::XYChain, oneSolution} {
        for (auto& digits : struckBy_) {
            digits.fill(NotStruck);
        }
        for (int cell = 0; cell < CellCount; ++cell) {
            for (DigitMask struck = grid_.Candidates(cell) & before[cell]; struck != 0;
                 struck &= struck - 1) {
                struckBy_[cell][LowestDigit(struck) - 1] = StruckBefore;
            }
            grid_.Strike(cell, before[cell]);
        }
    }

    NextStep Run() {
        while (!grid_.IsContradictory() && !grid_.IsSolved()) {
            const Deduction next = FindSimplest(grid_, reach_);
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
        const auto index = static_cast<std::int16_t>(made_.size());
        Made made{{elimination, {}}};
        elimination.targets.ForEach([&](int cell) {
            const DigitMask struck = elimination.StrikesFrom(grid_, cell);
            if (struck != 0) {
                made.step.struck.push_back(Strike{CellAt(cell), struck});
            }
            for (DigitMask left = struck; left != 0; left &= left - 1) {
                struckBy_[cell][LowestDigit(left) - 1] = index;
            }
        });
        made_.push_back(made);
        Apply(grid_, elimination);
    }

    // Where the deduction relies on the digit being gone from the cell's candidates, and an
    // elimination struck it, that elimination is needed, and so is what it relied on. Returns
    // who struck it: an elimination of this step, a step before, or none (a peer holds it).
    std::int16_t Need(int cell, int digit) {
        const std::int16_t by = struckBy_[cell][digit - 1];
        if (by >= 0 && !made_[by].isNeeded) {
            made_[by].isNeeded = true;
            NeedWhatItRestsOn(made_[by].step.pattern);
        }
        return by;
    }

    void NeedWhatItRestsOn(const Elimination& e) {
        for (const CellLimit& limit : e.cellLimits) {
            for (int digit = 1; digit <= 9; ++digit) {
                if ((limit.digits & DigitBit(digit)) == 0) {
                    Need(limit.cell, digit);
                }
            }
        }
        for (const UnitLimit& limit : e.unitLimits) {
            for (const int cell : CellsOf(limit.unit)) {
                if (board_[cell] == 0 &&
                    std::find(e.cells.begin(), e.cells.end(), cell) == e.cells.end()) {
                    Need(cell, limit.digit);
                }
            }
        }
    }

    NextStep Explain(const Placement& placement) {
        NextStep step;
        step.outcome = StepOutcome::Placement;
        PlacementStep& p = step.placement;
        p.technique = placement.technique;
        p.cell = CellAt(placement.cell);
        p.digit = placement.digit;
        if (placement.unit >= 0) {
            p.unit = UnitAt(placement.unit);
        }
        p.deciding = CellsAt(placement.technique == Technique::NakedSingle
                                 ? DecideNakedSingle(placement, p)
                                 : DecideHiddenSingle(placement, p));
        for (const Made& made : made_) {
            if (made.isNeeded) {
                step.eliminations.push_back(made.step);
            }
        }
        return step;
    }

    // Notes a candidate the placement needs gone; true when a digit on the board rules it out.
    bool RuledOutByDigit(int cell, int digit, PlacementStep& p) {
        switch (Need(cell, digit)) {
            case NotStruck:
                return true;
            case StruckBefore:
                AddStrike(p.struckBefore, cell, digit);
                return false;
            default:
                AddStrike(p.struckHere, cell, digit);
                return false;
        }
    }

    // A cell holding each other digit, looked for in the block first, then the row, then
    // the column; where none holds it, an elimination struck it.
    std::vector<int> DecideNakedSingle(const Placement& placement, PlacementStep& p) {
        std::vector<int> deciding;
        const int cell = placement.cell;
        for (int digit = 1; digit <= 9; ++digit) {
            if (digit == placement.digit || !RuledOutByDigit(cell, digit, p)) {
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
    std::vector<int> DecideHiddenSingle(const Placement& placement, PlacementStep& p) {
        std::vector<int> open;
        for (const int cell : CellsOf(placement.unit)) {
            if (cell != placement.cell && board_[cell] == 0 &&
                RuledOutByDigit(cell, placement.digit, p)) {
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

    const Digits& board_;
    CandidateGrid grid_;
    const Reach reach_;
    std::vector<Made> made_;
    // For each cell and digit, the index in made_ of the elimination that struck it, or
    // StruckBefore or NotStruck.
    std::array<std::array<std::int16_t, 9>, CellCount> struckBy_{};
};

}  // namespace

NextStep FindNextStep(const Digits& board, const StruckCandidates& before, bool oneSolution) {
    return StepSearch(board, before, oneSolution).Run();
}

void Remember(const EliminationStep& elimination, StruckCandidates& struck) {
    for (const Strike& strike : elimination.struck) {
        struck[CellIndex(strike.cell)] |= strike.digits;
    }
}

}  // namespace logic
