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
    return QString::fromUtf8(InfoOf(technique).name);
}

QString Named(const std::vector<Strike>& strikes) {
    QStringList named;
    for (const Strike& strike : strikes) {
        named << Named(strike.digits) + " from " + Named(strike.cell);
    }
    return named.join(' ');
}

// "blok-lijnreductie 1 in block 2 row 1 at (4,1) (6,1), strikes 1 from (1,1) | enige kandidaat 6
// at (1,1), deciding ..., struck 1 from (1,1)": the eliminations in order, each with its units
// and its cells in the order the technique keeps, then the placement.
QString Described(const NextStep& step) {
    QStringList parts;
    for (const EliminationStep& e : step.eliminations) {
        QStringList units;
        for (const int unit : e.pattern.units) {
            units << Named(UnitAt(unit));
        }
        std::vector<Cell> cells;
        for (const int cell : e.pattern.cells) {
            cells.push_back(CellAt(cell));
        }
        parts << Named(e.pattern.technique) + ' ' + Named(e.pattern.digits) +
                     (units.isEmpty() ? QString() : " in " + units.join(' ')) + " at " +
                     Named(cells) + ", strikes " + Named(e.struck);
    }
    const PlacementStep& p = step.placement;
    QString part = Named(p.technique) + ' ' + QString::number(p.digit) + " at " + Named(p.cell);
    if (p.unit) {
        part += " in " + Named(*p.unit);
    }
    if (!p.deciding.empty()) {
        part += ", deciding " + Named(p.deciding);
    }
    if (!p.struckHere.empty()) {
        part += ", struck " + Named(p.struckHere);
    }
    parts << part;
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
            QCOMPARE(strike.digits & ~e.pattern.struck, 0);
        }
        for (const int cell : e.pattern.cells) {
            QCOMPARE(board[cell], 0);
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
            << "enige kandidaat 8 at (4,9), deciding (4,1) (4,5) (4,8) (2,9) (3,9) (5,9) (6,9) "
               "(9,9)";
        QTest::newRow("hidden single in a block")
            << "...45..........7...61..........8...54..3.2.....6....812......3....1......59867..2"
            << "enige plaats 6 at (1,8) in block 7, deciding (2,3) (3,6) (5,9)";
        QTest::newRow("hidden single in a row")
            << "...3.4.....57.6.....98......1.4..753...1..8..5...38.12.......4.9.....6..637......"
            << "enige plaats 7 at (2,6) in row 6, deciding (4,2) (7,4) (3,9)";
        QTest::newRow("hidden single in a column")
            << "..28..9...4.6......36.921...6..4.3.7...3..5...1..7....6.............9.84.9..5...."
            << "enige plaats 4 at (7,6) in column 7, deciding (2,2) (9,8)";
        QTest::newRow("pointing")
            << "..4...39.93.4.6......3.9....8......97.....56..9.61..7.24.5.....5....4..18.9.3.2.."
            << "blok-lijnreductie 1 in block 2 row 1 at (4,1) (6,1), strikes 1 from (1,1) 1 from "
               "(2,1) | "
               "enige kandidaat 6 at (1,1), deciding (3,1) (1,2) (2,2) (1,5) (1,7) (1,8) (1,9), "
               "struck 1 from (1,1)";
        QTest::newRow("claiming")
            << ".9..8.4...3.9..1..4....29...1.....6..8.3162.7.2..5..1.1......288.24.7..1......7.."
            << "blok-lijnreductie 4 in row 7 block 7 at (2,7) (3,7), strikes 4 from (2,9) 4 from "
               "(3,9) | "
               "enige plaats 4 at (2,7) in column 2, deciding (1,3) (4,8), struck 4 from (2,9)";
        QTest::newRow("naked pair")
            << "671...983839716...245893671.162...94.98164....2....16.95...7.1..8.....2..6..5...9"
            << "naakt paar 34 in block 8 at (5,8) (4,9), strikes 34 from (4,7) 34 from (5,7) 34 "
               "from (4,8) | "
               "enige kandidaat 6 at (4,7), deciding (4,3) (4,4) (1,7) (6,7) (8,7) (5,9), struck "
               "34 from (4,7)";
        QTest::newRow("naked triple")
            << "2537.8..1.815......493.185.1258.....49763521836821.5..9164723855729831648341567.."
            << "naakt drietal 469 in block 3 at (7,1) (8,1) (7,2), strikes 49 from (8,2) 69 from "
               "(9,2) 6 from (9,3) | "
               "enige plaats 6 at (9,4) in column 9, deciding (2,6) (8,8), struck 6 from (9,2) 6 "
               "from (9,3)";
        QTest::newRow("hidden pair, after eliminations it does not need")
            << "..96......78....3.4....3.98....5...3.65...421743162985......3.9.84....1.2..5..8.."
            << "verborgen paar 39 in block 7 at (1,8) (2,9), strikes 56 from (1,8) 1 from (2,9) | "
               "enige plaats 5 at (7,8) in row 8, deciding (9,6) (4,9), struck 5 from (1,8)";
        QTest::newRow("an elimination that needs another")
            << "248713695956482....3.956248.8...157.5..8..4.......5..9...1...5..75...9.26..52.3.."
            << "blok-lijnreductie 4 in block 5 column 5 at (5,4) (5,6), strikes 4 from (5,7) 4 "
               "from (5,8) | "
               "naakt paar 36 in block 8 at (4,8) (5,8), strikes 36 from (5,7) | "
               "enige plaats 6 at (9,7) in row 7, deciding (7,1) (6,3) (1,9), struck 6 from (5,7)";
        QTest::newRow("hidden pair")
            << ".73.8.96.......3....9.3....5.732861..8...6..363..4..85..5.73846..4.9.1.......4..."
            << "verborgen paar 37 in block 7 at (1,8) (1,9), strikes 28 from (1,8) 128 from (1,9) "
               "| "
               "enige plaats 8 at (3,9) in block 7, deciding (2,5) (7,7), struck 8 from (1,8) 8 "
               "from (1,9)";
        QTest::newRow("hidden triple")
            << ".2613.48.......316..1.6....16....8.3.....619.94.31..6..198.36..6.74.19.82..6975.1"
            << "verborgen drietal 348 in row 3 at (1,3) (2,3) (6,3), strikes 57 from (1,3) 579 "
               "from (2,3) 59 from (6,3) | "
               "enige plaats 9 at (2,2) in block 1, deciding (1,6) (3,7), struck 9 from (2,3)";
        QTest::newRow("x-wing")
            << "98.3261.5.3.7.59...5.4.936.5.3892..6.7.1435.9..9567.3..9127.65332.651.94.6593.2.."
            << "X-wing 7 in column 1 column 9 row 3 row 9 at (1,3) (1,9) (9,3) (9,9), strikes 7 "
               "from (3,3) 7 from (8,9) | "
               "enige kandidaat 2 at (3,3), deciding (1,1) (2,1) (2,2) (2,3) (4,3) (8,3) (3,7), "
               "struck 7 from (3,3)";
        QTest::newRow("swordfish")
            << "..3.6489.84935.6.7...978.3448.53.76939.7864......4938.63.4259.89.4813..6.58697.43"
            << "swordfish 1 in row 2 row 4 row 7 column 3 column 6 column 8 at (6,2) (8,2) (3,4) "
               "(6,4) (3,7) (8,7), strikes 1 from (3,3) 1 from (3,5) 1 from (8,5) 1 from (3,6) | "
               "enige plaats 1 at (9,5) in row 5, struck 1 from (3,5) 1 from (8,5)";
        QTest::newRow("naked quad")
            << "45....3...89..2547.........7248.9.........4...312..9.8..3..7859.....5713...39...4"
            << "naakt viertal 1267 in row 3 at (2,3) (3,3) (7,3) (9,3), strikes 126 from (1,3) 7 "
               "from (4,3) 167 from (5,3) 16 from (6,3) | "
               "enige kandidaat 3 at (1,3), deciding (1,1) (2,1) (2,2) (3,2) (1,4), struck 126 "
               "from (1,3)";
        QTest::newRow("jellyfish")
            << "3...2967.7.9.5613....7...95..7...5.99..54731.5...92467.739.4.566...7.941.94..57.3"
            << "jellyfish 8 in row 1 row 2 row 5 row 6 column 2 column 3 column 4 column 9 at "
               "(2,1) (3,1) (4,1) (9,1) (2,2) (4,2) (9,2) (2,5) (3,5) (9,5) (2,6) (3,6) (4,6), "
               "strikes 8 from (2,3) 8 from (3,3) 8 from (2,4) 8 from (4,4) 8 from (2,8) 8 from "
               "(3,8) 8 from (4,8) 8 from (4,9) | "
               "enige plaats 8 at (6,8) in row 8, struck 8 from (2,8) 8 from (3,8) 8 from (4,8)";
        QTest::newRow("hidden quad, after a naked pair")
            << "..5..734..3..2..7..1.358926691.3.782348762159572981463....7.6.4....4.........32.7"
            << "naakt paar 19 in row 9 at (5,9) (8,9), strikes 19 from (1,9) 9 from (3,9) 1 from "
               "(4,9) | "
               "verborgen viertal 1379 in block 7 at (1,7) (3,7) (1,8) (3,8), strikes 28 from "
               "(1,7) 2 from (1,8) 6 from (3,8) | "
               "enige plaats 2 at (1,1) in column 1, deciding (5,2) (8,3) (7,9), struck 2 from "
               "(1,7) 2 from (1,8)";
        QTest::newRow("xy-wing")
            << "...5176233276845915163297842647951389518634727..241965..5.3.247....7.859.7..5.316"
            << "XY-wing 348 at (2,8) (2,6) (1,9), strikes 8 from (2,7) | "
               "enige kandidaat 9 at (2,7), deciding (2,3) (2,4) (3,7) (5,7) (7,7) (8,7) (2,9), "
               "struck 8 from (2,7)";
        QTest::newRow("xyz-wing")
            << "97....65835.78.1491.89.5327.175.49838.....2.5.35.9.7.44831..59672..5.4315.1...872"
            << "XYZ-wing 268 at (4,6) (5,4) (4,8), strikes 6 from (4,5) | "
               "enige kandidaat 3 at (4,5), deciding (4,2) (4,4) (6,4) (1,5) (7,5) (5,6) (4,7), "
               "struck 6 from (4,5)";
        QTest::newRow("unique rectangle")
            << "7..319.52.3.7.5..1.516.4793498136275675942318123578946.124.7.393.72915.4.4.8.3127"
            << "unieke rechthoek 28 at (5,2) (1,3) (5,3) (1,2), strikes 28 from (1,2) | "
               "enige kandidaat 9 at (1,2), deciding (1,1) (2,2) (2,3) (3,3) (1,4) (1,5), struck "
               "28 from (1,2)";
        QTest::newRow("w-wing")
            << ".4.3.5.9.36.489.2595.7.1.34695813472.34672..927.5943..426938..75132479..789156243"
            << "W-wing 18 in column 9 at (1,1) (9,1) (9,6) (3,6), strikes 8 from (3,3) 8 from "
               "(1,5) | "
               "enige kandidaat 2 at (3,3), deciding (2,1) (1,2) (2,2) (1,3) (2,3) (4,3) (6,3), "
               "struck 8 from (3,3)";
        QTest::newRow("skyscraper")
            << "......7...97..12682.17..5.9.7...69.2....7.8...381..4767..5..384..3..7.25....3..97"
            << "wolkenkrabber 3 in row 3 row 4 at (6,3) (8,3) (8,4) (4,4), strikes 3 from (4,1) 3 "
               "from (4,2) 3 from (6,5) | "
               "enige kandidaat 4 at (4,2), deciding (2,2) (6,2) (7,2) (8,2) (9,2) (4,3) (4,7), "
               "struck 3 from (4,2)";
        QTest::newRow("two-string kite")
            << "......7..3974512682.17..5.9.7...69.2....7.8...3812.4767..5..384..3..7.25....3..97"
            << "vlieger 9 in row 6 column 3 at (6,6) (1,6) (3,5) (3,7), strikes 9 from (6,7) | "
               "enige kandidaat 2 at (6,7), deciding (6,2) (6,4) (4,7) (8,7) (9,7) (6,8) (5,9), "
               "struck 9 from (6,7)";
        QTest::newRow("colour wrap")
            << "2.9.3468.4169852738.326.9.468..5234992.643..85348.9.263654..892742398.6.198526437"
            << "kleuren met tegenspraak 1 in block 2 row 1 column 4 row 3 column 6 block 3 column "
               "9 "
               "block 5 column 8 row 6 column 5 block 4 row 4 block 8 block 9 at (9,1) (6,3) (4,4) "
               "(3,5) (8,5) (7,6) (5,7) (7,8) (4,1) (8,3) (3,4) (5,6) (6,7) (9,8), strikes 1 from "
               "(9,1) 1 from (6,3) 1 from (4,4) 1 from (3,5) 1 from (8,5) 1 from (7,6) 1 from "
               "(5,7) 1 from (7,8) | "
               "enige kandidaat 5 at (9,1), deciding (7,1) (8,1) (7,2) (8,2) (9,2) (7,3) (9,3), "
               "struck 1 from (9,1)";
        QTest::newRow("colour trap")
            << ".425976.373..649.5956.....72..9.3.5667...5239395..6..8.69..25745.764.392423759861"
            << "kleuren met klem 1 in block 1 row 1 column 1 block 7 row 8 column 2 column 6 at "
               "(1,1) "
               "(6,3) (2,8) (8,1) (3,2) (2,4) (1,7) (6,8), strikes 1 from (4,2) 1 from (7,3) 1 "
               "from (8,3) | "
               "enige kandidaat 4 at (7,3), deciding (7,1) (9,1) (7,2) (9,2) (9,3) (7,5) (7,9), "
               "struck 1 from (7,3)";
        QTest::newRow("x-chain")
            << ".5674132.74.328....32965.7..7.689....68234.97.2.517...297853..6483176.5.615492783"
            << "X-keten 1 in block 1 row 5 block 9 at (3,2) (1,3) (1,5) (7,5) (7,7) (8,7), strikes "
               "1 from (8,2) | "
               "enige kandidaat 6 at (8,2), deciding (7,1) (8,1) (2,2) (6,2) (8,3) (8,5) (8,8), "
               "struck 1 from (8,2)";
        QTest::newRow("xy-chain")
            << "...2..7..3974512682.176.5.9.7...69.2....7.8...3812.476769512384..3..7.25....3..97"
            << "XY-keten 34589 at (3,4) (5,4) (4,4) (4,5) (6,6), strikes 5 from (1,6) | "
               "enige kandidaat 9 at (1,6), deciding (2,4) (2,6) (3,6) (4,6) (5,6) (7,6) (9,6), "
               "struck 5 from (1,6)";
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
            Digits board =
                PuzzleOf(solution, ChooseGivens(solution, difficulty, true, draw)->cells);
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
