#include "ui/game/board.h"

#include "core/game_model.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "ui/game/board_geometry.h"
#include "ui/game/board_painter.h"

#include <QLabel>
#include <QPointer>

QString FilledText(int filledCount) {
    return QString::number(filledCount) + QStringLiteral(" vakjes ingevuld waarvan er");
}

Board::Board(GameModel& model, const BoardControls& controls)
    : model_(model), controls_(controls) {}

void Board::DrawGrid() {
    board::DrawGrid(*controls_.Pic);
    board::DrawGrid(*controls_.Pic2);
}

void Board::DrawPuzzle() {
    const Grid& board = model_.BoardGrid();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const bool given = model_.IsGiven({c, r});
            board::PaintFace(*controls_.Pic, c, r, given ? board::GivenFace : board::EmptyFace);
            if (given) {
                board::DrawDigit(*controls_.Pic, c, r, board(c, r), board::GivenDigit);
            }
        }
    }
    solutionDrawn_ = false;
    // The counter always tells the truth, also when the layout has no given at all.
    controls_.Label3->setText(FilledText(model_.FilledCount()));
    controls_.Shape1->setVisible(true);
    ShowInfo(QStringLiteral(
        "Linkermuisknop is getal plaatsen, rechtermuisknop is getal weer verwijderen."));
}

Surface& Board::SolutionBoard() {
    if (!solutionDrawn_ && model_.GameActive()) {
        const Grid& solution = model_.SolutionGrid();
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const QColor& face = model_.IsGiven({c, r}) ? board::GivenFace : board::EmptyFace;
                board::PaintFace(*controls_.Pic2, c, r, face);
                board::DrawDigit(*controls_.Pic2, c, r, solution(c, r), board::GivenDigit);
            }
        }
    }
    solutionDrawn_ = true;
    return *controls_.Pic2;
}

void Board::ShowHint() {
    if (!model_.GameActive()) {
        return;
    }
    ShowBusyPointer();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (model_.BoardGrid()(c, r) != 0) {
                continue;
            }
            model_.UseHelp(Help::Hint);
            QPointer<QLabel> label = controls_.GetalLabel;
            const int digit = model_.SolutionGrid()(c, r);
            Announce(
                label->window(),
                QStringLiteral("Hint: in rij %1, kolom %2 hoort een %3").arg(r).arg(c).arg(digit));
            for (int k = 1; k <= 3; ++k) {
                PlaceTwips(label, static_cast<int>(board::CellLeft(c)) + board::HintLeftInset,
                           static_cast<int>(board::CellTop(r)) + board::DigitInset,
                           board::HighlightSize, board::HighlightSize);
                label->setText(QString::number(digit));
                label->setVisible(true);
                if (!Pause(0.3, label)) {
                    break;
                }
                label->setVisible(false);
                if (k < 3 && !Pause(0.3, label)) {
                    break;
                }
            }
            ShowArrowPointer();
            return;
        }
    }
    ShowArrowPointer();
}

void Board::ShowInfo(const QString& text) {
    controls_.InfoBalk->setText(text);
    // Spoken, but for the line's resting word.
    if (text != QStringLiteral("Info")) {
        Announce(controls_.InfoBalk->window(), text);
    }
}
