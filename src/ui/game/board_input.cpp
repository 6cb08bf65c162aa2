// Choosing a number and placing it on the board, with the mouse or the keyboard.
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "ui/game/board_geometry.h"
#include "ui/game/board_painter.h"
#include "ui/game/main_window.h"

#include <QLabel>
#include <QPointer>

void Main::GetalKnop_Click(int index) {
    board_.ResetNumberButtons();
    PictureButton* button = getalKnop_[index];
    PlaceTwips(button, GetalKnopLeft + 15, GetalKnopTop(index) + 15, 480, 480);
    if (!Pause(0.2, button)) {
        return;
    }
    PlaceTwips(button, GetalKnopLeft, GetalKnopTop(index), 480, 480);
    button->SetPicture(Plaatjes::Knop(index, true));
    state_.SelectedNumber = index;
}

bool Main::NumberChosen() {
    if (state_.SelectedNumber != 0) {
        return true;
    }
    const QPointer<Main> self(this);
    MessageBox(this, QStringLiteral("Selecteer rechts een getal van 1..9"));
    if (!self) {
        return false;
    }
    for (int n = 1; n <= 9; ++n) {
        getalKnop_[n]->SetPicture(Plaatjes::Knop(n, true));
        if (!Pause(0.05, getalKnop_[n])) {
            return false;
        }
        getalKnop_[n]->SetPicture(Plaatjes::Knop(n, false));
    }
    return false;
}

void Main::Pic_MouseDown(int button, QPointF at) {
    if (!state_.GameActive || !NumberChosen()) {
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (board::Hits(c, r, at)) {
                ClickCell(button, {c, r}, at, state_.SelectedNumber);
                return;
            }
        }
    }
}

void Main::ClickCell(int button, QPoint cell, QPointF at, int digit) {
    // Givens and grid lines are recognised by their colour.
    if (board::IsClosedColour(pic_.Pixel(at))) {
        return;
    }
    switch (button) {
        case 1:
            PlaceNumber(cell, digit);
            break;
        case 2:
            EmptyCell(cell);
            break;
        case 4:
            ToggleMark(cell, digit);
            break;
        default:
            break;
    }
}

void Main::PlaceNumber(QPoint cell, int digit) {
    if (state_.BoardGrid(cell.x(), cell.y()) == 0) {
        const Rgb& colour = state_.DigitColour;
        ChangeCell(cell, {digit, {}, QColor(colour.red, colour.green, colour.blue)});
    }
    // A number already in the cell is judged again.
    CheckMove(cell.x(), cell.y());
}

void Main::EmptyCell(QPoint cell) {
    if (state_.BoardGrid(cell.x(), cell.y()) != 0 || marks_[cell.x()][cell.y()].any()) {
        ChangeCell(cell, {});
    }
    ShowCorrectCount();
}

void Main::ToggleMark(QPoint cell, int digit) {
    if (state_.BoardGrid(cell.x(), cell.y()) != 0) {
        return;
    }
    CellContent marked = Content(cell);
    marked.marks.flip(static_cast<std::size_t>(digit));
    const Rgb& colour = state_.DigitColour;
    marked.ink = board::MarkColour(QColor(colour.red, colour.green, colour.blue));
    ChangeCell(cell, marked);
}

Main::CellContent Main::Content(QPoint cell) const {
    const int c = cell.x();
    const int r = cell.y();
    return {state_.BoardGrid(c, r), marks_[c][r], inks_[c][r]};
}

void Main::ShowContent(QPoint cell, const CellContent& content) {
    const int c = cell.x();
    const int r = cell.y();
    board::PaintFace(pic_, c, r, board::EmptyFace);
    if (content.digit != 0) {
        board::DrawDigit(pic_, c, r, content.digit, content.ink);
    } else {
        board::DrawMarks(pic_, c, r, content.marks, content.ink);
    }
    state_.FilledCount +=
        static_cast<int>(content.digit != 0) - static_cast<int>(state_.BoardGrid(c, r) != 0);
    state_.BoardGrid(c, r) = static_cast<std::uint8_t>(content.digit);
    marks_[c][r] = content.marks;
    inks_[c][r] = content.ink;
    label3_->setText(FilledText(state_.FilledCount));
}

void Main::Pic_MouseMove(QPointF at) {
    if (!state_.GameActive) {
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (!board::Hits(c, r, at)) {
                continue;
            }
            if (!board::IsClosedColour(pic_.Pixel(at))) {
                MoveCursor({c, r});
            }
            return;
        }
    }
}

void Main::MoveCursor(QPoint cell) {
    cursor_ = cell;
    PlaceTwips(shape1_, static_cast<int>(board::HitLeft(cell.x())) + 15,
               static_cast<int>(board::HitTop(cell.y())) + 15, board::HighlightSize,
               board::HighlightSize);
}
