// The commands that open the other windows of the program, and the exports.
#include "game/main_window.h"

#include "solver/loadform.h"

#include <QPointer>

void Main::EditOplosser_Click() {}

void Main::Puntenlijst_Click() {}

void Main::ToolsGonfig_Click() {}

void Main::ToolsPatroonOntwerpen_Click() {}

void Main::LoadPuzzle() {
    QPointer<Loadform> dialog = new Loadform(*this);
    dialog->exec();
    delete dialog;
}

void Main::PrintPuzzleDialog() {}

void Main::Save_Click(int) {}
