#include "solver/solution_search.h"

namespace logic {

namespace {

class Backtracking {
  public:
    // draw: the order in which a cell's candidates are tried; none = upwards.
    Backtracking(const Digits& puzzle, const DrawNumber* draw) : grid_(puzzle), draw_(draw) {
        for (int cell = 0; cell < CellCount; ++cell) {
            if (puzzle[cell] == 0) {
                empties_[emptyCount_++] = static_cast<std::uint8_t>(cell);
            } else if (Candidates(cell) & DigitBit(puzzle[cell])) {
                Set(cell, puzzle[cell]);
            } else {
                consistent_ = false;
            }
        }
    }

    // Calls onSolution(grid) for each solution until it returns false.
    template <typename OnSolution>
    void Run(OnSolution onSolution) {
        if (consistent_) {
            Fill(0, onSolution);
        }
    }

  private:
    // Fills empties_[depth..]; false once onSolution asked to stop.
    template <typename OnSolution>
    bool Fill(int depth, OnSolution& onSolution) {
        if (depth == emptyCount_) {
            return onSolution(grid_);
        }
        const auto [cell, tries] = Choose(depth);
        std::array<std::uint8_t, 9> digits{};
        int count = 0;
        for (DigitMask left = tries; left != 0; left &= left - 1) {
            digits[count++] = static_cast<std::uint8_t>(LowestDigit(left));
        }
        if (draw_ != nullptr) {
            Shuffle(digits, count, *draw_);
        }
        for (int i = 0; i < count; ++i) {
            Set(cell, digits[i]);
            const bool goOn = Fill(depth + 1, onSolution);
            Unset(cell, digits[i]);
            if (!goOn) {
                return false;
            }
        }
        return true;
    }

    // The cell to fill next, moved to empties_[depth], and the digits to try there: the empty
    // cell with the fewest candidates, unless a digit has a single place left in some unit;
    // then that place and that digit. No digits at all when a digit has no place left in
    // some unit: no solution lies ahead.
    std::pair<int, DigitMask> Choose(int depth) {
        int best = depth;
        DigitMask tries = Candidates(empties_[depth]);
        for (int i = depth + 1; i < emptyCount_ && DigitCount(tries) > 1; ++i) {
            if (DigitCount(Candidates(empties_[i])) < DigitCount(tries)) {
                best = i;
                tries = Candidates(empties_[i]);
            }
        }
        for (int unit = 0; unit < UnitCount && DigitCount(tries) > 1; ++unit) {
            DigitMask once = 0, more = 0;
            for (const int cell : CellsOf(unit)) {
                const DigitMask candidates = grid_[cell] == 0 ? Candidates(cell) : 0;
                more |= once & candidates;
                once |= candidates;
            }
            if ((AllDigits & ~used_[unit] & ~once) != 0) {
                tries = 0;
            } else if (const DigitMask single = once & ~more) {
                tries = static_cast<DigitMask>(single & -single);
                best = IndexOfEmptyWith(unit, tries, depth);
            }
        }
        std::swap(empties_[depth], empties_[best]);
        return {empties_[depth], tries};
    }

    // The index in empties_[depth..] of the unit's empty cell that can take the digit.
    int IndexOfEmptyWith(int unit, DigitMask digit, int depth) const {
        for (int i = depth;; ++i) {
            if (InUnit(empties_[i], unit) && (Candidates(empties_[i]) & digit)) {
                return i;
            }
        }
    }

    DigitMask Candidates(int cell) const {
        return AllDigits &
               ~(used_[RowUnit(cell)] | used_[ColumnUnit(cell)] | used_[BlockUnit(cell)]);
    }
    void Set(int cell, int digit) {
        grid_[cell] = static_cast<std::uint8_t>(digit);
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BlockUnit(cell)}) {
            used_[unit] |= DigitBit(digit);
        }
    }
    void Unset(int cell, int digit) {
        grid_[cell] = 0;
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BlockUnit(cell)}) {
            used_[unit] &= ~DigitBit(digit);
        }
    }

    Digits grid_;
    const DrawNumber* draw_;
    std::array<DigitMask, UnitCount> used_{};  // digits placed in each unit
    std::array<std::uint8_t, CellCount> empties_{};
    int emptyCount_ = 0;
    bool consistent_ = true;
};

}  // namespace

int CountSolutions(const Digits& puzzle, int limit) {
    int count = 0;
    Backtracking(puzzle, nullptr).Run([&](const Digits&) { return ++count < limit; });
    return count;
}

std::optional<Digits> RandomSolution(const Digits& puzzle, const DrawNumber& draw) {
    std::optional<Digits> solution;
    Backtracking(puzzle, &draw).Run([&](const Digits& grid) {
        solution = grid;
        return false;
    });
    return solution;
}

}  // namespace logic
