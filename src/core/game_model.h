#pragma once

#include "core/clock.h"
#include "core/game_start.h"
#include "core/givens.h"
#include "core/grid.h"
#include "core/settings.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <bitset>
#include <optional>
#include <vector>

// What a cell shows: its number, or the pencil marks of an empty cell, and the colour in which
// either was drawn.
struct CellContent {
    int digit = 0;
    std::bitset<10> marks;
    Rgb ink;
    bool operator==(const CellContent&) const = default;
};

// A cell changed by a move: what it showed before and after.
struct CellEdit {
    QPoint cell;
    CellContent before;
    CellContent after;
};
// One move of the player: the cells it changed, and the correct-numbers line as it read before
// the move and, once the move was taken back, after it.
struct GameMove {
    std::vector<CellEdit> edits;
    std::optional<int> shownBefore;
    std::optional<int> shownAfter;
};

// Everything of a game in progress that outlives the program: what a saved game holds.
struct GameRecord {
    Grid solution;
    PuzzleGivens givens;
    // Cell (c, r) is cells[CellBit(c, r)].
    std::array<CellContent, 81> cells{};
    int grid = 0;
    int symmetry = 0;
    QPoint cursor{1, 1};
    int selected = 0;
    std::optional<int> shownCorrect;
    // The clock's tenths, -1 before its first tick.
    long long clockTicks = -1;
    bool paused = false;
    std::vector<GameMove> history;
    std::size_t done = 0;
    GameStart start;
    HelpUsed help;
};

// The game in progress: the solution and the board, which cells are given, what the player put
// in the others, the keyboard's cell, the counters, the clock and the moves that can be taken
// back. It knows the rules of play and tells whoever listens what changed; it never draws, plays a
// sound or asks the player anything.
//
// Cells are addressed as QPoint(column, row), both 1..9.
class GameModel : public QObject {
    Q_OBJECT
  public:
    // A new game on the board: the solution and the cells it gives away. Everything the player
    // did before is gone, the number buttons are free again, the keyboard's cell is the top left
    // one and the correct-numbers line counts the new board. `start` says where the puzzle came
    // from and when the game began.
    void LayOut(const Grid& solution, const PuzzleGivens& givens, const GameStart& start = {});
    // The base grid and the symmetry a puzzle was made from, as the window names them.
    void SetOrigin(int grid, int symmetry);
    // The game as it stands at `now`, to be kept; a game in play only (not before the first
    // puzzle, nor once completed).
    std::optional<GameRecord> Record(Stopwatch::Clock::time_point now) const;
    // Takes up a kept game where it was left, the clock going on from its time (or standing, when
    // it was paused). The record must be sound: its numbers within their ranges, its givens those
    // of its solution and untouched by its moves.
    void TakeUp(const GameRecord& record, Stopwatch::Clock::time_point now);

    const Grid& SolutionGrid() const { return solution_; }
    const Grid& BoardGrid() const { return board_; }
    const CellSet& Givens() const { return puzzle_.cells; }
    bool IsGiven(QPoint cell) const { return puzzle_.cells[CellBit(cell.x(), cell.y())]; }
    // The givens with what reasoning made of the puzzle.
    const PuzzleGivens& Puzzle() const { return puzzle_; }
    CellContent Content(QPoint cell) const;
    int GridNumber() const { return grid_; }
    int Symmetry() const { return symmetry_; }
    const GameStart& Start() const { return start_; }

    // The player had help: counted in a game on the board until it is completed.
    void UseHelp(Help help);
    HelpUsed UsedHelp() const { return help_; }

    // A puzzle is on the board; before the first one the board takes no moves.
    bool GameActive() const { return active_; }
    // The board equalled a solution once and the player was congratulated.
    bool Completed() const { return completed_; }
    // Cells that hold a number, givens included.
    int FilledCount() const { return filled_; }
    // Cells that hold the number of the solution, givens included.
    int CorrectCount() const;
    // What the correct-numbers line shows: nothing before the first game.
    std::optional<int> ShownCorrectCount() const { return shownCorrect_; }
    // Every row, column and block holds each digit once.
    bool IsSolved() const;
    // The cells whose number stands once more in their row, column or block.
    CellSet Repeats() const;
    // The digits that no number in the cell's row, column or block rules out.
    std::bitset<10> Candidates(QPoint cell) const;

    // The number chosen with the number buttons; 0 for none.
    int SelectedNumber() const { return selected_; }
    void SelectNumber(int digit);

    // The keyboard's cell.
    QPoint Cursor() const { return cursor_; }
    void MoveCursor(QPoint cell);

