#include <QtTest>

#include <random>

#include "solver/logic_givens.h"
#include "solver/logic_test_support.h"
#include "solver/next_step.h"
#include "solver/solution_search.h"

using namespace logic;
using logic_test::CountPlainly;
using logic_test::Parse;
using logic_test::SeededDraw;

Q_DECLARE_METATYPE(logic::StepOutcome)

namespace {

QString Named(Unit unit) {
    const char* kinds[] = {"row", "column", "block"};
    return QString("%1 %2").arg(kinds[static_cast<int>(unit.kind)]).arg(unit.number);
}

QString Named(Cell cell) {
    return QString("(%1,%2)").arg(cell.column).arg(cell.row);
}

QString Named(const std::vector<Cell>& cells) {
    QStringList names;
    for (const Cell& cell : cells) {
        names << Named(cell);
    }
    return names.join(' ');
}

QString Named(DigitMask digits) {
    QString text;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & DigitBit(digit)) {
            text += QChar('0' + digit);
        }
    }
    return text;
}

QString Named(Technique technique) {
    const char* names[] = {"naked single", "hidden single", "box/line",
                           "naked pair",   "naked triple",  "naked quad"};
    return names[static_cast<int>(technique)];
}

// "box/line 1 in block 2 to row 1 at (4,1) (6,1), strikes 1 from (1,1) | naked single 6 at
// (1,1), deciding ...": the eliminations in order, then the placement.
QString Described(const NextStep& step) {
    QStringList parts;
    for (const EliminationStep& e : step.eliminations) {
        QString part = Named(e.technique) + ' ' + Named(e.digits) + " in " + Named(e.unit);
        if (e.targetUnit != e.unit) {
            part += " to " + Named(e.targetUnit);
        }
        part += " at " + Named(e.cells) + ", strikes";
        for (const Strike& strike : e.struck) {
            part += ' ' + Named(strike.digits) + " from " + Named(strike.cell);
        }
        parts << part;
    }
    const PlacementStep& p = step.placement;
    QString part = Named(p.technique) + ' ' + QString::number(p.digit) + " at " + Named(p.cell);
    if (p.unit) {
        part += " in " + Named(*p.unit);
    }
    parts << part + ", deciding " + Named(p.deciding);
    return parts.join(" | ");
}

// What the step claims holds in the solution: the digit goes there, and no candidate struck
// is the cell's digit.
void VerifyAgainst(const Digits& solution, const Digits& board, const NextStep& step) {
    const PlacementStep& p = step.placement;
    QCOMPARE(board[CellIndex(p.cell)], 0);
    QCOMPARE(int(solution[CellIndex(p.cell)]), p.digit);
    for (const Cell& cell : p.deciding) {
        QVERIFY(board[CellIndex(cell)] != 0);
        QCOMPARE(board[CellIndex(cell)] == p.digit, p.technique == Technique::HiddenSingle);
    }
    for (const EliminationStep& e : step.eliminations) {
        QVERIFY(!e.struck.empty());
        for (const Strike& strike : e.struck) {
            QCOMPARE(strike.digits & DigitBit(solution[CellIndex(strike.cell)]), 0);
            QCOMPARE(strike.digits & ~e.digits, 0);
        }
        for (const Cell& cell : e.cells) {
            QCOMPARE(board[CellIndex(cell)], 0);
        }
    }
}

}  // namespace

class TestLogicStep : public QObject {
    Q_OBJECT

