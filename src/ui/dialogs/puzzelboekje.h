#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The booklet dialog: how many new puzzles, how hard and how many to a page; then the puzzles are
// made and printed, or saved as a PDF file when there is no printer, as sudoku-make --pdf lays
// them out.
class Puzzelboekje : public QDialog {
    Q_OBJECT
  public:
    Puzzelboekje(int difficulty, QWidget* parent);

    void Afdrukken_Click();

  private:
    QSpinBox* count_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* perPage_ = nullptr;
    QLabel* progress_ = nullptr;
    QPushButton* print_ = nullptr;
    bool cancelled_ = false;
};
