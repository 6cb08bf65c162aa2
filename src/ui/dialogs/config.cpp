#include "ui/dialogs/config.h"

#include "core/givens.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/pictures.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

// The dialog's controls in twips, relative to the frame that fills the window. Single-line labels
// take the size of their text.
constexpr ControlSpec ConfigLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 90, -30, 4560, 2595},
    {"Label1", ControlKind::BorderLabel, "Frame1", "", 180, 270, 1320, 330},
    {"HScroll1", ControlKind::HScroll, "Frame1", "", 210, 300, 1260, 270},
    {"Label3", ControlKind::Label, "Frame1", "", 1590, 330},
    {"Label2", ControlKind::Label, "Frame1", "Moeilijkheidsgraad", 180, 660},
    // The name of the difficulty, under the caption of its bar: beside the number stands the
    // picture.
    {"LabelNiveau", ControlKind::Label, "Frame1", "", 180, 900},
    {"Image1", ControlKind::Label, "Frame1", "", 1920, 270},
    {"Label6", ControlKind::Label, "Frame1", "Kleur te plaatsen getallen", 150, 1320},
    {"Label4", ControlKind::BorderLabel, "Frame1", "", 150, 1560, 1365, 870},
    {"HScroll2", ControlKind::HScroll, "Frame1", "", 180, 1590, 1305, 270},
    {"HScroll3", ControlKind::HScroll, "Frame1", "", 180, 1860, 1305, 270},
    {"HScroll4", ControlKind::HScroll, "Frame1", "", 180, 2130, 1305, 270},
    {"Label5", ControlKind::BorderLabel, "Frame1", "", 1590, 1560, 360, 870},
    {"CheckPatroon", ControlKind::CheckBox, "Frame1", "Zet de vaste getallen", 2610, 270, 1905,
     225},
    {"Label8", ControlKind::Label, "Frame1", "steeds op hetzelfde vaste patroon neer.", 2880, 480,
     1590, 450},
    {"CheckZet", ControlKind::CheckBox, "Frame1", "Geef melding na elke", 2610, 990, 1905, 240},
    {"Label9", ControlKind::Label, "Frame1", "zet met een geluidje", 2880, 1230},
    {"Label11", ControlKind::Label, "Frame1", "Menu knop Oplossing", 2250, 1620, 1035, 405},
    {"Label10", ControlKind::BorderLabel, "Frame1", "", 2220, 2100, 1020, 360},
    {"OplosKnopaan", ControlKind::Button, "Frame1", "Aan", 2250, 2130, 510, 300},
    {"OplosKnopuit", ControlKind::Button, "Frame1", "Uit", 2760, 2130, 450, 300},
    {"Label7", ControlKind::BorderLabel, "Frame1", "", 3515, 2100, 900, 375},
    {"OkKnop", ControlKind::Button, "Frame1", "Ok", 3545, 2130, 840, 315},
    // Below the classic settings, a check box for each switch.
    {"Frame2", ControlKind::Frame, "", "", 90, 2535, 4560, 1275},
};

// What a screen reader calls the bars, and the controls whose caption says it only in part.
constexpr SpokenName ConfigNames[] = {
    {"HScroll1", "Moeilijkheidsgraad"},
    {"HScroll2", "Kleur te plaatsen getallen: rood"},
    {"HScroll3", "Kleur te plaatsen getallen: groen"},
    {"HScroll4", "Kleur te plaatsen getallen: blauw"},
    {"CheckPatroon", "Zet de vaste getallen steeds op hetzelfde vaste patroon neer."},
    {"CheckZet", "Geef melding na elke zet met een geluidje"},
    {"OplosKnopaan", "Menu knop Oplossing aan"},
    {"OplosKnopuit", "Menu knop Oplossing uit"},
};

// The switches' check boxes stand one below the other in Frame2.
constexpr int SwitchLeft = 180;
constexpr int SwitchTop = 180;
constexpr int SwitchPitch = 270;
constexpr int SwitchWidth = 4200;
constexpr int SwitchHeight = 240;

const QColor CaptionColour(64, 64, 64);

// A bar whose value counts only once it is set: arrow and page clicks move it by one, a dragged
// thumb changes it when it is let go.
void SetUpBar(QScrollBar* bar, int minimum, int maximum) {
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
}

}  // namespace

Config::Config(GameSettings& settings, QWidget* oplossing, QWidget* parent)
    : QDialog(parent), settings_(settings), oplossing_(oplossing) {
    Form_Load();
}

Config::~Config() = default;

