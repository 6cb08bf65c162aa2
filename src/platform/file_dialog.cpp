#include "platform/file_dialog.h"

#include "platform/message_box.h"

#include <QFileDialog>
#include <QFileInfo>

QString SaveFileDialog(QWidget* owner, const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral(" Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    // The dialog of the program's own toolkit looks the same on every desktop, and asks before
    // it replaces a file.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty() || chosen.front().isEmpty()) {
            return QString();
        }
        const QFileInfo file(chosen.front());
        if (!file.exists() || file.isWritable()) {
            return chosen.front();
        }
        MessageBox(&dialog,
                   QStringLiteral("%1 is alleen-lezen en kan niet worden vervangen.\n"
                                  "Kies een andere naam.")
                       .arg(file.fileName()),
                   QStringLiteral(" Save"), Buttons::Ok, BoxIcon::Exclamation);
    }
    return QString();
}
