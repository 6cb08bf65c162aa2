// Helpers of the logic engine's tests: puzzles as text, and a solution count of their own.
#pragma once

#include <QString>

#include <random>

#include "solver/logic_draw.h"
#include "solver/logic_grid.h"

namespace logic_test {

// 81 characters in grid-row order, "." or "0" for an empty cell.
inline logic::Digits Parse(const QString& text) {
    logic::Digits digits{};
    for (int cell = 0; cell < logic::CellCount && cell < text.size(); ++cell) {
        const int digit = text[cell].digitValue();
        digits[cell] = static_cast<std::uint8_t>(digit > 0 ? digit : 0);
    }
    return digits;
}

// Draws from a generator the test seeds, so that every run makes the same puzzles.
inline logic::DrawNumber SeededDraw(std::mt19937& random) {
    return [&random](int count) { return std::uniform_int_distribution<int>(1, count)(random); };
}

inline QString Text(const logic::Digits& digits) {
    QString text;
    for (const int digit : digits) {
        text += digit == 0 ? QChar('.') : QChar('0' + digit);
    }
    return text;
}

// Digits 1..9 that no other cell of the cell's row, column and block holds, as bits 1..9.
inline int Free(const logic::Digits& grid, int cell) {
    const int row = cell / 9, column = cell % 9, corner = row / 3 * 27 + column / 3 * 3;
    int taken = 0;
    for (int k = 0; k < 9; ++k) {
        for (const int other : {9 * row + k, 9 * k + column, corner + k / 3 * 9 + k % 3}) {
            if (other != cell) {
                taken |= 1 << grid[other];
            }
        }
    }
    return 0x3FE & ~taken;
}

// Backtracking from the empty cell with the fewest free digits, each of them in turn. The
// first solution goes to `first`, if given.
inline int CountFrom(logic::Digits& grid, int limit, logic::Digits* first) {
    int best = -1, fewest = 10;
    for (int cell = 0; cell < logic::CellCount; ++cell) {
        if (grid[cell] == 0 && __builtin_popcount(Free(grid, cell)) < fewest) {
            best = cell;
            fewest = __builtin_popcount(Free(grid, cell));
        }
    }
    if (best < 0) {
        if (first != nullptr) {
            *first = grid;
        }
        return 1;
    }
    int count = 0;
    for (int digit = 1; digit <= 9 && count < limit; ++digit) {
        if (Free(grid, best) & (1 << digit)) {
            grid[best] = static_cast<std::uint8_t>(digit);
            count += CountFrom(grid, limit - count, count == 0 ? first : nullptr);
            grid[best] = 0;
        }
    }
    return count;
}

// The number of solutions, up to `limit`, by plain backtracking. Kept apart from the engine's
// own search, so that each can check the other.
inline int CountPlainly(logic::Digits grid, int limit, logic::Digits* first = nullptr) {
    for (int cell = 0; cell < logic::CellCount; ++cell) {
        if (grid[cell] != 0 && (Free(grid, cell) & (1 << grid[cell])) == 0) {
            return 0;  // the digit clashes with another
        }
    }
    return CountFrom(grid, limit, first);
}

inline int CountPlainly(const QString& puzzle, int limit) {
    return CountPlainly(Parse(puzzle), limit);
}

}  // namespace logic_test
