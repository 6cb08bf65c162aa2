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
    Sweep(CandidateGrid& grid, Technique hardest, int stopCell)
        : grid_(grid), hardest_(hardest), stopCell_(stopCell) {}

    void Run() {
        do {
            PlaceNakedSingles();
        } while (GoesOn(grid_, stopCell_) && Round());
    }

  private:
    void PlaceNakedSingles() {
        while (!grid_.NakedSingles().IsEmpty() && GoesOn(grid_, stopCell_)) {
            Apply(grid_, *FindNakedSingle(grid_));
        }
    }

    // The techniques beyond the naked single, the simplest first, until one makes progress.
    bool Round() {
        if (hardest_ >= Technique::HiddenSingle && PlaceHiddenSingles()) {
            return true;
        }
        if (hardest_ >= Technique::BoxLine &&
            Eliminate([this](const auto& visit) { ForEachBoxLine(grid_, visit); })) {
            return true;
        }
        for (int size = 2; size <= 4 && NakedSubsetOf(size) <= hardest_; ++size) {
            if (Eliminate([&](const auto& visit) { ForEachNakedSubset(grid_, size, visit); })) {
                return true;
            }
        }
        return false;
    }

    bool PlaceHiddenSingles() {
        placements_.clear();
        ForEachHiddenSingle(grid_, [this](const Placement& p) {
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

    template <typename ForEach>
    bool Eliminate(ForEach forEach) {
        eliminations_.clear();
        forEach([this](const Elimination& e) {
            eliminations_.push_back(e);
            return true;
        });
        for (const Elimination& e : eliminations_) {
            Apply(grid_, e);
        }
        return !eliminations_.empty();
    }

    CandidateGrid& grid_;
    const Technique hardest_;
    const int stopCell_;
    std::vector<Placement> placements_;
    std::vector<Elimination> eliminations_;
};

}  // namespace

Grading Grade(const Digits& puzzle, Technique hardest) {
    CandidateGrid grid(puzzle);
    Grading grading;
    while (GoesOn(grid, -1)) {
        const Deduction next = FindSimplest(grid, hardest);
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

void Fill(CandidateGrid& grid, Technique hardest, int stopCell) {
    Sweep(grid, hardest, stopCell).Run();
}

}  // namespace logic
