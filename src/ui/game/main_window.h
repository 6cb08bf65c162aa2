#pragma once

#include "core/game_model.h"
#include "core/random.h"
#include "core/score_list.h"
#include "core/settings.h"
#include "core/step_advice.h"
#include "platform/surface.h"
#include "ui/game/board.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

class BoardOverlay;
class ClickLabel;
class Controls;
class PictureButton;
class QAction;
class QKeyEvent;
class QLabel;
class QTextBrowser;

// The game window: it owns the game in progress, the settings and the score list, lays out the
// board, the number buttons, the command column, the clock and the counters, and carries the
// menus. It turns clicks and keys into moves of the game and draws what the game says changed.
class Main : public QMainWindow {
    Q_OBJECT
  public:
    Main();
    ~Main() override;

    GameModel& Model() { return model_; }
    GameSettings& Settings() { return settings_; }
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
    // A new game of this solution: its givens chosen, drawn, and the clock started.
    void LayOutPuzzle(const Grid& solution);
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
    // Marks the next step a person can take on the board and explains it in the info line.
    void HelpVolgendeStap_Click();
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

    // Whether a number is chosen; when none is, the player is asked for one.
    bool NumberChosen();
    // A click with mouse button 1, 2 or 4 at a point of a cell, with the number to place or mark.
    void ClickCell(int button, QPoint cell, QPointF at, int digit);
    // Draws what the game says changed.
    void ConnectModel();
    void ShowCell(QPoint cell);
    // How hard the new puzzle is, and whether it has more than one solution.
    void ShowLevel();
    void ShowCursor(QPoint cell);
    void ShowShownCorrectCount();
    void JudgeAloud(bool right);
    void Complete();
    // Takes the marks of the next step away, once the player moves on.
    void ForgetAdvice();
    // Acts on one of the board's keys; false for any other key.
    bool BoardKey(const QKeyEvent& key);

    // Where number button i (1..9) rests.
    static int GetalKnopTop(int i);
    static constexpr int GetalKnopLeft = 180;

    GameSettings settings_;
    GameModel model_;
    ScoreList scores_;
    // The entries as Scorelijst.lst holds them, last read or written: a list that the run leaves
    // as it was leaves the file alone, with its bytes in whichever form they were written.
    QStringList scoresOnDisk_;
    Random random_;
    Surface pic_;
    Surface pic2_;
    std::unique_ptr<Controls> controls_;
    SurfaceView* picView_ = nullptr;
    SurfaceView* pic2View_ = nullptr;
    QWidget* shape1_ = nullptr;
    BoardOverlay* stepMarks_ = nullptr;
    StepAdvice advice_;
    std::size_t advicePart_ = 0;
    QLabel* getalLabel_ = nullptr;
    QTextBrowser* webBrowser_ = nullptr;
    QLabel* label2_ = nullptr;  // the clock
    QLabel* label3_ = nullptr;  // filled cells
    QLabel* label4_ = nullptr;  // correct numbers
    QLabel* label5_ = nullptr;  // grid and symmetry of the puzzle
    QLabel* niveau_ = nullptr;  // how hard the puzzle is, beside the menus
    std::array<PictureButton*, 10> getalKnop_{};
    std::array<QLabel*, 6> img_{};
    std::array<ClickLabel*, 6> knoptext_{};
    QTimer stopWatch_;
    BoardControls boardControls_;
    Board board_;
};
