// The commands that open the other windows of the program, and the exports.
#include "game/main_window.h"

#include "dialogs/afdrukken.h"
#include "dialogs/config.h"
#include "dialogs/scoreform.h"
#include "engine/pattern_designer.h"
#include "platform/controls.h"
#include "solver/editform.h"
#include "solver/loadform.h"

#include <QPointer>

void Main::EditOplosser_Click() {
    // Made afresh each time, so that every opening starts with an empty grid.
    QPointer<Editform> dialog = new Editform(this);
    dialog->exec();
    delete dialog;
}

void Main::Puntenlijst_Click() {
    QPointer<Scoreform> dialog = new Scoreform(scores_, this);
    dialog->exec();
    delete dialog;
}

void Main::ToolsGonfig_Click() {
    // The dialog is the window's child: should the window go while the dialog is open, the dialog
    // goes with it.
    QPointer<Config> dialog = new Config(state_, knoptext_[4], this);
    dialog->exec();
    delete dialog;
}

void Main::ToolsPatroonOntwerpen_Click() {
    QPointer<Patroonform> dialog = new Patroonform(state_, this);
    dialog->exec();
    delete dialog;
}

void Main::LoadPuzzle() {
    QPointer<Loadform> dialog = new Loadform(*this);
    dialog->exec();
    delete dialog;
}

void Main::PrintPuzzleDialog() {
    QPointer<Afdrukken> dialog = new Afdrukken(pic_, this);
    dialog->exec();
    delete dialog;
}
