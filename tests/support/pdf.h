#pragma once

#include "platform/printer.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <cmath>

// Printouts of a test go to a PDF file of its own, read back with the poppler tools.
class PdfPrintout {
  public:
    PdfPrintout() : path_(dir_.filePath(QStringLiteral("printout.pdf"))) { SetPrintToFile(path_); }
    ~PdfPrintout() { SetPrintToFile(QString()); }
    PdfPrintout(const PdfPrintout&) = delete;
    PdfPrintout& operator=(const PdfPrintout&) = delete;

    const QString& Path() const { return path_; }
    bool Exists() const { return QFile::exists(path_); }
    QString Folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    QString path_;
};

// Whether the poppler tools are there; tests that read PDF files skip without them.
inline bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

#define REQUIRE_POPPLER()                   \
    do {                                    \
        if (!HavePoppler())                 \
            QSKIP("poppler-utils missing"); \
    } while (false)

inline QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QByteArray();
    }
    return process.readAllStandardOutput();
}

inline int PdfPageCount(const QString& pdf) {
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

// The printable area's top-left corner on the page, in twips: the printer's margin.
inline double PrintOrigin() {
    Printer printer;
    const double pageTwips = QPageSize(QPageSize::A4).sizePoints().width() * 20.0;
    return (pageTwips - printer.PageWidth()) / 2.0;
}

// A word of a printed page, with its box in twips of the printable area.
struct PdfWord {
    int page;
    QString text;
    QRectF box;
};

inline QList<PdfWord> PdfWords(const QString& pdf) {
    const QString html = QString::fromUtf8(
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    const double origin = PrintOrigin();
    QList<PdfWord> words;
    int page = 0;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
        "([^<]*)</word>"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const auto twips = [&](int i) { return m.captured(i).toDouble() * 20.0 - origin; };
        words.append({page, m.captured(5),
                      QRectF(QPointF(twips(1), twips(2)), QPointF(twips(3), twips(4)))});
    }
    return words;
}

// The lines of a printed page as text, words joined by one blank, top to bottom, each with the top
// of its line in twips.
struct PdfLine {
    int page;
    double top;
    double left;
    QString text;
};

inline QList<PdfLine> PdfLines(const QString& pdf) {
    QList<PdfLine> lines;
    for (const PdfWord& word : PdfWords(pdf)) {
        if (!lines.isEmpty() && lines.back().page == word.page &&
            std::abs(lines.back().top - word.box.top()) < 1.0) {
            lines.back().text += u' ' + word.text;
        } else {
            lines.append({word.page, word.box.top(), word.box.left(), word.text});
        }
    }
    return lines;
}

// Page `page` (from 1) rendered at `dpi`.
inline QImage RenderPage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// A rendered page addressed in twips of the printable area.
class RenderedPage {
  public:
    RenderedPage(const QString& pdf, int page, int dpi = 144)
        : image_(RenderPage(pdf, page, dpi)), scale_(dpi / 1440.0), origin_(PrintOrigin()) {}

    bool IsNull() const { return image_.isNull(); }
    const QImage& Image() const { return image_; }
    QPoint Pixel(double x, double y) const {
        return {static_cast<int>((x + origin_) * scale_), static_cast<int>((y + origin_) * scale_)};
    }
    QColor At(double x, double y) const { return QColor(image_.pixel(Pixel(x, y))); }
    double Twips(int pixels) const { return pixels / scale_; }

    // The box, in twips, of the pixels inside `area` (twips) that are darker than `limit`; an
    // empty box when there are none.
    QRectF InkBox(const QRectF& area, int limit = 200) const {
        const QPoint from = Pixel(area.left(), area.top());
        const QPoint to = Pixel(area.right(), area.bottom());
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (int y = std::max(0, from.y()); y <= std::min(image_.height() - 1, to.y()); ++y) {
            for (int x = std::max(0, from.x()); x <= std::min(image_.width() - 1, to.x()); ++x) {
                if (qGray(image_.pixel(x, y)) < limit) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        if (left == INT_MAX) {
            return QRectF();
        }
        return QRectF(QPointF(left / scale_ - origin_, top / scale_ - origin_),
                      QPointF((right + 1) / scale_ - origin_, (bottom + 1) / scale_ - origin_));
    }

    // The darkest pixel inside `area` (twips): the colour that text or lines were drawn in.
    QColor Darkest(const QRectF& area) const {
        const QPoint from = Pixel(area.left(), area.top());
        const QPoint to = Pixel(area.right(), area.bottom());
        QRgb darkest = qRgb(255, 255, 255);
        for (int y = std::max(0, from.y()); y <= std::min(image_.height() - 1, to.y()); ++y) {
            for (int x = std::max(0, from.x()); x <= std::min(image_.width() - 1, to.x()); ++x) {
                if (qGray(image_.pixel(x, y)) < qGray(darkest)) {
                    darkest = image_.pixel(x, y);
                }
            }
        }
        return QColor(darkest);
    }

  private:
    QImage image_;
    double scale_;
    double origin_;
};
