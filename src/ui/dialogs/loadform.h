#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class Controls;
class Main;
class QLabel;
class QListWidget;

// The load dialog: lists the puzzle files and makes the chosen file's grid the solution of a new
// game on the game window, whose givens the game then chooses by its settings.
class Loadform : public QDialog {
    Q_OBJECT
  public:
    explicit Loadform(Main& main);
    ~Loadform() override;

    void File1_Click();
    void OkKnop_Click();
    void CancelKnop_Click();

    // The file name (with ".puz") last chosen in the list; empty until a name is chosen.
    const QString& SelectedPuzzle() const { return selectedPuzzle_; }

  private:
    void Form_Load();
    // Starts the game of the chosen file; a file that cannot be read whole or holds no valid
    // grid leaves the game as it was.
    bool LoadSelectedPuzzle();

    Main& main_;
    std::unique_ptr<Controls> controls_;
    QListWidget* file1_ = nullptr;
    QLabel* label2_ = nullptr;
    QString selectedPuzzle_;
};
