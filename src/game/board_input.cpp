// Choosing a number and placing it on the board with the mouse.
#include "engine/board_geometry.h"
#include "engine/board_painter.h"
#include "game/main_window.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"

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

void Main::Pic_MouseDown(int button, QPointF at) {
    if (!state_.GameActive) {
        return;
    }
    if (state_.SelectedNumber == 0) {
        const QPointer<Main> self(this);
        MessageBox(this, QStringLiteral("Selecteer rechts een getal van 1..9"));
        if (!self) {
            return;
        }
        for (int n = 1; n <= 9; ++n) {
            getalKnop_[n]->SetPicture(Plaatjes::Knop(n, true));
            if (!Pause(0.05, getalKnop_[n])) {
                return;
            }
            getalKnop_[n]->SetPicture(Plaatjes::Knop(n, false));
        }
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (!board::Hits(c, r, at)) {
                continue;
            }
            if (board::IsClosedColour(pic_.Pixel(at))) {
                return;
            }
            if (button == 1) {
                if (state_.BoardGrid(c, r) == 0) {
                    const Rgb& colour = state_.DigitColour;
                    board::DrawDigit(pic_, c, r, state_.SelectedNumber,
                                     QColor(colour.red, colour.green, colour.blue));
                    state_.BoardGrid(c, r) = static_cast<std::uint8_t>(state_.SelectedNumber);
                    ++state_.FilledCount;
                    label3_->setText(FilledText(state_.FilledCount));
                }
                CheckMove(c, r);
                return;
            }
            if (button == 2) {
                if (state_.BoardGrid(c, r) != 0) {
                    board::PaintFace(pic_, c, r, board::EmptyFace);
                    --state_.FilledCount;
                    label3_->setText(FilledText(state_.FilledCount));
                    state_.BoardGrid(c, r) = 0;
                }
                ShowCorrectCount();
            }
            return;
        }
    }
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
                PlaceTwips(shape1_, static_cast<int>(board::HitLeft(c)) + 15,
                           static_cast<int>(board::HitTop(r)) + 15, board::HighlightSize,
                           board::HighlightSize);
            }
            return;
        }
    }
}
