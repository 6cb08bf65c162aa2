#include "core/step_advice.h"

#include "core/game_model.h"
#include "core/givens.h"
#include "solver/logic_givens.h"
#include "solver/solution_search.h"
#include "solver/step_words.h"

namespace {

QPoint PointOf(int cell) {
    const logic::Cell named = logic::CellAt(cell);
    return {named.column, named.row};
}

QPoint PointOf(logic::Cell cell) {
    return {cell.column, cell.row};
}

template <typename Cells>
std::vector<QPoint> PointsOf(const Cells& cells) {
    std::vector<QPoint> points;
    for (const auto& cell : cells) {
        points.push_back(PointOf(cell));
    }
    return points;
}

std::vector<StruckMark> MarksOf(const std::vector<logic::Strike>& strikes) {
    std::vector<StruckMark> marks;
    for (const logic::Strike& strike : strikes) {
        marks.push_back({PointOf(strike.cell), strike.digits});
    }
    return marks;
}

AdvicePart EliminationPart(const logic::EliminationStep& step) {
    const logic::Elimination& e = step.pattern;
    AdvicePart part;
    part.text = QString::fromStdString(logic::Describe(step)) +
                QStringLiteral(" Druk F3 voor het vervolg.");
    const bool colouring =
        e.technique == logic::Technique::ColourWrap || e.technique == logic::Technique::ColourTrap;
    // Colouring's many units would hide its links, which show where its strong links lie.
    if (!colouring) {
        for (const int unit : e.units) {
            part.outlined.push_back(logic::UnitAt(unit));
        }
    }
    const auto split = colouring ? e.cells.begin() + e.firstColour : e.cells.end();
    part.deciding = PointsOf(std::vector<int>(e.cells.begin(), split));
    part.secondGroup = PointsOf(std::vector<int>(split, e.cells.end()));
    for (const logic::Strike& strike : step.struck) {
        part.focus.push_back(PointOf(strike.cell));
    }
    part.struck = MarksOf(step.struck);
    for (const logic::Link& link : e.links) {
        part.links.push_back({PointOf(link.from), PointOf(link.to), link.strong});
    }
    return part;
}

AdvicePart PlacementPart(const logic::PlacementStep& step) {
    AdvicePart part;
    part.text = QString::fromStdString(logic::Describe(step));
    part.focus = {PointOf(step.cell)};
    part.deciding = PointsOf(step.deciding);
    if (step.unit) {
        part.outlined = {*step.unit};
    }
    return part;
}

// The first number of the player's that differs from the solution, row by row.
std::optional<QPoint> FirstWrongNumber(const GameModel& model) {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const int digit = model.BoardGrid()(c, r);
            if (digit != 0 && digit != model.SolutionGrid()(c, r)) {
                return QPoint(c, r);
            }
        }
    }
    return std::nullopt;
}

// Reasoning that rests on the puzzle having one solution is used when it is known to have one.
bool HasOneSolution(const GameModel& model) {
    const PuzzleGivens& puzzle = model.Puzzle();
    if (puzzle.graded) {
        return puzzle.solutions == 1;
    }
    return logic::CountSolutions(logic::PuzzleOf(DigitsOf(model.SolutionGrid()), puzzle.cells),
                                 2) == 1;
}

AdvicePart Said(const std::string& words) {
    AdvicePart part;
    part.text = QString::fromStdString(words);
    return part;
}

}  // namespace

StepAdvice AdviseNextStep(const GameModel& model, const logic::StruckCandidates& before) {
    StepAdvice advice;
    if (!model.GameActive()) {
        return advice;
    }
    if (const std::optional<QPoint> wrong = FirstWrongNumber(model)) {
        advice.kind = StepAdvice::Kind::WrongNumber;
        AdvicePart part;
        part.focus = {*wrong};
        part.text = QStringLiteral("De %1 in rij %2, kolom %3 is niet goed.")
                        .arg(model.BoardGrid()(wrong->x(), wrong->y()))
                        .arg(wrong->y())
                        .arg(wrong->x());
        advice.parts.push_back(part);
        return advice;
    }
    const logic::NextStep step =
        logic::FindNextStep(DigitsOf(model.BoardGrid()), before, HasOneSolution(model));
    switch (step.outcome) {
        case logic::StepOutcome::Placement:
            advice.kind = StepAdvice::Kind::Placement;
            for (const logic::EliminationStep& elimination : step.eliminations) {
                advice.parts.push_back(EliminationPart(elimination));
            }
            advice.parts.push_back(PlacementPart(step.placement));
            return advice;
        case logic::StepOutcome::BoardFull:
            advice.kind = StepAdvice::Kind::Full;
            break;
        case logic::StepOutcome::NoStep:
        case logic::StepOutcome::Contradiction:
            advice.kind = StepAdvice::Kind::Guess;
            break;
    }
    advice.parts.push_back(Said(logic::Describe(step.outcome)));
    return advice;
}

void Remember(const AdvicePart& part, logic::StruckCandidates& struck) {
    for (const StruckMark& mark : part.struck) {
        struck[CellBit(mark.cell.x(), mark.cell.y())] |= mark.digits;
    }
}
