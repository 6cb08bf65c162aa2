// Playing from the keyboard: a cursor on the board and keys for the number buttons and the mouse.
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include "platform/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTextBrowser>

#include <algorithm>

namespace {

enum class KeyAction { None, Choose, Place, Empty, Mark, Move };

struct KeyMeaning {
    KeyAction action = KeyAction::None;
    int digit = 0;
    QPoint step;
};

// 1..9 choose a number and place it in an empty cell, with Ctrl they mark it; Space or Return
// place the chosen number, also over another of the player's, Delete or Backspace empty the cell;
// the arrows move the cursor. The keypad's keys count as the main keys. Undo, redo and the other
// commands have their keys on the menus.
KeyMeaning Meaning(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key();
    const bool digit = code >= Qt::Key_1 && code <= Qt::Key_9;
    if (modifiers == Qt::NoModifier) {
        if (digit) {
            return {KeyAction::Choose, code - Qt::Key_0, {}};
        }
        if (const std::optional<QPoint> step = ArrowStep(code)) {
            return {KeyAction::Move, 0, *step};
        }
        switch (code) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return {KeyAction::Place, 0, {}};
            case Qt::Key_Delete:
            case Qt::Key_Backspace:
                return {KeyAction::Empty, 0, {}};
            default:
                return {};
        }
    }
    if (modifiers == Qt::ControlModifier && digit) {
        return {KeyAction::Mark, code - Qt::Key_0, {}};
    }
    return {};
}

}  // namespace

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Keys for the other windows, for the menus and for the help page are theirs.
        auto* control = qobject_cast<QWidget*>(watched);
        const QWidget* focus = QApplication::focusWidget();
        const bool menus = focus == menuBar() || menuBar()->isAncestorOf(focus) ||
                           QApplication::activePopupWidget();
        const bool help =
            webBrowser_ && (control == webBrowser_ || webBrowser_->isAncestorOf(control));
        // A button with the focus is pressed with Space or Return.
        const int code = static_cast<QKeyEvent*>(event)->key();
        const bool press =
            (qobject_cast<const QAbstractButton*>(focus) ||
             qobject_cast<const ClickLabel*>(focus)) &&
            (code == Qt::Key_Space || code == Qt::Key_Return || code == Qt::Key_Enter);
        if (control && control->window() == this && !menus && !help && !press) {
            return BoardKey(*static_cast<QKeyEvent*>(event));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Main::BoardKey(const QKeyEvent& key) {
    const KeyMeaning meaning = Meaning(key);
    if (meaning.action == KeyAction::None) {
        return false;
    }
    // Before the first puzzle, while the game is paused and while the solution or the help page
    // shows, the keys do nothing; held down, only the arrows repeat.
    const bool help = webBrowser_ && webBrowser_->isVisible();
    if (!model_.GameActive() || model_.Paused() || !picView_->isVisible() || help ||
        (key.isAutoRepeat() && meaning.action != KeyAction::Move)) {
        return true;
    }
    const QPoint cursor = model_.Cursor();
    const QPointF corner = board::FaceCorner(cursor.x(), cursor.y());
    switch (meaning.action) {
        case KeyAction::Choose:
            TypeNumber(meaning.digit);
            break;
        case KeyAction::Place:
            if (NumberChosen()) {
                ActOnCell(CellAction::Replace, cursor, corner, model_.SelectedNumber());
            }
            break;
        case KeyAction::Empty:
            if (NumberChosen()) {
                ActOnCell(CellAction::Empty, cursor, corner, model_.SelectedNumber());
            }
            break;
        case KeyAction::Mark:
            ActOnCell(CellAction::Mark, cursor, corner, meaning.digit);
            break;
        default:
            model_.MoveCursor({std::clamp(cursor.x() + meaning.step.x(), 1, 9),
                               std::clamp(cursor.y() + meaning.step.y(), 1, 9)});
            break;
    }
    return true;
}
