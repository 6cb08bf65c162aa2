// Judging the board after each move, and the completion of a game.
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "ui/game/main_window.h"

#include <QLabel>
#include <QPointer>

void Main::ShowCorrectCount() {
    int correct = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (state_.BoardGrid(c, r) == state_.SolutionGrid(c, r)) {
                ++correct;
            }
        }
    }
    label4_->setText(QString::number(correct) + QStringLiteral(" getallen goed geplaatst zijn."));
}

void Main::CheckMove(int column, int row) {
    // A game is completed once; later clicks on the solved board only recount.
    const bool solved = !state_.Completed && board_.IsSolved();
    // A puzzle with more than one solution is solved by any of them, and the one the player found
    // becomes the solution that every judgement, the counter and the solution board show.
    if (solved && state_.BoardGrid != state_.SolutionGrid) {
        board_.TakeBoardAsSolution();
    }
    if (state_.CheckMoves) {
        PlayWave(ProgramPath(state_.BoardGrid(column, row) == state_.SolutionGrid(column, row)
                                 ? QStringLiteral("sounds/goed.wav")
                                 : QStringLiteral("sounds/fout.wav")));
    }
    ShowCorrectCount();
    if (!solved) {
        return;
    }
    state_.Completed = true;
    board_.ShowInfo(QStringLiteral("Gefeliciteerd met het oplossen van de puzzel..."));
    stopWatch_.stop();
    state_.FinalTime = label2_->text();
    const QPointer<Main> self(this);
    const QString name = InputBox(this, QStringLiteral("U hebt de puzzel foutloos ingevuld.\r\n"
                                                       "De tijd is %1\r\n"
                                                       "Geef uw naam op voor de scorelijst.")
                                            .arg(state_.FinalTime));
    if (!self) {
        return;
    }
    if (!name.isEmpty()) {
        scores_.Insert(ScoreEntry(state_.FinalTime, name));
    }
    board_.ShowInfo(QStringLiteral("Info"));
}
