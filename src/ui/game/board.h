#pragma once

#include <QPoint>
#include <QString>

class GameModel;
class QLabel;
class QWidget;
class Surface;

// The controls of the game window that the board procedures draw on and write to.
struct BoardControls {
    Surface* Pic = nullptr;   // the play board
    Surface* Pic2 = nullptr;  // the solution board
    QLabel* Label3 = nullptr;
    QLabel* InfoBalk = nullptr;
    QWidget* Shape1 = nullptr;
    QLabel* GetalLabel = nullptr;
};

// The text of the filled-cells counter, which reads on into the correct-numbers line below it.
QString FilledText(int filledCount);

// Draws the game on the board and offers the small procedures the game window shares.
class Board {
  public:
    // The controls are filled in by the window as it lays itself out.
    Board(GameModel& model, const BoardControls& controls);

    // The empty grid on both boards.
    void DrawGrid();
    // Shows the game just laid out, its givens on faces of their own and every other face empty,
    // and makes the board ready for play.
    void DrawPuzzle();
    // The solution board, drawn for the game on the board: it stays hidden until the player asks
    // for it, so it is drawn then, and not while a new game is laid out.
    Surface& SolutionBoard();
    // A cell of the solution holds another digit.
    void SolutionChanged() { solutionDrawn_ = false; }
    // Blinks the solution's digit in the first empty cell, three times.
    void ShowHint();
    void ShowInfo(const QString& text);

  private:
    GameModel& model_;
    const BoardControls& controls_;
    bool solutionDrawn_ = true;
};
