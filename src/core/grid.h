#pragma once

#include <array>
#include <bitset>
#include <cstdint>

// A 9 x 9 grid of digits addressed (column, row), both 1..9; 0 is an empty cell.
// Index 0 of either axis exists but is never used.
class Grid {
  public:
    std::uint8_t& operator()(int column, int row) { return cells_[column][row]; }
    std::uint8_t operator()(int column, int row) const { return cells_[column][row]; }
    bool operator==(const Grid&) const = default;

  private:
    std::array<std::array<std::uint8_t, 10>, 10> cells_{};
};

// A set of the 81 cells, such as the givens of a puzzle: cell (c, r) is bit CellBit(c, r), the
// cells counted row by row from the top left.
using CellSet = std::bitset<81>;

constexpr std::size_t CellBit(int column, int row) {
    return static_cast<std::size_t>(9 * (row - 1) + column - 1);
}
