#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <memory>

class Surface;

// A printout on an A4 portrait page, addressed in twips (1440 to the inch) from the top-left corner
// of the printable area, y growing downwards. Everything drawn is kept until EndDoc, which sends
// the pages to the default printer, or to the PDF file chosen with SetPrintToFile, as many times
// as there are copies.
class Printer {
  public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // False when there is nothing to print on; Error() tells why.
    bool Ok() const;
    const QString& Error() const;
    // From now on the document goes to this PDF file instead of the printer, one copy of it.
    void SetPdfFile(const QString& path);
    bool SavesPdf() const;

    void SetFont(const QString& family, double points, bool bold);
    void SetFontSize(double points);
    void SetFontBold(bool bold);
    void SetTextColour(const QColor& colour);
    int CurrentX() const;
    int CurrentY() const;
    void SetCurrentX(int x);
    void SetCurrentY(int y);
    // Prints the text with the top of its line at the current position, then moves to the start
    // of the next line of the current font: x 0, y one line lower.
    void PrintLine(const QString& text);
    // The height of one line, and the width of a text, in the current font.
    int TextHeight() const;
    int TextWidth(const QString& text) const;
    // The size of the printable area.
    int PageWidth() const;
    int PageHeight() const;
    // The whole picture, stretched into the rectangle.
    void DrawPicture(const QImage& picture, int left, int top, int width, int height);
    // What is drawn on the surface now, stretched into the rectangle and drawn at the printer's
    // own resolution.
    void DrawSurface(const Surface& surface, int left, int top, int width, int height);
    void SetCopies(int copies);
    int Copies() const;
    // Ends the page; what follows goes on a new one, from the top-left corner.
    void NewPage();
    // Sends the document to the printer: false, with Error() telling why, when it could not be
    // printed; the document is then kept, to be sent elsewhere.
    bool EndDoc();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Printouts go to this PDF file instead of the default printer. With an empty path the environment
// variable SUDOKU_PRINT_PDF may name the file; without that too, the printer prints.
void SetPrintToFile(const QString& pdfPath);
