#include "platform/bmp_to_jpeg.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "support/pdf.h"

#include <QApplication>
#include <QPrinterInfo>

class TestPrinter : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void linesStandAtTheCurrentPositionAndMoveDownOneLine() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        Printer printer;
        QVERIFY2(printer.Ok(), qPrintable(printer.Error()));
        printer.SetFont(QStringLiteral("Arial"), 12, false);
        printer.SetCurrentX(600);
        printer.SetCurrentY(1200);
        printer.PrintLine(QStringLiteral("Eerste regel"));
        QCOMPARE(printer.CurrentX(), 0);
        QCOMPARE(printer.CurrentY(), 1200 + printer.TextHeight());
        printer.PrintLine(QString());
        printer.SetCurrentX(2000);
        printer.PrintLine(QStringLiteral("Derde"));
        QVERIFY(printer.EndDoc());

        const QList<PdfLine> lines = PdfLines(pdf.Path());
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].text, QStringLiteral("Eerste regel"));
        QVERIFY(std::abs(lines[0].left - 600) < 5);
        QVERIFY(std::abs(lines[0].top - 1200) < 5);
        // Twelve points are 240 twips; a line of text takes a little more.
        QVERIFY(printer.TextHeight() > 240 && printer.TextHeight() < 300);
        QCOMPARE(lines[1].text, QStringLiteral("Derde"));
        QVERIFY(std::abs(lines[1].left - 2000) < 5);
        QVERIFY(std::abs(lines[1].top - (1200 + 2 * printer.TextHeight())) < 5);
    }

    void fontSizeAndBoldChangeTheLine() {
        Printer printer;
        printer.SetFont(QStringLiteral("Arial"), 10, false);
        const int small = printer.TextHeight();
        const int plainWidth = printer.TextWidth(QStringLiteral("Score-lijst"));
        printer.SetFontBold(true);
        QVERIFY(printer.TextWidth(QStringLiteral("Score-lijst")) > plainWidth);
        printer.SetFontSize(20);
        QVERIFY(std::abs(printer.TextHeight() - 2 * small) <= 4);
    }

    void picturesAreStretchedIntoTheirRectangle() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        Printer printer;
        QImage red(5, 3, QImage::Format_RGB32);
        red.fill(QColor(255, 0, 0));
        printer.DrawPicture(red, 900, 2700, 5700, 1500);
        QVERIFY(printer.EndDoc());
        const RenderedPage page(pdf.Path(), 1);
        QVERIFY(!page.IsNull());
        const QRectF ink = page.InkBox(QRectF(0, 0, 11000, 16000), 250);
        QVERIFY2(std::abs(ink.left() - 900) <= 20 && std::abs(ink.top() - 2700) <= 20 &&
                     std::abs(ink.right() - 6600) <= 20 && std::abs(ink.bottom() - 4200) <= 20,
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())));
        const QColor inside = page.At(3000, 3500);
        QVERIFY(inside.red() > 245 && inside.green() < 10 && inside.blue() < 10);
    }

    void copiesAndPages_data() {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("newPages");
        QTest::addColumn<int>("pages");
        QTest::newRow("one page") << 1 << 0 << 1;
        QTest::newRow("three copies") << 3 << 0 << 3;
        QTest::newRow("two pages, twice") << 2 << 1 << 4;
        QTest::newRow("nothing after the last new page") << 1 << 2 << 2;
    }
    void copiesAndPages() {
        REQUIRE_POPPLER();
        QFETCH(int, copies);
        QFETCH(int, newPages);
        PdfPrintout pdf;
        Printer printer;
        printer.SetCopies(copies);
        for (int page = 0; page <= newPages; ++page) {
            if (page > 0) {
                printer.NewPage();
                QCOMPARE(printer.CurrentY(), 0);
            }
            if (page < 2) {
                printer.PrintLine(QStringLiteral("Pagina %1").arg(page + 1));
            }
        }
        QVERIFY(printer.EndDoc());
        QTEST(PdfPageCount(pdf.Path()), "pages");
        const QList<PdfLine> lines = PdfLines(pdf.Path());
        QCOMPARE(lines.size(), copies * std::min(newPages + 1, 2));
        QCOMPARE(lines.back().text, QStringLiteral("Pagina %1").arg(std::min(newPages + 1, 2)));
    }

    void aFileThatCannotBeWrittenIsReported() {
        SetPrintToFile(QStringLiteral("/nonexistent-folder/printout.pdf"));
        Printer printer;
        QVERIFY(printer.Ok());
        printer.PrintLine(QStringLiteral("Score-lijst Sudoku"));
        QVERIFY(!printer.EndDoc());
        QVERIFY(!printer.Ok());
        QVERIFY2(printer.Error().contains(QLatin1String("/nonexistent-folder/printout.pdf")),
                 qPrintable(printer.Error()));
        SetPrintToFile(QString());
    }

    void withoutADefaultPrinterNothingIsPrinted() {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a default printer");
        }
        SetPrintToFile(QString());
        qputenv("SUDOKU_PRINT_PDF", QByteArray());
        Printer printer;
        QVERIFY(!printer.Ok());
        QCOMPARE(printer.Error(), QStringLiteral("er is geen standaardprinter ingesteld"));
        printer.PrintLine(QStringLiteral("x"));
        QVERIFY(!printer.EndDoc());
    }

    void theEnvironmentCanNameTheFile() {
        REQUIRE_POPPLER();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("env.pdf"));
        qputenv("SUDOKU_PRINT_PDF", path.toLocal8Bit());
        {
            Printer printer;
            printer.PrintLine(QStringLiteral("Omgeving"));
            QVERIFY(printer.EndDoc());
        }
        qunsetenv("SUDOKU_PRINT_PDF");
        QCOMPARE(PdfPageCount(path), 1);
    }

    void bitmapsBecomeJpegs() {
        QTemporaryDir dir;
        QImage board(316, 316, QImage::Format_RGB32);
        board.fill(Qt::white);
        for (int x = 0; x < 316; ++x) {
            board.setPixel(x, 100, qRgb(0, 0, 0));
        }
        const QString bmp = dir.filePath(QStringLiteral("in.bmp"));
        QVERIFY(board.save(bmp, "BMP"));
        const QString jpg = dir.filePath(QStringLiteral("uit.jpg"));
        QVERIFY(BmpToJpeg(bmp, jpg, 80));
        QImage back;
        QVERIFY(back.load(jpg, "JPEG"));
        QCOMPARE(back.size(), board.size());
        QVERIFY(qGray(back.pixel(150, 100)) < 60);
        QVERIFY(qGray(back.pixel(150, 200)) > 230);
        // Quality 80 makes a smaller file than quality 100.
        const QString best = dir.filePath(QStringLiteral("best.jpg"));
        QVERIFY(BmpToJpeg(bmp, best, 100));
        QVERIFY(QFileInfo(jpg).size() < QFileInfo(best).size());
    }

    void failedConversionsLeaveTheTargetAlone() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("oud.jpg"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("oude inhoud");
        old.close();
        QVERIFY(!BmpToJpeg(dir.filePath(QStringLiteral("bestaat-niet.bmp")), target, 80));
        const QString notABitmap = dir.filePath(QStringLiteral("tekst.bmp"));
        QFile text(notABitmap);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("geen plaatje");
        text.close();
        QVERIFY(!BmpToJpeg(notABitmap, target, 80));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("oude inhoud"));
        QImage board(10, 10, QImage::Format_RGB32);
        board.fill(Qt::white);
        QVERIFY(board.save(dir.filePath(QStringLiteral("in.bmp")), "BMP"));
        QVERIFY(!BmpToJpeg(dir.filePath(QStringLiteral("in.bmp")),
                           dir.filePath(QStringLiteral("geen-map/uit.jpg")), 80));
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
