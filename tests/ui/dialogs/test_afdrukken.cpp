#include "core/maker.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/surface.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "support/pdf.h"
#include "ui/dialogs/afdrukken.h"
#include "ui/dialogs/printout.h"
#include "ui/dialogs/puzzelboekje.h"
#include "ui/dialogs/scoreform.h"
#include "ui/game/board_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

namespace {

template <class T = QWidget>
T* Child(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

// A board with a grid and a few grey faces, as a game draws it.
Surface TestBoard() {
    Surface board(board::BoardTwips, board::BoardTwips);
    for (int k = 0; k <= 9; ++k) {
        const QColor colour = k % 3 == 0 ? board::BlockLine : board::CellLine;
        board.Line(QPointF(k * board::CellPitch, 0), QPointF(k * board::CellPitch, 4725), colour);
        board.Line(QPointF(0, k * board::CellPitch), QPointF(4725, k * board::CellPitch), colour);
    }
    board.FillBox(QPointF(15, 15), QPointF(510, 510), board::GivenFace);
    return board;
}

void Print(Afdrukken& dialog) {
    QTest::mouseClick(Child(dialog, "OkKnop"), Qt::LeftButton);
}

struct Options {
    int size = 1;
    bool date = false;
    bool lines = false;
    QString copies = QStringLiteral("1");
};

void Choose(Afdrukken& dialog, const Options& options) {
    Child<QScrollBar>(dialog, "VScroll1")->setValue(options.size);
    Child<QCheckBox>(dialog, "Check1")->setChecked(options.date);
    Child<QCheckBox>(dialog, "Check2")->setChecked(options.lines);
    Child<QLineEdit>(dialog, "Text1")->setText(options.copies);
}

bool Near(double measured, double expected, double tolerance = 20) {
    return std::abs(measured - expected) <= tolerance;
}

QString Box(const QRectF& box) {
    return QStringLiteral("%1,%2 - %3,%4")
        .arg(box.left())
        .arg(box.top())
        .arg(box.right())
        .arg(box.bottom());
}

}  // namespace

class TestAfdrukken : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        InstallFontSubstitutes();
    }

    void opensAtTenCentimetresWithACopyOfTheBoard() {
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Puzzel afdrukken"));
        QCOMPARE(Child<QLabel>(dialog, "Label4")->text(),
                 QStringLiteral("Afdrukken in het formaat 10 x 10 cm."));
        QCOMPARE(Child(dialog, "Pic3")->geometry(), QRect(20, 54, 80, 80));
        QCOMPARE(Child<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("1"));
        QVERIFY(!Child<QCheckBox>(dialog, "Check1")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "Check2")->isChecked());
        QVERIFY(!Child(dialog, "Label6")->isVisible());
        QVERIFY(!Child(dialog, "Line1")->isVisible());
        auto* bar = Child<QScrollBar>(dialog, "VScroll1");
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(Child<QLabel>(dialog, "Pic3")->pixmap().toImage(), board.ScreenImage());
    }

    void theSizeBarChangesTheTextAndThePreviewSizeOnly() {
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        const QImage preview = board.ScreenImage();
        // What happens on the board after the dialog opened is not in the preview.
        board.FillBox(QPointF(600, 600), QPointF(1000, 1000), Qt::red);
        auto* bar = Child<QScrollBar>(dialog, "VScroll1");
        auto* pic3 = Child<QLabel>(dialog, "Pic3");
        // Set directly, then with the arrow keys; a screen reader hears the size as the bar's name.
        for (int round = 0; round < 2; ++round) {
            round == 0 ? bar->setValue(2) : QTest::keyClick(bar, Qt::Key_Down);
            QCOMPARE(Child<QLabel>(dialog, "Label4")->text(),
                     QStringLiteral("Afdrukken in het formaat 15 x 15 cm."));
            QCOMPARE(bar->accessibleName(), Child<QLabel>(dialog, "Label4")->text());
            QCOMPARE(pic3->geometry(), QRect(20, 54, 110, 110));
            QCOMPARE(pic3->pixmap().toImage(), preview);
            round == 0 ? bar->setValue(1) : QTest::keyClick(bar, Qt::Key_Up);
            QCOMPARE(Child<QLabel>(dialog, "Label4")->text(),
                     QStringLiteral("Afdrukken in het formaat 10 x 10 cm."));
            QCOMPARE(bar->accessibleName(), Child<QLabel>(dialog, "Label4")->text());
            QCOMPARE(pic3->geometry(), QRect(20, 54, 80, 80));
            QCOMPARE(pic3->pixmap().toImage(), preview);
        }
    }

    void theDateOptionShowsTheFooterInThePreview() {
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        auto* check1 = Child<QCheckBox>(dialog, "Check1");
        auto* label6 = Child<QLabel>(dialog, "Label6");
        QTest::mouseClick(check1, Qt::LeftButton);
        QVERIFY(label6->isVisible());
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY2(label6->text().startsWith(date + QStringLiteral(" / ")),
                 qPrintable(label6->text()));
        QVERIFY(label6->text().contains(QRegularExpression(QStringLiteral("\\d:\\d\\d:\\d\\d"))));
        QVERIFY(label6->geometry().right() < Child(dialog, "Label1")->geometry().right());
        QTest::mouseClick(check1, Qt::LeftButton);
        QVERIFY(!label6->isVisible());
    }

    void aCopiesTextThatIsNoNumberIsRefused_data() {
        QTest::addColumn<QString>("copies");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << " ";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
        QTest::newRow("fraction") << "1.5";
        QTest::newRow("word") << "drie";
        QTest::newRow("too many") << "100";
    }
    void aCopiesTextThatIsNoNumberIsRefused() {
        QFETCH(QString, copies);
        PdfPrintout pdf;
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        Choose(dialog, {.copies = copies});
        QString text;
        WhenModal([&](QWidget* modal) {
            text = MessageText(modal);
            Press(modal, QMessageBox::Ok);
        });
        Print(dialog);
        QCOMPARE(text, QStringLiteral(
                           "Het aantal afdrukken moet een heel getal van 1 tot en met 99 zijn."));
        QVERIFY(!pdf.Exists());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(dialog.isVisible());
    }

    void thePageHoldsBannerBoardShadowsAndOptions_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("options");
        QTest::newRow("10 cm, no options") << 1 << false;
        QTest::newRow("10 cm, both options") << 1 << true;
        QTest::newRow("15 cm, no options") << 2 << false;
        QTest::newRow("15 cm, both options") << 2 << true;
    }
    void thePageHoldsBannerBoardShadowsAndOptions() {
        REQUIRE_POPPLER();
        QFETCH(int, size);
        QFETCH(bool, options);
        PdfPrintout pdf;
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        Choose(dialog, {.size = size, .date = options, .lines = options});
        Print(dialog);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(dialog.isVisible());
        QCOMPARE(PdfPageCount(pdf.Path()), 1);
        const RenderedPage page(pdf.Path(), 1);  // 10 twips to the pixel
        const int s = Afdrukken::BoardSize(size);
        QCOMPARE(s, size == 1 ? 5700 : 8550);

        const QRectF banner = page.InkBox(QRectF(0, 0, 11000, 2500), 250);
        QVERIFY2(Near(banner.left(), 600) && Near(banner.top(), 600) &&
                     Near(banner.right(), 8100) && Near(banner.bottom(), 2100),
                 qPrintable(Box(banner)));

        const QRectF lines = page.InkBox(QRectF(700, 2500, s + 400, s + 400), 128);
        QVERIFY2(Near(lines.left(), 900) && Near(lines.top(), 2700) &&
                     Near(lines.right(), 900 + s) && Near(lines.bottom(), 2700 + s),
                 qPrintable(Box(lines)));
        // The first cell is a given: its grey face stands at the board's top-left corner.
        const QColor given = page.At(900 + s * 262 / 4740, 2700 + s * 60 / 4740);
        QVERIFY2(std::abs(given.red() - 230) < 8, qPrintable(given.name()));
        QVERIFY(qGray(page.At(900 + s * 1312 / 4740, 2700 + s * 60 / 4740).rgb()) > 245);

        // The shadows: darkest next to the board, white beyond their far edges, and nothing
        // further right than where both end, flush.
        const double right = 900 + s + 30;
        const double below = 2700 + s + 30;
        QVERIFY(qGray(page.At(right + 40, 2730 + s / 2).rgb()) < 180);
        QVERIFY(qGray(page.At(right + 740, 2730 + s / 2).rgb()) > 245);
        QVERIFY(qGray(page.At(930 + s / 2, below + 40).rgb()) < 180);
        QVERIFY(qGray(page.At(930 + s / 2, below + 740).rgb()) > 245);
        QVERIFY(page.InkBox(QRectF(right + 770, 2500, 1500, s + 1200), 254).isNull());
        QVERIFY(page.InkBox(QRectF(700, below + 770, s + 1200, 300), 254).isNull());
        const QRectF rightShadow = page.InkBox(QRectF(right - 10, 2500, 800, s), 250);
        QVERIFY2(Near(rightShadow.left(), right, 30), qPrintable(Box(rightShadow)));

        const int base = size == 1 ? 9600 : 12600;
        const QRectF fillIn = page.InkBox(QRectF(700, base - 200, 6000, 1700), 200);
        const QRectF footer = page.InkBox(QRectF(700, 15500, 11000, 600), 200);
        if (!options) {
            QVERIFY2(fillIn.isNull(), qPrintable(Box(fillIn)));
            QVERIFY2(footer.isNull(), qPrintable(Box(footer)));
            return;
        }
        // Text lines are measured at the tops of their letters, a little below the line's top.
        const int lefts[] = {900, 900, 930};
        for (int k = 0; k < 3; ++k) {
            const QRectF line = page.InkBox(QRectF(700, base + 540 * k - 100, 6000, 440), 200);
            QVERIFY2(line.top() >= base + 540 * k && line.top() <= base + 540 * k + 100 &&
                         Near(line.left(), lefts[k], 40),
                     qPrintable(QStringLiteral("line %1: %2").arg(k).arg(Box(line))));
        }
        QVERIFY(qGray(page.Darkest(QRectF(700, base, 6000, 1400)).rgb()) < 40);
        QVERIFY2(footer.top() >= 15700 && footer.top() <= 15800 && Near(footer.left(), 900, 40),
                 qPrintable(Box(footer)));
        const QColor footerInk = page.Darkest(QRectF(700, 15500, 11000, 600));
        QVERIFY2(std::abs(qGray(footerInk.rgb()) - 120) < 15, qPrintable(footerInk.name()));

        QStringList words;
        for (const PdfWord& word : PdfWords(pdf.Path())) {
            words << word.text;
            if (word.text == MakerAddress) {
                QVERIFY(Near(word.box.left(), 8310, 5) && Near(word.box.top(), 15700, 5));
                // The address fits on the paper.
                QVERIFY(word.box.right() < Printer().PageWidth());
            }
        }
        const QString text = words.join(u' ');
        QVERIFY2(text.contains(QStringLiteral("Puzzel nr. .................. : Naam "
                                              "......................... : Score / tijd "
                                              "................ :")),
                 qPrintable(text));
        QVERIFY(text.contains(MakerAddress));
        QVERIFY(
            text.contains(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    }

    void threeCopiesGiveThreeEqualPages() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        Choose(dialog, {.size = 2, .date = false, .lines = true, .copies = QStringLiteral("3")});
        Print(dialog);
        QCOMPARE(PdfPageCount(pdf.Path()), 3);
        // Every copy carries the same words in the same places and the same drawing.
        QList<PdfWord> pages[4];
        for (const PdfWord& word : PdfWords(pdf.Path())) {
            pages[word.page] << word;
        }
        QVERIFY(!pages[1].isEmpty());
        for (int copy = 2; copy <= 3; ++copy) {
            QCOMPARE(pages[copy].size(), pages[1].size());
            for (int i = 0; i < pages[1].size(); ++i) {
                QCOMPARE(pages[copy][i].text, pages[1][i].text);
                QVERIFY(Near(pages[copy][i].box.left(), pages[1][i].box.left(), 1));
                QVERIFY(Near(pages[copy][i].box.top(), pages[1][i].box.top(), 1));
            }
        }
        const QRectF drawn = RenderedPage(pdf.Path(), 1).InkBox(QRectF(0, 0, 11000, 16000), 250);
        for (int copy = 2; copy <= 3; ++copy) {
            const QRectF again =
                RenderedPage(pdf.Path(), copy).InkBox(QRectF(0, 0, 11000, 16000), 250);
            QVERIFY2(Near(again.left(), drawn.left()) && Near(again.top(), drawn.top()) &&
                         Near(again.right(), drawn.right()) && Near(again.bottom(), drawn.bottom()),
                     qPrintable(Box(again) + QStringLiteral(" / ") + Box(drawn)));
        }
    }

    void theScanLineRunsDownThePreviewWhilePrinting() {
        PdfPrintout pdf;
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        auto* line1 = Child(dialog, "Line1");
        QList<int> tops;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, &dialog, [&] {
            if (line1->isVisible()) {
                tops << line1->y();
                QCOMPARE(line1->x(), 15);
                QCOMPARE(line1->width(), 132);
            }
        });
        sampler.start(50);
        QElapsedTimer clock;
        clock.start();
        Print(dialog);
        QVERIFY(clock.elapsed() >= 900);
        QVERIFY(!line1->isVisible());
        QVERIFY(tops.size() >= 5);
        QVERIFY(std::is_sorted(tops.begin(), tops.end()));
        QVERIFY(tops.front() >= 16 && tops.back() <= 204);
        QVERIFY(pdf.Exists());
    }

    // However the dialog goes away during the scan, nothing reaches the printer.
    void closingDuringTheScanPrintsNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("close box") << "close box";
        QTest::newRow("deleted") << "deleted";
    }
    void closingDuringTheScanPrintsNothing() {
        QFETCH(QString, how);
        PdfPrintout pdf;
        Surface board = TestBoard();
        QPointer<Afdrukken> dialog = new Afdrukken(board);
        dialog->show();
        QTimer::singleShot(200, dialog, [&] {
            if (how == u"Exit") {
                QTest::mouseClick(Child(*dialog, "ExitKnop"), Qt::LeftButton);
            } else if (how == u"close box") {
                dialog->close();
            } else {
                delete dialog;
            }
        });
        Print(*dialog);
        QTest::qWait(100);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!pdf.Exists());
        delete dialog;
    }

    void aFailingPrinterIsReportedAndTheDialogStays() {
        SetPrintToFile(QStringLiteral("/nonexistent-folder/puzzel.pdf"));
        Surface board = TestBoard();
        Afdrukken dialog(board);
        dialog.show();
        QString text;
        QString question;
        bool busyDuringMessage = false;
        WhenModals({[&](QWidget* modal) {
                        text = MessageText(modal);
                        busyDuringMessage = QApplication::overrideCursor() != nullptr;
                        Press(modal, QMessageBox::Ok);
                    },
                    [&](QWidget* modal) {
                        question = MessageText(modal);
                        Press(modal, QMessageBox::No);
                    }});
        Print(dialog);
        SetPrintToFile(QString());
        QCOMPARE(text,
                 PrinterFailureText(QStringLiteral(
                     "het bestand /nonexistent-folder/puzzel.pdf kan niet worden geschreven")));
        QCOMPARE(question, QStringLiteral("Wilt u de pagina als PDF-bestand opslaan?"));
        QVERIFY(!busyDuringMessage);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(dialog.isVisible());
    }

    // Without a printer the message comes at once, and the page can be saved as a PDF file: the
    // very page the printer would have had.
    void withoutAPrinterThePageCanBeSavedAsPdf_data() {
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<QString>("name");
        QTest::newRow("not wanted") << false << QString();
        QTest::newRow("save dialog cancelled") << true << QString();
        QTest::newRow("saved") << true << "pagina";
    }
    void withoutAPrinterThePageCanBeSavedAsPdf() {
        QFETCH(bool, wanted);
        QFETCH(QString, name);
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a default printer");
        }
        REQUIRE_POPPLER();
        Surface board = TestBoard();
        const Options options{
            .size = 2, .date = false, .lines = true, .copies = QStringLiteral("3")};
        PdfPrintout printed;
        {
            Afdrukken dialog(board);
            dialog.show();
            Choose(dialog, options);
            Print(dialog);
        }
        SetPrintToFile(QString());
        qunsetenv("SUDOKU_PRINT_PDF");
        Afdrukken dialog(board);
        dialog.show();
        Choose(dialog, options);
        QString text;
        QString filter;
        const QString chosen = name.isNull() ? QString() : printed.Folder() + u'/' + name;
        QList<std::function<void(QWidget*)>> answers{
            [&](QWidget* modal) {
                text = MessageText(modal);
                Press(modal, QMessageBox::Ok);
            },
            [&](QWidget* modal) { Press(modal, wanted ? QMessageBox::Yes : QMessageBox::No); }};
        if (wanted) {
            answers << [&](QWidget* modal) { ChooseFile(modal, chosen, &filter); };
        }
        WhenModals(answers);
        QElapsedTimer clock;
        clock.start();
        Print(dialog);
        QCOMPARE(text, QStringLiteral("Geen printer aanwezig / of staat niet aan...(er is geen "
                                      "standaardprinter ingesteld)"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(dialog.isVisible());
        const QString saved = printed.Folder() + QStringLiteral("/pagina.pdf");
        QCOMPARE(QFile::exists(saved), !name.isNull());
        if (!wanted) {
            QVERIFY(clock.elapsed() < 900);
        } else {
            QCOMPARE(filter, QStringLiteral("PDF-bestand (*.pdf)"));
        }
        if (!name.isNull()) {
            QCOMPARE(PdfPageCount(saved), 1);
            QCOMPARE(RenderPage(saved, 1, 72), RenderPage(printed.Path(), 1, 72));
        }
    }

    void exitCloses() {
        Surface board = TestBoard();
        Afdrukken dialog(board);
        QTimer::singleShot(0, &dialog,
                           [&] { QTest::mouseClick(Child(dialog, "ExitKnop"), Qt::LeftButton); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void aBoardInPlayPrintsAsTheScreenShowsIt() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        GameWindow game;
        game.LayOut({"110000000", "000000000", "000000000", "000000000", "000010000", "000000000",
                     "000000000", "000000000", "000000001"});
        game.Settings().DigitColour = {0, 0, 200};
        game.main->GetalKnop_Click(game.Model().SolutionGrid()(4, 4));
        game.main->Pic_MouseDown(1, QPointF(board::CellLeft(4) + 262, board::CellTop(4) + 262));
        QVERIFY(game.Model().BoardGrid()(4, 4) != 0);
        QImage preview;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<Afdrukken*>(modal);
            QVERIFY(dialog);
            preview = Child<QLabel>(*dialog, "Pic3")->pixmap().toImage();
            Choose(*dialog, {.size = 2});
            Print(*dialog);
            dialog->reject();
        });
        QTest::mouseClick(game.main->Knoptext(5), Qt::LeftButton);
        QCOMPARE(preview, game.main->PicSurface().ScreenImage());
        QVERIFY(!game.main->findChild<Afdrukken*>());

        const RenderedPage page(pdf.Path(), 1);
        const double cell = 8550.0 * board::CellPitch / board::BoardTwips;
        const auto face = [&](int c, int r) {
            // A point of the face beside its digit.
            return page.At(900 + (c - 1) * cell + cell * 0.12, 2700 + (r - 1) * cell + cell * 0.5);
        };
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const bool given = (r == 1 && c <= 2) || (r == 5 && c == 5) || (r == 9 && c == 9);
                QVERIFY2(
                    std::abs(face(c, r).red() - (given ? 230 : 255)) < 8,
                    qPrintable(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(face(c, r).name())));
            }
        }
        const QColor digit =
            page.Darkest(QRectF(900 + 3.2 * cell, 2700 + 3.2 * cell, 0.6 * cell, 0.6 * cell));
        QVERIFY2(digit.blue() > 150 && digit.red() < 60 && digit.green() < 60,
                 qPrintable(digit.name()));
        // The digits are letters on the paper, drawn at the printer's resolution, not the dots of
        // a picture of the screen: each stands in its own cell.
        const QList<PdfWord> words = PdfWords(pdf.Path());
        for (const QPoint at :
             {QPoint(1, 1), QPoint(2, 1), QPoint(4, 4), QPoint(5, 5), QPoint(9, 9)}) {
            const QRectF square(900 + (at.x() - 1) * cell, 2700 + (at.y() - 1) * cell, cell, cell);
            const QString number = QString::number(game.Model().BoardGrid()(at.x(), at.y()));
            QVERIFY2(std::any_of(words.begin(), words.end(),
                                 [&](const PdfWord& word) {
                                     return word.text == number && square.contains(word.box);
                                 }),
                     qPrintable(QStringLiteral("%1 in %2,%3").arg(number).arg(at.x()).arg(at.y())));
        }
    }

    // The booklet from the game's File menu: the puzzles as many to a page as chosen, then the
    // solutions, on the printer of the printouts.
    void bookletPrintsThePuzzlesThenTheSolutions() {
        if (!HavePoppler()) {
            QSKIP("the poppler tools are not installed");
        }
        PdfPrintout printout;
        Puzzelboekje dialog(7, nullptr);
        Child<QSpinBox>(dialog, "Aantal")->setValue(5);
        Child<QComboBox>(dialog, "PerBladzijde")->setCurrentText(QStringLiteral("2"));
        QCOMPARE(Child<QComboBox>(dialog, "Niveau")->currentText(),
                 QStringLiteral("uiterst moeilijk"));
        QTest::mouseClick(Child(dialog, "Afdrukken"), Qt::LeftButton);
        QCOMPARE(PdfPageCount(printout.Path()), 4);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAfdrukken)
#include "test_afdrukken.moc"
