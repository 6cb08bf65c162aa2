#pragma once

#include "core/daily_puzzle.h"
#include "core/game_model.h"
#include "core/puzzle_maker.h"
#include "core/random.h"
#include "core/score_list.h"
#include "core/settings.h"
#include "core/spoken.h"
#include "core/step_advice.h"
#include "platform/board_overlay.h"
#include "platform/surface.h"
#include "ui/game/board.h"
#include "ui/game/game_statistics.h"
#include "ui/game/user_files.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

class BackgroundWriter;
class ClickLabel;
class Controls;
class PictureButton;
class QAction;
class QKeyEvent;
class QLabel;
class QTextBrowser;
class ZoomStage;

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
    UserFiles& Files() { return files_; }
    Board& GameBoard() { return board_; }
    const PuzzleMaker& Puzzles() const { return maker_; }
    Surface& PicSurface() { return pic_; }
    Surface& Pic2Surface() { return board_.SolutionBoard(); }
    // Command i (1..5) of the command column; command 4 is "Oplossing".
    ClickLabel* Knoptext(int i) { return knoptext_[i]; }

    // Restarts the stopwatch from zero.
    void StartKlok();
    // A new game from one of the base grids under one of the symmetries. Where the givens take
    // many tries, the puzzle made ahead is laid out, or, while it is still being made, the info
    // line shows the search and the game follows once it is found.
    void GeneratePuzzle();
    // A new game of this solution: its givens chosen, drawn, and the clock started; where they
    // take many tries, once they are found. A solution not brought in from a file says where it
    // came from.
    void LayOutPuzzle(const Grid& solution, PuzzleSource source = PuzzleSource::Loaded);
    // Writes what changed in the settings, the scores and the statistics and is not written yet.
    void SaveFiles();

    // The handlers of the window's controls.
    void GetalKnop_Click(int index);
    void Pic_MouseDown(int button, QPointF at);
    void Pic_MouseMove(QPointF at);
    void Knoptext_Click(int index);
    void StopWatch_Timer();
    void FileNieuw_Click();
    // The puzzle of the day, made while the window goes on.
    void FilePuzzelVanDeDag_Click();
    void FileExit_Click();
    void HelpInleiding_Click();
    void HelpUitleg_Click();
    void HelpSoftware_Click();
    // Marks the next step a person can take on the board and explains it in the info line.
    void HelpVolgendeStap_Click();
    void Save_Click(int index);
    void EditOplosser_Click();
    void Puntenlijst_Click();
    void PuntenStatistiek_Click();
    // New puzzles by the dozen, printed as a booklet.
    void FilePuzzelboekje_Click();
    void ToolsGonfig_Click();
    void ToolsPatroonOntwerpen_Click();
    void FilePauze_Click();
    void EditOngedaan_Click();
    void EditOpnieuw_Click();
    void EditKandidaten_Click();
    void BeeldGroter_Click();
    void BeeldKleiner_Click();
    void BeeldWareGrootte_Click();

    // Where command i of the command column rests.
    static int KnoptextTop(int i);
    static constexpr int KnoptextLeft = 900;
    static constexpr int KnoptextWidth = 1500;
    static constexpr int KnoptextHeight = 300;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The board's keys, whichever control of the window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The clock stands still while the window is minimized.
    void changeEvent(QEvent* event) override;
    // The window's size and place are kept for the next run.
    void hideEvent(QHideEvent* event) override;

  private:
    void Form_Load();
    void BuildMenus();
    void ToggleSolution();
    void LoadPuzzle();
    void ExportWebPage();
    void PrintPuzzleDialog();
    void ShowHelp(const QString& fragment, const QString& key);

    // What a click or a key does to a cell.
    enum class CellAction { Place, Replace, Empty, Mark };
    // Whether a number is chosen; when none is, the player is asked for one.
    bool NumberChosen();
    // Acts on an open cell; the point of the cell tells an open cell by its colour.
    void ActOnCell(CellAction action, QPoint cell, QPointF at, int digit);
    // A number typed: chosen at once, and placed in the keyboard's cell when that is empty.
    void TypeNumber(int digit);
    // Draws what the game says changed.
    void ConnectModel();
    void ShowCell(QPoint cell);
    // How hard the new puzzle is, and whether it has more than one solution.
    void ShowLevel();
    void ShowCursor(QPoint cell);
    void ShowShownCorrectCount();
    void ShowNumberButtons();
    void ShowCommands();
    // The solution board, when the player has it in view, follows the game on the board.
    void ShowSolutionIfShown();
    void ShowPause();
    // The pause cover's words, as large as the window is.
    void ShowPauseText();
    // The repeated numbers and the cells of the chosen number, over the board on the screen.
    void PaintOverBoard(QPainter& painter, const QImage& picture);
    void JudgeAloud(bool right);
    void Complete();
    // The game in progress, kept after every move and taken up at the start.
    void TakeUpKeptGame();
    void KeepGame();
    // Keeps the game and waits until it is on the disk.
    void KeepGameNow();
    void ConnectPuzzleMaker();
    // The settings changed or a puzzle was laid out: the next new puzzle is made ahead for the
    // settings as they are, where its givens take many tries, or the one awaited follows them.
    void PreparePuzzle();
    // Lays out the puzzle asked for as soon as it is made.
    void AwaitPuzzle();
    void LayOutMadePuzzle();
    void ShowPuzzleSearch();
    // Whether the game on the board may go: it has no moves, or the player says so.
    bool MayLeaveGame();
    void ConnectDailyPuzzle();
    void LayOutDailyPuzzle(const MadePuzzle& made);
    void ShowDailySearch();
    // Takes the marks of the next step away, once the player moves on.
    void ForgetAdvice();
    // The marks of the next step over the board: cells, units, struck candidates and links.
    void PaintStep(QPainter& painter);
    // Acts on one of the board's keys; false for any other key.
    bool BoardKey(const QKeyEvent& key);
    // The window at a scale of its original size, within the screen.
    void ZoomTo(double zoom);
    // The board as a table for a screen reader, the commands as buttons, the order of Tab.
    void MakeAccessible();
    // Where a cell is on either board, in the board's own coordinates.
    QRect CellPlace(QPoint cell) const;
    // Said aloud by a screen reader, if one listens.
    void Speak(const QString& text);
    void SpeakUnit(SpokenUnit unit);
    void SpeakCandidates();
    void SpeakTime();
    // What a screen reader is told of the clock, at most once a second.
    void ShowClockAloud(long long ticks);
    // The zoom at which the window's pictures are drawn.
    double PictureZoom() const;
    void ShowPictures();
    void RestoreWindowPlace();

    // Where number button i (1..9) rests.
    static int GetalKnopTop(int i);
    static constexpr int GetalKnopLeft = 180;

    GameSettings settings_;
    GameModel model_;
    ScoreList scores_;
    UserFiles files_;
    GameStatistics statistics_{model_, files_};
    Random random_;
    PuzzleMaker maker_{random_};
    // The player asked for a puzzle that is still being made; meanwhile the info line tells.
    bool awaitingPuzzle_ = false;
    QTimer puzzleSearch_;
    DailyPuzzleMaker daily_;
    QTimer dailySearch_;
    Surface pic_;
    Surface pic2_;
    std::unique_ptr<Controls> controls_;
    QWidget* client_ = nullptr;  // everything below the menus, at the original size
    ZoomStage* stage_ = nullptr;
    SurfaceView* picView_ = nullptr;
    SurfaceView* pic2View_ = nullptr;
    ClickLabel* pauseCover_ = nullptr;
    QWidget* shape1_ = nullptr;
    // The marks of the next step, shown over the board.
    std::vector<OverlayMark> stepMarks_;
    StepAdvice advice_;
    std::size_t advicePart_ = 0;
    // The candidates that the advice shown on this puzzle struck, on which the next builds.
    logic::StruckCandidates struck_{};
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
    QAction* pauze_ = nullptr;
    QAction* ongedaan_ = nullptr;
    QAction* opnieuw_ = nullptr;
    QAction* kandidaten_ = nullptr;
    QTimer stopWatch_;
    std::unique_ptr<BackgroundWriter> keptGame_;
    QTimer keepTimer_;
    // The clock's time when the game was last kept.
    long long keptTicks_ = 0;
    BoardControls boardControls_;
    Board board_;
};
