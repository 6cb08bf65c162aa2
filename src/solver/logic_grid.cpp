#include "solver/logic_grid.h"

namespace logic {

CandidateGrid::CandidateGrid(const Digits& digits) : digits_(digits) {
    std::array<DigitMask, UnitCount> used{};
    for (int cell = 0; cell < CellCount; ++cell) {
        const int digit = digits[cell];
        const auto [row, column, block] = UnitsOf(cell);
        if (digit == 0) {
            ++emptyInUnit_[row];
            ++emptyInUnit_[column];
            ++emptyInUnit_[block];
            continue;
        }
        const DigitMask bit = DigitBit(digit);
        contradictory_ = contradictory_ || ((used[row] | used[column] | used[block]) & bit) != 0;
        used[row] |= bit;
        used[column] |= bit;
        used[block] |= bit;
        --emptyCount_;
    }
    for (int cell = 0; cell < CellCount; ++cell) {
        if (digits[cell] != 0) {
            continue;
        }
        const auto [row, column, block] = UnitsOf(cell);
        const DigitMask seen = used[row] | used[column] | used[block];
        candidates_[cell] = AllDigits & ~seen;
        contradictory_ = contradictory_ || candidates_[cell] == 0;
        if (DigitCount(candidates_[cell]) == 1) {
            nakedSingles_.Add(cell);
        }
    }
}

void CandidateGrid::Place(int cell, int digit) {
    const DigitMask bit = DigitBit(digit);
    if ((candidates_[cell] & bit) == 0) {
        contradictory_ = true;
        if (digits_[cell] != 0) {
            return;
        }
    }
    digits_[cell] = static_cast<std::uint8_t>(digit);
    candidates_[cell] = 0;
    nakedSingles_.Remove(cell);
    --emptyCount_;
    for (const int unit : UnitsOf(cell)) {
        --emptyInUnit_[unit];
    }
    for (const int peer : PeersOf(cell)) {
        Strike(peer, bit);
    }
}

bool CandidateGrid::Strike(int cell, DigitMask digits) {
    DigitMask& candidates = candidates_[cell];
    if ((candidates & digits) == 0) {
        return false;
    }
    candidates &= ~digits;
    switch (DigitCount(candidates)) {
        case 0:
            contradictory_ = true;
            nakedSingles_.Remove(cell);
            break;
        case 1:
            nakedSingles_.Add(cell);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace logic
