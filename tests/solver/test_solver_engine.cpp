#include <QtTest>

#include "solver/solve_lines.h"
#include "solver/solver_engine.h"

using namespace solver;

namespace {

// "125" is the mask of digits 1, 2 and 5; "*" all nine.
std::int16_t Mask(const QString& digits) {
    if (digits == "*") {
        return AllCandidates;
    }
    int mask = 0;
    for (QChar c : digits) {
        mask |= 1 << (c.digitValue() - 1);
    }
    return static_cast<std::int16_t>(mask);
}

// Strikes every candidate outside the mask; "=9" places the digit 9 instead.
void Shape(SolverEngine& engine, std::int16_t n, const QString& digits) {
    if (digits.startsWith('=')) {
        engine.PlaceDigit(n, digits.mid(1).toInt());
        return;
    }
    for (int d = 1; d <= 9; ++d) {
        if ((Mask(digits) & (1 << (d - 1))) == 0) {
            engine.RemoveCandidate(n, d);
        }
    }
}

// Cell i (0..8) of grid row 1, or of grid column 1.
std::int16_t LineCell(bool column, int i) {
    return column ? CellNumberAt(1, i + 1) : CellNumberAt(i + 1, 1);
}

GridDigits Digits(const char* text) {
    GridDigits grid{};
    std::string problem;
    ParsePuzzleLine(text, grid, problem);
    return grid;
}

bool IsPeer(std::int16_t a, std::int16_t b) {
    const CellPos p = CellPosition(a), q = CellPosition(b);
    const bool sameBox = p.BoxColumn == q.BoxColumn && p.BoxRow == q.BoxRow;
    return a != b && (sameBox || GridRow(p) == GridRow(q) || GridColumn(p) == GridColumn(q));
}

// Runs the solving loop step by step and returns the status after every pass.
QString Trace(SolverEngine& engine) {
    QString trace;
    for (;;) {
        engine.SolvePass();
        trace += "PSTF"[static_cast<int>(engine.Status())];  // Progress Solved sTalled Failed
        if (engine.Status() == SolveStatus::Stalled) {
            engine.FindHiddenSingles();
            engine.ReduceBoxLines();
            engine.FindNakedSubsets(2);
            engine.FindNakedSubsets(3);
            engine.FindNakedSubsets(4);
        } else if (engine.Status() != SolveStatus::Progress) {
            return trace;
        }
    }
}

const char* const kSimple =
    "..9..621..13.9..644...3.....8.4...2..6.8.1.....4.7.......31.7.......4......72...9";
const char* const kSimpleSolution =
    "879546213513297864426138975987463521362851497154972638245319786791684352638725149";

}  // namespace

class TestSolverEngine : public QObject {
    Q_OBJECT

