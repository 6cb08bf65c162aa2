#include "ui/dialogs/scoreform.h"

#include "core/score_list.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "ui/dialogs/printout.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// The dialog's controls in twips, relative to the frame that fills the window.
constexpr ControlSpec ScoreformLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 75, -15, 3525, 5640},
    {"List1", ControlKind::ListBox, "Frame1", "", 210, 300, 3090, 4140},
    {"BackKnoppen", ControlKind::BorderLabel, "Frame1", "", 210, 4560, 3120, 390},
    {"DelKnop", ControlKind::Button, "Frame1", "Verwijderen", 240, 4590, 1605, 330},
    {"PrintKnop", ControlKind::Button, "Frame1", "Afdrukken", 1845, 4590, 1455, 330},
    // Wide enough for the longest count text, up to the close picture.
    {"Label1", ControlKind::Label, "Frame1", "0 Namen", 240, 5160, 2400, 270},
};

constexpr int ExitLeft = 2715;
constexpr int ExitTop = 5070;
constexpr int PressShift = 30;

// The printed list: heading and entries start 600 twips in; a continued list starts 600 down.
constexpr int PrintLeft = 600;
constexpr int HeadingTop = 600;
constexpr int ListTop = 1200;
constexpr int ContinuedTop = 600;

}  // namespace

Scoreform::Scoreform(ScoreList& scores, QWidget* parent) : QDialog(parent), scores_(scores) {
    Form_Load();
}

Scoreform::~Scoreform() = default;

QString Scoreform::CountText(int count, bool afterDeletion) {
    const char* one = afterDeletion ? " naam in lijst" : " naam in de lijst";
    const char* many = afterDeletion ? " namen in lijst" : " namen in de lijst";
    return QString::number(count) + QString::fromLatin1(count == 1 ? one : many);
}

void Scoreform::Form_Load() {
    setObjectName(QStringLiteral("Scoreform"));
    setWindowTitle(QStringLiteral(" Scorelijst"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SizeWindowTwips(this, 3750, 6060);
    controls_ = std::make_unique<Controls>(this, ScoreformLayout);
    const Controls& c = *controls_;

    list1_ = c.Get<QListWidget>("List1");
    list1_->setFont(PointFont(QStringLiteral("Arial"), 9.75));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setAccessibleName(QStringLiteral("Scorelijst"));
    SetControlColour(list1_, QPalette::Base, QColor(230, 230, 210));
    // The game's list is kept in order, so its copy shows the same order.
    for (const QString& entry : scores_.Entries()) {
        list1_->addItem(entry);
    }

    label1_ = c.Get<QLabel>("Label1");
    label1_->setFont(PointFont(QStringLiteral("Comic Sans MS"), 9.75));
    label1_->setText(CountText(list1_->count(), false));

    exitKnop_ = new PictureButton(c["Frame1"]);
    exitKnop_->setObjectName(QStringLiteral("ExitKnop"));
    exitKnop_->SetPicture(Plaatjes::ClosePicture());
    exitKnop_->setCursor(Qt::PointingHandCursor);
    exitKnop_->setAccessibleName(QStringLiteral("Sluiten"));
    PlaceTwips(exitKnop_, ExitLeft, ExitTop);

    connect(c.Get<QPushButton>("DelKnop"), &QPushButton::clicked, this, &Scoreform::DelKnop_Click);
    connect(c.Get<QPushButton>("PrintKnop"), &QPushButton::clicked, this,
            &Scoreform::PrintKnop_Click);
    connect(exitKnop_, &QAbstractButton::clicked, this, &Scoreform::ExitKnop_Click);
}

void Scoreform::DelKnop_Click() {
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    if (selected.isEmpty()) {
        MessageBox(this, QStringLiteral("Eerst een naam selecteren..."), QStringLiteral(" Error"));
        return;
    }
    const QString entry = selected.front()->text();
    // An entry that carries no name is asked about by its whole text, so that it can go too.
    const QString name = ScoreName(entry).isEmpty() ? entry : ScoreName(entry);
    if (MessageBox(this,
                   QStringLiteral("Wilt u ") + name + QStringLiteral(" verwijderen uit de lijst?"),
                   QStringLiteral(" Delete"), Buttons::YesNo) != Answer::Yes) {
        return;
    }
    delete list1_->takeItem(list1_->row(selected.front()));
    // The next deletion needs a new choice.
    list1_->clearSelection();
    if (scores_.RemoveFirst(entry)) {
        label1_->setText(CountText(list1_->count(), true));
    }
}

void Scoreform::PrintKnop_Click() {
    PrintScoreList();
}

void Scoreform::PrintScoreList() {
    if (MessageBox(this, QStringLiteral("Wilt u deze Score-lijst afdrukken?"),
                   QStringLiteral(" Print"), Buttons::YesNo) != Answer::Yes) {
        return;
    }
    Printer printer;
    if (!printer.Ok() && !OfferPdfInstead(this, printer)) {
        return;
    }
    printer.SetFont(QStringLiteral("Arial"), 14, true);
    printer.SetTextColour(QColor(192, 0, 0));
    printer.SetCurrentX(PrintLeft);
    printer.SetCurrentY(HeadingTop);
    printer.PrintLine(QStringLiteral("Score-lijst Sudoku"));
    printer.SetCurrentX(PrintLeft);
    printer.SetCurrentY(ListTop);
    printer.SetFontSize(12);
    printer.SetFontBold(false);
    printer.SetTextColour(QColor(60, 60, 60));
    for (int i = 0; i < list1_->count(); ++i) {
        // A line that would run past the printable area goes on the next page.
        if (printer.CurrentY() + printer.TextHeight() > printer.PageHeight()) {
            printer.NewPage();
            printer.SetCurrentY(ContinuedTop);
        }
        const QString entry = list1_->item(i)->text();
        const int place = i + 1;
        printer.SetCurrentX(PrintLeft);
        printer.PrintLine(QString::number(place) +
                          (place <= 9 ? QStringLiteral(".   ") : QStringLiteral(". ")) +
                          ScoreName(entry) + QStringLiteral(" met ") + ScoreTime(entry) +
                          QStringLiteral(" seconden."));
        if (i == 2) {
            printer.PrintLine(QString());  // sets the first three places apart
        }
    }
    FinishPrintout(this, printer);
}

void Scoreform::ExitKnop_Click() {
    PlaceTwips(exitKnop_, ExitLeft + PressShift, ExitTop + PressShift);
    if (!Pause(0.2, exitKnop_)) {
        return;
    }
    PlaceTwips(exitKnop_, ExitLeft, ExitTop);
    if (!Pause(0.1, exitKnop_)) {
        return;
    }
    accept();
}
