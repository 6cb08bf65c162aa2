#include "ui/dialogs/printout.h"

#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/printer.h"

QString PrinterFailureText(const QString& reason) {
    return QStringLiteral("Geen printer aanwezig / of staat niet aan...(") + reason + u')';
}

bool OfferPdfInstead(QWidget* owner, Printer& printer) {
    MessageBox(owner, PrinterFailureText(printer.Error()));
    if (MessageBox(owner, QStringLiteral("Wilt u de pagina als PDF-bestand opslaan?"), ProgramTitle,
                   Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    const QString file =
        SaveFileDialog(owner, QStringLiteral("PDF-bestand (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty()) {
        return false;
    }
    printer.SetPdfFile(file);
    return true;
}

void FinishPrintout(QWidget* owner, Printer& printer) {
    if (printer.EndDoc()) {
        return;
    }
    if (!printer.SavesPdf() && (!OfferPdfInstead(owner, printer) || printer.EndDoc())) {
        return;
    }
    MessageBox(owner,
               QStringLiteral("De pagina kon niet als PDF-bestand worden opgeslagen (%1).")
                   .arg(printer.Error()),
               ProgramTitle, Buttons::Ok, BoxIcon::Exclamation);
}