    // The player's moves on open cells. A number goes only into an empty cell, and the number in
    // the cell is then judged, also when it was there already; Replace also puts it in the place
    // of another number of the player's. A number placed takes its digit from the marks of its
    // row, column and block, in the same move. Emptying takes a number or the marks away, then
    // recounts. A mark goes only on an empty cell, on or off. FillCandidates gives every empty
    // open cell its candidates as marks, in one move.
    void Place(QPoint cell, int digit, Rgb ink);
    void Replace(QPoint cell, int digit, Rgb ink);
    void Empty(QPoint cell);
    void ToggleMark(QPoint cell, int digit, Rgb ink);
    void FillCandidates(Rgb ink);

    // Judges the number in the cell and recounts; the first time the board is solved, the game
    // is completed: the clock stops and the time reached becomes the final time. A board solved
    // otherwise than the solution makes itself the solution.
    void CheckMove(QPoint cell);
    void ShowCorrectCount();

    // Takes the last move back, or does it again; a completed game keeps its board.
    void Undo();
    void Redo();
    bool CanUndo() const { return Playing() && done_ > 0; }
    bool CanRedo() const { return Playing() && done_ < history_.size(); }
    // The player has made moves in a game that is not yet completed, paused or not.
    bool HasMoves() const { return active_ && !completed_ && !history_.empty(); }

    // The stopwatch: started at zero for each new game, stopped at completion.
    void StartClock(Stopwatch::Clock::time_point now);
    // The tick count after a tick at `now`.
    long long Tick(Stopwatch::Clock::time_point now);
    bool ClockRunning() const { return clockRunning_; }
    long long ClockTicks() const { return stopwatch_.Ticks(); }
    // The clock's text when the game was completed.
    const QString& FinalTime() const { return finalTime_; }

    // The player's pause: the clock stands still and the board takes no moves until the game
    // goes on. Only a game in play pauses; a new game is not paused.
    void Pause(Stopwatch::Clock::time_point now);
    void Resume(Stopwatch::Clock::time_point now);
    bool Paused() const { return paused_; }
    bool CanPause() const { return Playing(); }
    // The clock also stands still while the game is out of sight, without pausing the game.
    void HoldClock(bool held, Stopwatch::Clock::time_point now);

  signals:
    // A new game stands on the board.
    void laidOut();
    void originChanged();
    // A cell of the board shows other content; the filled count may have changed with it.
    void cellChanged(QPoint cell);
    // A cell of the solution holds another digit.
    void solutionChanged(QPoint cell);
    void cursorMoved(QPoint cell);
    void selectedNumberChanged(int digit);
    // A placed number was judged against the solution.
    void moveJudged(QPoint cell, bool right);
    // The correct-numbers line shows another count (ShownCorrectCount).
    void correctCountShown();
    // The board is solved: the clock has stopped and the final time is known. Nothing of the
    // model runs after this signal, so a listener may even end the game.
    void completed();
    // Whether there is a move to take back or to do again may have changed.
    void historyChanged();
    // The game was paused or goes on.
    void pausedChanged();
    // The player had help of a kind not had before in this game.
    void helpUsed();

  private:
    using Move = GameMove;

    // A game on the board, not completed and not paused, takes moves.
    bool Playing() const { return active_ && !completed_ && !paused_; }
    // Puts a number in a cell, with the marks it strikes, as one move.
    void PlaceNumber(QPoint cell, int digit, Rgb ink);
    void Do(Move move);
    void Show(QPoint cell, const CellContent& content);
    // Puts the cursor on a cell and says so, also when it stood there: a move taken back or
    // taken up shows where it happened.
    void PutCursor(QPoint cell);
    void SetShownCorrectCount(std::optional<int> count);
    void SetPaused(bool paused, Stopwatch::Clock::time_point now);
    // Lets the stopwatch run or stand as the pause and the hold say.
    void SteerClock(Stopwatch::Clock::time_point now);

    Grid solution_;
    Grid board_;
    PuzzleGivens puzzle_;
    std::array<std::array<std::bitset<10>, 10>, 10> marks_{};
    std::array<std::array<Rgb, 10>, 10> inks_{};
    int grid_ = 0;
    int symmetry_ = 0;
    bool active_ = false;
    bool completed_ = false;
    int filled_ = 0;
    std::optional<int> shownCorrect_;
    int selected_ = 0;
    QPoint cursor_{1, 1};
    std::vector<Move> history_;
    std::size_t done_ = 0;
    Stopwatch stopwatch_;
    bool clockRunning_ = false;
    bool paused_ = false;
    bool clockHeld_ = false;
    QString finalTime_;
    GameStart start_;
    HelpUsed help_;
};
