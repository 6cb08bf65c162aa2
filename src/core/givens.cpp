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

CellSet ChanceCells(const GameSettings& settings, Random& random) {
    CellSet cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = random.Draw(settings.Difficulty) == settings.Difficulty;
    }
    return cells;
}

// The pattern's puzzle as it stands, graded, and its solutions counted when reasoning does not
// finish it.
PuzzleGivens GradedPattern(const logic::Digits& solution, const CellSet& cells) {
    PuzzleGivens givens(cells);
    givens.graded = true;
    const logic::Digits puzzle = logic::PuzzleOf(solution, cells);
    const logic::Grading grading = logic::Grade(puzzle);
    if (grading.outcome == logic::Outcome::Solved) {
        givens.hardest = grading.hardest;
    } else {
        givens.solutions = logic::CountSolutions(puzzle, 2);
    }
    return givens;
}

}  // namespace

PuzzleGivens ChooseGivens(const Grid& solution, const GameSettings& settings, Random& random) {
    if (!settings.OnlyUniquePuzzles) {
        return {settings.UsePattern ? PatternCells(settings) : ChanceCells(settings, random)};
    }
    const logic::Digits digits = DigitsOf(solution);
    if (settings.UsePattern) {
        return GradedPattern(digits, PatternCells(settings));
    }
    const logic::ChosenGivens chosen = logic::ChooseGivens(
        digits, settings.Difficulty, [&random](int count) { return random.Draw(count); });
    PuzzleGivens givens(chosen.cells);
    givens.graded = true;
    givens.hardest = chosen.grading.hardest;
    return givens;
}

QString LevelText(const PuzzleGivens& givens) {
    if (!givens.graded) {
        return QString();
    }
    if (givens.solutions > 1) {
        return QStringLiteral("meer dan \u00e9\u00e9n oplossing");
    }
    if (!givens.hardest) {
        return QStringLiteral("buitengewoon moeilijk");
    }
    switch (*givens.hardest) {
        case logic::Technique::NakedSingle:
            return QStringLiteral("zeer makkelijk");
        case logic::Technique::HiddenSingle:
            return QStringLiteral("makkelijk");
        case logic::Technique::BoxLine:
            return QStringLiteral("gemiddeld");
        case logic::Technique::NakedPair:
            return QStringLiteral("moeilijk");
        case logic::Technique::NakedTriple:
            return QStringLiteral("zeer moeilijk");
        case logic::Technique::NakedQuad:
            break;
    }
    return QStringLiteral("uiterst moeilijk");
}
