#pragma once

#include "core/grid.h"
#include "core/settings.h"
#include "solver/logic_techniques.h"

#include <QString>

#include <optional>

class Random;

// The givens of a new puzzle and what reasoning makes of the puzzle they leave.
struct PuzzleGivens {
    PuzzleGivens() = default;
    // Givens that were not graded.
    PuzzleGivens(const CellSet& given) : cells(given) {}

    CellSet cells;
    // The puzzle was looked at by the logic: with the one-solution switch on.
    bool graded = false;
    // Its solutions, counted up to two.
    int solutions = 1;
    // The hardest technique a person needs; none when these techniques do not finish it.
    std::optional<logic::Technique> hardest;
};

// The grid as the logic reads it, cell by cell from the top left, 0 for an empty cell.
logic::Digits DigitsOf(const Grid& grid);

// The cells a new puzzle of this solution gives away: the player's pattern as it stands; or, by
// chance, with the one-solution switch on, as few as the difficulty asks while reasoning alone
// still finds the one solution; or else each cell with probability 1/difficulty, drawn row by
// row.
PuzzleGivens ChooseGivens(const Grid& solution, const GameSettings& settings, Random& random);

// How hard a graded puzzle is, in words ("gemiddeld"); empty when it was not graded.
QString LevelText(const PuzzleGivens& givens);
