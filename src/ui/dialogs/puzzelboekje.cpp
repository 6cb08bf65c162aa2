#include "ui/dialogs/puzzelboekje.h"

#include "core/givens.h"
#include "core/puzzle_batch.h"
#include "core/settings.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "ui/dialogs/booklet.h"
#include "ui/dialogs/printout.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>

#include <algorithm>

Puzzelboekje::Puzzelboekje(int difficulty, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" Puzzelboekje"));
    auto* form = new QFormLayout(this);
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("Aantal"));
    count_->setRange(1, 120);
    count_->setValue(12);
    form->addRow(QStringLiteral("&Aantal puzzels:"), count_);
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("Niveau"));
    for (int d = MinDifficulty; d <= MaxDifficulty; ++d) {
        level_->addItem(LevelName(d), d);
    }
    level_->setCurrentIndex(std::clamp(difficulty, MinDifficulty, MaxDifficulty) - MinDifficulty);
    form->addRow(QStringLiteral("&Moeilijkheid:"), level_);
    perPage_ = new QComboBox(this);
    perPage_->setObjectName(QStringLiteral("PerBladzijde"));
    for (const int k : BookletLayouts) {
        perPage_->addItem(QString::number(k), k);
    }
    perPage_->setCurrentIndex(2);
    form->addRow(QStringLiteral("Puzzels per &bladzijde:"), perPage_);
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("Voortgang"));
    form->addRow(progress_);
    auto* buttons = new QDialogButtonBox(this);
    print_ = buttons->addButton(QStringLiteral("Af&drukken"), QDialogButtonBox::AcceptRole);
    print_->setObjectName(QStringLiteral("Afdrukken"));
    print_->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Annuleren"));
    form->addRow(buttons);
    connect(print_, &QPushButton::clicked, this, &Puzzelboekje::Afdrukken_Click);
    // While puzzles are made, Annuleren stops making them; otherwise it closes the dialog.
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (!print_->isEnabled()) {
            cancelled_ = true;
        } else {
            reject();
        }
    });
}

void Puzzelboekje::Afdrukken_Click() {
    PuzzleBatch batch;
    batch.count = count_->value();
    batch.difficulty = level_->currentData().toInt();
    batch.seed = QRandomGenerator::global()->generate64();
    print_->setEnabled(false);
    cancelled_ = false;
    const QPointer<Puzzelboekje> self(this);
    // Made on every core; the window goes on meanwhile, and tells how far the work is.
    const std::vector<MadePuzzle> puzzles = MakePuzzles(batch, CoreCount(), [&](int made) {
        if (self) {
            progress_->setText(
                QStringLiteral("Puzzels maken: %1 van %2").arg(made).arg(batch.count));
        }
        QApplication::processEvents();
        return self && !cancelled_;
    });
    if (!self) {
        return;
    }
    print_->setEnabled(true);
    progress_->clear();
    if (puzzles.empty()) {
        return;
    }
    ShowBusyPointer();
    Printer printer;
    ShowArrowPointer();
    if (!printer.Ok() && !OfferPdfInstead(this, printer)) {
        return;
    }
    PrintBooklet(printer, puzzles, perPage_->currentData().toInt());
    FinishPrintout(this, printer);
    accept();
}
