// Choosing a number and placing it on the board, with the mouse or the keyboard.
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

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
    model_.SelectNumber(index);
}

bool Main::NumberChosen() {
    if (model_.SelectedNumber() != 0) {
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
    if (!model_.GameActive() || !NumberChosen()) {
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (board::Hits(c, r, at)) {
                ClickCell(button, {c, r}, at, model_.SelectedNumber());
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
    const Rgb& ink = settings_.DigitColour;
    switch (button) {
        case 1:
            model_.Place(cell, digit, ink);
            break;
        case 2:
            model_.Empty(cell);
            break;
        case 4: {
            const QColor marks = board::MarkColour(QColor(ink.red, ink.green, ink.blue));
            model_.ToggleMark(cell, digit, {marks.red(), marks.green(), marks.blue()});
            break;
        }
        default:
            break;
    }
}

void Main::Pic_MouseMove(QPointF at) {
    if (!model_.GameActive()) {
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (!board::Hits(c, r, at)) {
                continue;
            }
            if (!board::IsClosedColour(pic_.Pixel(at))) {
                model_.MoveCursor({c, r});
            }
            return;
        }
    }
}
