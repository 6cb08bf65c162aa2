// Choosing a number and placing it on the board, with the mouse or the keyboard.
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include <QPointer>
#include <QTimer>

#include <optional>

namespace {

// The colour of the pencil marks of a player who writes numbers in `digits`.
Rgb MarkInk(const Rgb& digits) {
    const QColor marks = board::MarkColour(QColor(digits.red, digits.green, digits.blue));
    return {marks.red(), marks.green(), marks.blue()};
}

}  // namespace

void Main::GetalKnop_Click(int index) {
    model_.SelectNumber(0);
    PictureButton* button = getalKnop_[index];
    PlaceTwips(button, GetalKnopLeft + 15, GetalKnopTop(index) + 15, 480, 480);
    if (!Pause(0.2, button)) {
        return;
    }
    PlaceTwips(button, GetalKnopLeft, GetalKnopTop(index), 480, 480);
    model_.SelectNumber(index);
}

void Main::TypeNumber(int digit) {
    // The button shows the press, without holding up the keys that follow.
    PictureButton* button = getalKnop_[digit];
    PlaceTwips(button, GetalKnopLeft + 15, GetalKnopTop(digit) + 15, 480, 480);
    QTimer::singleShot(200, button, [button, digit] {
        PlaceTwips(button, GetalKnopLeft, GetalKnopTop(digit), 480, 480);
    });
    model_.SelectNumber(digit);
    const QPoint cursor = model_.Cursor();
    if (model_.BoardGrid()(cursor.x(), cursor.y()) == 0) {
        ActOnCell(CellAction::Place, cursor, board::FaceCorner(cursor.x(), cursor.y()), digit);
    }
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
        getalKnop_[n]->SetPicture(Plaatjes::Knop(n, true, PictureZoom()));
        if (!Pause(0.05, getalKnop_[n])) {
            return false;
        }
        // A number typed meanwhile stays chosen.
        getalKnop_[n]->SetPicture(Plaatjes::Knop(n, n == model_.SelectedNumber(), PictureZoom()));
    }
    return false;
}

void Main::Pic_MouseDown(int button, QPointF at) {
    if (!model_.GameActive() || !NumberChosen()) {
        return;
    }
    // The left button places, the right one empties, the middle one marks.
    std::optional<CellAction> action;
    switch (button) {
        case 1:
            action = CellAction::Place;
            break;
        case 2:
            action = CellAction::Empty;
            break;
        case 4:
            action = CellAction::Mark;
            break;
        default:
            break;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (board::Hits(c, r, at)) {
                if (action) {
                    ActOnCell(*action, {c, r}, at, model_.SelectedNumber());
                }
                return;
            }
        }
    }
}

void Main::ActOnCell(CellAction action, QPoint cell, QPointF at, int digit) {
    // Givens and grid lines are recognised by their colour.
    if (board::IsClosedColour(pic_.Pixel(at))) {
        return;
    }
    const Rgb& ink = settings_.DigitColour;
    switch (action) {
        case CellAction::Place:
            model_.Place(cell, digit, ink);
            break;
        case CellAction::Replace:
            model_.Replace(cell, digit, ink);
            break;
        case CellAction::Empty:
            model_.Empty(cell);
            break;
        case CellAction::Mark:
            model_.ToggleMark(cell, digit, MarkInk(ink));
            break;
    }
}

void Main::EditOngedaan_Click() {
    model_.Undo();
}

void Main::EditOpnieuw_Click() {
    model_.Redo();
}

void Main::EditKandidaten_Click() {
    model_.FillCandidates(MarkInk(settings_.DigitColour));
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
