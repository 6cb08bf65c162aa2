#include "ui/dialogs/loadform.h"

#include "core/puzzle_file.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "ui/game/main_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

// The dialog's controls in twips, relative to the frame that fills the window.
constexpr ControlSpec LoadformLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 75, -15, 3360, 4965},
    {"File1", ControlKind::ListBox, "Frame1", "", 120, 210, 3105, 4170},
    // Wider than the caption alone needs, up to the buttons, so that chosen names show too.
    {"Label2", ControlKind::Label, "Frame1", "Naam puzzel", 150, 4560, 1620, 195},
    {"Label1", ControlKind::BorderLabel, "Frame1", "", 1800, 4500, 1440, 360},
    {"CancelKnop", ControlKind::Button, "Frame1", "Cancel", 1830, 4530, 810, 300},
    {"OkKnop", ControlKind::Button, "Frame1", "Ok", 2640, 4530, 570, 300},
};

constexpr int PuzzleNameEnding = 4;  // ".puz"

// Only the first nine lines of a file count; a file whose first nine lines do not fit into this
// many bytes holds no puzzle.
constexpr qint64 PuzzleReadLimit = 64 * 1024;

// The user's own puzzles and those that came with the program, each name once and in order.
// Names that begin with a dot are listed too: the solver window saves them like any other.
QStringList PuzzleNames() {
    QStringList names;
    for (const QString& folder : DataFolders()) {
        names << QDir(folder + u'/' + PuzzleFolder)
                     .entryList({u'*' + PuzzleExtension}, QDir::Files | QDir::Hidden);
    }
    names.removeDuplicates();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

}  // namespace

Loadform::Loadform(Main& main) : QDialog(&main), main_(main) {
    Form_Load();
}

Loadform::~Loadform() = default;

void Loadform::Form_Load() {
    setObjectName(QStringLiteral("Loadform"));
    setWindowTitle(QStringLiteral(" Puzzel laden"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SizeWindowTwips(this, 3600, 5400);
    controls_ = std::make_unique<Controls>(this, LoadformLayout);
    const Controls& c = *controls_;

    file1_ = c.Get<QListWidget>("File1");
    file1_->setSelectionMode(QAbstractItemView::SingleSelection);
    file1_->setAccessibleName(QStringLiteral("Puzzels"));
    SetControlColour(file1_, QPalette::Base, QColor(190, 200, 210));
    file1_->addItems(PuzzleNames());

    label2_ = c.Get<QLabel>("Label2");
    selectedPuzzle_.clear();

    auto* okKnop = c.Get<QPushButton>("OkKnop");
    okKnop->setDefault(true);
    // A choice made with the mouse or the arrow keys; the list's first focus chooses nothing.
    connect(file1_, &QListWidget::itemSelectionChanged, this, &Loadform::File1_Click);
    connect(file1_, &QListWidget::itemDoubleClicked, this, &Loadform::OkKnop_Click);
    connect(okKnop, &QPushButton::clicked, this, &Loadform::OkKnop_Click);
    connect(c.Get<QPushButton>("CancelKnop"), &QPushButton::clicked, this,
            &Loadform::CancelKnop_Click);
}

void Loadform::File1_Click() {
    const QList<QListWidgetItem*> selected = file1_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    selectedPuzzle_ = selected.front()->text();
    // A name too long for the label ends in an ellipsis; its tooltip holds it whole.
    const QString name = selectedPuzzle_.chopped(PuzzleNameEnding);
    label2_->setText(label2_->fontMetrics().elidedText(name, Qt::ElideRight, label2_->width()));
    label2_->setToolTip(name);
}

void Loadform::OkKnop_Click() {
    if (selectedPuzzle_.isEmpty()) {
        MessageBox(this, QStringLiteral("Géén puzzel geselecteerd!"));
        return;
    }
    if (!LoadSelectedPuzzle()) {
        MessageBox(this, QStringLiteral("Fout bij het laden!"), QStringLiteral("Error"),
                   Buttons::Ok, BoxIcon::Exclamation);
    }
    accept();
}

void Loadform::CancelKnop_Click() {
    reject();
}

bool Loadform::LoadSelectedPuzzle() {
    // A name that is both the user's own and came with the program is the user's puzzle.
    QFile file(FindDataFile(PuzzleFolder + u'/' + selectedPuzzle_));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.read(PuzzleReadLimit);
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    // The game changes only once the whole file has been read and found good.
    const std::optional<Grid> grid = ReadPuzzleFile(bytes);
    if (!grid) {
        return false;
    }
    main_.LayOutPuzzle(*grid);
    return true;
}
