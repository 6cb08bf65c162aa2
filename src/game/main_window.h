#pragma once

#include "dialogs/score_list.h"
#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "game/clock.h"
#include "platform/surface.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

class ClickLabel;
class Controls;
class PictureButton;
class QAction;
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
    // Writes Sudoku.ini and Scorelijst.lst into the data folder.
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

  private:
    void Form_Load();
    void BuildMenus();
    void ToggleSolution();
    void LoadPuzzle();
    void ExportWebPage();
    void PrintPuzzleDialog();
    void ShowHelp(const QString& fragment, const QString& key);
    void LoadSettings();
    void LoadScoreList();
    void SaveScoreList();

    // Where number button i (1..9) rests.
    static int GetalKnopTop(int i);
    static constexpr int GetalKnopLeft = 180;

    GameState state_;
    ScoreList scores_;
    // The entries as Scorelijst.lst holds them, last read or written: a list that the run leaves
    // as it was leaves the file alone, with its bytes in whichever form they were written.
    QStringList scoresOnDisk_;
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
};
