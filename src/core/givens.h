#pragma once

#include "core/grid.h"
#include "core/settings.h"
#include "solver/logic_techniques.h"

#include <QString>

#include <functional>
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
    // The difficulty 2..8 whose name it bears: the one it was drawn for, or for a pattern's
    // puzzle the one its hardest technique belongs to; 0 when it has none.
    int level = 0;
};

// The grid as the logic reads it, cell by cell from the top left, 0 for an empty cell.
logic::Digits DigitsOf(const Grid& grid);

// The cells a new puzzle of this solution gives away: the player's pattern as it stands; or, by
// chance, with the one-solution switch on, as few as the difficulty asks while reasoning alone
// still finds the one solution, the puzzle needing the difficulty's band of techniques; or else
// each cell with probability 1/difficulty, drawn row by row. Drawn by chance, the givens are
// symmetric under a half turn of the board if the settings ask. Where many tries may be needed,
// `goOn`, if given, is asked before each new one with the number of tries made, and can end
// the search, which then gives nothing.
std::optional<PuzzleGivens> ChooseGivens(const Grid& solution, const GameSettings& settings,
                                         Random& random,
                                         const std::function<bool(int tries)>& goOn);
PuzzleGivens ChooseGivens(const Grid& solution, const GameSettings& settings, Random& random);

// The name of a difficulty 2..8: "zeer makkelijk" .. "buitengewoon moeilijk".
QString LevelName(int difficulty);
// How hard a graded puzzle is, in words ("gemiddeld"); empty when it was not graded.
QString LevelText(const PuzzleGivens& givens);
