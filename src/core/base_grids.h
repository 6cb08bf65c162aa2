#pragma once

#include "core/grid.h"

#include <array>
#include <string_view>

inline constexpr int BaseGridCount = 11;
inline constexpr int TransformationCount = 8;

// The eleven complete solution grids the game carries: BaseGrids[n - 1][r - 1] is row r of
// grid n, nine digit characters from left to right.
extern const std::array<std::array<std::string_view, 9>, BaseGridCount> BaseGrids;

// Grid n (1..11) under symmetry t (1..8) of the square:
// 1 unchanged, 2 mirrored left to right, 3 mirrored top to bottom, 4 rotated by 180 degrees,
// 5 mirrored in the main diagonal, 6 rotated clockwise, 7 rotated counter-clockwise,
// 8 mirrored in the anti-diagonal.
Grid TransformedGrid(int n, int t);

// Every row, column and 3 x 3 block holds each digit 1..9 once.
bool IsValidSolution(const Grid& grid);