void Config::Form_Load() {
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(QStringLiteral(" Tools"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetControlColour(this, QPalette::WindowText, CaptionColour);
    SetControlColour(this, QPalette::ButtonText, CaptionColour);
    setFont(DialogFont());
    SizeWindowTwips(this, 4800, 4275);
    controls_ = std::make_unique<Controls>(this, ConfigLayout);
    const Controls& c = *controls_;
    c.Name(ConfigNames);
    int top = SwitchTop;
    for (const SettingSwitch& setting : SettingSwitches) {
        auto* box = new QCheckBox(QString::fromUtf8(setting.caption), c["Frame2"]);
        box->setObjectName(QStringLiteral("Check") + QString::fromLatin1(setting.key));
        PlaceTwips(box, SwitchLeft, top, SwitchWidth, SwitchHeight);
        box->setChecked(settings_.*setting.value);
        connect(box, &QCheckBox::toggled, this, [this, value = setting.value](bool on) {
            settings_.*value = on;
            emit SettingsChanged();
        });
        top += SwitchPitch;
    }

    hScroll1_ = c.Get<QScrollBar>("HScroll1");
    hScroll2_ = c.Get<QScrollBar>("HScroll2");
    hScroll3_ = c.Get<QScrollBar>("HScroll3");
    hScroll4_ = c.Get<QScrollBar>("HScroll4");
    label3_ = c.Get<QLabel>("Label3");
    levelName_ = c.Get<QLabel>("LabelNiveau");
    label5_ = c.Get<QLabel>("Label5");
    checkPatroon_ = c.Get<QCheckBox>("CheckPatroon");
    checkZet_ = c.Get<QCheckBox>("CheckZet");

    label3_->setFont(PointFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    levelName_->setFont(label3_->font());
    for (const char* name : {"Label8", "Label11"}) {
        c.Get<QLabel>(name)->setWordWrap(true);
        c.Get<QLabel>(name)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto* image1 = c.Get<QLabel>("Image1");
    image1->setPixmap(Plaatjes::SettingsPicture());
    image1->adjustSize();

    SetUpBar(hScroll1_, MinDifficulty, MaxDifficulty);
    SetUpBar(hScroll2_, 0, 255);
    SetUpBar(hScroll3_, 0, 255);
    SetUpBar(hScroll4_, 0, 255);

    // The controls show the current settings; each then writes back what it shows, so that a
    // value outside a bar's range is brought within it.
    hScroll1_->setValue(std::clamp(settings_.Difficulty, MinDifficulty, MaxDifficulty));
    HScroll1_Change();
    hScroll2_->setValue(std::clamp(settings_.DigitColour.red, 0, 255));
    hScroll3_->setValue(std::clamp(settings_.DigitColour.green, 0, 255));
    hScroll4_->setValue(std::clamp(settings_.DigitColour.blue, 0, 255));
    HScroll2_Change();
    HScroll3_Change();
    HScroll4_Change();
    checkPatroon_->setChecked(settings_.UsePattern);
    checkZet_->setChecked(settings_.CheckMoves);

    connect(hScroll1_, &QScrollBar::valueChanged, this, &Config::HScroll1_Change);
    connect(hScroll2_, &QScrollBar::valueChanged, this, &Config::HScroll2_Change);
    connect(hScroll3_, &QScrollBar::valueChanged, this, &Config::HScroll3_Change);
    connect(hScroll4_, &QScrollBar::valueChanged, this, &Config::HScroll4_Change);
    connect(checkPatroon_, &QCheckBox::toggled, this, &Config::CheckPatroon_Click);
    connect(checkZet_, &QCheckBox::toggled, this, &Config::CheckZet_Click);
    connect(c.Get<QPushButton>("OplosKnopaan"), &QPushButton::clicked, this,
            &Config::OplosKnopaan_Click);
    connect(c.Get<QPushButton>("OplosKnopuit"), &QPushButton::clicked, this,
            &Config::OplosKnopuit_Click);
    connect(c.Get<QPushButton>("OkKnop"), &QPushButton::clicked, this, &Config::OkKnop_Click);
}

int Config::PreviewColour() const {
    const QColor colour = label5_->palette().color(QPalette::Window);
    return Rgb{colour.red(), colour.green(), colour.blue()}.Value();
}

void Config::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QAbstractButton*>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Config::PaintPreview() {
    const Rgb& colour = settings_.DigitColour;
    SetControlColour(label5_, QPalette::Window, QColor(colour.red, colour.green, colour.blue));
}

void Config::HScroll1_Change() {
    settings_.Difficulty = hScroll1_->value();
    label3_->setText(QString::number(settings_.Difficulty));
    label3_->adjustSize();
    levelName_->setText(LevelName(settings_.Difficulty));
    levelName_->adjustSize();
    // A screen reader tells the bar's value, and the difficulty's name with it.
    hScroll1_->setAccessibleDescription(levelName_->text());
    emit SettingsChanged();
}

void Config::HScroll2_Change() {
    settings_.DigitColour.red = hScroll2_->value();
    PaintPreview();
    emit SettingsChanged();
}

void Config::HScroll3_Change() {
    settings_.DigitColour.green = hScroll3_->value();
    PaintPreview();
    emit SettingsChanged();
}

void Config::HScroll4_Change() {
    settings_.DigitColour.blue = hScroll4_->value();
    PaintPreview();
    emit SettingsChanged();
}

void Config::CheckPatroon_Click() {
    settings_.UsePattern = checkPatroon_->isChecked();
}

void Config::CheckZet_Click() {
    settings_.CheckMoves = checkZet_->isChecked();
}

void Config::OplosKnopaan_Click() {
    if (oplossing_) {
        oplossing_->setEnabled(true);
    }
}

void Config::OplosKnopuit_Click() {
    if (oplossing_) {
        oplossing_->setEnabled(false);
    }
}

void Config::OkKnop_Click() {
    accept();
}
