#include "solver/logic_givens.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace logic {

namespace {

// The ladder. Difficulties 2 and 3 keep the share of givens the game always had (81 / 2 and
// 81 / 3, rounded down), now with one solution that the singles find: at 2 naked singles
// alone, which reach 40 givens from every grid tried. From 4 on the puzzles have as few
// givens as the logic allows (no given can go without the allowed techniques losing the
// solution), and from 5 on each difficulty is a band of the ladder that the puzzle needs: the
// bands below it do not finish it.
const std::array<Level, 7> Levels{{
    {40, Technique::NakedSingle, std::nullopt},   // 2
    {27, Technique::HiddenSingle, std::nullopt},  // 3
    {0, Technique::HiddenSingle, std::nullopt},   // 4
    {0, HardestOfBand(5), HardestOfBand(4)},      // 5: box/line
    {0, HardestOfBand(6), HardestOfBand(5)},      // 6: pairs and triples
    {0, HardestOfBand(7), HardestOfBand(6)},      // 7: quads and fish
    {0, HardestOfBand(8), HardestOfBand(7)},      // 8: wings, chains, colouring
}};

// The givens go in groups: one cell each, or a cell with its partner under the half turn.
struct Groups {
    std::vector<std::array<std::uint8_t, 2>> cells;  // a lone cell stands twice
};

// With a half turn, the middle cell is its own partner: it goes alone. For a target number of
// givens it goes first if the number is even, and stays if it is odd, since the others go two
// at a time.
Groups RandomGroups(bool symmetric, int targetGivens, const DrawNumber& draw) {
    Groups groups;
    const int count = symmetric ? CellCount / 2 : CellCount;
    for (int cell = 0; cell < count; ++cell) {
        const int partner = symmetric ? HalfTurn(cell) : cell;
        groups.cells.push_back(
            {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(partner)});
    }
    constexpr std::array<std::uint8_t, 2> middle{CellCount / 2, CellCount / 2};
    if (symmetric && targetGivens == 0) {
        groups.cells.push_back(middle);
    }
    Shuffle(groups.cells, static_cast<int>(groups.cells.size()), draw);
    if (symmetric && targetGivens % 2 == 0 && targetGivens > 0) {
        groups.cells.insert(groups.cells.begin(), middle);
    }
    return groups;
}

// True when the sound techniques within reach fill the empty cells of the puzzle.
bool FindsAgain(const Digits& puzzle, const std::array<std::uint8_t, 2>& cells, Reach reach) {
    CandidateGrid grid(puzzle);
    for (const int cell : cells) {
        // Most often the cell's peers show the eight other digits.
        if (grid.Digit(cell) == 0 && DigitCount(grid.Candidates(cell)) != 1) {
            Fill(grid, reach, cell);
        }
        if (grid.Digit(cell) == 0 && DigitCount(grid.Candidates(cell)) != 1) {
            return false;
        }
    }
    return true;
}

// Takes the givens away in random order, down to `level.targetGivens`, keeping each removal
// only while the techniques still find the digits again. They then solve the smaller puzzle
// too: what they find never depends on the order in which they find it, and with the digits
// found again they know all that the larger puzzle told. A removal refused stays refused,
// since later puzzles only tell less, so one pass leaves a puzzle from which nothing more can
// go. The unique rectangle is left out: it is sound only for a puzzle known to have one
// solution, which is what the removal must keep.
Digits RemoveGivens(const Digits& solution, const Level& level, bool symmetric,
                    const DrawNumber& draw) {
    const Reach reach{level.hardest, false};
    Digits puzzle = solution;
    int givenCount = CellCount;
    for (const auto& group : RandomGroups(symmetric, level.targetGivens, draw).cells) {
        const int size = group[0] == group[1] ? 1 : 2;
        if (givenCount - size < level.targetGivens) {
            continue;
        }
        for (const int cell : group) {
            puzzle[cell] = 0;
        }
        if (FindsAgain(puzzle, group, reach)) {
            givenCount -= size;
        } else {
            for (const int cell : group) {
                puzzle[cell] = solution[cell];
            }
        }
    }
    return puzzle;
}

// The puzzle, when it is what the level asks: solved by its techniques, and needing its band.
std::optional<ChosenGivens> Chosen(const Digits& puzzle, const Level& level) {
    ChosenGivens chosen;
    chosen.grading = Grade(puzzle);
    if (chosen.grading.hardest > level.hardest || chosen.grading.outcome != Outcome::Solved ||
        (level.tooEasy && chosen.grading.hardest <= *level.tooEasy)) {
        return std::nullopt;
    }
    for (int cell = 0; cell < CellCount; ++cell) {
        chosen.cells[cell] = puzzle[cell] != 0;
    }
    return chosen;
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

const char* LevelName(int difficulty) {
    constexpr const char* names[] = {"zeer makkelijk",
                                     "makkelijk",
                                     "gemiddeld",
                                     "moeilijk",
                                     "zeer moeilijk",
                                     "uiterst moeilijk",
                                     "buitengewoon moeilijk"};
    return names[std::clamp(difficulty, 2, 8) - 2];
}

std::optional<ChosenGivens> ChooseGivens(const Digits& solution, int difficulty, bool symmetric,
                                         const DrawNumber& draw,
                                         const std::function<bool(int attempts)>& goOn) {
    const Level level = LevelOf(difficulty);
    for (int attempt = 1;; ++attempt) {
        if (attempt > 1 && goOn && !goOn(attempt - 1)) {
            return std::nullopt;
        }
        if (auto chosen = Chosen(RemoveGivens(solution, level, symmetric, draw), level)) {
            chosen->attempts = attempt;
            return chosen;
        }
    }
}

}  // namespace logic
