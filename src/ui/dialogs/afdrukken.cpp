#include "ui/dialogs/afdrukken.h"

#include "core/maker.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "ui/dialogs/printout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>

namespace {

// The dialog's controls in twips, relative to the frame that fills the window.
constexpr ControlSpec AfdrukkenLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 60, -30, 3705, 4710},
    {"Label1", ControlKind::Label, "Frame1", "", 150, 240, 2100, 2865},
    {"LogoImg", ControlKind::Label, "Frame1", "", 300, 390, 1500, 300},
    {"Pic3", ControlKind::Label, "Frame1", "", 300, 810, 1200, 1200},
    {"Label6", ControlKind::Label, "Frame1", "Datum / tijd", 300, 2820},
    {"Line1", ControlKind::Label, "Frame1", "", 225, 240, 1980, 15},
    {"Label2", ControlKind::BorderLabel, "Frame1", "", 2400, 240, 330, 2865},
    {"VScroll1", ControlKind::VScroll, "Frame1", "", 2430, 270, 270, 2805},
    {"Label4", ControlKind::Label, "Frame1", "", 150, 3180, 2235, 780},
    {"Check1", ControlKind::CheckBox, "Frame1", "Datum en tijd afdrukken", 210, 3510, 2100, 285},
    {"Check2", ControlKind::CheckBox, "Frame1", "Invulgegevens", 210, 3780, 2100, 285},
    {"Text1", ControlKind::TextBox, "Frame1", "1", 150, 4260, 450, 300},
    {"Label5", ControlKind::Label, "Frame1", "Aantal afdrukken", 690, 4310},
    {"Label3", ControlKind::BorderLabel, "Frame1", "", 2190, 4230, 1380, 360},
    {"OkKnop", ControlKind::Button, "Frame1", "Print", 2220, 4260, 690, 300},
    {"ExitKnop", ControlKind::Button, "Frame1", "Exit", 2910, 4260, 630, 300},
};

constexpr int PreviewLeft = 300;
constexpr int PreviewTop = 810;
constexpr int LineLeft = 225;
constexpr int LineWidth = 1980;
constexpr int MaxCopies = 99;

QString SizeText(int sizeValue) {
    return sizeValue == 2 ? QStringLiteral("Afdrukken in het formaat 15 x 15 cm.")
                          : QStringLiteral("Afdrukken in het formaat 10 x 10 cm.");
}

}  // namespace

QString FooterDateTime(const QDateTime& at) {
    const QLocale locale = QLocale::system();
    // The long time format has the seconds; the time zone stays off the paper.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    return locale.toString(at.date(), QLocale::ShortFormat) + QStringLiteral(" / ") +
           locale.toString(at.time(), timeFormat.trimmed());
}

Afdrukken::Afdrukken(const Surface& board, QWidget* parent) : QDialog(parent), board_(board) {
    Form_Load();
}

Afdrukken::~Afdrukken() {
    // Closed in the middle of a printout: the pointer must not stay an hourglass.
    if (printing_) {
        ShowArrowPointer();
    }
}

int Afdrukken::BoardSize(int sizeValue) {
    return sizeValue == 2 ? 8550 : 5700;
}

