// What the game says changed, shown: cells, counters, the judgement of a move and the completion
// of a game.
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "ui/game/board_geometry.h"
#include "ui/game/board_painter.h"
#include "ui/game/main_window.h"

#include <QLabel>
#include <QPointer>

namespace {

QColor ToColour(Rgb ink) {
    return QColor(ink.red, ink.green, ink.blue);
}

}  // namespace

void Main::ConnectModel() {
    connect(&model_, &GameModel::laidOut, this, [this] {
        ForgetAdvice();
        board_.ClearBoard();
        board_.DrawPuzzle();
        ShowCursor(model_.Cursor());
        ShowLevel();
    });
    connect(&model_, &GameModel::originChanged, this, [this] {
        label5_->setText(QStringLiteral("%1 / %2").arg(model_.GridNumber()).arg(model_.Symmetry()));
    });
    connect(&model_, &GameModel::cellChanged, this, &Main::ShowCell);
    // A move on the board is the player's answer to the advice.
    connect(&model_, &GameModel::cellChanged, this, &Main::ForgetAdvice);
    connect(&model_, &GameModel::solutionChanged, this,
            [this](QPoint cell) { board_.DrawSolutionCell(cell); });
    connect(&model_, &GameModel::cursorMoved, this, &Main::ShowCursor);
    // The sound comes before the count, and the count before the completion.
    connect(&model_, &GameModel::moveJudged, this,
            [this](QPoint, bool right) { JudgeAloud(right); });
    connect(&model_, &GameModel::correctCountShown, this, &Main::ShowShownCorrectCount);
    connect(&model_, &GameModel::completed, this, &Main::Complete);
}

void Main::ShowLevel() {
    const QString level = LevelText(model_.Puzzle());
    niveau_->setText(QStringLiteral(" Niveau: %1 ").arg(level));
    niveau_->setVisible(!level.isEmpty());
    if (model_.Puzzle().solutions > 1) {
        board_.ShowInfo(
            QStringLiteral("Deze puzzel heeft meer dan \u00e9\u00e9n oplossing: ergens "
                           "zult u moeten gokken."));
    }
}

void Main::ShowCell(QPoint cell) {
    const int c = cell.x();
    const int r = cell.y();
    const CellContent content = model_.Content(cell);
    board::PaintFace(pic_, c, r, board::EmptyFace);
    if (content.digit != 0) {
        board::DrawDigit(pic_, c, r, content.digit, ToColour(content.ink));
    } else {
        board::DrawMarks(pic_, c, r, content.marks, ToColour(content.ink));
    }
    label3_->setText(FilledText(model_.FilledCount()));
}

void Main::ShowCursor(QPoint cell) {
    PlaceTwips(shape1_, static_cast<int>(board::HitLeft(cell.x())) + 15,
               static_cast<int>(board::HitTop(cell.y())) + 15, board::HighlightSize,
               board::HighlightSize);
}

void Main::ShowShownCorrectCount() {
    const std::optional<int> count = model_.ShownCorrectCount();
    // Before the first judgement the line shows what it showed at the start.
    label4_->setText(count ? QString::number(*count) +
                                 QStringLiteral(" getallen goed geplaatst zijn.")
                           : QStringLiteral("0"));
}

void Main::JudgeAloud(bool right) {
    if (settings_.CheckMoves) {
        PlayWave(ProgramPath(right ? QStringLiteral("sounds/goed.wav")
                                   : QStringLiteral("sounds/fout.wav")));
    }
}

void Main::Complete() {
    board_.ShowInfo(QStringLiteral("Gefeliciteerd met het oplossen van de puzzel..."));
    stopWatch_.stop();
    const QPointer<Main> self(this);
    const QString name = InputBox(this, QStringLiteral("U hebt de puzzel foutloos ingevuld.\r\n"
                                                       "De tijd is %1\r\n"
                                                       "Geef uw naam op voor de scorelijst.")
                                            .arg(model_.FinalTime()));
    if (!self) {
        return;
    }
    if (!name.isEmpty()) {
        scores_.Insert(ScoreEntry(model_.FinalTime(), name));
    }
    board_.ShowInfo(QStringLiteral("Info"));
}