  private slots:
    void cellPosition_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("position");
        QTest::newRow("first") << 1 << QList<int>{1, 1, 1, 1};
        QTest::newRow("13") << 13 << QList<int>{2, 1, 1, 2};
        QTest::newRow("last") << 81 << QList<int>{3, 3, 3, 3};
    }
    void cellPosition() {
        QFETCH(int, n);
        QFETCH(QList<int>, position);
        const CellPos p = CellPosition(static_cast<std::int16_t>(n));
        QCOMPARE((QList<int>{p.BoxColumn, p.BoxRow, p.ColumnInBox, p.RowInBox}), position);
    }

    void cellNumberingIsBoxByBox() {
        const SolverEngine engine;
        QString rows;
        for (int i = 0; i < CellCount; ++i) {
            rows += QChar(0x100 + i);
        }
        const std::u16string cells16 = rows.toStdU16String();
        for (std::int16_t n = 1; n <= CellCount; ++n) {
            const CellPos p = CellPosition(n);
            const int r = GridRow(p), c = GridColumn(p);
            const int box = 3 * ((r - 1) / 3) + (c - 1) / 3;
            QCOMPARE(n, 9 * box + 3 * ((r - 1) % 3) + (c - 1) % 3 + 1);
            QCOMPARE(CellNumberAt(p), n);
            QCOMPARE(CellNumberAt(c, r), n);
            QCOMPARE(CellNumberAtGridIndex(GridIndex(n)), n);
            QCOMPARE(GridIndex(n), 9 * (r - 1) + c - 1);
            QCOMPARE(engine.Table()(p).CellNumber, n);
        }
        QCOMPARE(GridRowsToCellOrder("123456789").substr(0, 12), std::string("123000000456"));
        const std::string grid =
            "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
            "!@#$%^&*()_+-=[]{};:";
        QCOMPARE(CellOrderToGridRows(GridRowsToCellOrder(grid)), grid.substr(0, 81));
    }

    void candidateMasks_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("single");
        QTest::newRow("3 and 8, second") << 132 << 2 << 2 << 8 << false;
        QTest::newRow("3 and 8, third") << 132 << 2 << 3 << 0 << false;
        QTest::newRow("3,5,7,9 first") << 340 << 4 << 1 << 3 << false;
        QTest::newRow("all nine") << 511 << 9 << 9 << 9 << false;
        QTest::newRow("none") << 0 << 0 << 1 << 0 << false;
        QTest::newRow("only 4") << 8 << 1 << 1 << 4 << true;
        QTest::newRow("all 16 bits") << -1 << 9 << 9 << 9 << false;
        QTest::newRow("bit 9 alone") << 512 << 0 << 1 << 0 << true;
        QTest::newRow("bit 15 alone") << -32768 << 0 << 1 << 0 << false;
    }
    void candidateMasks() {
        QFETCH(int, mask);
        QFETCH(int, n);
        const auto m = static_cast<std::int16_t>(mask);
        QTEST(CountCandidates(m), "count");
        QTEST(NthCandidate(m, static_cast<std::int16_t>(n)), "nth");
        QTEST(HoldsSingleCandidate(m), "single");
    }

    void placeDigitStrikesPeersOnly_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("digit");
        QTest::newRow("corner") << 1 << 5;
        QTest::newRow("centre") << 41 << 9;
        QTest::newRow("13") << 13 << 1;
        QTest::newRow("last") << 81 << 7;
    }
    void placeDigitStrikesPeersOnly() {
        QFETCH(int, cell);
        QFETCH(int, digit);
        SolverEngine engine;
        const auto n = static_cast<std::int16_t>(cell);
        engine.PlaceDigit(n, digit);
        QCOMPARE(engine.CountSolved(), 1);
        QVERIFY(!engine.IsDuplicate(n, digit));
        for (std::int16_t m = 1; m <= CellCount; ++m) {
            const int expected = m == n ? 0 : IsPeer(m, n) ? 511 & ~(1 << (digit - 1)) : 511;
            QCOMPARE(engine.Candidates(m), expected);
            if (m != n) {
                QCOMPARE(engine.IsDuplicate(m, digit), IsPeer(m, n));
                QVERIFY(!engine.IsDuplicate(m, digit % 9 + 1));
            }
        }
    }

    void rebuildGivesBackStruckCandidates_data() {
        QTest::addColumn<int>("second");  // 0: the digit is erased
        QTest::newRow("erased") << 0;
        QTest::newRow("replaced") << 3;
    }
    void rebuildGivesBackStruckCandidates() {
        QFETCH(int, second);
        SolverEngine engine;
        engine.PlaceDigit(1, 5);
        second == 0 ? engine.ResetCell(1) : engine.PlaceDigit(1, second);
        QCOMPARE(engine.Candidates(2) & Mask("5"), 0);  // left struck by the first digit
        engine.RebuildCandidates();
        QCOMPARE(engine.Value(1), second);
        QCOMPARE(engine.ValueAt(1, 1), second);
        const int expected = second == 0 ? 511 : 511 & ~Mask(QString::number(second));
        for (std::int16_t m = 2; m <= CellCount; ++m) {
            QCOMPARE(engine.Candidates(m), IsPeer(1, m) ? expected : 511);
        }
    }

    void hiddenSingles_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("strike");
        QTest::addColumn<int>("expected");  // digit placed in the spared cell, or 0
        QTest::newRow("row") << "row"
                             << "6" << 6;
        QTest::newRow("column") << "column"
                                << "6" << 6;
        QTest::newRow("two digits left") << "row"
                                         << "67" << 0;
        QTest::newRow("box is not a unit") << "box"
                                           << "6" << 0;
    }
    void hiddenSingles() {
        QFETCH(QString, unit);
        QFETCH(QString, strike);
        SolverEngine engine;
        const auto cellOf = [&](int i) {
            return unit == "box" ? static_cast<std::int16_t>(i + 1) : LineCell(unit == "column", i);
        };
        for (int i = 0; i < 9; ++i) {
            for (QChar d : strike) {
                if (i != 4) {
                    engine.RemoveCandidate(cellOf(i), d.digitValue());
                }
            }
        }
        engine.FindHiddenSingles();
        QTEST(int(engine.Value(cellOf(4))), "expected");
        QCOMPARE(engine.CountSolved(), engine.Value(cellOf(4)) == 0 ? 0 : 1);
    }

    void boxLineReduction_data() {
        QTest::addColumn<bool>("column");
        QTest::addColumn<QStringList>("segment");  // line cells 1..3, in box 1
        QTest::addColumn<QString>("outside");      // line cells 4..9
        QTest::addColumn<QString>("rest");         // expected in the box's other six cells
        QTest::newRow("one digit") << false << QStringList{"47", "47", "479"} << "12356789"
                                   << "12356789";
        QTest::newRow("one digit, column") << true << QStringList{"47", "47", "479"} << "12356789"
                                           << "12356789";
        QTest::newRow("two digits left") << false << QStringList{"47", "47", "479"} << "1235689"
                                         << "*";
        QTest::newRow("not in every cell") << false << QStringList{"47", "49", "79"} << "12356789"
                                           << "*";
        QTest::newRow("solved cell skipped") << false << QStringList{"47", "47", "=9"} << "12356789"
                                             << "1235678";
    }
    void boxLineReduction() {
        QFETCH(bool, column);
        QFETCH(QStringList, segment);
        QFETCH(QString, outside);
        QFETCH(QString, rest);
        SolverEngine engine;
        for (int i = 0; i < 9; ++i) {
            Shape(engine, LineCell(column, i), i < 3 ? segment[i] : outside);
        }
        engine.ReduceBoxLines();
        for (std::int16_t n = 1; n <= 9; ++n) {
            const CellPos p = CellPosition(n);
            if ((column ? p.ColumnInBox : p.RowInBox) != 1) {
                QCOMPARE(engine.Candidates(n), Mask(rest));
            }
        }
    }

    void nakedSubsets_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("column");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QStringList pair{"12", "12", "125", "15", "*", "*", "*", "*", "*"};
        const QStringList pairAfter{"12", "12", "125", "5", "*", "*", "*", "*", "*"};
        QTest::newRow("pair") << 2 << false << pair << pairAfter;
        QTest::newRow("pair, column") << 2 << true << pair << pairAfter;
        const QStringList shared{"12", "15", "12", "12", "*", "*", "*", "*", "*"};
        QTest::newRow("three cells share a pair") << 2 << false << shared << shared;
        const QStringList partial{"12", "123", "13", "1", "*", "*", "*", "*", "*"};
        QTest::newRow("no second cell") << 2 << false << partial << partial;
        QTest::newRow("triple") << 3 << false << QStringList{"123", "14", "123", "1234", "2345",
                                                             "123", "*",  "*",   "*"}
                                << QStringList{"123", "4", "123", "1234", "45",
                                               "123", "*", "*",   "*"};
        QTest::newRow("quad") << 4 << true << QStringList{"1234", "456", "1234", "1234", "15",
                                                          "1234", "*",   "*",    "*"}
                              << QStringList{"1234", "56", "1234", "1234", "5",
                                             "1234", "*",  "*",    "*"};
    }
    void nakedSubsets() {
        QFETCH(int, k);
        QFETCH(bool, column);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        SolverEngine engine;
        for (int i = 0; i < 9; ++i) {
            Shape(engine, LineCell(column, i), before[i]);
        }
        engine.FindNakedSubsets(k);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(engine.Candidates(LineCell(column, i)), Mask(after[i]));
        }
    }

    void solveTrace_data() {
        QTest::addColumn<QByteArray>("puzzle");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QByteArray>("solution");  // zeros where no digit is known
        QTest::addColumn<QList<int>>("placed");    // grid indexes that must be filled in
        const QByteArray empty(81, '0');
        QTest::newRow("empty grid") << empty << "TF" << empty << QList<int>{};
        QTest::newRow("full grid")
            << QByteArray(kSimpleSolution) << "S" << QByteArray(kSimpleSolution) << QList<int>{};
        QTest::newRow("naked singles only")
            << QByteArray(kSimple) << "PPPPPPPPPS" << QByteArray(kSimpleSolution) << QList<int>{};
        QTest::newRow("extra techniques help")
            << QByteArray(
                   "..1.9..7....3...1..324.....276.59.41...26.7....9......914......"
                   "..........57.14...")
            << "PTPPPPTPPPS"
            << QByteArray(
                   "461598273798326415532471968276859341145263789389147526914632857"
                   "623785194857914632")
            << QList<int>{};
        QTest::newRow("stuck after two stalls")
            << QByteArray(
                   "8...36.1.2.59....6.9..........8..6.........83....1.72...1..5..."
                   ".8...72316.......5")
            << "PTPTF"
            << QByteArray(
                   "847536912215948376396721548132874659764259183958613724421395867"
                   "589467231673182495")
            << QList<int>{};
        // Row 1 holds 1..4, column 1 holds 5..8 and box 1 holds 9, so cell 1 has no candidate;
        // later in the same pass the last empty cell of row 9 still gets its 9.
        QTest::newRow("contradiction")
            << QByteArray(
                   ".1234.... .9....... ......... 5........ 6........ 7........ 8........"
                   " ......... .23415678")
                   .replace(' ', "")
            << "F"
            << QByteArray(
                   ".1234.... .9....... ......... 5........ 6........ 7........ 8........"
                   " ......... 923415678")
                   .replace(' ', "")
            << QList<int>{72};
    }
    void solveTrace() {
        QFETCH(QByteArray, puzzle);
        QFETCH(QByteArray, solution);
        QFETCH(QList<int>, placed);
        SolverEngine engine;
        const GridDigits given = Digits(puzzle.constData());
        QVERIFY(engine.EnterPuzzle(given));
        QTEST(Trace(engine), "trace");
        const GridDigits traced = engine.Grid();
        const SolveStatus status = engine.Status();
        const GridDigits known = Digits(solution.constData());
        for (int i = 0; i < CellCount; ++i) {
            QVERIFY(given[i] == 0 || traced[i] == given[i]);
            QVERIFY(traced[i] == 0 || known[i] == 0 || traced[i] == known[i]);
            QVERIFY(traced[i] != 0 || status != SolveStatus::Solved);
        }
        for (int i : placed) {
            QCOMPARE(traced[i], known[i]);
        }
        engine.EnterPuzzle(given);
        QCOMPARE(engine.Solve(), status);
        QVERIFY(engine.Grid() == traced);
    }

    void editedDigitDoesNotSpoilTheSolve_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<SolveStatus>("unrebuilt");  // the outcome without the rebuild
        QTest::newRow("erased") << "erase" << SolveStatus::Failed;
        QTest::newRow("replaced") << "replace" << SolveStatus::Failed;
        // Emptying an empty cell gives it all nine candidates; the first pass strikes them.
        QTest::newRow("empty cells emptied") << "reset" << SolveStatus::Solved;
    }
    void editedDigitDoesNotSpoilTheSolve() {
        QFETCH(QString, edit);
        const GridDigits puzzle = Digits(kSimple), solution = Digits(kSimpleSolution);
        // Cell 1 is empty; type the digit of an empty peer there, then take it back.
        const std::int16_t cell = 1, peer = CellNumberAt(2, 1);
        const int wrong = solution[GridIndex(peer)];
        QVERIFY(puzzle[0] == 0 && puzzle[GridIndex(peer)] == 0);
        SolverEngine engine;
        for (bool rebuild : {false, true}) {
            engine.EnterPuzzle(puzzle);
            if (edit == "reset") {
                for (std::int16_t n = 1; n <= CellCount; ++n) {
                    if (engine.Value(n) == 0) {
                        engine.ResetCell(n);
                    }
                }
            } else {
                QVERIFY(!engine.IsDuplicate(cell, wrong));
                engine.PlaceDigit(cell, wrong);
                edit == "erase" ? engine.ResetCell(cell) : engine.PlaceDigit(cell, solution[0]);
            }
            if (rebuild) {
                engine.RebuildCandidates();
                QCOMPARE(engine.Solve(), SolveStatus::Solved);
            } else {
                QTEST(engine.Solve(), "unrebuilt");
            }
        }
        QVERIFY(engine.Grid() == solution);
    }
};

QTEST_APPLESS_MAIN(TestSolverEngine)
#include "test_solver_engine.moc"
