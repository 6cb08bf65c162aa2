#include "core/puzzle_maker.h"

#include "core/base_grids.h"

#include <QMetaObject>

#include <algorithm>

PuzzleMaker::PuzzleMaker(Random& random) : random_(random) {}

// The work in hand ends at its next try, and the thread with it.
PuzzleMaker::~PuzzleMaker() = default;

bool PuzzleMaker::Makes(const GameSettings& settings) {
    return settings.OnlyUniquePuzzles && !settings.UsePattern;
}

PuzzleMaker::Ask PuzzleMaker::AskOf(const GameSettings& settings, std::optional<Grid> solution) {
    return {std::clamp(settings.Difficulty, MinDifficulty, MaxDifficulty), settings.SymmetricGivens,
            std::move(solution)};
}

void PuzzleMaker::Prepare(const GameSettings& settings, const std::optional<Grid>& solution) {
    if (!(AskOf(settings, solution) == asked_ && (working_ || made_))) {
        Start(settings, solution);
    }
}

std::optional<MadePuzzle> PuzzleMaker::Take() {
    std::optional<MadePuzzle> taken = std::move(made_);
    made_.reset();
    return taken;
}

void PuzzleMaker::Start(const GameSettings& settings, std::optional<Grid> solution) {
    // Work given up ends at its next try; its answer, should it be on its way, is not taken.
    worker_.request_stop();
    asked_ = AskOf(settings, solution);
    made_.reset();
    working_ = true;
    tries_ = 0;
    MadePuzzle puzzle;
    if (solution) {
        puzzle.solution = *solution;
    } else {
        const int n = random_.Draw(BaseGridCount);
        const int t = random_.Draw(TransformationCount);
        puzzle.origin = {n, t};
        puzzle.solution = TransformedGrid(n, t);
    }
    worker_ = std::jthread([this, job = ++job_, settings, puzzle = std::move(puzzle),
                            random = random_.Fork()](std::stop_token stop) mutable {
        std::optional<PuzzleGivens> givens =
            ChooseGivens(puzzle.solution, settings, random, [&](int tries) {
                if (!stop.stop_requested()) {
                    tries_ = tries;
                }
                return !stop.stop_requested();
            });
        if (!givens) {
            return;
        }
        puzzle.givens = std::move(*givens);
        QMetaObject::invokeMethod(
            this,
            [this, job, puzzle = std::move(puzzle)] {
                if (job == job_) {
                    made_ = puzzle;
                    working_ = false;
                    emit ready();
                }
            },
            Qt::QueuedConnection);
    });
}
