#include "solver/logic_techniques.h"

namespace logic {

namespace {

// Blocks, then rows, then columns.
constexpr std::array<std::uint8_t, UnitCount> SearchOrder = [] {
    std::array<std::uint8_t, UnitCount> order{};
    for (int i = 0; i < UnitCount; ++i) {
        order[i] = static_cast<std::uint8_t>((i + 18) % UnitCount);
    }
    return order;
}();

// The cell of the unit that has the digit among its candidates (the first one, if several).
int CellWithCandidate(const CandidateGrid& grid, int unit, int digit) {
    for (const int cell : CellsOf(unit)) {
        if (grid.Candidates(cell) & DigitBit(digit)) {
            return cell;
        }
    }
    return -1;
}

// Visits the digits of the set from the smallest; false once the visit ended the search.
template <typename Visit>
bool ForEachDigit(DigitMask digits, Visit visit) {
    for (; digits != 0; digits &= digits - 1) {
        if (!visit(LowestDigit(digits))) {
            return false;
        }
    }
    return true;
}

// The candidates of the three cells where a line crosses each block, for all lines of a kind:
// of[line][k] for the k-th block that the line crosses, from the left or from the top.
struct Segments {
    std::array<std::array<DigitMask, 3>, 9> of{};

    Segments(const CandidateGrid& grid, UnitKind kind) {
        for (int line = 0; line < 9; ++line) {
            for (int i = 0; i < 9; ++i) {
                const int cell = kind == UnitKind::Row ? 9 * line + i : 9 * i + line;
                of[line][i / 3] |= grid.Candidates(cell);
            }
        }
    }
};

Elimination BoxLineElimination(const CandidateGrid& grid, int unit, int targetUnit, int digit) {
    Elimination e{Technique::BoxLine, unit, targetUnit, DigitBit(digit)};
    for (const int cell : CellsOf(unit)) {
        if (InUnit(cell, targetUnit) && (grid.Candidates(cell) & e.digits)) {
            e.cells[e.cellCount++] = static_cast<std::uint8_t>(cell);
        }
    }
    return e;
}

bool ForEachBoxLineAlong(const CandidateGrid& grid, UnitKind kind,
                         const Visitor<Elimination>& visit) {
    const Segments segments(grid, kind);
    for (int line = 0; line < 9; ++line) {
        const int band = line / 3 * 3;
        const auto& along = segments.of[line];
        for (int k = 0; k < 3; ++k) {
            const DigitMask crossing = along[k];
            const DigitMask restOfLine = along[(k + 1) % 3] | along[(k + 2) % 3];
            const DigitMask restOfBlock =
                segments.of[band + (line + 1) % 3][k] | segments.of[band + (line + 2) % 3][k];
            const int lineUnit = kind == UnitKind::Row ? line : 9 + line;
            const int blockUnit = 18 + (kind == UnitKind::Row ? band + k : 3 * k + line / 3);
            // In the block the digit can only go where the line crosses it: the rest of the
            // line loses it (pointing). The other way round it is claiming.
            const bool goOn =
                ForEachDigit(crossing & ~restOfBlock & restOfLine,
                             [&](int digit) {
                                 return visit(BoxLineElimination(grid, blockUnit, lineUnit, digit));
                             }) &&
                ForEachDigit(crossing & ~restOfLine & restOfBlock, [&](int digit) {
                    return visit(BoxLineElimination(grid, lineUnit, blockUnit, digit));
                });
            if (!goOn) {
                return false;
            }
        }
    }
    return true;
}

// Looks in one unit for `size` cells whose candidates, together, are `size` digits that other
// cells of the unit still have.
class SubsetSearch {
  public:
    SubsetSearch(const CandidateGrid& grid, int unit, int size, const Visitor<Elimination>& visit)
        : grid_(grid), size_(size), visit_(visit), found_{NakedSubsetOf(size), unit, unit, 0} {
        for (const int cell : CellsOf(unit)) {
            const int count = DigitCount(grid.Candidates(cell));
            if (count >= 2 && count <= size) {
                options_[optionCount_++] = static_cast<std::uint8_t>(cell);
            }
        }
    }

    // False once the visit ended the search.
    bool Run() { return optionCount_ < size_ || Choose(0, 0); }

  private:
    // Adds cells from options_[from] on to found_, which holds cells whose candidates together
    // are `digits`.
    bool Choose(int from, DigitMask digits) {
        const int chosen = found_.cellCount;
        if (chosen == size_) {
            // Fewer digits than cells happens only in a grid without solution.
            found_.digits = digits;
            return DigitCount(digits) < size_ || !StrikesSomething() || visit_(found_);
        }
        for (int i = from; i + (size_ - chosen) <= optionCount_; ++i) {
            const int cell = options_[i];
            const DigitMask together = digits | grid_.Candidates(cell);
            if (DigitCount(together) > size_) {
                continue;
            }
            found_.cells[found_.cellCount++] = static_cast<std::uint8_t>(cell);
            const bool goOn = Choose(i + 1, together);
            --found_.cellCount;
            if (!goOn) {
                return false;
            }
        }
        return true;
    }

