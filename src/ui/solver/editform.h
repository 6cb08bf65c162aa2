#pragma once

#include "solver/solver_engine.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class Controls;
class QLineEdit;
class QPushButton;

// The solver window: the user types a puzzle into 81 cells, each digit checked against its box,
// row and column, and has it solved by the logic solver; the digits found are shown in colours
// of their own, and a full grid can be saved as a puzzle file for the game.
class Editform : public QDialog {
    Q_OBJECT
  public:
    explicit Editform(QWidget* parent = nullptr);
    ~Editform() override;

    // Colours are numbers red + 256 x green + 65536 x blue.
    static constexpr std::uint32_t DefaultSeedBackColour = 16777215;  // white
    static constexpr std::uint32_t DefaultSeedTextColour = 255;       // red
    static constexpr std::uint32_t DefaultSolvedBackColour = 16777215;
    static constexpr std::uint32_t DefaultSolvedTextColour = 16711680;  // blue

    // Cell n, 1..81, numbered box by box.
    QLineEdit* Cell(int n) const { return txtCELL_[n]; }
    const solver::SolverEngine& Engine() const { return engine_; }
    // The puzzle as typed when "Oplossen" was last pressed, "0" for an empty cell.
    const QString& PuzzleBackup() const { return puzzleBackup_; }

    std::uint32_t SeedBackColour() const { return seedBackColour_; }
    std::uint32_t SeedTextColour() const { return seedTextColour_; }
    std::uint32_t SolvedBackColour() const { return solvedBackColour_; }
    std::uint32_t SolvedTextColour() const { return solvedTextColour_; }

    // The handlers of the window's controls.
    void txtCELL_Change(int n);
    // True when the key moved the focus to another cell.
    bool txtCELL_KeyDown(int n, int key);
    void txtCELL_GotFocus(int n);
    void cmdSOLVE_Click();
    void cmdCLEAR_Click();
    void cmdEXIT_Click();
    void SaveKnop_Click();

    // Every way of closing the window ends here.
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();

    void LoadColours();
    void SaveColours();
    void ClearCell(int n);
    void LoadCells(const QString& puzzle);
    void ShowSolution(std::uint32_t backColour, std::uint32_t textColour);
    void SetCellColours(int n, std::uint32_t backColour, std::uint32_t textColour);
    void SetCellTextColour(int n, std::uint32_t textColour);

    std::unique_ptr<Controls> controls_;
    std::array<QLineEdit*, solver::CellCount + 1> txtCELL_{};
    QPushButton* cmdSOLVE_ = nullptr;
    QPushButton* cmdCLEAR_ = nullptr;

    solver::SolverEngine engine_;
    QString puzzleBackup_;
    std::uint32_t seedBackColour_ = DefaultSeedBackColour;
    std::uint32_t seedTextColour_ = DefaultSeedTextColour;
    std::uint32_t solvedBackColour_ = DefaultSolvedBackColour;
    std::uint32_t solvedTextColour_ = DefaultSolvedTextColour;
};
