#include "engine/web_page.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// Row by row, 0 for an empty cell: givens and a wrong digit of the player's (the 5 in row 9)
// look alike to the page.
const char* const BoardRows[] = {"600090001", "000300000", "000000000", "080000070", "000090000",
                                 "000000000", "002000000", "000000000", "500000009"};

Grid BoardOf(const char* const (&rows)[9]) {
    Grid grid;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            grid(c, r) = static_cast<std::uint8_t>(rows[r - 1][c - 1] - '0');
        }
    }
    return grid;
}

// The lines of a page, without their CR LF.
QList<QByteArray> Lines(const QByteArray& page) {
    QList<QByteArray> lines = page.split('\n');
    lines.removeLast();  // after the last line's end
    for (QByteArray& line : lines) {
        line.chop(1);
    }
    return lines;
}

QByteArray FieldLine(int n, int digit) {
    if (digit == 0) {
        return "  <td bgcolor=\"#FFFFFF\"><input class=invoer TYPE=\"text\" NAME=\"Vak" +
               QByteArray::number(n) +
               "\" SIZE=\"1\" maxlength=\"1\" onkeypress=\"return isNumberKey(event)\"></td>";
    }
    return "  <td bgcolor=\"#EEEEEE\"><input class=bestaand TYPE=\"text\" NAME=\"Vak" +
           QByteArray::number(n) +
           "\" SIZE=\"1\" maxlength=\"1\" value=" + QByteArray::number(digit) + " readonly></td>";
}

}  // namespace

class TestWebPage : public QObject {
    Q_OBJECT
  private slots:
    void pageHasItsLinesEachEndedByCrLf_data() {
        QTest::addColumn<Grid>("board");
        QTest::newRow("empty board") << Grid();
        QTest::newRow("givens and a player's digit") << BoardOf(BoardRows);
        Grid full;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                full(c, r) = static_cast<std::uint8_t>((c + 3 * r + (r - 1) / 3) % 9 + 1);
            }
        }
        QTest::newRow("full board") << full;
    }
    void pageHasItsLinesEachEndedByCrLf() {
        QFETCH(Grid, board);
        const QByteArray page = WebPage(board);
        QVERIFY(page.endsWith("</html>\r\n"));
        QCOMPARE(page.count("\r\n"), WebPageLineCount);
        QCOMPARE(page.count('\n'), WebPageLineCount);
        QCOMPARE(page.count('\r'), WebPageLineCount);
        for (const char ch : page) {
            QVERIFY(static_cast<unsigned char>(ch) < 128);
        }
    }

    // Every cell is one field, numbered row by row, grey and read-only when it holds a digit.
    void fieldsFollowTheBoard_data() {
        QTest::addColumn<Grid>("board");
        QTest::newRow("empty board") << Grid();
        QTest::newRow("givens and a player's digit") << BoardOf(BoardRows);
    }
    void fieldsFollowTheBoard() {
        QFETCH(Grid, board);
        const QList<QByteArray> lines = Lines(WebPage(board));
        QList<QByteArray> fields;
        for (const QByteArray& line : lines) {
            if (line.contains("<input class=invoer") || line.contains("<input class=bestaand")) {
                fields << line;
            }
        }
        QCOMPARE(fields.size(), 81);
        int readOnly = 0;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const int n = 9 * (r - 1) + c;
                QCOMPARE(fields[n - 1], FieldLine(n, board(c, r)));
                readOnly += board(c, r) != 0;
            }
        }
        QCOMPARE(WebPage(board).count("readonly"), readOnly);
        QCOMPARE(WebPage(board).count("isNumberKey(event)"), 81 - readOnly);
    }

    void emptyBoardGivesOnlyInputFields() {
        const QByteArray page = WebPage(Grid());
        QCOMPARE(page.count("class=invoer TYPE"), 81);
        QCOMPARE(page.count("class=bestaand"), 0);
        QVERIFY(!page.contains("readonly"));
    }

    // The grey column follows columns 3 and 6, the grey row rows 3 and 6, never the last ones.
    void separatorsStandBetweenBlocksOnly() {
        const QList<QByteArray> lines = Lines(WebPage(BoardOf(BoardRows)));
        static const QRegularExpression field(QStringLiteral("NAME=\"Vak(\\d+)\""));
        QList<int> columnsBeforeSeparator;
        QList<int> rowsBeforeSeparator;
        int lastField = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = field.match(QString::fromLatin1(lines[i]));
            if (match.hasMatch()) {
                lastField = match.captured(1).toInt();
            } else if (lines[i] == "  <td width=\"2\" bgcolor=\"#999999\"></td>") {
                columnsBeforeSeparator << (lastField - 1) % 9 + 1;
            } else if (lines[i] ==
                       "<tr><td height=\"3\" colspan=\"11\" bgcolor=\"#999999\"></td></tr>") {
                QCOMPARE(lines[i - 1], QByteArray("</tr>"));
                rowsBeforeSeparator << (lastField - 1) / 9 + 1;
            }
        }
        QCOMPARE(columnsBeforeSeparator,
                 QList<int>({3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6}));
        QCOMPARE(rowsBeforeSeparator, QList<int>({3, 6}));
        QCOMPARE(lines.count("<tr>"), 9);
        QCOMPARE(lines.count("</tr>"), 9);
    }

    void pageIsExactlyTheExample() {
        QFile golden(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/web/board_with_givens.htm");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(WebPage(BoardOf(BoardRows)), golden.readAll());
    }
};

QTEST_GUILESS_MAIN(TestWebPage)
#include "test_web_page.moc"
