#include "ui/solver/editform.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/twips.h"
#include "ui/solver/puzzle_save.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window is laid out in pixels; the table holds them as twips, 15 to the pixel.
constexpr int Px(int pixels) {
    return pixels * TwipsPerPixel;
}

// The buttons and the bordered labels behind them. The cells are made apart, by their places in
// the grid. Labels come first so that the buttons lie on top of them.
constexpr ControlSpec EditformLayout[] = {
    {"Label1", ControlKind::BorderLabel, "", "", Px(8), Px(320), Px(171), Px(28)},
    {"Label2", ControlKind::BorderLabel, "", "", Px(260), Px(320), Px(54), Px(28)},
    {"cmdSOLVE", ControlKind::Button, "", "Oplossen", Px(10), Px(322), Px(65), Px(24)},
    {"cmdCLEAR", ControlKind::Button, "", "Clear", Px(76), Px(322), Px(50), Px(24)},
    {"SaveKnop", ControlKind::Button, "", "Save", Px(127), Px(322), Px(50), Px(24)},
    {"cmdEXIT", ControlKind::Button, "", "Exit", Px(262), Px(322), Px(50), Px(24)},
};

// Cells are squares of this many pixels; the cells of a box touch, boxes lie a gap apart.
constexpr int CellSize = 32;
constexpr int BoxGap = 8;
constexpr int GridMargin = 8;

// The colours are kept in the user's settings store under this name.
const QString ColourStore = QStringLiteral("SuDoku Solver");
const QString SeedSection = QStringLiteral("Seed Cell");
const QString SolvedSection = QStringLiteral("Solved Cell");
const QString BackKey = QStringLiteral("Back Colour");
const QString TextKey = QStringLiteral("Text Colour");

const QString SolverTitle = QStringLiteral(" Sudoku oplosser");

constexpr std::uint32_t LargestColour = 0xFFFFFF;

// A colour number red + 256 x green + 65536 x blue.
QColor ColourOf(std::uint32_t number) {
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                  static_cast<int>((number >> 16) & 0xFF));
}

// A stored colour; a value that is not a colour number is taken as its default.
std::uint32_t ColourSetting(const QString& section, const QString& key, std::uint32_t fallback) {
    const QString text = GetSetting(ColourStore, section, key, QString::number(fallback));
    bool isNumber = false;
    const qlonglong value = text.trimmed().toLongLong(&isNumber);
    return isNumber && value >= 0 && value <= LargestColour ? static_cast<std::uint32_t>(value)
                                                            : fallback;
}

// The digit 1..9 that a cell's text stands for, or 0.
int DigitOf(const QString& text) {
    return text.size() == 1 && text[0] >= u'1' && text[0] <= u'9' ? text[0].unicode() - u'0' : 0;
}

// One cell of the grid: it tells the window of arrow keys and of the focus, and a click that
// gives it the focus selects its digit, so that a typed digit replaces it.
class CellBox : public QLineEdit {
  public:
    CellBox(Editform& form, int n) : QLineEdit(&form), form_(form), n_(n) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!form_.txtCELL_KeyDown(n_, event->key())) {
            QLineEdit::keyPressEvent(event);
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        selectOnPress_ = event->reason() == Qt::MouseFocusReason;
        form_.txtCELL_GotFocus(n_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        if (selectOnPress_) {
            selectOnPress_ = false;
            form_.txtCELL_GotFocus(n_);
        }
    }

  private:
    Editform& form_;
    int n_;
    bool selectOnPress_ = false;
};

}  // namespace

Editform::Editform(QWidget* parent) : QDialog(parent) {
    Form_Load();
}

Editform::~Editform() = default;

