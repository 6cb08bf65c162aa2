#include "core/givens.h"

#include "core/random.h"
#include "solver/logic_givens.h"
#include "solver/logic_grader.h"
#include "solver/solution_search.h"

#include <QLatin1String>

logic::Digits DigitsOf(const Grid& grid) {
    logic::Digits digits{};
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            digits[CellBit(c, r)] = grid(c, r);
        }
    }
    return digits;
}

namespace {

CellSet PatternCells(const GameSettings& settings) {
    CellSet cells;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            cells[CellBit(c, r)] = settings.PatternRows[r].mid(c - 1, 1) == QLatin1String("1");
        }
    }
    return cells;
}

// Each cell with probability 1/difficulty, row by row; with the half turn, the first half of the
// board is drawn and the rest follows it.
CellSet ChanceCells(const GameSettings& settings, Random& random) {
    CellSet cells;
    const int drawn = settings.SymmetricGivens ? logic::CellCount / 2 + 1 : logic::CellCount;
    for (int i = 0; i < drawn; ++i) {
        const bool given = random.Draw(settings.Difficulty) == settings.Difficulty;
        cells[static_cast<std::size_t>(i)] = given;
        cells[static_cast<std::size_t>(settings.SymmetricGivens ? logic::HalfTurn(i) : i)] = given;
    }
    return cells;
}

// The pattern's puzzle as it stands: its solutions counted, and graded when it has one.
PuzzleGivens GradedPattern(const logic::Digits& solution, const CellSet& cells) {
    PuzzleGivens givens(cells);
    givens.graded = true;
    const logic::Digits puzzle = logic::PuzzleOf(solution, cells);
    givens.solutions = logic::CountSolutions(puzzle, 2);
    if (givens.solutions == 1) {
        const logic::Grading grading = logic::Grade(puzzle);
        if (grading.outcome == logic::Outcome::Solved) {
            givens.hardest = grading.hardest;
            givens.level = logic::DifficultyOf(grading.hardest, static_cast<int>(cells.count()));
        }
    }
    return givens;
}

}  // namespace

std::optional<PuzzleGivens> ChooseGivens(const Grid& solution, const GameSettings& settings,
                                         Random& random,
                                         const std::function<bool(int tries)>& goOn) {
    if (!settings.OnlyUniquePuzzles) {
        return PuzzleGivens(settings.UsePattern ? PatternCells(settings)
                                                : ChanceCells(settings, random));
    }
    const logic::Digits digits = DigitsOf(solution);
    if (settings.UsePattern) {
        return GradedPattern(digits, PatternCells(settings));
    }
    const std::optional<logic::ChosenGivens> chosen = logic::ChooseGivens(
        digits, settings.Difficulty, settings.SymmetricGivens,
        [&random](int count) { return random.Draw(count); }, goOn);
    if (!chosen) {
        return std::nullopt;
    }
    PuzzleGivens givens(chosen->cells);
    givens.graded = true;
    givens.hardest = chosen->grading.hardest;
    givens.level = std::clamp(settings.Difficulty, MinDifficulty, MaxDifficulty);
    return givens;
}

PuzzleGivens ChooseGivens(const Grid& solution, const GameSettings& settings, Random& random) {
    return *ChooseGivens(solution, settings, random, {});
}

QString LevelName(int difficulty) {
    return QString::fromUtf8(logic::LevelName(difficulty));
}

QString LevelText(const PuzzleGivens& givens) {
    if (!givens.graded) {
        return QString();
    }
    if (givens.solutions > 1) {
        return QStringLiteral("meer dan \u00e9\u00e9n oplossing");
    }
    // A puzzle beyond the ladder is named as its top.
    return LevelName(givens.level == 0 ? MaxDifficulty : givens.level);
}
