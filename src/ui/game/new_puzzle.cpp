// "Nieuwe puzzel" and the puzzles brought in from a file: laid out at once, or, where their givens
// take many tries, as soon as the thread that makes them has one, the window going on meanwhile.
#include "core/base_grids.h"
#include "core/givens.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "ui/game/main_window.h"

void Main::GeneratePuzzle() {
    if (PuzzleMaker::Makes(settings_)) {
        // Made ahead while the player played, most often.
        maker_.Prepare(settings_);
        AwaitPuzzle();
        return;
    }
    ShowBusyPointer();
    const int n = random_.Draw(BaseGridCount);
    const int t = random_.Draw(TransformationCount);
    model_.SetOrigin(n, t);
    LayOutPuzzle(TransformedGrid(n, t),
                 settings_.UsePattern ? PuzzleSource::Pattern : PuzzleSource::Drawn);
    ShowArrowPointer();
}

void Main::LayOutPuzzle(const Grid& solution, PuzzleSource source) {
    if (PuzzleMaker::Makes(settings_)) {
        maker_.Prepare(settings_, solution);
        AwaitPuzzle();
        return;
    }
    model_.LayOut(solution, ChooseGivens(solution, settings_, random_), BeginNow(source));
    StartKlok();
}

bool Main::MayLeaveGame() {
    // A stray key does not throw a game in progress away.
    return !model_.HasMoves() ||
           Ask(this,
               QStringLiteral("U bent met deze puzzel bezig. Wilt u een nieuwe puzzel beginnen? "
                              "Wat u hebt ingevuld, gaat dan verloren."),
               QStringLiteral("Nieuwe puzzel"), QStringLiteral("Doorspelen"));
}

void Main::FileNieuw_Click() {
    if (MayLeaveGame()) {
        GeneratePuzzle();
    }
}

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
    model_.LayOut(made->solution, made->givens,
                  BeginNow(made->origin ? PuzzleSource::Drawn : PuzzleSource::Loaded));
    StartKlok();
    // The next one is made while this one is played.
    PreparePuzzle();
}

void Main::ShowPuzzleSearch() {
    board_.ShowInfo(QStringLiteral("Een puzzel van niveau %1 wordt gezocht... (poging %2)")
                        .arg(LevelName(settings_.Difficulty))
                        .arg(maker_.Tries() + 1));
}
