#pragma once

#include "core/grid.h"
#include "solver/logic_grid.h"

#include <QPoint>
#include <QString>

#include <vector>

class GameModel;

// One part of the advice on the next step: what it says, and what it marks on the board.
struct AdvicePart {
    QString text;
    // Rows, columns and blocks to outline.
    std::vector<logic::Unit> outlined;
    // Cells that prove the step: tinted.
    std::vector<QPoint> deciding;
    // The cells the step is about: the cell to place in, the cells that lose a candidate, or a
    // wrong number.
    std::vector<QPoint> focus;
};

// The next step a person can take on the board as it stands.
struct StepAdvice {
    enum class Kind {
        None,         // no game on the board
        WrongNumber,  // a number the player placed differs from the solution
        Placement,    // a number can be placed, maybe after candidates are struck
        Guess,        // reasoning with these techniques goes no further
        Full,         // nothing left to place
    };
    Kind kind = Kind::None;
    // The candidates struck first, each a part of its own, and the placement they lead to last.
    std::vector<AdvicePart> parts;
};

// Looks at the givens and the player's numbers, never at the pencil marks: first for a wrong
// number, then for the simplest technique that leads to a placement.
StepAdvice AdviseNextStep(const GameModel& model);
