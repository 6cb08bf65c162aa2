#pragma once

#include <QString>

class Printer;
class QWidget;

// The message shown when a printout could not be made, with the printer's reason.
QString PrinterFailureText(const QString& reason);

// For a printer that cannot take the page: says so, and offers to save the page as a PDF file
// instead. True when the printer now writes the chosen file.
bool OfferPdfInstead(QWidget* owner, Printer& printer);

// Ends the printout: on the printer, or, where that fails, in a PDF file if the user wants one.
// Every failure is reported.
void FinishPrintout(QWidget* owner, Printer& printer);
