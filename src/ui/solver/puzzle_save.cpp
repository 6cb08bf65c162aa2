#include "ui/solver/puzzle_save.h"

#include "platform/files.h"
#include "platform/message_box.h"

#include <cerrno>

namespace {

const QString ErrorTitle = QStringLiteral(" Error");

}  // namespace

void SavePuzzle(QWidget* owner, const CellTexts& cellTexts) {
    const std::optional<Grid> grid = GridFromCellTexts(cellTexts);
    if (!grid) {
        MessageBox(owner, QStringLiteral("Niet alle vakjes zijn gevuld!"), ErrorTitle);
        return;
    }
    const QString name = InputBox(owner, QStringLiteral("Geef een naam voor deze puzzel..."),
                                  QStringLiteral(" Save"), QStringLiteral("Puzzel-"));
    if (name.trimmed().isEmpty()) {
        return;
    }
    // The name is used as typed, blanks and all, but it must stay a name inside the folder.
    if (!IsPlainPuzzleName(name)) {
        MessageBox(owner,
                   QStringLiteral("Deze naam kan niet als bestandsnaam worden gebruikt.\n"
                                  "Kies een naam zonder \"/\", \"\\\" of stuurtekens, die niet "
                                  "te lang is."),
                   ErrorTitle, Buttons::Ok, BoxIcon::Exclamation);
        return;
    }
    // The name of a puzzle that came with the program is taken as well; saving under it gives the
    // user's own file of that name, which the load dialog then loads.
    const QString fileName = PuzzleFolder + u'/' + name + PuzzleExtension;
    const QString folder = DataPath(PuzzleFolder);
    const QString path = DataPath(fileName);
    if (!FindDataFile(fileName).isEmpty() &&
        MessageBox(owner, QStringLiteral("Deze naam bestaat reeds, wilt u toch saven?"),
                   QStringLiteral(" Exist"), Buttons::YesNo) != Answer::Yes) {
        return;
    }
    // Written whole or not at all; an old file of that name is replaced completely.
    FileResult written = EnsureFolder(folder);
    if (written) {
        written = WriteFileAtomically(path, PuzzleFileBytes(*grid));
    }
    if (!written) {
        FileFailureBox(owner, QStringLiteral("De puzzel kon niet worden opgeslagen."), path,
                       written.failure, ErrorTitle);
    }
}
