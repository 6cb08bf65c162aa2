#include "platform/printer.h"

#include "platform/surface.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;
// A margin that every common printer can print in: 12 points, 240 twips.
constexpr double MarginPoints = 12.0;

QString& FileOverride() {
    static QString path;
    return path;
}

QString PdfTarget() {
    return FileOverride().isEmpty() ? qEnvironmentVariable("SUDOKU_PRINT_PDF") : FileOverride();
}

}  // namespace

void SetPrintToFile(const QString& pdfPath) {
    FileOverride() = pdfPath;
}

struct Printer::Impl {
    using Operation = std::function<void(QPainter&)>;

    std::unique_ptr<QPrinter> printer;
    QString file;           // the PDF file printed to, or empty for the printer
    bool savesPdf = false;  // the file is one the user chose instead of the printer
    QString error;
    QFont font;
    QColor colour = Qt::black;
    int x = 0;
    int y = 0;
    int copies = 1;
    std::vector<std::vector<Operation>> pages{1};

    QFontMetricsF Metrics() const { return QFontMetricsF(font, printer.get()); }
    QString Target() const { return file.isEmpty() ? printer->printerName() : file; }
    bool Fail(const QString& why) {
        error = why;
        return false;
    }
    bool Replay();
    void AimAtPdf();
    void SetUpPage();
};

Printer::Printer() : impl_(std::make_unique<Impl>()) {
    Impl& d = *impl_;
    d.file = PdfTarget();
    if (d.file.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            d.error = QStringLiteral("er is geen standaardprinter ingesteld");
        }
        d.printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                  : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        d.AimAtPdf();
    }
    d.SetUpPage();
    SetFont(QStringLiteral("Arial"), 10, false);
}

void Printer::SetPdfFile(const QString& path) {
    Impl& d = *impl_;
    d.file = path;
    d.savesPdf = true;
    d.error.clear();
    d.AimAtPdf();
    d.SetUpPage();
}

bool Printer::SavesPdf() const {
    return impl_->savesPdf;
}

void Printer::Impl::AimAtPdf() {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
}

void Printer::Impl::SetUpPage() {
    printer->setDocName(QStringLiteral("Sudoku"));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print this close to the edge keeps its own margins.
    printer->setPageMargins(QMarginsF(MarginPoints, MarginPoints, MarginPoints, MarginPoints),
                            QPageLayout::Point);
}

Printer::~Printer() = default;

bool Printer::Ok() const {
    return impl_->error.isEmpty();
}

const QString& Printer::Error() const {
    return impl_->error;
}

void Printer::SetFont(const QString& family, double points, bool bold) {
    impl_->font = QFont(family);
    SetFontSize(points);
    SetFontBold(bold);
}

void Printer::SetFontSize(double points) {
    // Drawing is done in twips, so the font is sized in twips too.
    impl_->font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint))));
}

void Printer::SetFontBold(bool bold) {
    impl_->font.setBold(bold);
}

void Printer::SetTextColour(const QColor& colour) {
    impl_->colour = colour;
}

int Printer::CurrentX() const {
    return impl_->x;
}

int Printer::CurrentY() const {
    return impl_->y;
}

void Printer::SetCurrentX(int x) {
    impl_->x = x;
}

void Printer::SetCurrentY(int y) {
    impl_->y = y;
}

void Printer::PrintLine(const QString& text) {
    Impl& d = *impl_;
    if (!text.isEmpty()) {
        const QPointF baseline(d.x, d.y + d.Metrics().ascent());
        d.pages.back().push_back(
            [font = d.font, colour = d.colour, baseline, text](QPainter& painter) {
                painter.setFont(font);
                painter.setPen(colour);
                painter.drawText(baseline, text);
            });
    }
    d.x = 0;
    d.y += TextHeight();
}

int Printer::TextHeight() const {
    return static_cast<int>(std::lround(impl_->Metrics().height()));
}

int Printer::TextWidth(const QString& text) const {
    return static_cast<int>(std::lround(impl_->Metrics().horizontalAdvance(text)));
}

int Printer::PageWidth() const {
    return static_cast<int>(std::lround(
        impl_->printer->pageLayout().paintRect(QPageLayout::Point).width() * TwipsPerPoint));
}

int Printer::PageHeight() const {
    return static_cast<int>(std::lround(
        impl_->printer->pageLayout().paintRect(QPageLayout::Point).height() * TwipsPerPoint));
}

void Printer::DrawPicture(const QImage& picture, int left, int top, int width, int height) {
    const QRectF target(left, top, width, height);
    impl_->pages.back().push_back(
        [picture, target](QPainter& painter) { painter.drawImage(target, picture); });
}

void Printer::DrawSurface(const Surface& surface, int left, int top, int width, int height) {
    const QRectF target(left, top, width, height);
    impl_->pages.back().push_back([drawing = surface.Recording(), target](QPainter& painter) {
        drawing.Paint(painter, target);
    });
}

void Printer::SetCopies(int copies) {
    impl_->copies = std::max(1, copies);
}

int Printer::Copies() const {
    return impl_->copies;
}

void Printer::NewPage() {
    impl_->pages.emplace_back();
    impl_->x = 0;
    impl_->y = 0;
}

bool Printer::EndDoc() {
    Impl& d = *impl_;
    if (!Ok()) {
        return false;
    }
    while (d.pages.size() > 1 && d.pages.back().empty()) {
        d.pages.pop_back();
    }
    if (!d.pages.front().empty() && !d.Replay()) {
        return false;
    }
    d.pages.assign(1, {});
    d.x = 0;
    d.y = 0;
    return true;
}

bool Printer::Impl::Replay() {
    // A PDF file, and a printer that cannot make copies itself, get every copy drawn in turn; a
    // file saved instead of the printer holds the page once, to be printed as often as wanted.
    const int count = savesPdf ? 1 : copies;
    const bool drawCopies = !file.isEmpty() || !printer->supportsMultipleCopies();
    printer->setCopyCount(drawCopies ? 1 : count);
    QPainter painter;
    if (!painter.begin(printer.get())) {
        return Fail(file.isEmpty()
                        ? QStringLiteral("de printer %1 kan niet beginnen met afdrukken")
                              .arg(printer->printerName())
                        : QStringLiteral("het bestand %1 kan niet worden geschreven").arg(file));
    }
    // Pictures go into a PDF file without loss: as JPEGs the letters of the banner blur.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const double scale = printer->resolution() / TwipsPerInch;
    bool first = true;
    for (int copy = 0; copy < (drawCopies ? count : 1); ++copy) {
        for (const std::vector<Operation>& page : pages) {
            if (!first && !printer->newPage()) {
                painter.end();
                return Fail(QStringLiteral("het afdrukken op %1 is mislukt").arg(Target()));
            }
            first = false;
            painter.resetTransform();
            painter.scale(scale, scale);
            for (const Operation& operation : page) {
                operation(painter);
            }
        }
    }
    if (!painter.end()) {
        return Fail(QStringLiteral("het afdrukken op %1 is mislukt").arg(Target()));
    }
    return true;
}