void Editform::Form_Load() {
    setObjectName(QStringLiteral("Editform"));
    setWindowTitle(QStringLiteral(" Sudoku Oplosser"));
    // A fixed window with a close box only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SizeWindowTwips(this, 4905, 5700);

    const QFont cellFont = PointFont(QStringLiteral("Arial"), 15.75);
    for (int n = 1; n <= solver::CellCount; ++n) {
        const solver::CellPos p = solver::CellPosition(static_cast<std::int16_t>(n));
        auto* cell = new CellBox(*this, n);
        cell->setObjectName(QStringLiteral("txtCELL%1").arg(n));
        // Named as the game's board names its cells; its digit is its text.
        cell->setAccessibleName(
            QStringLiteral("rij %1, kolom %2").arg(solver::GridRow(p)).arg(solver::GridColumn(p)));
        cell->setFont(cellFont);
        cell->setAlignment(Qt::AlignCenter);
        cell->setMaxLength(1);
        // Text as large as the font asks for fills the square; the frame takes the rest.
        cell->setTextMargins(0, 0, 0, 0);
        cell->setGeometry(
            GridMargin + (p.BoxColumn - 1) * (3 * CellSize + BoxGap) +
                (p.ColumnInBox - 1) * CellSize,
            GridMargin + (p.BoxRow - 1) * (3 * CellSize + BoxGap) + (p.RowInBox - 1) * CellSize,
            CellSize, CellSize);
        if (n > 1) {
            cell->setToolTip(QStringLiteral(" %1 ").arg(n));
            // Told as the tooltip's number alone, it would sound like the cell's digit.
            cell->setAccessibleDescription(QStringLiteral("vakje %1").arg(n));
            setTabOrder(txtCELL_[n - 1], cell);
        }
        connect(cell, &QLineEdit::textChanged, this, [this, n] { txtCELL_Change(n); });
        txtCELL_[n] = cell;
    }

    controls_ = std::make_unique<Controls>(this, EditformLayout);
    const Controls& c = *controls_;
    cmdSOLVE_ = c.Get<QPushButton>("cmdSOLVE");
    cmdCLEAR_ = c.Get<QPushButton>("cmdCLEAR");
    auto* saveKnop = c.Get<QPushButton>("SaveKnop");
    auto* cmdEXIT = c.Get<QPushButton>("cmdEXIT");
    saveKnop->setToolTip(QStringLiteral(" Puzzel opslaan "));
    // Enter in a cell solves nothing: no button is the default.
    for (QPushButton* button : {cmdSOLVE_, cmdCLEAR_, saveKnop, cmdEXIT}) {
        button->setAutoDefault(false);
    }
    setTabOrder(txtCELL_[solver::CellCount], cmdSOLVE_);
    setTabOrder(cmdSOLVE_, cmdCLEAR_);
    setTabOrder(cmdCLEAR_, saveKnop);
    setTabOrder(saveKnop, cmdEXIT);

    connect(cmdSOLVE_, &QPushButton::clicked, this, &Editform::cmdSOLVE_Click);
    connect(cmdCLEAR_, &QPushButton::clicked, this, &Editform::cmdCLEAR_Click);
    connect(saveKnop, &QPushButton::clicked, this, &Editform::SaveKnop_Click);
    connect(cmdEXIT, &QPushButton::clicked, this, &Editform::cmdEXIT_Click);

    LoadColours();
    cmdCLEAR_Click();
    txtCELL_[1]->setFocus();
}

void Editform::Form_Unload() {
    SaveColours();
}

void Editform::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void Editform::keyPressEvent(QKeyEvent* event) {
    // Escape would close the window and lose the puzzle typed so far; "Exit" does that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Editform::LoadColours() {
    seedBackColour_ = ColourSetting(SeedSection, BackKey, DefaultSeedBackColour);
    seedTextColour_ = ColourSetting(SeedSection, TextKey, DefaultSeedTextColour);
    solvedBackColour_ = ColourSetting(SolvedSection, BackKey, DefaultSolvedBackColour);
    solvedTextColour_ = ColourSetting(SolvedSection, TextKey, DefaultSolvedTextColour);
}

void Editform::SaveColours() {
    SaveSetting(ColourStore, SeedSection, BackKey, QString::number(seedBackColour_));
    SaveSetting(ColourStore, SeedSection, TextKey, QString::number(seedTextColour_));
    SaveSetting(ColourStore, SolvedSection, BackKey, QString::number(solvedBackColour_));
    SaveSetting(ColourStore, SolvedSection, TextKey, QString::number(solvedTextColour_));
}

void Editform::SetCellColours(int n, std::uint32_t backColour, std::uint32_t textColour) {
    SetControlColour(txtCELL_[n], QPalette::Base, ColourOf(backColour));
    SetControlColour(txtCELL_[n], QPalette::Text, ColourOf(textColour));
}

void Editform::SetCellTextColour(int n, std::uint32_t textColour) {
    SetControlColour(txtCELL_[n], QPalette::Text, ColourOf(textColour));
}

void Editform::ClearCell(int n) {
    engine_.ResetCell(static_cast<std::int16_t>(n));
    // Emptying a cell runs its change handling once more, which finds it empty already.
    txtCELL_[n]->setText(QString());
    SetCellColours(n, seedBackColour_, seedTextColour_);
}

