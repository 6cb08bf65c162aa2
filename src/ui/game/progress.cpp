// What the game says changed, shown: cells, counters, the judgement of a move and the completion
// of a game.
#include "platform/accessible.h"
#include "platform/board_overlay.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "ui/game/board_geometry.h"
#include "ui/game/board_painter.h"
#include "ui/game/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>

#include <optional>

namespace {

QColor ToColour(Rgb ink) {
    return QColor(ink.red, ink.green, ink.blue);
}

// Shows the face of a cell, a box of device pixels of the board's picture, in the colour of a
// repeat, framed, or of a match; its number and its marks keep their colours.
void ShowOverFace(QPainter& painter, const QImage& picture, const QRect& face, bool repeated) {
    const QRgb emptyTint = (repeated ? board::RepeatFace : board::MatchFace).rgb();
    const QRgb givenTint = (repeated ? board::RepeatGivenFace : board::MatchGivenFace).rgb();
    RecolourFace(painter, picture, face,
                 {{board::EmptyFace.rgb(), emptyTint}, {board::GivenFace.rgb(), givenTint}},
                 repeated ? std::optional<QColor>(board::RepeatFrame) : std::nullopt);
}

}  // namespace

void Main::ConnectModel() {
    connect(&model_, &GameModel::laidOut, this, [this] {
        struck_ = {};
        ForgetAdvice();
        board_.DrawPuzzle();
        ShowNumberButtons();
        ShowCursor(model_.Cursor());
        ShowLevel();
        picView_->update();
        ShowSolutionIfShown();
        // The keys go to the board, and a screen reader speaks its first cell.
        picView_->setFocus();
    });
    connect(&model_, &GameModel::originChanged, this, [this] {
        label5_->setText(QStringLiteral("%1 / %2").arg(model_.GridNumber()).arg(model_.Symmetry()));
    });
    connect(&model_, &GameModel::cellChanged, this, &Main::ShowCell);
    // A move on the board is the player's answer to the advice.
    connect(&model_, &GameModel::cellChanged, this, &Main::ForgetAdvice);
    connect(&model_, &GameModel::solutionChanged, this, [this] {
        board_.SolutionChanged();
        ShowSolutionIfShown();
    });
    connect(&model_, &GameModel::cursorMoved, this, &Main::ShowCursor);
    // The sound comes before the count, and the count before the completion.
    connect(&model_, &GameModel::moveJudged, this,
            [this](QPoint, bool right) { JudgeAloud(right); });
    connect(&model_, &GameModel::correctCountShown, this, &Main::ShowShownCorrectCount);
    connect(&model_, &GameModel::completed, this, &Main::Complete);
    connect(&model_, &GameModel::selectedNumberChanged, this, &Main::ShowNumberButtons);
    connect(&model_, &GameModel::historyChanged, this, &Main::ShowCommands);
    connect(&model_, &GameModel::pausedChanged, this, &Main::ShowPause);
}

void Main::ShowLevel() {
    const QString level = LevelText(model_.Puzzle());
    niveau_->setText(QStringLiteral(" Niveau: %1 ").arg(level));
    niveau_->setVisible(!level.isEmpty());
    // The menu bar makes room for its corner anew only when it is given the corner again.
    menuBar()->setCornerWidget(niveau_, Qt::TopRightCorner);
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
    // A number placed or taken away may begin or end repeats elsewhere.
    picView_->update();
    GridCellChanged(picView_, cell);
    // The player who changed the cell under the cursor hears what it holds now.
    if (cell == model_.Cursor() && picView_->hasFocus()) {
        Speak(CellSpoken(model_, cell));
    }
}

void Main::ShowCursor(QPoint cell) {
    PlaceTwips(shape1_, static_cast<int>(board::HitLeft(cell.x())) + 15,
               static_cast<int>(board::HitTop(cell.y())) + 15, board::HighlightSize,
               board::HighlightSize);
    picView_->update();
    GridCursorMoved(picView_);
}

void Main::ShowNumberButtons() {
    const int selected = model_.SelectedNumber();
    for (int n = 1; n <= 9; ++n) {
        getalKnop_[n]->SetPicture(Plaatjes::Knop(n, n == selected, PictureZoom()));
    }
    picView_->update();
}

void Main::ShowCommands() {
    ongedaan_->setEnabled(model_.CanUndo());
    opnieuw_->setEnabled(model_.CanRedo());
    kandidaten_->setEnabled(model_.CanPause());
    pauze_->setEnabled(model_.CanPause() || model_.Paused());
    pauze_->setChecked(model_.Paused());
}

void Main::ShowSolutionIfShown() {
    if (pic2View_->isVisible()) {
        board_.SolutionBoard();
        pic2View_->update();
    }
}

void Main::ShowPause() {
    // Written when first shown: its large letters cost the window's first look a font.
    if (model_.Paused() && pauseCover_->text().isEmpty()) {
        ShowPauseText();
    }
    pauseCover_->setVisible(model_.Paused());
    pauseCover_->raise();
}

void Main::ShowPauseText() {
    pauseCover_->setText(QStringLiteral("<p style=\"font-size: %1pt\"><b>Pauze</b></p>"
                                        "<p>Klik hier of druk op P om verder te spelen.</p>")
                             .arg(20 * PictureZoom()));
}

void Main::PaintOverBoard(QPainter& painter, const QImage& picture) {
    if (!model_.GameActive()) {
        return;
    }
    const Grid& grid = model_.BoardGrid();
    const CellSet repeats = settings_.ShowDuplicates ? model_.Repeats() : CellSet();
    // The number under the cursor, or else the number chosen.
    int lit = 0;
    if (settings_.HighlightMatches) {
        lit = grid(model_.Cursor().x(), model_.Cursor().y());
        lit = lit != 0 ? lit : model_.SelectedNumber();
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const bool repeated = repeats.test(CellBit(c, r));
            if (repeated || (lit != 0 && grid(c, r) == lit)) {
                const QPointF corner(board::CellLeft(c) + board::FaceInset,
                                     board::CellTop(r) + board::FaceInset);
                const QRect face =
                    pic_.DeviceBox(corner, corner + QPointF(board::FaceSize, board::FaceSize));
                ShowOverFace(painter, picture, face, repeated);
            }
        }
    }
    PaintStep(painter);
}

void Main::ShowShownCorrectCount() {
    const std::optional<int> count = model_.ShownCorrectCount();
    // Before the first game the line shows what it showed at the start.
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
    board_.ShowInfo(Congratulation(model_.UsedHelp()));
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
