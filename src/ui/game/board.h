#pragma once

#include "core/game_state.h"

#include <QString>

#include <array>
#include <functional>

class PictureButton;
class QLabel;
class QWidget;
class Random;
class Surface;

// The controls of the game window that the board procedures draw on and write to.
struct BoardControls {
    Surface* Pic = nullptr;   // the play board
    Surface* Pic2 = nullptr;  // the solution board
    QLabel* Label3 = nullptr;
    QLabel* InfoBalk = nullptr;
    QWidget* Shape1 = nullptr;
    QLabel* GetalLabel = nullptr;
    std::array<PictureButton*, 10> GetalKnop{};  // 1..9
    // Told when a new puzzle stands on the board.
    std::function<void()> PuzzleLaidOut;
};

// The text of the filled-cells counter, which reads on into the correct-numbers line below it.
QString FilledText(int filledCount);

// Lays games out on the board and offers the small procedures the game window shares.
class Board {
  public:
    // The controls are filled in by the window as it lays itself out.
    Board(GameState& state, const BoardControls& controls, Random& random);

    // The empty grid on both boards.
    void DrawGrid();
    // Every face white on both boards.
    void ClearBoard();
    // Chooses the givens of the solution that both grids hold, shows them, empties every other
    // cell of BoardGrid, draws the whole solution on the solution board and makes the game active.
    void DrawPuzzle();
    void ResetNumberButtons();
    // The board is complete and every row, column and block holds each digit once. The givens
    // cannot change, so a board with a single solution is solved exactly when it equals
    // SolutionGrid.
    bool IsSolved() const;
    // Makes the board, solved otherwise than SolutionGrid, the solution: in SolutionGrid and on
    // the solution board.
    void TakeBoardAsSolution();
    // Blinks the solution's digit in the first empty cell, three times.
    void ShowHint();
    void ShowInfo(const QString& text);

  private:
    bool IsGiven(int c, int r);

    GameState& state_;
    const BoardControls& controls_;
    Random& random_;
};
