// The commands that open the other windows of the program.
#include "ui/game/main_window.h"

#include "platform/controls.h"
#include "platform/files.h"
#include "ui/dialogs/afdrukken.h"
#include "ui/dialogs/config.h"
#include "ui/dialogs/loadform.h"
#include "ui/dialogs/pattern_designer.h"
#include "ui/dialogs/puzzelboekje.h"
#include "ui/dialogs/scoreform.h"
#include "ui/dialogs/statistieken.h"
#include "ui/solver/editform.h"

#include <QPointer>

#include <utility>

namespace {

// Each window is made afresh when it opens, so that it starts from the game as it is, and goes
// when it closes. It is the game window's child: should the game window go while the dialog is
// open, the dialog goes with it, and the pointer knows.
void Run(QPointer<QDialog> dialog) {
    dialog->exec();
    delete dialog;
}

template <class Dialog, class... Arguments>
void OpenModal(Arguments&&... arguments) {
    Run(new Dialog(std::forward<Arguments>(arguments)...));
}

}  // namespace

void Main::EditOplosser_Click() {
    OpenModal<Editform>(this);
}

void Main::Puntenlijst_Click() {
    // The list shows what another copy of the game added, and can delete it.
    files_.SyncScores();
    OpenModal<Scoreform>(scores_, this);
}

void Main::PuntenStatistiek_Click() {
    QString note;
    OpenModal<Statistieken>(Summarize(statistics_.Games(note), QDate::currentDate()), note, this);
}

void Main::ToolsGonfig_Click() {
    auto* config = new Config(settings_, knoptext_[4], this);
    connect(config, &Config::SettingsChanged, &files_, &UserFiles::SettingsChanged);
    connect(config, &Config::SettingsChanged, this, [this] {
        picView_->update();  // the marks over the board follow their switches
        // The next new puzzle is made for the settings as they are now.
        PreparePuzzle();
    });
    Run(config);
}

void Main::ToolsPatroonOntwerpen_Click() {
    OpenModal<Patroonform>(settings_, this);
    files_.SettingsChanged();
}

void Main::FilePuzzelboekje_Click() {
    OpenModal<Puzzelboekje>(settings_.Difficulty, this);
}

void Main::LoadPuzzle() {
    OpenModal<Loadform>(*this);
}

void Main::PrintPuzzleDialog() {
    OpenModal<Afdrukken>(pic_, this);
}
