// Choosing the givens of a puzzle from its complete solution grid, so that the puzzle has
// exactly one solution and a person can find it with the techniques of its difficulty.
#pragma once

#include <bitset>
#include <functional>
#include <optional>

#include "solver/logic_draw.h"
#include "solver/logic_grader.h"

namespace logic {

// What a difficulty asks of the player.
struct Level {
    int targetGivens;   // removing stops at this many givens; 0: only when the logic forbids
    Technique hardest;  // the hardest technique the player may need
    // The techniques up to this one do not finish the puzzle: it needs its band.
    std::optional<Technique> tooEasy;
};

// Difficulty 2..8; other values are taken as the nearest of those.
Level LevelOf(int difficulty);
// The name of a difficulty 2..8 in Dutch (UTF-8): "zeer makkelijk" .. "buitengewoon moeilijk".
const char* LevelName(int difficulty);

struct ChosenGivens {
    std::bitset<CellCount> cells;  // by cell index: true for a given
    Grading grading;               // of the puzzle the givens make
    int attempts = 0;              // the removal orders drawn until one made such a puzzle
};

// The puzzle: the solution's digits in the given cells, 0 elsewhere.
Digits PuzzleOf(const Digits& solution, const std::bitset<CellCount>& givens);

// The cell that a half turn of the board puts in the cell's place.
constexpr int HalfTurn(int cell) {
    return CellCount - 1 - cell;
}

// Givens for a complete, valid solution grid at difficulty 2..8, symmetric under a half turn of
// the board if asked. The givens are taken away one by one (or two by two, the cell and its
// partner under the half turn) in an order drawn from `draw`, each only while the sound
// techniques of the difficulty still solve the puzzle. Where a puzzle must need its band, new
// orders are drawn until one does; `goOn`, if given, is asked before every new order with the
// number of orders tried, and can end the search, which then gives nothing.
std::optional<ChosenGivens> ChooseGivens(const Digits& solution, int difficulty, bool symmetric,
                                         const DrawNumber& draw,
                                         const std::function<bool(int attempts)>& goOn = {});

}  // namespace logic