void Editform::LoadCells(const QString& puzzle) {
    cmdCLEAR_Click();
    // The change handling of each cell enters its digit into the solver.
    for (int n = 1; n <= solver::CellCount; ++n) {
        txtCELL_[n]->setText(puzzle.mid(n - 1, 1));
    }
}

void Editform::ShowSolution(std::uint32_t backColour, std::uint32_t textColour) {
    for (int n = 1; n <= solver::CellCount; ++n) {
        const std::uint8_t value = engine_.Value(static_cast<std::int16_t>(n));
        if (txtCELL_[n]->text().isEmpty() && value != 0) {
            SetCellColours(n, backColour, textColour);
            txtCELL_[n]->setText(QString::number(value));
        }
    }
}

void Editform::txtCELL_Change(int n) {
    const int digit = DigitOf(txtCELL_[n]->text());
    if (digit == 0) {
        // "0", a letter, a sign or nothing at all.
        ClearCell(n);
        return;
    }
    const auto cell = static_cast<std::int16_t>(n);
    if (engine_.IsDuplicate(cell, digit)) {
        MessageBox(this,
                   QStringLiteral("Dit getal staat reeds in dit\n"
                                  "vakje, horizontale of verticale rij,\n"
                                  "probeer het met een ander getal."),
                   SolverTitle, Buttons::Ok, BoxIcon::Exclamation);
        ClearCell(n);
        return;
    }
    engine_.PlaceDigit(cell, digit);
    if (n < solver::CellCount && cmdSOLVE_->isEnabled()) {
        txtCELL_[n + 1]->setFocus();
    }
}

bool Editform::txtCELL_KeyDown(int n, int key) {
    const solver::CellPos p = solver::CellPosition(static_cast<std::int16_t>(n));
    const std::optional<QPoint> step = ArrowStep(key);
    if (!step) {
        return false;
    }
    // The arrows walk the grid and wrap round within the row or column.
    const int column = (solver::GridColumn(p) + step->x() + 8) % 9 + 1;
    const int row = (solver::GridRow(p) + step->y() + 8) % 9 + 1;
    txtCELL_[solver::CellNumberAt(column, row)]->setFocus();
    return true;
}

void Editform::txtCELL_GotFocus(int n) {
    if (!txtCELL_[n]->text().isEmpty()) {
        txtCELL_[n]->selectAll();
    }
}

void Editform::cmdSOLVE_Click() {
    cmdCLEAR_->setEnabled(true);
    cmdSOLVE_->setEnabled(false);
    for (int n = 1; n <= solver::CellCount; ++n) {
        if (engine_.Value(static_cast<std::int16_t>(n)) == 0) {
            SetCellTextColour(n, 0);
        }
    }
    puzzleBackup_ = QString(solver::CellCount, u'0');
    for (int n = 1; n <= solver::CellCount; ++n) {
        const QString text = txtCELL_[n]->text();
        if (!text.isEmpty()) {
            puzzleBackup_[n - 1] = text[0];
        }
    }
    // Digits replaced or erased while typing left their candidates struck in their peers; the
    // solve starts from the candidates of the digits that stand now.
    engine_.RebuildCandidates();
    const solver::SolveStatus status = engine_.Solve();
    // Also a puzzle that could not be finished shows what was found.
    ShowSolution(solvedBackColour_, solvedTextColour_);
    if (status != solver::SolveStatus::Failed) {
        return;
    }
    switch (MessageBox(this,
                       QStringLiteral("Kan deze puzzel niet oplossen. Wilt u de\n"
                                      "puzzel wijzigen en het opnieuw proberen?"),
                       SolverTitle, Buttons::YesNoCancel, BoxIcon::Information)) {
        case Answer::Yes:
            LoadCells(puzzleBackup_);
            break;
        case Answer::No:
            cmdCLEAR_Click();
            break;
        default:
            break;
    }
}

void Editform::cmdCLEAR_Click() {
    for (int n = 1; n <= solver::CellCount; ++n) {
        ClearCell(n);
    }
    cmdSOLVE_->setEnabled(true);
    cmdCLEAR_->setEnabled(false);
    engine_.SetStatus(solver::SolveStatus::Progress);
}

void Editform::cmdEXIT_Click() {
    accept();
}

void Editform::SaveKnop_Click() {
    CellTexts texts;
    for (int n = 1; n <= solver::CellCount; ++n) {
        texts[n] = txtCELL_[n]->text();
    }
    SavePuzzle(this, texts);
}
