#include "core/web_page.h"

#include <QFile>
#include <QTest>

#include <algorithm>

namespace {

// Givens and a wrong digit of the player's (the 5 in the bottom row) look alike to the page.
Grid BoardWithGivens() {
    const char* rows[] = {"600090001", "000300000", "000000000", "080000070", "000090000",
                          "000000000", "002000000", "000000000", "500000009"};
    Grid grid;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            grid(c, r) = static_cast<std::uint8_t>(rows[r - 1][c - 1] - '0');
        }
    }
    return grid;
}

}  // namespace

class TestWebPage : public QObject {
    Q_OBJECT
  private slots:
    void everyLineEndsInCrLf_data() {
        QTest::addColumn<Grid>("board");
        QTest::newRow("empty board") << Grid();
        QTest::newRow("givens") << BoardWithGivens();
    }
    void everyLineEndsInCrLf() {
        QFETCH(Grid, board);
        const QByteArray page = WebPage(board);
        QVERIFY(page.endsWith("</html>\r\n"));
        QCOMPARE(page.count("\r\n"), WebPageLineCount);
        QCOMPARE(page.count('\n'), WebPageLineCount);
        QCOMPARE(page.count('\r'), WebPageLineCount);
        QVERIFY(std::all_of(page.begin(), page.end(), [](char ch) { return ch > 0; }));
    }

    void emptyBoardGivesOnlyInputFieldsInOrder() {
        const QByteArray page = WebPage(Grid());
        QCOMPARE(page.count("<input class=invoer TYPE=\"text\""), 81);
        QVERIFY(!page.contains("readonly"));
        qsizetype at = 0;
        for (int n = 1; n <= 81; ++n) {
            at = page.indexOf("NAME=\"Vak" + QByteArray::number(n) + "\" SIZE", at);
            QVERIFY2(at > 0, qPrintable(QString::number(n)));
        }
    }

    // The grey column follows columns 3 and 6 only, the grey row rows 3 and 6 only.
    void separatorsStandBetweenBlocksOnly() {
        const QList<QByteArray> lines = WebPage(BoardWithGivens()).split('\n');
        QList<int> columns, rows;
        int field = 0;
        for (const QByteArray& line : lines) {
            field += line.contains("NAME=\"Vak");
            if (line == "  <td width=\"2\" bgcolor=\"#999999\"></td>\r") {
                columns << (field - 1) % 9 + 1;
            } else if (line.startsWith("<tr><td height=\"3\" colspan=\"11\"")) {
                rows << (field - 1) / 9 + 1;
            }
        }
        QCOMPARE(columns.count(3), 9);
        QCOMPARE(columns.count(6), 9);
        QCOMPARE(columns.size(), 18);
        QCOMPARE(rows, QList<int>({3, 6}));
    }

    void pageIsExactlyTheExample() {
        QFile golden(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/web/board_with_givens.htm");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(WebPage(BoardWithGivens()), golden.readAll());
    }
};

QTEST_GUILESS_MAIN(TestWebPage)
#include "test_web_page.moc"
