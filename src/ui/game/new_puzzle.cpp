// The new puzzles whose givens take many tries: made ahead on a thread of their own, and laid out
// as soon as they are there, the window going on meanwhile.
#include "core/givens.h"
#include "ui/game/main_window.h"

void Main::ConnectPuzzleMaker() {
    connect(&maker_, &PuzzleMaker::ready, this, &Main::LayOutMadePuzzle);
    puzzleSearch_.setInterval(200);
    connect(&puzzleSearch_, &QTimer::timeout, this, &Main::ShowPuzzleSearch);
}

void Main::PreparePuzzle() {
    if (awaitingPuzzle_) {
        // The puzzle awaited follows the settings as they are now.
        const std::optional<Grid> solution = maker_.Solution();
        awaitingPuzzle_ = false;
        puzzleSearch_.stop();
        if (solution) {
            LayOutPuzzle(*solution);
        } else {
            GeneratePuzzle();
        }
    } else if (PuzzleMaker::Makes(settings_)) {
        maker_.Prepare(settings_);
    }
}

void Main::AwaitPuzzle() {
    awaitingPuzzle_ = true;
    LayOutMadePuzzle();
}

void Main::LayOutMadePuzzle() {
    if (!awaitingPuzzle_) {
        return;
    }
    std::optional<MadePuzzle> made = maker_.Take();
    if (!made) {
        ShowPuzzleSearch();
        puzzleSearch_.start();
        return;
    }
    awaitingPuzzle_ = false;
    puzzleSearch_.stop();
    if (made->origin) {
        model_.SetOrigin(made->origin->first, made->origin->second);
    }
    model_.LayOut(made->solution, made->givens);
    StartKlok();
    // The next one is made while this one is played.
    PreparePuzzle();
}

void Main::ShowPuzzleSearch() {
    board_.ShowInfo(QStringLiteral("Een puzzel van niveau %1 wordt gezocht... (poging %2)")
                        .arg(LevelName(settings_.Difficulty))
                        .arg(maker_.Tries() + 1));
}
