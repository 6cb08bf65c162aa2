// Taking moves back and doing them again.
#include "ui/game/main_window.h"

#include <QLabel>

// One cell changed by a placement, a removal or a pencil mark. The correct-numbers line is given
// back as it read on either side of the change, also where it still read from an earlier game.
class Main::CellChange : public QUndoCommand {
  public:
    CellChange(Main& main, QPoint cell, const CellContent& before, const CellContent& after)
        : main_(main),
          cell_(cell),
          before_(before),
          after_(after),
          label4Before_(main.label4_->text()) {}

    void undo() override {
        label4After_ = main_.label4_->text();
        main_.ShowContent(cell_, before_);
        main_.label4_->setText(label4Before_);
        main_.MoveCursor(cell_);
    }
    void redo() override {
        main_.ShowContent(cell_, after_);
        // The move itself is judged by its caller; a move done again only shows what it did.
        if (done_) {
            main_.label4_->setText(label4After_);
            main_.MoveCursor(cell_);
        }
        done_ = true;
    }

  private:
    Main& main_;
    const QPoint cell_;
    const CellContent before_;
    const CellContent after_;
    const QString label4Before_;
    QString label4After_;
    bool done_ = false;
};

void Main::ChangeCell(QPoint cell, const CellContent& content) {
    history_.push(new CellChange(*this, cell, Content(cell), content));
}

void Main::StartHistory() {
    history_.clear();
    marks_ = {};
    inks_ = {};
    MoveCursor({1, 1});
}

// A completed game stays completed.
void Main::Undo() {
    if (!state_.Completed) {
        history_.undo();
    }
}

void Main::Redo() {
    if (!state_.Completed) {
        history_.redo();
    }
}
