#include "solver/logic_givens.h"

#include <algorithm>
#include <numeric>

namespace logic {

namespace {

// The ladder. Difficulties 2 and 3 keep the share of givens the game always had (81 / 2 and
// 81 / 3, rounded down), now with one solution that the singles find: at 2 naked singles
// alone, which reach 40 givens from every grid tried. From 4 on the puzzles have as few
// givens as the logic allows (no given can go without the allowed techniques losing the
// solution), and each step up allows a harder technique. Most minimal puzzles need singles
// only, whatever else is allowed, so at 8 the puzzle must need something beyond them.
constexpr std::array<Level, 7> Levels{{
    {40, Technique::NakedSingle, false},   // 2
    {27, Technique::HiddenSingle, false},  // 3
    {0, Technique::HiddenSingle, false},   // 4
    {0, Technique::BoxLine, false},        // 5
    {0, Technique::NakedPair, false},      // 6
    {0, Technique::NakedQuad, false},      // 7
    {0, Technique::NakedQuad, true},       // 8
}};

// About a third of the removal orders end in a puzzle that needs more than singles, so all of
// 64 attempts fail for fewer than one grid in ten billion, and a retry costs a third of a
// millisecond. If some puzzle of the grid needs more than singles, some order finds one: the
// order that first removes the cells outside it, which all go, and then the others, whose
// removal cannot make the puzzle easier.
constexpr int MaxAttempts = 64;

using CellOrder = std::array<std::uint8_t, CellCount>;

CellOrder RandomOrder(const DrawNumber& draw) {
    CellOrder order;
    std::iota(order.begin(), order.end(), std::uint8_t{0});
    Shuffle(order, CellCount, draw);
    return order;
}

// True when the techniques up to `hardest` fill the empty cell of the puzzle.
bool FindsAgain(const Digits& puzzle, int cell, Technique hardest) {
    CandidateGrid grid(puzzle);
    // Most often the cell's peers show the eight other digits.
    if (DigitCount(grid.Candidates(cell)) == 1) {
        return true;
    }
    Fill(grid, hardest, cell);
    return grid.Digit(cell) != 0;
}

// Takes the givens away in random order, down to `level.targetGivens`, keeping each removal
// only while the techniques still find the digit again. They then solve the smaller puzzle
// too: what they find never depends on the order in which they find it, and with the digit
// found again they know all that the larger puzzle told. A removal refused stays refused,
// since later puzzles only tell less, so one pass leaves a puzzle from which nothing more can
// go.
Digits RemoveGivens(const Digits& solution, const Level& level, const DrawNumber& draw) {
    Digits puzzle = solution;
    int givenCount = CellCount;
    for (const int cell : RandomOrder(draw)) {
        if (givenCount <= level.targetGivens) {
            break;
        }
        puzzle[cell] = 0;
        if (FindsAgain(puzzle, cell, level.hardest)) {
            --givenCount;
        } else {
            puzzle[cell] = solution[cell];
        }
    }
    return puzzle;
}

ChosenGivens Chosen(const Digits& puzzle) {
    ChosenGivens chosen;
    for (int cell = 0; cell < CellCount; ++cell) {
        chosen.cells[cell] = puzzle[cell] != 0;
    }
    chosen.grading = Grade(puzzle);
    return chosen;
}

bool NeedsMoreThanSingles(const Grading& grading) {
    return grading.hardest > Technique::HiddenSingle;
}

}  // namespace

Digits PuzzleOf(const Digits& solution, const std::bitset<CellCount>& givens) {
    Digits puzzle{};
    for (int cell = 0; cell < CellCount; ++cell) {
        puzzle[cell] = givens[cell] ? solution[cell] : 0;
    }
    return puzzle;
}

Level LevelOf(int difficulty) {
    return Levels[std::clamp(difficulty, 2, 8) - 2];
}

ChosenGivens ChooseGivens(const Digits& solution, int difficulty, const DrawNumber& draw) {
    const Level level = LevelOf(difficulty);
    ChosenGivens chosen = Chosen(RemoveGivens(solution, level, draw));
    for (int attempt = 1;
         level.beyondSingles && attempt < MaxAttempts && !NeedsMoreThanSingles(chosen.grading);
         ++attempt) {
        chosen = Chosen(RemoveGivens(solution, level, draw));
    }
    return chosen;
}

}  // namespace logic
