#include "solver/logic_grader.h"

#include <algorithm>
#include <vector>

namespace logic {

namespace {

// Notes one use of the technique.
void Count(Grading& grading, Technique technique) {
    ++grading.uses[static_cast<int>(technique)];
    grading.hardest = std::max(grading.hardest, technique);
}

Outcome OutcomeOf(const CandidateGrid& grid) {
    if (grid.IsContradictory()) {
        return Outcome::Contradiction;
    }
    return grid.IsSolved() ? Outcome::Solved : Outcome::Stuck;
}

bool GoesOn(const CandidateGrid& grid, int stopCell) {
    return !grid.IsSolved() && !grid.IsContradictory() &&
           (stopCell < 0 || grid.Digit(stopCell) == 0);
}

// Fill's search: each technique's instances gathered from the grid as it stands, then applied.
// They stay sound when applied one after another: every one follows from the grid they were
// found in, and the grid only learns more.
class Sweep {
  public:
    Sweep(CandidateGrid& grid, Reach reach, int stopCell)
        : grid_(grid), reach_(reach), stopCell_(stopCell) {}

    void Run() {
        do {
            PlaceNakedSingles();
        } while (GoesOn(grid_, stopCell_) && Round());
    }

  private:
    void PlaceNakedSingles() {
        while (!grid_.NakedSingles().IsEmpty() && GoesOn(grid_, stopCell_)) {
            const int cell = grid_.NakedSingles().First();
            grid_.Place(cell, LowestDigit(grid_.Candidates(cell)));
        }
    }

    // The techniques beyond the naked single, the simplest first, until one makes progress.
    bool Round() {
        for (const TechniqueInfo& info : Ladder().subspan(1)) {
            if (!reach_.Allows(info)) {
                continue;
            }
            if (info.placements != nullptr ? Place(info.placements)
                                           : Eliminate(info.eliminations)) {
                return true;
            }
        }
        return false;
    }

    bool Place(PlacementSearch search) {
        placements_.clear();
        search(grid_, [this](const Placement& p) {
            placements_.push_back(p);
            return true;
        });
        for (const Placement& p : placements_) {
            // A digit can be the only one of its kind in the row and in the block alike.
            if (grid_.Digit(p.cell) != p.digit) {
                Apply(grid_, p);
            }
        }
        return !placements_.empty();
    }

    bool Eliminate(EliminationSearch search) {
        eliminations_.clear();
        search(grid_, [this](const Elimination& e) {
            eliminations_.push_back(e);
            return true;
        });
        for (const Elimination& e : eliminations_) {
            Apply(grid_, e);
        }
        return !eliminations_.empty();
    }

    CandidateGrid& grid_;
    const Reach reach_;
    const int stopCell_;
    std::vector<Placement> placements_;
    std::vector<Elimination> eliminations_;
};

}  // namespace

Grading Grade(const Digits& puzzle, Reach reach) {
    CandidateGrid grid(puzzle);
    Grading grading;
    while (GoesOn(grid, -1)) {
        const Deduction next = FindSimplest(grid, reach);
        if (const auto* placement = std::get_if<Placement>(&next)) {
            Apply(grid, *placement);
            Count(grading, placement->technique);
        } else if (const auto* elimination = std::get_if<Elimination>(&next)) {
            Apply(grid, *elimination);
            Count(grading, elimination->technique);
        } else {
            break;
        }
    }
    grading.outcome = OutcomeOf(grid);
    return grading;
}

void Fill(CandidateGrid& grid, Reach reach, int stopCell) {
    Sweep(grid, reach, stopCell).Run();
}

int DifficultyOf(Technique hardest, int givens) {
    if (hardest == Technique::NakedSingle && givens >= 40) {
        return 2;
    }
    if (hardest <= Technique::HiddenSingle) {
        return givens >= 27 ? 3 : 4;
    }
    return BandOf(hardest);
}

}  // namespace logic