void Afdrukken::Form_Load() {
    setObjectName(QStringLiteral("Afdrukken"));
    setWindowTitle(QStringLiteral(" Puzzel afdrukken"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SizeWindowTwips(this, 3900, 5100);
    controls_ = std::make_unique<Controls>(this, AfdrukkenLayout);
    const Controls& c = *controls_;

    auto* paper = c.Get<QLabel>("Label1");
    paper->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetControlColour(paper, QPalette::Window, QColor(250, 250, 250));
    auto* logo = c.Get<QLabel>("LogoImg");
    logo->setScaledContents(true);
    logo->setPixmap(QPixmap::fromImage(Plaatjes::Logo()));
    pic3_ = c.Get<QLabel>("Pic3");
    pic3_->setScaledContents(true);
    pic3_->setPixmap(QPixmap::fromImage(board_.ScreenImage()));
    label6_ = c.Get<QLabel>("Label6");
    // The footer in the preview is as small as the rest of the page.
    label6_->setFont(PointFont(QStringLiteral("Arial"), 6.75, true));
    label6_->hide();
    line1_ = c["Line1"];
    SetControlColour(line1_, QPalette::Window, QColor(200, 0, 0));
    line1_->hide();

    vScroll1_ = c.Get<QScrollBar>("VScroll1");
    vScroll1_->setRange(1, 2);
    vScroll1_->setSingleStep(1);
    vScroll1_->setPageStep(1);
    vScroll1_->setValue(1);
    label4_ = c.Get<QLabel>("Label4");
    label4_->setWordWrap(true);
    label4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VScroll1_Change();
    check1_ = c.Get<QCheckBox>("Check1");
    check2_ = c.Get<QCheckBox>("Check2");
    text1_ = c.Get<QLineEdit>("Text1");
    text1_->setAccessibleName(QStringLiteral("Aantal afdrukken"));
    SetControlColour(text1_, QPalette::Base, QColor(230, 220, 210));

    connect(vScroll1_, &QScrollBar::valueChanged, this, &Afdrukken::VScroll1_Change);
    connect(check1_, &QCheckBox::toggled, this, &Afdrukken::Check1_Click);
    connect(c.Get<QPushButton>("OkKnop"), &QPushButton::clicked, this, &Afdrukken::OkKnop_Click);
    connect(c.Get<QPushButton>("ExitKnop"), &QPushButton::clicked, this,
            &Afdrukken::ExitKnop_Click);
}

void Afdrukken::VScroll1_Change() {
    const int value = vScroll1_->value();
    label4_->setText(SizeText(value));
    // A screen reader tells the size, not the bar's value.
    vScroll1_->setAccessibleName(SizeText(value));
    const int size = value == 2 ? 1650 : 1200;
    PlaceTwips(pic3_, PreviewLeft, PreviewTop, size, size);
}

void Afdrukken::Check1_Click() {
    if (check1_->isChecked()) {
        label6_->setText(FooterDateTime(QDateTime::currentDateTime()));
        label6_->adjustSize();
        // A long date stays on the paper of the preview.
        const QWidget* paper = (*controls_)["Label1"];
        label6_->resize(std::min(label6_->width(), paper->geometry().right() - label6_->x() - 1),
                        label6_->height());
        label6_->show();
    } else {
        label6_->hide();
    }
}

void Afdrukken::OkKnop_Click() {
    // A click while the page is on its way prints nothing more.
    if (!printing_) {
        PrintPuzzle();
    }
}

void Afdrukken::ExitKnop_Click() {
    accept();
}

void Afdrukken::PrintPuzzle() {
    bool whole = false;
    const int copies = text1_->text().trimmed().toInt(&whole);
    if (!whole || copies < 1 || copies > MaxCopies) {
        MessageBox(this,
                   QStringLiteral("Het aantal afdrukken moet een heel getal van 1 tot en met %1 "
                                  "zijn.")
                       .arg(MaxCopies),
                   ProgramTitle, Buttons::Ok, BoxIcon::Exclamation);
        text1_->setFocus();
        text1_->selectAll();
        return;
    }
    ShowBusyPointer();
    Printer printer;
    if (!printer.Ok()) {
        ShowArrowPointer();
        if (!OfferPdfInstead(this, printer)) {
            return;
        }
        ShowBusyPointer();
    }
    printer.SetCopies(copies);

    printing_ = true;
    line1_->show();
    for (int y = 240; y <= 3060; y += 30) {
        PlaceTwips(line1_, LineLeft, y, LineWidth, 15);
        if (!Pause(0.01, line1_)) {
            ShowArrowPointer();
            return;  // the dialog is gone
        }
        if (!isVisible()) {
            // Closing the dialog during the printout cancels it: nothing reaches the printer.
            line1_->hide();
            printing_ = false;
            ShowArrowPointer();
            return;
        }
    }
    line1_->hide();
    printing_ = false;

    printer.DrawPicture(Plaatjes::Logo(), 600, 600, 7500, 1500);
    const int size = BoardSize(vScroll1_->value());
    printer.DrawSurface(board_, 900, 2700, size, size);
    printer.DrawPicture(Plaatjes::RightShadow(), 900 + size + 30, 2730, 750, size);
    printer.DrawPicture(Plaatjes::BottomShadow(), 930, 2700 + size + 30, size + 750, 750);
    if (check2_->isChecked()) {
        printer.SetFont(QStringLiteral("Arial"), 12, true);
        printer.SetTextColour(QColor(20, 20, 20));
        const int base = size == 5700 ? 9600 : 12600;
        printer.SetCurrentX(900);
        printer.SetCurrentY(base);
        printer.PrintLine(QStringLiteral("Puzzel nr. .................. :"));
        printer.SetCurrentX(900);
        printer.SetCurrentY(base + 540);
        printer.PrintLine(QStringLiteral("Naam ......................... :"));
        printer.SetCurrentX(930);
        printer.SetCurrentY(base + 1080);
        printer.PrintLine(QStringLiteral("Score / tijd ................ :"));
    }
    if (check1_->isChecked()) {
        printer.SetFont(QStringLiteral("Arial"), 10, true);
        printer.SetTextColour(QColor(120, 120, 120));
        printer.SetCurrentX(900);
        printer.SetCurrentY(15700);
        printer.PrintLine(FooterDateTime(QDateTime::currentDateTime()));
        printer.SetCurrentX(8310);
        printer.SetCurrentY(15700);
        printer.PrintLine(MakerAddress);
    }
    ShowArrowPointer();
    FinishPrintout(this, printer);
}
