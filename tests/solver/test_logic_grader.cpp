#include <QtTest>

#include <random>

#include "solver/logic_grader.h"
#include "solver/logic_test_support.h"
#include "solver/solution_search.h"

using namespace logic;
using logic_test::CountPlainly;
using logic_test::Parse;
using logic_test::SeededDraw;

Q_DECLARE_METATYPE(logic::Outcome)
Q_DECLARE_METATYPE(logic::Technique)

namespace {

const char* const kFullGrid =
    "879546213513297864426138975987463521362851497154972638245319786791684352638725149";

// kFullGrid with the cells (column, row) emptied; 1-based.
QString Emptied(std::initializer_list<std::pair<int, int>> cells) {
    QString text = kFullGrid;
    for (const auto& [column, row] : cells) {
        text[9 * (row - 1) + column - 1] = '.';
    }
    return text;
}

// Rows 1 and 8 hold 2 3 in columns 7 and 9, the other way round: the two can swap.
const std::initializer_list<std::pair<int, int>> kRectangle{{7, 1}, {9, 1}, {7, 8}, {9, 8}};

Technique Easier(Technique technique) {
    return static_cast<Technique>(static_cast<int>(technique) - 1);
}

QList<QByteArray> DataLines(const QString& name) {
    QFile file(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/solver/" + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    QList<QByteArray> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#')) {
            lines << line;
        }
    }
    return lines;
}

// The kept puzzles, qqwing's of every difficulty and the hard ones, with their solutions.
QList<std::pair<Digits, Digits>> HardPuzzles() {
    QList<std::pair<Digits, Digits>> puzzles;
    const QList<QByteArray> corpus = DataLines("puzzles.txt");
    const QList<QByteArray> solutions = DataLines("solutions.txt");
    for (qsizetype i = 0; i < corpus.size(); ++i) {
        puzzles.append({Parse(corpus[i]), Parse(solutions[i])});
    }
    for (const QByteArray& line : DataLines("hard.txt")) {
        const QList<QByteArray> pair = line.split(' ');
        puzzles.append({Parse(pair[0]), Parse(pair[1])});
    }
    return puzzles;
}

}  // namespace

class TestLogicGrader : public QObject {
    Q_OBJECT

