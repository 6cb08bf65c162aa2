#pragma once

#include "core/puzzle_maker.h"

#include <vector>

class Printer;

// A booklet of puzzles on A4 pages: the puzzles `perPage` to a page (1, 2, 4 or 6), each with its
// number and level, large enough to be solved with a pen, then the solutions, smaller, twelve to a
// page, each with the number of its puzzle. Boards are drawn as the game draws them, at the
// printer's own resolution.
void PrintBooklet(Printer& printer, const std::vector<MadePuzzle>& puzzles, int perPage);

// The numbers of puzzles to a page a booklet offers.
inline constexpr int BookletLayouts[] = {1, 2, 4, 6};