    bool StrikesSomething() const {
        for (const int cell : CellsOf(found_.unit)) {
            if (found_.StrikesFrom(grid_, cell)) {
                return true;
            }
        }
        return false;
    }

    const CandidateGrid& grid_;
    const int size_;
    const Visitor<Elimination>& visit_;
    std::array<std::uint8_t, 9> options_{};  // empty cells with 2..size candidates
    int optionCount_ = 0;
    Elimination found_;
};

// The first instance that ForEach visits.
template <typename Instance, typename ForEach>
std::optional<Instance> First(ForEach forEach) {
    std::optional<Instance> first;
    forEach([&first](const Instance& instance) {
        first = instance;
        return false;
    });
    return first;
}

}  // namespace

bool Elimination::InPattern(int cell) const {
    for (int i = 0; i < cellCount; ++i) {
        if (cells[i] == cell) {
            return true;
        }
    }
    return false;
}

DigitMask Elimination::StrikesFrom(const CandidateGrid& grid, int cell) const {
    return InPattern(cell) ? 0 : grid.Candidates(cell) & digits;
}

void ForEachHiddenSingle(const CandidateGrid& grid, const Visitor<Placement>& visit) {
    for (const int unit : SearchOrder) {
        if (grid.EmptyCountIn(unit) == 0) {
            continue;
        }
        // Digits seen once in the unit's candidates, and those seen more often.
        DigitMask once = 0, more = 0;
        for (const int cell : CellsOf(unit)) {
            const DigitMask candidates = grid.Candidates(cell);
            more |= once & candidates;
            once |= candidates;
        }
        const bool goOn = ForEachDigit(once & ~more, [&](int digit) {
            return visit(Placement{Technique::HiddenSingle, CellWithCandidate(grid, unit, digit),
                                   digit, unit});
        });
        if (!goOn) {
            return;
        }
    }
}

void ForEachBoxLine(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    if (ForEachBoxLineAlong(grid, UnitKind::Row, visit)) {
        ForEachBoxLineAlong(grid, UnitKind::Column, visit);
    }
}

void ForEachNakedSubset(const CandidateGrid& grid, int size, const Visitor<Elimination>& visit) {
    for (const int unit : SearchOrder) {
        // A subset strikes only from the unit's other empty cells.
        if (grid.EmptyCountIn(unit) > size && !SubsetSearch(grid, unit, size, visit).Run()) {
            return;
        }
    }
}

std::optional<Placement> FindNakedSingle(const CandidateGrid& grid) {
    if (grid.NakedSingles().IsEmpty()) {
        return std::nullopt;
    }
    const int cell = grid.NakedSingles().First();
    return Placement{Technique::NakedSingle, cell, LowestDigit(grid.Candidates(cell))};
}

std::optional<Placement> FindHiddenSingle(const CandidateGrid& grid) {
    return First<Placement>(
        [&](const Visitor<Placement>& visit) { ForEachHiddenSingle(grid, visit); });
}

std::optional<Elimination> FindBoxLine(const CandidateGrid& grid) {
    return First<Elimination>(
        [&](const Visitor<Elimination>& visit) { ForEachBoxLine(grid, visit); });
}

std::optional<Elimination> FindNakedSubset(const CandidateGrid& grid, int size) {
    return First<Elimination>(
        [&](const Visitor<Elimination>& visit) { ForEachNakedSubset(grid, size, visit); });
}

Deduction FindSimplest(const CandidateGrid& grid, Technique hardest) {
    if (auto single = FindNakedSingle(grid)) {
        return *single;
    }
    if (hardest >= Technique::HiddenSingle) {
        if (auto single = FindHiddenSingle(grid)) {
            return *single;
        }
    }
    if (hardest >= Technique::BoxLine) {
        if (auto boxLine = FindBoxLine(grid)) {
            return *boxLine;
        }
    }
    for (int size = 2; size <= 4 && NakedSubsetOf(size) <= hardest; ++size) {
        if (auto subset = FindNakedSubset(grid, size)) {
            return *subset;
        }
    }
    return std::monostate{};
}

void Apply(CandidateGrid& grid, const Placement& placement) {
    grid.Place(placement.cell, placement.digit);
}

void Apply(CandidateGrid& grid, const Elimination& elimination) {
    for (const int cell : CellsOf(elimination.targetUnit)) {
        if (!elimination.InPattern(cell)) {
            grid.Strike(cell, elimination.digits);
        }
    }
}

}  // namespace logic
