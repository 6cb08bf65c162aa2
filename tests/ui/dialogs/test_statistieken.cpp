// The statistics window: the numbers of a made-up record of games, and the keys.
#include "core/statistics.h"
#include "platform/fonts.h"
#include "ui/dialogs/statistieken.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>

namespace {

// Games begun a minute apart, from 1 May 2026 on.
struct Record {
    std::vector<PlayedGame> games;
    void Add(int level, std::optional<long long> tenths, HelpUsed help = {}, QDate day = {}) {
        const QDateTime begun = QDateTime(QDate(2026, 5, 1), QTime(8, 0), QTimeZone::utc())
                                    .addSecs(60 * static_cast<qint64>(games.size()));
        games.push_back({{day.isValid() ? PuzzleSource::Daily : PuzzleSource::Drawn, day, begun},
                         level,
                         tenths.has_value(),
                         tenths.value_or(0),
                         help});
    }
};

}  // namespace

class TestStatistieken : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        InstallFontSubstitutes();
    }

    void showsTheNumbersOfEachLevel() {
        Record record;
        record.Add(2, 2400);
        record.Add(2, 1800, Help::Hint);
        record.Add(2, {});
        for (const long long tenths : {300, 900, 500, 700}) {
            record.Add(4, tenths);
        }
        // Thirty-one times, faster each time; the chart shows the last thirty.
        for (int i = 0; i <= 30; ++i) {
            record.Add(8, 9000 - 100 * i);
        }
        record.Add(0, 100);
        // The puzzles of the days: 14, 15 and 16 May solved, the 17th not, the 18th and 19th
        // solved, today's (the 20th) not yet.
        for (const int day : {14, 15, 16, 17, 18, 19}) {
            record.Add(3, day == 17 ? std::nullopt : std::optional(2000LL), Help::Hint,
                       QDate(2026, 5, day));
        }
        Statistieken form(Summarize(record.games, QDate(2026, 5, 20)), QString());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral(" Statistieken"));
        auto* table = form.findChild<QTableWidget*>(QStringLiteral("Tabel"));
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 6; ++column) {
                cells << table->item(row, column)->text();
            }
            rows << cells.join(u'|');
        }
        QCOMPARE(rows,
                 (QStringList{
                     "zeer makkelijk|3|2|1|0:04:00:0|0:04:00:0", "makkelijk|6|5|0|\u2013|\u2013",
                     "gemiddeld|4|4|4|0:00:30:0|0:01:00:0", "moeilijk|0|0|0|\u2013|\u2013",
                     "zeer moeilijk|0|0|0|\u2013|\u2013", "uiterst moeilijk|0|0|0|\u2013|\u2013",
                     "buitengewoon moeilijk|31|31|31|0:10:00:0|0:12:30:0"}));
        QCOMPARE(table->item(6, 6)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("30 tijden zonder hulp, de eerste 0:14:50:0, de laatste "
                                "0:10:00:0; de lijn: sneller"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Reeks"))->text(),
                 QStringLiteral("Puzzel van de dag: 2 dagen op rij opgelost (langste reeks: 3 "
                                "dagen)."));
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("Opmerking"))
                    ->text()
                    .startsWith(QStringLiteral("Daarnaast 1 puzzel begonnen zonder niveau")));
    }

    // Tab goes from the table to the words below it and the close button, each with a name for a
    // screen reader; the close button closes.
    void theKeysReachEverything() {
        Statistieken form(Summary(), QStringLiteral("Statistiek.json kon niet worden gelezen."));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QStringList reached;
        for (int i = 0; i < 4; ++i) {
            QWidget* at = QApplication::focusWidget();
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(at);
            QVERIFY2(spoken && !spoken->text(QAccessible::Name).isEmpty(),
                     qPrintable(at->objectName()));
            reached << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(reached, (QStringList{"Tabel", "Reeks", "Opmerking", "ExitKnop"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Tabel"));
        QTest::keyClick(form.findChild<QWidget*>(QStringLiteral("ExitKnop")), Qt::Key_Space);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestStatistieken)
#include "test_statistieken.moc"
