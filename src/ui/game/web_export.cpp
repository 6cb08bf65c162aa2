// The "Website" command: the board as a web page with a fill-in form, opened in the browser.
#include "core/web_page.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/shell.h"
#include "ui/game/main_window.h"

#include <QDir>

namespace {

QString WebPageFailureText(const QString& path) {
    return QStringLiteral("De webpagina kon niet worden opgeslagen als\n") +
           QDir::toNativeSeparators(path) +
           QStringLiteral("\nControleer of deze map bestaat en beschreven mag worden.");
}

}  // namespace

void Main::ExportWebPage() {
    // A short rest before the page is written; the window may be closed meanwhile.
    if (!Pause(0.2, this)) {
        return;
    }
    const QString folder = DataPath(QStringLiteral("website"));
    const QString path = folder + QStringLiteral("/sudoku.htm");
    // The page replaces the old one whole, so the browser never sees half a page or an old one.
    if (!EnsureFolder(folder) || !WriteFileAtomically(path, WebPage(model_.BoardGrid()))) {
        MessageBox(this, WebPageFailureText(path), QStringLiteral(" Error"), Buttons::Ok,
                   BoxIcon::Exclamation);
        return;
    }
    OpenDocument(this, path);
}