  private slots:
    void grading_data() {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Technique>("hardest");
        QTest::newRow("naked singles only")
            << "6.25...8.81..27.....7.86....5..389.6326.1..48..8.4.3.1..5.....3264.5.817.8..6245."
            << Outcome::Solved << Technique::NakedSingle;
        QTest::newRow("hidden single in a block first")
            << "..4.....7..2.17...6.842..3..238........6..9.1.......4....7......1..6...24......5."
            << Outcome::Solved << Technique::HiddenSingle;
        QTest::newRow("box/line")
            << ".5.3.......2..7.....8..9135....4.5.68....39..7......4.2.9..8.1..1.........6.3...."
            << Outcome::Solved << Technique::BoxLine;
        QTest::newRow("naked pair")
            << "6..59...481....63..4..8.......2...7.3..71....9..6....1.......6...495....7.3...4.."
            << Outcome::Solved << Technique::NakedPair;
        QTest::newRow("hidden pair")
            << "4..7...98.7.....3.....24....8..7.....3..5...9..16....3......125.1..........4.8..."
            << Outcome::Solved << Technique::HiddenPair;
        QTest::newRow("naked triple")
            << ".4...3......7.4..11..2.......7....95........4.3...8.....48..5.9..93..78..8..52.43"
            << Outcome::Solved << Technique::NakedTriple;
        QTest::newRow("x-wing")
            << "3...2.5.757...6....96..4.1...2.3...9...9..........21........7..4....125.6.32..9.."
            << Outcome::Solved << Technique::XWing;
        QTest::newRow("swordfish")
            << "1...8.5....9.....2.8.6.....9....2......1.....5....8.9.....3..1.76..1.2..2.19..87."
            << Outcome::Solved << Technique::Swordfish;
        QTest::newRow("naked quad")
            << ".6...53.8.......2.28..4.......1....9......8...5.8.3642.......9..29..64.3.3..5.2.1"
            << Outcome::Solved << Technique::NakedQuad;
        QTest::newRow("xy-wing")
            << "......35.9.47....1........963..9....2.546......75.3.2...1...94..7....1......5..3."
            << Outcome::Solved << Technique::XYWing;
        QTest::newRow("unique rectangle")
            << "..37...4.54..3..........1...37...42..9547..8.4...............3.32..4..57...81..9."
            << Outcome::Solved << Technique::UniqueRectangle;
        QTest::newRow("x-chain")
            << "....5.8...14..23......1...4..........328....1...27...3.45..91..2..7...4.9......52"
            << Outcome::Solved << Technique::XChain;
        QTest::newRow("full grid") << kFullGrid << Outcome::Solved << Technique::NakedSingle;
        QTest::newRow("beyond these techniques")
            << "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3.."
            << Outcome::Stuck << Technique::NakedQuad;
        QTest::newRow("two solutions")
            << Emptied(kRectangle) << Outcome::Stuck << Technique::NakedSingle;
        QTest::newRow("empty grid") << "" << Outcome::Stuck << Technique::NakedSingle;
        QTest::newRow("a digit twice in a row")
            << "11" << Outcome::Contradiction << Technique::NakedSingle;
        QTest::newRow("a cell left without candidates")
            << "12345678.........9" << Outcome::Contradiction << Technique::NakedSingle;
    }
    void grading() {
        QFETCH(QString, puzzle);
        QFETCH(Outcome, outcome);
        QFETCH(Technique, hardest);
        const Grading grading = Grade(Parse(puzzle));
        QCOMPARE(grading.outcome, outcome);
        if (outcome != Outcome::Solved) {
            return;
        }
        QCOMPARE(grading.hardest, hardest);
        QCOMPARE(CountPlainly(puzzle, 2), 1);
        // Each empty cell was filled once, by one of the singles.
        const int empty = static_cast<int>(std::count(puzzle.begin(), puzzle.end(), '.'));
        QCOMPARE(grading.uses[0] + grading.uses[1], empty);
        QCOMPARE(grading.uses[static_cast<int>(hardest)] > 0, empty > 0);
        // The hardest technique was needed: without it the grader gets stuck.
        if (hardest != Technique::NakedSingle) {
            QCOMPARE(Grade(Parse(puzzle), {Easier(hardest)}).outcome, Outcome::Stuck);
        }
    }

    // The grader and the removal's quicker fill agree, and neither claims a puzzle with more
    // than one solution, on puzzles made by leaving out cells of random grids at random.
    void soundOnRandomPuzzles_data() {
        QTest::addColumn<int>("givens");
        QTest::newRow("32") << 32;
        QTest::newRow("36") << 36;
        QTest::newRow("40") << 40;
    }
    void soundOnRandomPuzzles() {
        QFETCH(int, givens);
        std::mt19937 random(givens);
        const DrawNumber draw = SeededDraw(random);
        int solvedCount = 0;
        for (int i = 0; i < 150; ++i) {
            const Digits solution = *RandomSolution(Digits{}, draw);
            std::array<int, CellCount> cells{};
            std::iota(cells.begin(), cells.end(), 0);
            Shuffle(cells, CellCount, draw);
            Digits puzzle{};
            for (int k = 0; k < givens; ++k) {
                puzzle[cells[k]] = solution[cells[k]];
            }
            const Grading grading = Grade(puzzle, {Technique::XYChain, false});
            CandidateGrid filled(puzzle);
            Fill(filled, {Technique::XYChain, false});
            QCOMPARE(filled.IsSolved(), grading.outcome == Outcome::Solved);
            QCOMPARE(grading.outcome == Outcome::Contradiction, false);
            if (grading.outcome == Outcome::Solved) {
                ++solvedCount;
                QCOMPARE(CountPlainly(puzzle, 2), 1);
                QCOMPARE(filled.AsDigits(), solution);
            }
        }
        // Enough of them were solved for the check to mean something.
        QVERIFY(solvedCount > 0);
    }

