// Choosing the givens of a puzzle from its complete solution grid, so that the puzzle has
// exactly one solution and a person can find it with the techniques of its difficulty.
#pragma once

#include <bitset>

#include "solver/logic_draw.h"
#include "solver/logic_grader.h"

namespace logic {

// What a difficulty asks of the player.
struct Level {
    int targetGivens;    // removing stops at this many givens; 0: only when the logic forbids
    Technique hardest;   // the hardest technique the player may need
    bool beyondSingles;  // the puzzle needs some technique beyond the hidden single
};

// Difficulty 2..8; other values are taken as the nearest of those.
Level LevelOf(int difficulty);

struct ChosenGivens {
    std::bitset<CellCount> cells;  // by cell index: true for a given
    Grading grading;               // of the puzzle the givens make
};

// The puzzle: the solution's digits in the given cells, 0 elsewhere.
Digits PuzzleOf(const Digits& solution, const std::bitset<CellCount>& givens);

// Givens for a complete, valid solution grid at difficulty 2..8. The givens are taken away
// one by one in an order drawn from `draw`, each only while the techniques of the difficulty
// still solve the puzzle. Where a puzzle must need more than singles, new orders are drawn
// until one does; a grid none of whose puzzles does (if there is such a grid) gets one that
// singles solve after 64 orders, and its grading says so.
ChosenGivens ChooseGivens(const Digits& solution, int difficulty, const DrawNumber& draw);

}  // namespace logic