  private slots:
    void stepFound_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("step");
        QTest::newRow("naked single")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59.67..2"
            << "naked single 8 at (4,9), deciding (4,1) (4,5) (4,8) (2,9) (3,9) (5,9) (6,9) (9,9)";
        QTest::newRow("hidden single in a block")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << "hidden single 6 at (1,8) in block 7, deciding (2,3) (3,6) (5,9)";
        QTest::newRow("hidden single in a row")
            << "...3.4.....57.6.....98......1.4..753...1..8..5...38.12.......4.9.....6..637......"
            << "hidden single 7 at (2,6) in row 6, deciding (4,2) (7,4) (3,9)";
        QTest::newRow("hidden single in a column")
            << "..28..9...4.6......36.921...6..4.3.7...3..5...1..7....6.............9.84.9..5...."
            << "hidden single 4 at (7,6) in column 7, deciding (2,2) (9,8)";
        QTest::newRow("pointing")
            << "..4...39.93.4.6......3.9....8......97.....56..9.61..7.24.5.....5....4..18.9.3.2.."
            << "box/line 1 in block 2 to row 1 at (4,1) (6,1), strikes 1 from (1,1) | "
               "naked single 6 at (1,1), deciding (3,1) (1,2) (2,2) (1,5) (1,7) (1,8) (1,9)";
        QTest::newRow("claiming")
            << ".9..8.4...3.9..1..4....29...1.....6..8.3162.7.2..5..1.1......288.24.7..1......7.."
            << "box/line 4 in row 7 to block 7 at (2,7) (3,7), strikes 4 from (2,9) | "
               "hidden single 4 at (2,7) in column 2, deciding (1,3) (4,8)";
        QTest::newRow("naked pair")
            << "671...983839716...245893671.162...94.98164....2....16.95...7.1..8.....2..6..5...9"
            << "naked pair 34 in block 8 at (5,8) (4,9), strikes 34 from (4,7) | "
               "naked single 6 at (4,7), deciding (4,3) (4,4) (1,7) (6,7) (8,7) (5,9)";
        QTest::newRow("naked triple")
            << "..2.16.58...58....8513276496....548...3.68..7....7..96...6.2..4...74.8.543.8519.2"
            << "naked triple 679 in column 3 at (3,4) (3,8) (3,9), strikes 679 from (3,2) | "
               "naked single 4 at (3,2), deciding (3,1) (1,3) (2,3) (3,3) (3,5)";
        QTest::newRow("naked quad, after eliminations it does not need")
            << "..96......78....3.4....3.98....5...3.65...421743162985......3.9.84....1.2..5..8.."
            << "naked quad 1567 in block 7 at (1,7) (2,7) (3,7) (3,9), strikes 5 from (1,8) | "
               "hidden single 5 at (7,8) in row 8, deciding (9,6) (4,9)";
        QTest::newRow("an elimination that needs another")
            << "248713695956482....3.956248.8...157.5..8..4.......5..9...1...5..75...9.26..52.3.."
            << "box/line 4 in block 5 to column 5 at (5,4) (5,6), strikes 4 from (5,8) | "
               "naked pair 36 in block 8 at (4,8) (5,8), strikes 6 from (5,7) | "
               "hidden single 6 at (9,7) in row 7, deciding (7,1) (6,3) (1,9)";
    }
    void stepFound() {
        QFETCH(QString, board);
        QFETCH(QString, step);
        Digits solution{};
        QCOMPARE(CountPlainly(Parse(board), 2, &solution), 1);
        const NextStep next = FindNextStep(Parse(board));
        QCOMPARE(next.outcome, StepOutcome::Placement);
        QCOMPARE(Described(next), step);
        VerifyAgainst(solution, Parse(board), next);
    }

    void noPlacement_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<StepOutcome>("outcome");
        // Columns 7 and 9 of rows 1 and 8 hold 2 and 3 either way round.
        QTest::newRow("two solutions")
            << "879546.1.513297864426138975987463521362851497154972638245319786791684.5.638725149"
            << StepOutcome::NoStep;
        QTest::newRow("empty board") << "" << StepOutcome::NoStep;
        QTest::newRow("full board")
            << "879546213513297864426138975987463521362851497154972638245319786791684352638725149"
            << StepOutcome::BoardFull;
        QTest::newRow("a digit twice in a column") << "5........5" << StepOutcome::Contradiction;
    }
    void noPlacement() {
        QFETCH(QString, board);
        QFETCH(StepOutcome, outcome);
        const NextStep next = FindNextStep(Parse(board));
        QCOMPARE(next.outcome, outcome);
        QVERIFY(next.eliminations.empty());
    }

    // Step after step, hints solve graded puzzles, every one of them sound.
    void stepsSolvePuzzles_data() {
        QTest::addColumn<int>("difficulty");
        QTest::newRow("4") << 4;
        QTest::newRow("8") << 8;
    }
    void stepsSolvePuzzles() {
        QFETCH(int, difficulty);
        std::mt19937 random(difficulty);
        const DrawNumber draw = SeededDraw(random);
        int eliminations = 0;
        for (int i = 0; i < 20; ++i) {
            const Digits solution = *RandomSolution(Digits{}, draw);
            Digits board = PuzzleOf(solution, ChooseGivens(solution, difficulty, draw).cells);
            for (NextStep next = FindNextStep(board); next.outcome != StepOutcome::BoardFull;
                 next = FindNextStep(board)) {
                QCOMPARE(next.outcome, StepOutcome::Placement);
                VerifyAgainst(solution, board, next);
                eliminations += static_cast<int>(next.eliminations.size());
                board[CellIndex(next.placement.cell)] =
                    static_cast<std::uint8_t>(next.placement.digit);
            }
            QCOMPARE(board, solution);
        }
        QCOMPARE(eliminations > 0, difficulty == 8);
    }
};

QTEST_APPLESS_MAIN(TestLogicStep)
#include "test_logic_step.moc"
