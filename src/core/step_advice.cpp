#include "core/step_advice.h"

#include "core/game_model.h"
#include "core/givens.h"
#include "solver/next_step.h"

#include <QStringList>

namespace {

using logic::Technique;
using logic::Unit;
using logic::UnitKind;

QPoint PointOf(logic::Cell cell) {
    return {cell.column, cell.row};
}

std::vector<QPoint> PointsOf(const std::vector<logic::Cell>& cells) {
    std::vector<QPoint> points;
    for (const logic::Cell& cell : cells) {
        points.push_back(PointOf(cell));
    }
    return points;
}

QString CellName(QPoint cell) {
    return QStringLiteral("rij %1, kolom %2").arg(cell.y()).arg(cell.x());
}

QString UnitName(Unit unit) {
    switch (unit.kind) {
        case UnitKind::Row:
            return QStringLiteral("rij %1").arg(unit.number);
        case UnitKind::Column:
            return QStringLiteral("kolom %1").arg(unit.number);
        case UnitKind::Block:
            break;
    }
    return QStringLiteral("blok %1").arg(unit.number);
}

// "a", "a en b", "a, b en c".
QString Listed(const QStringList& items) {
    if (items.size() < 2) {
        return items.join(QString());
    }
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ") +
           items.last();
}

// "de 5" for one digit, "3, 6 en 8" for several.
QString DigitsNamed(logic::DigitMask digits) {
    QStringList named;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & logic::DigitBit(digit)) {
            named << QString::number(digit);
        }
    }
    return named.size() == 1 ? QStringLiteral("de ") + named.first() : Listed(named);
}

// Where candidates are struck: "niet in rij 1, kolom 7 en 8" ("niet in kolom 7 en 8" when the
// row was named already); in a block "nergens anders in blok 7" or "in het blok", since the cells
// are marked on the board.
QString PlacesIn(Unit unit, const std::vector<QPoint>& cells, bool named) {
    QStringList places;
    for (const QPoint& cell : cells) {
        places << QString::number(unit.kind == UnitKind::Row ? cell.x() : cell.y());
    }
    const QString line = named ? QString() : UnitName(unit) + QStringLiteral(", ");
    switch (unit.kind) {
        case UnitKind::Row:
            return QStringLiteral("niet in ") + line + QStringLiteral("kolom ") + Listed(places);
        case UnitKind::Column:
            return QStringLiteral("niet in ") + line + QStringLiteral("rij ") + Listed(places);
        case UnitKind::Block:
            break;
    }
    return named ? QStringLiteral("nergens anders in het blok")
                 : QStringLiteral("nergens anders in blok %1").arg(unit.number);
}

// Where, inside a unit, a cell lies: its column in a row, its row in a column, else its name.
QString PlaceInside(Unit unit, QPoint cell) {
    switch (unit.kind) {
        case UnitKind::Row:
            return QStringLiteral("kolom %1").arg(cell.x());
        case UnitKind::Column:
            return QStringLiteral("rij %1").arg(cell.y());
        case UnitKind::Block:
            break;
    }
    return CellName(cell);
}

// The cells of a naked subset: by their place in a line, or in a block as the marked cells.
QString Holders(Unit unit, const std::vector<QPoint>& cells) {
    if (unit.kind == UnitKind::Block) {
        const QStringList counts{QStringLiteral("twee"), QStringLiteral("drie"),
                                 QStringLiteral("vier")};
        return QStringLiteral("de %1 gele vakjes")
            .arg(counts.value(static_cast<int>(cells.size()) - 2));
    }
    QStringList places;
    for (const QPoint& cell : cells) {
        places << QString::number(unit.kind == UnitKind::Row ? cell.x() : cell.y());
    }
    return (unit.kind == UnitKind::Row ? QStringLiteral("kolom ") : QStringLiteral("rij ")) +
           Listed(places);
}

AdvicePart EliminationPart(const logic::EliminationStep& step) {
    AdvicePart part;
    part.outlined = {step.unit};
    if (step.targetUnit != step.unit) {
        part.outlined.push_back(step.targetUnit);
    }
    part.deciding = PointsOf(step.cells);
    std::vector<logic::Cell> struck;
    for (const logic::Strike& strike : step.struck) {
        struck.push_back(strike.cell);
    }
    part.focus = PointsOf(struck);
    const QString where = PlacesIn(step.targetUnit, part.focus, step.targetUnit == step.unit);
    if (step.technique == Technique::BoxLine) {
        part.text = QStringLiteral("In %1 moet %2 in %3 staan, dus %4.")
                        .arg(UnitName(step.unit), DigitsNamed(step.digits),
                             UnitName(step.targetUnit), where);
    } else {
        part.text = QStringLiteral("In %1 kunnen %2 alleen %3 bevatten, dus die %4.")
                        .arg(UnitName(step.unit), Holders(step.unit, part.deciding),
                             DigitsNamed(step.digits), where);
    }
    // The placement follows with the next press of the key.
    part.text += QStringLiteral(" (F3)");
    return part;
}

AdvicePart PlacementPart(const logic::PlacementStep& step) {
    AdvicePart part;
    const QPoint cell = PointOf(step.cell);
    part.focus = {cell};
    part.deciding = PointsOf(step.deciding);
    if (step.technique == Technique::NakedSingle || !step.unit) {
        part.text = QStringLiteral(
                        "In %1 past alleen nog de %2: de rest staat al in die rij, kolom of "
                        "dat blok.")
                        .arg(CellName(cell))
                        .arg(step.digit);
        return part;
    }
    part.outlined = {*step.unit};
    part.text = QStringLiteral("In %1 kan de %2 alleen nog in %3.")
                    .arg(UnitName(*step.unit))
                    .arg(step.digit)
                    .arg(PlaceInside(*step.unit, cell));
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

}  // namespace

StepAdvice AdviseNextStep(const GameModel& model) {
    StepAdvice advice;
    if (!model.GameActive()) {
        return advice;
    }
    if (const std::optional<QPoint> wrong = FirstWrongNumber(model)) {
        advice.kind = StepAdvice::Kind::WrongNumber;
        AdvicePart part;
        part.focus = {*wrong};
        part.text = QStringLiteral("De %1 in %2 is niet goed.")
                        .arg(model.BoardGrid()(wrong->x(), wrong->y()))
                        .arg(CellName(*wrong));
        advice.parts.push_back(part);
        return advice;
    }
    const logic::NextStep step = logic::FindNextStep(DigitsOf(model.BoardGrid()));
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
            advice.parts.push_back({QStringLiteral("Alle vakjes zijn ingevuld."), {}, {}, {}});
            return advice;
        case logic::StepOutcome::NoStep:
        case logic::StepOutcome::Contradiction:
            break;
    }
    advice.kind = StepAdvice::Kind::Guess;
    advice.parts.push_back({QStringLiteral("Hier houdt het redeneren op: de volgende stap vraagt "
                                           "een gok."),
                            {},
                            {},
                            {}});
    return advice;
}
