#pragma once

#include "core/grid.h"
#include "solver/next_step.h"

#include <QPoint>
#include <QString>

#include <vector>

class GameModel;

// Candidates of a cell that a part of the advice strikes.
struct StruckMark {
    QPoint cell;
    logic::DigitMask digits;
};

// Two cells of a chain, and whether the link between them is strong: one of them holds the
// digit (otherwise, weak: not both do).
struct LinkMark {
    QPoint from;
    QPoint to;
    bool strong;
};

// One part of the advice on the next step: what it says, and what it marks on the board.
struct AdvicePart {
    QString text;
    // Rows, columns and blocks to outline.
    std::vector<logic::Unit> outlined;
    // Cells that prove the step: the pattern's cells, or the digits that decide a placement.
    std::vector<QPoint> deciding;
    // For colouring, the cells of the second group, which the words call "groep B".
    std::vector<QPoint> secondGroup;
    // The cells the step is about: the cell to place in, the cells that lose a candidate, or a
    // wrong number.
    std::vector<QPoint> focus;
    // The candidates the part strikes.
    std::vector<StruckMark> struck;
    // The links of a chain.
    std::vector<LinkMark> links;
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
// number, then for the simplest technique that leads to a placement, building on the candidates
// that advice shown before struck.
StepAdvice AdviseNextStep(const GameModel& model, const logic::StruckCandidates& before = {});

// Notes what the part strikes, so that the advice after it builds on it.
void Remember(const AdvicePart& part, logic::StruckCandidates& struck);
