#include "engine/base_grids.h"
#include "solver/puzzle_file.h"
#include "solver/solver_engine.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// The texts of the solver window's cells when they show `grid`; cells are numbered box by box.
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
            QCOMPARE(*grid, TransformedGrid(n, 1));
            const QByteArray bytes = PuzzleFileBytes(*grid);
            QCOMPARE(bytes.size(), PuzzleFileSize);
            QCOMPARE(bytes, RowsOf(n));
        }
    }

    void cellNumbersOfTheFirstRows() {
        CellTexts texts = TextsOf(TransformedGrid(1, 1));
        // Cells 1, 2, 3 and 10, 11, 12 and 19, 20, 21 make up the top row.
        const int topRow[] = {1, 2, 3, 10, 11, 12, 19, 20, 21};
        QByteArray expected;
        for (const int n : topRow) {
            expected += texts[n].toLatin1();
        }
        QCOMPARE(PuzzleFileBytes(*GridFromCellTexts(texts)).left(9), expected);
        QCOMPARE(expected, RowsOf(1).left(9));
    }

    void everyGridReadsBackAsWritten() {
        for (int n = 1; n <= BaseGridCount; ++n) {
            for (int t = 1; t <= TransformationCount; ++t) {
                const Grid grid = TransformedGrid(n, t);
                QCOMPARE(ReadPuzzleFile(PuzzleFileBytes(grid)), std::optional<Grid>(grid));
            }
        }
    }

    void cellsThatAreNotOneDigitGiveNoGrid_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("two digits") << QStringLiteral("12");
        QTest::newRow("letter") << QStringLiteral("a");
        QTest::newRow("blank") << QStringLiteral(" ");
        QTest::newRow("other digit") << QStringLiteral("\u0663");  // Arabic-Indic three
    }
    void cellsThatAreNotOneDigitGiveNoGrid() {
        QFETCH(QString, text);
        for (const int n : {1, 41, 81}) {
            CellTexts texts = TextsOf(TransformedGrid(2, 3));
            texts[n] = text;
            QVERIFY(!GridFromCellTexts(texts));
        }
    }

    void filesThatAreRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << RowsOf(4);
        QTest::newRow("LF only") << RowsOf(4, "\n");
        QTest::newRow("last line not ended") << RowsOf(4).chopped(2);
        QTest::newRow("LF only, last line not ended") << RowsOf(4, "\n").chopped(1);
        QByteArray mixed = RowsOf(4);
        mixed.remove(9, 1);  // the CR of the first line
        QTest::newRow("one line ended by LF") << mixed;
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
        QTest::newRow("ten lines") << good + good.left(11);
        QTest::newRow("empty line after the ninth") << good + "\r\n";
        QTest::newRow("empty line before the first") << "\r\n" + good;
        QByteArray shortLine = good;
        shortLine.remove(8, 1);
        QTest::newRow("short line") << shortLine;
        QByteArray longLine = good;
        longLine.insert(9, '1');
        QTest::newRow("long line") << longLine;
        QTest::newRow("long last line") << good.chopped(2) + "3\r\n";
        QByteArray zero = good;
        zero[40] = '0';
        QTest::newRow("zero") << zero;
        QByteArray letter = good;
        letter[0] = 'x';
        QTest::newRow("letter") << letter;
        QByteArray blank = good;
        blank[3] = ' ';
        QTest::newRow("blank") << blank;
        QTest::newRow("blank at a line's end") << good.left(9) + " " + good.mid(9);
        QTest::newRow("CR only") << RowsOf(5, "\r");
        QTest::newRow("last line ended by CR") << good.chopped(1);
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + good;
        QTest::newRow("NUL after the grid") << good + QByteArray(1, '\0');
        // Two digits of the top row swapped: the rows still hold every digit, the columns not.
        QByteArray swapped = good;
        std::swap(swapped[0], swapped[1]);
        QTest::newRow("columns with a digit twice") << swapped;
        QByteArray ones;
        for (int r = 0; r < 9; ++r) {
            ones += "111111111\r\n";
        }
        QTest::newRow("all ones") << ones;
        // Every row a shift of 123456789 by one: rows and columns fine, blocks not.
        QByteArray shifted;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                shifted += static_cast<char>('1' + (c + r) % 9);
            }
            shifted += "\r\n";
        }
        QTest::newRow("blocks with a digit twice") << shifted;
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
        QTest::newRow("accents") << QStringLiteral("Géén één") << true;
        QTest::newRow("leading dot") << QStringLiteral(".verborgen") << true;
        QTest::newRow("ending already there") << QStringLiteral("a.puz") << true;
        QTest::newRow("three dots") << QStringLiteral("...") << true;
        QTest::newRow("longest") << QString(251, u'a') << true;
        QTest::newRow("longest in two-byte letters") << QString(125, u'é') << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("   ") << false;
        QTest::newRow("tab only") << QStringLiteral("\t") << false;
        QTest::newRow("slash") << QStringLiteral("a/b") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
        QTest::newRow("up") << QStringLiteral("../x") << false;
        QTest::newRow("up, other separator") << QStringLiteral("..\\x") << false;
        QTest::newRow("absolute") << QStringLiteral("/tmp/x") << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("tab") << QStringLiteral("a\tb") << false;
        QTest::newRow("line break") << QStringLiteral("a\nb") << false;
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << false;
        QTest::newRow("DEL") << QStringLiteral("a\x7f") << false;
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
        const QDir folder(qEnvironmentVariable("SUDOKU_TEST_DATA") +
                          QStringLiteral("/../../resources/puzzels"));
        const QStringList names = folder.entryList({QStringLiteral("*.puz")}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QCOMPARE(bytes.size(), PuzzleFileSize);
            QVERIFY2(ReadPuzzleFile(bytes), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFile)
#include "test_puzzle_file.moc"
