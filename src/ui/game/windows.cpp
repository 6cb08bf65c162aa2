// The commands that open the other windows of the program.
#include "ui/game/main_window.h"

#include "platform/controls.h"
#include "platform/files.h"
#include "platform/preferences.h"
#include "ui/dialogs/afdrukken.h"
#include "ui/dialogs/config.h"
#include "ui/dialogs/loadform.h"
#include "ui/dialogs/pattern_designer.h"
#include "ui/dialogs/scoreform.h"
#include "ui/solver/editform.h"

#include <QPointer>

#include <utility>

namespace {

// Each window is made afresh when it opens, so that it starts from the game as it is, and goes
// when it closes. It is the game window's child: should the game window go while the dialog is
// open, the dialog goes with it, and the pointer knows.
template <class Dialog, class... Arguments>
void OpenModal(Arguments&&... arguments) {
    QPointer<Dialog> dialog = new Dialog(std::forward<Arguments>(arguments)...);
    dialog->exec();
    delete dialog;
}

}  // namespace

void Main::EditOplosser_Click() {
    OpenModal<Editform>(this);
}

void Main::Puntenlijst_Click() {
    OpenModal<Scoreform>(scores_, this);
}

void Main::ToolsGonfig_Click() {
    OpenModal<Config>(settings_, knoptext_[4], this);
    WritePreferences(DataPath(PreferencesFileName), settings_);
    picView_->update();  // the marks over the board follow their switches
}

void Main::ToolsPatroonOntwerpen_Click() {
    OpenModal<Patroonform>(settings_, this);
}

void Main::LoadPuzzle() {
    OpenModal<Loadform>(*this);
}

void Main::PrintPuzzleDialog() {
    OpenModal<Afdrukken>(pic_, this);
}
