#pragma once

#include "core/clock.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/score_list.h"
#include "platform/surface.h"
#include "ui/game/board.h"
#include "ui/game/user_files.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>

#include <array>
#include <bitset>
#include <memory>

class ClickLabel;
class Controls;
class PictureButton;
class QAction;
class QKeyEvent;
class QLabel;
class QTextBrowser;

// The game window: it owns the game state and the score list, lays out the board, the number
// buttons, the command column, the clock and the counters, and carries the menus.
class Main : public QMainWindow {
    Q_OBJECT
  public:
    Main();
    ~Main() override;

    GameState& State() { return state_; }
    ScoreList& Scores() { return scores_; }
    UserFiles& Files() { return files_; }
    Board& GameBoard() { return board_; }
    Surface& PicSurface() { return pic_; }
    Surface& Pic2Surface() { return pic2_; }
    // Command i (1..5) of the command column; command 4 is "Oplossing".
    ClickLabel* Knoptext(int i) { return knoptext_[i]; }

    // Restarts the stopwatch from zero.
    void StartKlok();
    // A new game from one of the base grids under one of the symmetries.
    void GeneratePuzzle();
    // Judges the number in cell (column, row) after a left click, and completes the game when the
    // board is solved.
    void CheckMove(int column, int row);
    void ShowCorrectCount();
    // Writes what changed in the settings and the scores and is not written yet.
    void SaveFiles();

    // The handlers of the window's controls.
    void GetalKnop_Click(int index);
    void Pic_MouseDown(int button, QPointF at);
    void Pic_MouseMove(QPointF at);
    void Knoptext_Click(int index);
    void StopWatch_Timer();
    void FileNieuw_Click();
    void FileExit_Click();
    void HelpInleiding_Click();
    void HelpUitleg_Click();
    void HelpSoftware_Click();
    void Save_Click(int index);
    void EditOplosser_Click();
    void Puntenlijst_Click();
    void ToolsGonfig_Click();
    void ToolsPatroonOntwerpen_Click();

    // Where command i of the command column rests.
    static int KnoptextTop(int i);
    static constexpr int KnoptextLeft = 900;
    static constexpr int KnoptextWidth = 1500;
    static constexpr int KnoptextHeight = 300;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The board's keys, whichever control of the window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What an open cell shows: its number in the colour it was drawn in, or the pencil marks of
    // an empty cell in theirs.
    struct CellContent {
        int digit = 0;
        std::bitset<10> marks;
        QColor ink;
    };
    class CellChange;

    void Form_Load();
    void BuildMenus();
    void ToggleSolution();
    void LoadPuzzle();
    void ExportWebPage();
    void PrintPuzzleDialog();
    void ShowHelp(const QString& fragment, const QString& key);

    // Whether a number is chosen; when none is, the player is asked for one.
    bool NumberChosen();
    // A click with mouse button 1, 2 or 4 at a point of a cell, with the number to place or mark.
    void ClickCell(int button, QPoint cell, QPointF at, int digit);
    void PlaceNumber(QPoint cell, int digit);
    void EmptyCell(QPoint cell);
    void ToggleMark(QPoint cell, int digit);
    void MoveCursor(QPoint cell);
    CellContent Content(QPoint cell) const;
    // Draws the content in the cell and keeps BoardGrid, FilledCount and Label3 with it.
    void ShowContent(QPoint cell, const CellContent& content);
    // A change of a cell that can be taken back.
    void ChangeCell(QPoint cell, const CellContent& content);
    void StartHistory();
    void Undo();
    void Redo();
    // Acts on one of the board's keys; false for any other key.
    bool BoardKey(const QKeyEvent& key);

    // Where number button i (1..9) rests.
    static int GetalKnopTop(int i);
    static constexpr int GetalKnopLeft = 180;

    GameState state_;
    ScoreList scores_;
    UserFiles files_;
    Random random_;
    Stopwatch stopwatch_;
    Surface pic_;
    Surface pic2_;
    std::unique_ptr<Controls> controls_;
    SurfaceView* picView_ = nullptr;
    SurfaceView* pic2View_ = nullptr;
    QWidget* shape1_ = nullptr;
    QLabel* getalLabel_ = nullptr;
    QTextBrowser* webBrowser_ = nullptr;
    QLabel* label2_ = nullptr;  // the clock
    QLabel* label3_ = nullptr;  // filled cells
    QLabel* label4_ = nullptr;  // correct numbers
    QLabel* label5_ = nullptr;  // grid and symmetry of the puzzle
    std::array<PictureButton*, 10> getalKnop_{};
    std::array<QLabel*, 6> img_{};
    std::array<ClickLabel*, 6> knoptext_{};
    QTimer stopWatch_;
    BoardControls boardControls_;
    Board board_;
    // The keyboard's cell, the pencil marks and colours of the cells, and the moves of this game.
    QPoint cursor_{1, 1};
    std::array<std::array<std::bitset<10>, 10>, 10> marks_{};
    std::array<std::array<QColor, 10>, 10> inks_{};
    QUndoStack history_;
};
