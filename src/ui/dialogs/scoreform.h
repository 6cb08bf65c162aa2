#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class Controls;
class PictureButton;
class QLabel;
class QListWidget;
class ScoreList;

// The score list: shows the entries fastest first, deletes them and prints them as a numbered
// list. Deletions go into the game's score list at once.
class Scoreform : public QDialog {
    Q_OBJECT
  public:
    Scoreform(ScoreList& scores, QWidget* parent = nullptr);
    ~Scoreform() override;

    void DelKnop_Click();
    void PrintKnop_Click();
    void ExitKnop_Click();

    // "3 namen in de lijst" when the dialog opens, "3 namen in lijst" after a deletion.
    static QString CountText(int count, bool afterDeletion);

  private:
    void Form_Load();
    void PrintScoreList();

    ScoreList& scores_;
    std::unique_ptr<Controls> controls_;
    QListWidget* list1_ = nullptr;
    QLabel* label1_ = nullptr;
    PictureButton* exitKnop_ = nullptr;
};