    // Taking the simplest step again and again, no technique strikes a digit of the solution or
    // places a wrong one, and each is put to the test.
    void noWrongStepOnHardPuzzles() {
        std::array<int, TechniqueCount> uses{};
        for (const auto& [puzzle, solution] : HardPuzzles()) {
            CandidateGrid grid(puzzle);
            for (;;) {
                const Deduction next = FindSimplest(grid, {});
                if (const auto* p = std::get_if<Placement>(&next)) {
                    QCOMPARE(p->digit, int(solution[p->cell]));
                    ++uses[static_cast<int>(p->technique)];
                    Apply(grid, *p);
                } else if (const auto* e = std::get_if<Elimination>(&next)) {
                    e->targets.ForEach([&](int cell) {
                        QVERIFY(e->StrikesFrom(grid, cell) != 0);
                        QCOMPARE(e->StrikesFrom(grid, cell) & DigitBit(solution[cell]), 0);
                    });
                    ++uses[static_cast<int>(e->technique)];
                    Apply(grid, *e);
                } else {
                    break;
                }
            }
            QVERIFY(!grid.IsContradictory());
        }
        for (const TechniqueInfo& info : Ladder()) {
            QVERIFY2(uses[static_cast<int>(info.technique)] > 0, info.name);
        }
    }

    void countSolutions_data() {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty grid") << "" << 2 << 2;
        QTest::newRow("empty grid, limit 1") << "" << 1 << 1;
        QTest::newRow("proper puzzle")
            << "..9..621..13.9..644...3.....8.4...2..6.8.1.....4.7.......31.7.......4......72...9"
            << 2 << 1;
        QTest::newRow("hard proper puzzle")
            << "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3.."
            << 2 << 1;
        QTest::newRow("full grid") << kFullGrid << 2 << 1;
        QTest::newRow("swappable rectangle") << Emptied(kRectangle) << 10 << 2;
        QTest::newRow("two swappable rectangles")
            << Emptied({{7, 1}, {9, 1}, {7, 8}, {9, 8}, {6, 4}, {8, 4}, {6, 6}, {8, 6}}) << 10 << 4;
        QTest::newRow("a digit twice in a block") << "1........1" << 2 << 0;
        QTest::newRow("a cell left without candidates") << "12345678.........9" << 2 << 0;
        // Row 1 lacks 1 and 9, and columns 8 and 9 hold a 1 below.
        QTest::newRow("a digit with no place in a row")
            << "2345678.." + QString(18, '.') + ".......1." + QString(18, '.') + "........1" << 2
            << 0;
        QTest::newRow("empty grid, a thousand") << "" << 1000 << 1000;
    }
    void countSolutions() {
        QFETCH(QString, puzzle);
        QFETCH(int, limit);
        QFETCH(int, expected);
        QCOMPARE(CountSolutions(Parse(puzzle), limit), expected);
        QCOMPARE(CountPlainly(puzzle, limit), expected);

        std::mt19937 random(7);
        const std::optional<Digits> solution = RandomSolution(Parse(puzzle), SeededDraw(random));
        QCOMPARE(solution.has_value(), expected > 0);
        if (solution) {
            QCOMPARE(CountPlainly(*solution, 2), 1);  // complete and valid
            for (int cell = 0; cell < CellCount; ++cell) {
                QVERIFY(Parse(puzzle)[cell] == 0 || Parse(puzzle)[cell] == (*solution)[cell]);
            }
        }
    }

    void randomSolutionsDiffer() {
        std::mt19937 random(3);
        const DrawNumber draw = SeededDraw(random);
        const Digits first = *RandomSolution(Digits{}, draw);
        QVERIFY(*RandomSolution(Digits{}, draw) != first);
    }
};

QTEST_APPLESS_MAIN(TestLogicGrader)
#include "test_logic_grader.moc"
