// The game for a player who cannot see it: the board as a table of named cells for a screen
// reader, the commands as buttons, and what the window says spoken aloud.
#include "core/spoken.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include <QLabel>

namespace {

const char* const CommandNames[] = {"",     "Puzzel laden", "Webpagina maken",
                                    "Hint", "Oplossing",    "Afdrukken"};

}  // namespace

void Main::MakeAccessible() {
    picView_->setAccessibleName(QStringLiteral("Speelbord"));
    picView_->setFocusPolicy(Qt::StrongFocus);
    MakeAccessibleGrid(picView_, {.name = [this](QPoint cell) { return CellSpoken(model_, cell); },
                                  .cursor = [this] { return model_.Cursor(); },
                                  .place = [this](QPoint cell) { return CellPlace(cell); }});
    // The solution, in its place when the player asks for it.
    pic2View_->setAccessibleName(QStringLiteral("Oplossing"));
    pic2View_->setFocusPolicy(Qt::StrongFocus);
    MakeAccessibleGrid(pic2View_, {.name =
                                       [this](QPoint cell) {
                                           return QStringLiteral("rij %1, kolom %2, %3")
                                               .arg(cell.y())
                                               .arg(cell.x())
                                               .arg(model_.SolutionGrid()(cell.x(), cell.y()));
                                       },
                                   .cursor = [this] { return model_.Cursor(); },
                                   .place = [this](QPoint cell) { return CellPlace(cell); }});
    // The board first, then the number buttons and the commands, in the order they stand. A
    // click on a button leaves the focus on the board.
    QWidget* previous = picView_;
    for (int n = 1; n <= 9; ++n) {
        getalKnop_[n]->setAccessibleName(QStringLiteral("Getal %1").arg(n));
        getalKnop_[n]->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, getalKnop_[n]);
        previous = getalKnop_[n];
    }
    for (int i = 1; i <= 5; ++i) {
        knoptext_[i]->setAccessibleName(QString::fromUtf8(CommandNames[i]));
        knoptext_[i]->setFocusPolicy(Qt::TabFocus);
        MakeAccessibleButton(knoptext_[i], [this, i] { Knoptext_Click(i); });
        setTabOrder(previous, knoptext_[i]);
        previous = knoptext_[i];
    }
    label2_->setAccessibleName(QStringLiteral("Speeltijd"));
    ShowClockAloud(0);
}

QRect Main::CellPlace(QPoint cell) const {
    const double scale = ZoomOf(picView_) / TwipsPerPixel;
    return QRectF(board::CellLeft(cell.x()) * scale, board::CellTop(cell.y()) * scale,
                  board::CellPitch * scale, board::CellPitch * scale)
        .toAlignedRect();
}

void Main::Speak(const QString& text) {
    Announce(this, text);
}

void Main::SpeakUnit(SpokenUnit unit) {
    if (model_.GameActive()) {
        Speak(UnitSpoken(model_, unit, model_.Cursor()));
    }
}

void Main::SpeakCandidates() {
    if (model_.GameActive()) {
        Speak(CandidatesSpoken(model_, model_.Cursor()));
    }
}

void Main::SpeakTime() {
    Speak(QStringLiteral("Speeltijd ") + label2_->accessibleDescription());
}

void Main::ShowClockAloud(long long ticks) {
    // Told once a second, not at every tenth.
    const long long seconds = std::max(0LL, ticks) / 10;
    const QString said = TimeSpoken(seconds);
    if (label2_->accessibleDescription() != said) {
        label2_->setAccessibleDescription(said);
    }
}
