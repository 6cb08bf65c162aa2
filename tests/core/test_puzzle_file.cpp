#include "core/base_grids.h"
#include "core/puzzle_file.h"
#include "solver/solver_engine.h"

#include <QDir>
#include <QTest>

namespace {

// The texts of the solver window's cells, numbered box by box, when they show `grid`.
CellTexts TextsOf(const Grid& grid) {
    CellTexts texts;
    for (int n = 1; n <= 81; ++n) {
        const solver::CellPos p = solver::CellPosition(static_cast<std::int16_t>(n));
        texts[n] = QString::number(grid(solver::GridColumn(p), solver::GridRow(p)));
    }
    return texts;
}

// The rows of base grid n as they stand, each ended by `end`.
QByteArray RowsOf(int n, const char* end = "\r\n") {
    QByteArray bytes;
    for (const std::string_view row : BaseGrids[n - 1]) {
        bytes += QByteArray(row.data(), static_cast<qsizetype>(row.size())) + end;
    }
    return bytes;
}

}  // namespace

class TestPuzzleFile : public QObject {
    Q_OBJECT
  private slots:
    // The file holds the grid row by row, not in the order in which the cells are numbered.
    void fileHoldsTheGridRowByRow() {
        for (int n = 1; n <= BaseGridCount; ++n) {
            const std::optional<Grid> grid = GridFromCellTexts(TextsOf(TransformedGrid(n, 1)));
            QVERIFY(grid);
            QCOMPARE(PuzzleFileBytes(*grid), RowsOf(n));
            for (int t = 1; t <= TransformationCount; ++t) {
                const Grid other = TransformedGrid(n, t);
                QCOMPARE(ReadPuzzleFile(PuzzleFileBytes(other)), std::optional<Grid>(other));
            }
        }
    }

    void cellsThatAreNotOneDigitGiveNoGrid() {
        for (const QString& text : {QString(), QStringLiteral("0"), QStringLiteral("12"),
                                    QStringLiteral("a"), QStringLiteral("\u0663")}) {
            CellTexts texts = TextsOf(TransformedGrid(2, 3));
            texts[81] = text;
            QVERIFY2(!GridFromCellTexts(texts), qPrintable(text));
        }
    }

    // The first nine characters of the first nine lines; the rest is not read.
    void filesThatAreRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = RowsOf(4);
        QTest::newRow("CR LF") << good;
        QTest::newRow("LF only") << RowsOf(4, "\n");
        QTest::newRow("last line not ended") << good.chopped(2);
        QTest::newRow("one line ended by LF") << good.left(9) + good.mid(10);
        QTest::newRow("blank line at the end") << good + "\r\n";
        QTest::newRow("blank line at the end, LF only") << RowsOf(4, "\n") + "\n";
        QTest::newRow("ten lines") << good + good.left(11);
        QTest::newRow("rest of a longer old file") << good + QByteArray(300, 'z');
        QTest::newRow("long line") << good.left(9) + "1" + good.mid(9);
        QTest::newRow("long last line") << good.chopped(2) + "3\r\n";
        QTest::newRow("blank at a line's end") << good.left(9) + " " + good.mid(9);
    }
    void filesThatAreRead() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(ReadPuzzleFile(bytes), std::optional<Grid>(TransformedGrid(4, 1)));
    }

    void filesThatAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = RowsOf(5);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("eight lines") << good.left(88);
        QTest::newRow("eight lines and a blank one") << good.left(88) + "\r\n";
        QTest::newRow("short line") << good.left(8) + good.mid(9);
        QTest::newRow("short last line") << good.left(96);
        // A missing digit would be a 0 in the solution, which no game could ever complete.
        QTest::newRow("zero") << "0" + good.mid(1);
        QTest::newRow("CR only") << RowsOf(5, "\r");
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + good;
        QByteArray swapped = good;
        std::swap(swapped[0], swapped[1]);
        QTest::newRow("a digit twice in a column") << swapped;
        QByteArray shifted;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                shifted += static_cast<char>('1' + (c + r) % 9);
            }
            shifted += "\r\n";
        }
        QTest::newRow("a digit twice in a block") << shifted;
    }
    void filesThatAreRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ReadPuzzleFile(bytes));
    }

    void namesOfPuzzles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("default") << QStringLiteral("Puzzel-") << true;
        QTest::newRow("blanks around") << QStringLiteral("  mijn puzzel ") << true;
        QTest::newRow("leading dot") << QStringLiteral(".verborgen") << true;
        QTest::newRow("longest") << QString(251, u'a') << true;
        QTest::newRow("longest in two-byte letters") << QString(125, u'é') << true;
        QTest::newRow("blanks only") << QStringLiteral("  \t ") << false;
        QTest::newRow("slash") << QStringLiteral("../x") << false;
        QTest::newRow("backslash") << QStringLiteral("..\\x") << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("line break") << QStringLiteral("a\nb") << false;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
        QTest::newRow("too long") << QString(252, u'a') << false;
        QTest::newRow("too long in two-byte letters") << QString(126, u'é') << false;
        QTest::newRow("half a character") << QString(QChar(0xD800)) << false;
    }
    void namesOfPuzzles() {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(IsPlainPuzzleName(name), plain);
    }

    // The puzzles that come with the program can all be loaded.
    void shippedPuzzlesAreGood() {
        const QDir folder(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/../../resources/puzzels");
        const QStringList names = folder.entryList({QStringLiteral("*.puz")}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(ReadPuzzleFile(file.readAll()), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFile)
#include "test_puzzle_file.moc"
