// The "Website" command: the board as a web page with a fill-in form, opened in the browser.
#include "core/web_page.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/shell.h"
#include "ui/game/main_window.h"

#include <cerrno>

namespace {

const QString WebPageFailureText = QStringLiteral("De webpagina kon niet worden opgeslagen.");

}  // namespace

void Main::ExportWebPage() {
    // A short rest before the page is written; the window may be closed meanwhile.
    if (!Pause(0.2, this)) {
        return;
    }
    const QString folder = DataPath(QStringLiteral("website"));
    const QString path = folder + QStringLiteral("/sudoku.htm");
    // The page replaces the old one whole, so the browser never sees half a page or an old one.
    FileResult written = EnsureFolder(folder);
    if (written) {
        written = WriteFileAtomically(path, WebPage(model_.BoardGrid()));
    }
    if (!written) {
        FileFailureBox(this, WebPageFailureText, path, written.failure, QStringLiteral(" Error"));
        return;
    }
    OpenDocument(this, path);
}
