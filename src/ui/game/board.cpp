#include "ui/game/board.h"

#include "core/base_grids.h"
#include "core/random.h"
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

Board::Board(GameState& state, const BoardControls& controls, Random& random)
    : state_(state), controls_(controls), random_(random) {}

void Board::DrawGrid() {
    board::DrawGrid(*controls_.Pic);
    board::DrawGrid(*controls_.Pic2);
}

void Board::ClearBoard() {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            board::PaintFace(*controls_.Pic, c, r, board::EmptyFace);
            board::PaintFace(*controls_.Pic2, c, r, board::EmptyFace);
        }
    }
}

bool Board::IsGiven(int c, int r) {
    if (state_.UsePattern) {
        return state_.PatternRows[r].mid(c - 1, 1) == QLatin1String("1");
    }
    return random_.Draw(state_.Difficulty) == state_.Difficulty;
}

void Board::DrawPuzzle() {
    state_.FilledCount = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (IsGiven(c, r)) {
                board::PaintFace(*controls_.Pic, c, r, board::GivenFace);
                board::PaintFace(*controls_.Pic2, c, r, board::GivenFace);
                board::DrawDigit(*controls_.Pic, c, r, state_.BoardGrid(c, r), board::GivenDigit);
                ++state_.FilledCount;
            } else {
                state_.BoardGrid(c, r) = 0;
            }
            board::DrawDigit(*controls_.Pic2, c, r, state_.SolutionGrid(c, r), board::GivenDigit);
        }
    }
    // The counter always tells the truth, also when the layout has no given at all.
    controls_.Label3->setText(FilledText(state_.FilledCount));
    state_.SelectedNumber = 0;
    ResetNumberButtons();
    state_.GameActive = true;
    state_.Completed = false;
    controls_.Shape1->setVisible(true);
    ShowInfo(QStringLiteral(
        "Linkermuisknop is getal plaatsen, rechtermuisknop is getal weer verwijderen."));
    if (controls_.PuzzleLaidOut) {
        controls_.PuzzleLaidOut();
    }
}

void Board::ResetNumberButtons() {
    for (int n = 1; n <= 9; ++n) {
        controls_.GetalKnop[n]->SetPicture(Plaatjes::Knop(n, false));
    }
    state_.SelectedNumber = 0;
}

bool Board::IsSolved() const {
    return IsValidSolution(state_.BoardGrid);
}

void Board::TakeBoardAsSolution() {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const std::uint8_t digit = state_.BoardGrid(c, r);
            if (digit == state_.SolutionGrid(c, r)) {
                continue;
            }
            state_.SolutionGrid(c, r) = digit;
            // Only open cells can differ, so the face is an empty one.
            board::PaintFace(*controls_.Pic2, c, r, board::EmptyFace);
            board::DrawDigit(*controls_.Pic2, c, r, digit, board::GivenDigit);
        }
    }
}

void Board::ShowHint() {
    if (!state_.GameActive) {
        return;
    }
    ShowBusyPointer();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (state_.BoardGrid(c, r) != 0) {
                continue;
            }
            QPointer<QLabel> label = controls_.GetalLabel;
            const int digit = state_.SolutionGrid(c, r);
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
}
