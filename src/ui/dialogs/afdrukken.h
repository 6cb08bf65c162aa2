#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <memory>

class Controls;
class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class Surface;

// The date and time as the printed puzzle's footer shows them: the short date, " / " and the
// time with its seconds, as the desktop writes them.
QString FooterDateTime(const QDateTime& at);

// Prints the board on one page, at 10 x 10 or 15 x 15 cm, under the program's banner and with a
// soft shadow, optionally with lines to fill in and a footer; a small preview shows the page.
class Afdrukken : public QDialog {
    Q_OBJECT
  public:
    // `board` is the game's board picture: the preview copies it now, the printout takes it as it
    // is when it is printed.
    Afdrukken(const Surface& board, QWidget* parent = nullptr);
    ~Afdrukken() override;

    void VScroll1_Change();
    void Check1_Click();
    void OkKnop_Click();
    void ExitKnop_Click();

    // The board's size on paper in twips for the size bar's value: 10 or 15 cm.
    static int BoardSize(int sizeValue);

  private:
    void Form_Load();
    void PrintPuzzle();

    const Surface& board_;
    std::unique_ptr<Controls> controls_;
    QScrollBar* vScroll1_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* pic3_ = nullptr;
    QWidget* line1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    bool printing_ = false;
};
