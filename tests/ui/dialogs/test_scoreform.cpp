#include "core/score_list.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "support/pdf.h"
#include "ui/dialogs/printout.h"
#include "ui/dialogs/scoreform.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {

ScoreList Scores(const QStringList& entries) {
    ScoreList scores;
    for (const QString& entry : entries) {
        scores.Insert(entry);
    }
    return scores;
}

QListWidget* List1(Scoreform& form) {
    return form.findChild<QListWidget*>(QStringLiteral("List1"));
}

QString Label1(Scoreform& form) {
    return form.findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

void Click(Scoreform& form, const char* button) {
    QTest::mouseClick(form.findChild<QAbstractButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
}

void Select(Scoreform& form, int row) {
    QListWidget* list = List1(form);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Answers the next message box with `button` and keeps its text and title.
void Answer(QMessageBox::StandardButton button, QString* text = nullptr, QString* title = nullptr) {
    WhenModal([=](QWidget* modal) {
        if (text) {
            *text = MessageText(modal);
        }
        if (title) {
            *title = modal->windowTitle();
        }
        Press(modal, button);
    });
}

QStringList Twelve() {
    QStringList entries;
    for (int i = 1; i <= 12; ++i) {
        entries << QStringLiteral("0:%1:00:0 - Speler %2").arg(i, 2, 10, QChar(u'0')).arg(i);
    }
    return entries;
}

}  // namespace

class TestScoreform : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        InstallFontSubstitutes();
    }

    void opensWithTheListAndItsCount_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("label");
        QTest::newRow("empty") << QStringList{} << "0 namen in de lijst";
        QTest::newRow("one") << QStringList{"0:01:23:4 - Jan"} << "1 naam in de lijst";
        QTest::newRow("many") << QStringList{"0:02:00:0 - Piet", "0:01:23:4 - Jan",
                                             "12:00:00:0 - Langzaam", "0:00:59:9 - Anna"}
                              << "4 namen in de lijst";
    }
    void opensWithTheListAndItsCount() {
        QFETCH(QStringList, entries);
        ScoreList scores = Scores(entries);
        Scoreform form(scores);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral(" Scorelijst"));
        QTEST(Label1(form), "label");
        QStringList shown;
        for (int i = 0; i < List1(form)->count(); ++i) {
            shown << List1(form)->item(i)->text();
        }
        QCOMPARE(shown, scores.Entries());
        QVERIFY(List1(form)->selectedItems().isEmpty());
    }

    void deleting_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QString>("label");
        QTest::newRow("the only entry")
            << QStringList{"0:01:23:4 - Jan"} << 0 << true << "Wilt u Jan verwijderen uit de lijst?"
            << QStringList{} << "0 namen in lijst";
        QTest::newRow("one of two") << QStringList{"0:01:23:4 - Jan", "0:02:00:0 - Piet"} << 1
                                    << true << "Wilt u Piet verwijderen uit de lijst?"
                                    << QStringList{"0:01:23:4 - Jan"} << "1 naam in lijst";
        QTest::newRow("one of two identical")
            << QStringList{"0:01:23:4 - Jan", "0:01:23:4 - Jan", "0:03:00:0 - Els"} << 1 << true
            << "Wilt u Jan verwijderen uit de lijst?"
            << QStringList{"0:01:23:4 - Jan", "0:03:00:0 - Els"} << "2 namen in lijst";
        QTest::newRow("answered No")
            << QStringList{"0:01:23:4 - Jan", "0:02:00:0 - Piet"} << 0 << false
            << "Wilt u Jan verwijderen uit de lijst?"
            << QStringList{"0:01:23:4 - Jan", "0:02:00:0 - Piet"} << "2 namen in de lijst";
        QTest::newRow("ten hours or more")
            << QStringList{"0:01:23:4 - Jan", "10:00:00:0 - Langzaam"} << 1 << true
            << "Wilt u Langzaam verwijderen uit de lijst?" << QStringList{"0:01:23:4 - Jan"}
            << "1 naam in lijst";
        QTest::newRow("an entry without a name")
            << QStringList{"0:01:23:4 - Jan", "rommel"} << 1 << true
            << "Wilt u rommel verwijderen uit de lijst?" << QStringList{"0:01:23:4 - Jan"}
            << "1 naam in lijst";
        QTest::newRow("a name with a dash")
            << QStringList{"0:01:23:4 - Jan - de Snelle"} << 0 << true
            << "Wilt u Jan - de Snelle verwijderen uit de lijst?" << QStringList{}
            << "0 namen in lijst";
    }
    void deleting() {
        QFETCH(QStringList, entries);
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(QStringList, remaining);
        ScoreList scores = Scores(entries);
        Scoreform form(scores);
        form.show();
        Select(form, row);
        QString question;
        QString title;
        Answer(yes ? QMessageBox::Yes : QMessageBox::No, &question, &title);
        Click(form, "DelKnop");
        QTEST(question, "question");
        QCOMPARE(title, QStringLiteral(" Delete"));
        QCOMPARE(scores.Entries(), remaining);
        QStringList shown;
        for (int i = 0; i < List1(form)->count(); ++i) {
            shown << List1(form)->item(i)->text();
        }
        QCOMPARE(shown, remaining);
        QTEST(Label1(form), "label");
    }

    void deletingWithoutAChoiceAsksForOne() {
        ScoreList scores = Scores({"0:01:23:4 - Jan", "0:02:00:0 - Piet"});
        Scoreform form(scores);
        form.show();
        QString text;
        QString title;
        Answer(QMessageBox::Ok, &text, &title);
        Click(form, "DelKnop");
        QCOMPARE(text, QStringLiteral("Eerst een naam selecteren..."));
        QCOMPARE(title, QStringLiteral(" Error"));
        QCOMPARE(scores.Count(), 2);
        QCOMPARE(Label1(form), QStringLiteral("2 namen in de lijst"));

        // After a deletion nothing is chosen, so a second press deletes nothing by accident.
        Select(form, 0);
        Answer(QMessageBox::Yes);
        Click(form, "DelKnop");
        QCOMPARE(scores.Entries(), QStringList{"0:02:00:0 - Piet"});
        text.clear();
        Answer(QMessageBox::Ok, &text);
        Click(form, "DelKnop");
        QCOMPARE(text, QStringLiteral("Eerst een naam selecteren..."));
        QCOMPARE(scores.Count(), 1);
    }

    void printsTwelvePlaces() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        ScoreList scores = Scores(Twelve());
        Scoreform form(scores);
        form.show();
        QString question;
        QString title;
        Answer(QMessageBox::Yes, &question, &title);
        Click(form, "PrintKnop");
        QCOMPARE(question, QStringLiteral("Wilt u deze Score-lijst afdrukken?"));
        QCOMPARE(title, QStringLiteral(" Print"));
        QCOMPARE(PdfPageCount(pdf.Path()), 1);

        const QList<PdfLine> lines = PdfLines(pdf.Path());
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0].text, QStringLiteral("Score-lijst Sudoku"));
        QVERIFY(std::abs(lines[0].left - 600) < 5 && std::abs(lines[0].top - 600) < 5);
        for (int place = 1; place <= 12; ++place) {
            const PdfLine& line = lines[place];
            QCOMPARE(line.text, QStringLiteral("%1. Speler %1 met 0:%2:00:0 seconden.")
                                    .arg(place)
                                    .arg(place, 2, 10, QChar(u'0')));
            QVERIFY(std::abs(line.left - 600) < 5);
        }
        QVERIFY(std::abs(lines[1].top - 1200) < 5);
        // An empty line stands between the third and the fourth place.
        const double step = lines[2].top - lines[1].top;
        QVERIFY(step > 240 && step < 300);
        QVERIFY(std::abs(lines[4].top - lines[3].top - 2 * step) < 2);
        QVERIFY(std::abs(lines[5].top - lines[4].top - step) < 2);

        // Three blanks after places 1 to 9 and one from 10 on put the names in one column.
        QList<double> nameLefts;
        for (const PdfWord& word : PdfWords(pdf.Path())) {
            if (word.text == QLatin1String("Speler")) {
                nameLefts << word.box.left();
            }
        }
        QCOMPARE(nameLefts.size(), 12);
        for (double left : nameLefts) {
            QVERIFY2(std::abs(left - nameLefts.front()) < 10, qPrintable(QString::number(left)));
        }

        const RenderedPage page(pdf.Path(), 1);
        const QColor heading = page.Darkest(QRectF(600, 600, 4000, 300));
        QVERIFY2(heading.red() > 170 && heading.green() < 40 && heading.blue() < 40,
                 qPrintable(heading.name()));
        const QColor entry = page.Darkest(QRectF(600, 1200, 4000, 300));
        QVERIFY2(std::abs(entry.red() - 60) < 15 && entry.red() == entry.green(),
                 qPrintable(entry.name()));
    }

    void aLongListGoesOnOverThePages() {
        REQUIRE_POPPLER();
        PdfPrintout pdf;
        QStringList entries;
        for (int i = 1; i <= 130; ++i) {
            entries << QStringLiteral("0:%1:%2:0 - Nummer %3")
                           .arg(i / 60 + 10)
                           .arg(i % 60, 2, 10, QChar(u'0'))
                           .arg(i);
        }
        ScoreList scores = Scores(entries);
        Scoreform form(scores);
        form.show();
        Answer(QMessageBox::Yes);
        Click(form, "PrintKnop");
        Printer measure;
        measure.SetFont(QStringLiteral("Arial"), 12, false);
        const int pageHeight = measure.PageHeight();
        const int line = measure.TextHeight();
        const int pages = PdfPageCount(pdf.Path());
        QVERIFY2(pages == 3, qPrintable(QString::number(pages)));

        const QList<PdfLine> lines = PdfLines(pdf.Path());
        QCOMPARE(lines.size(), 131);
        int lastPage = 1;
        for (int place = 1; place <= 130; ++place) {
            const PdfLine& entry = lines[place];
            QVERIFY(entry.text.startsWith(QStringLiteral("%1. Nummer %1 met ").arg(place)));
            QVERIFY2(entry.top + line <= pageHeight + 5, qPrintable(entry.text));
            if (entry.page != lastPage) {
                QCOMPARE(entry.page, lastPage + 1);
                QVERIFY(std::abs(entry.top - 600) < 5);
                // The page before was full: one more line would not have fitted.
                QVERIFY(lines[place - 1].top + 2 * line > pageHeight);
                lastPage = entry.page;
            }
        }
    }

    void printingAnsweredNoPrintsNothing() {
        PdfPrintout pdf;
        ScoreList scores = Scores(Twelve());
        Scoreform form(scores);
        form.show();
        Answer(QMessageBox::No);
        Click(form, "PrintKnop");
        QVERIFY(!pdf.Exists());
    }

    void aFailingPrinterIsReported() {
        SetPrintToFile(QStringLiteral("/nonexistent-folder/scores.pdf"));
        ScoreList scores = Scores(Twelve());
        Scoreform form(scores);
        form.show();
        QString text;
        QString title;
        WhenModals({[](QWidget* question) { Press(question, QMessageBox::Yes); },
                    [&](QWidget* failure) {
                        text = MessageText(failure);
                        title = failure->windowTitle();
                        Press(failure, QMessageBox::Ok);
                    },
                    [](QWidget* pdf) { Press(pdf, QMessageBox::No); }});
        Click(form, "PrintKnop");
        SetPrintToFile(QString());
        QCOMPARE(text,
                 QStringLiteral("Geen printer aanwezig / of staat niet aan...(het bestand "
                                "/nonexistent-folder/scores.pdf kan niet worden geschreven)"));
        QCOMPARE(title, QStringLiteral("Sudoku"));
        QVERIFY(form.isVisible());
        QCOMPARE(scores.Count(), 12);
    }

    // Clicked, or pressed from the keyboard: Return is the close picture's own, and does not go
    // on to the dialog's default button.
    void theClosePictureIsPressedAndCloses_data() {
        QTest::addColumn<int>("key");  // 0 for a click
        QTest::newRow("click") << 0;
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void theClosePictureIsPressedAndCloses() {
        QFETCH(int, key);
        ScoreList scores = Scores({"0:01:23:4 - Jan"});
        Scoreform form(scores);
        auto* exit = form.findChild<QAbstractButton*>(QStringLiteral("ExitKnop"));
        QVERIFY(exit);
        QPoint pressed;
        QTimer::singleShot(0, &form, [&] {
            QTimer::singleShot(100, &form, [&] { pressed = exit->pos(); });
            if (key == 0) {
                QTest::mouseClick(exit, Qt::LeftButton);
            } else {
                exit->setFocus();
                QTest::keyClick(exit, Qt::Key(key));
            }
        });
        // A press that does not close the dialog fails, and does not wait.
        const MessageWatch messages;
        QTimer::singleShot(2000, &form, &QDialog::reject);
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(messages.count, 0);
        const QPoint rest(2715 / 15, 5070 / 15);
        QCOMPARE(exit->pos(), rest);
        QCOMPARE(pressed, rest + QPoint(2, 2));
    }

    void closingDuringThePressIsSafe() {
        ScoreList scores = Scores({"0:01:23:4 - Jan"});
        QPointer<Scoreform> form = new Scoreform(scores);
        form->show();
        QTimer::singleShot(50, form, [&] { delete form; });
        QTest::mouseClick(form->findChild<QAbstractButton*>(QStringLiteral("ExitKnop")),
                          Qt::LeftButton);
        QVERIFY(form.isNull());
        QCOMPARE(scores.Count(), 1);
    }

    void theMenuOpensItOnTheGamesList() {
        GameWindow game;
        game.main->Scores().Insert(QStringLiteral("0:01:23:4 - Jan"));
        game.main->Scores().Insert(QStringLiteral("0:00:59:9 - Anna"));
        QString title;
        QStringList shown;
        WhenModal([&](QWidget* modal) {
            title = modal->windowTitle();
            auto* list = modal->findChild<QListWidget*>(QStringLiteral("List1"));
            for (int i = 0; list && i < list->count(); ++i) {
                shown << list->item(i)->text();
            }
            list->setCurrentRow(0);
            Answer(QMessageBox::Yes);
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("DelKnop")),
                              Qt::LeftButton);
            qobject_cast<QDialog*>(modal)->reject();
        });
        game.main->findChild<QAction*>(QStringLiteral("Puntenlijst"))->trigger();
        QCOMPARE(title, QStringLiteral(" Scorelijst"));
        QCOMPARE(shown, (QStringList{"0:00:59:9 - Anna", "0:01:23:4 - Jan"}));
        QCOMPARE(game.main->Scores().Entries(), QStringList{"0:01:23:4 - Jan"});
        QVERIFY(!game.main->findChild<Scoreform*>());
    }
};

QTEST_MAIN(TestScoreform)
#include "test_scoreform.moc"
