#include <QtTest>

#include <random>

#include "solver/logic_givens.h"
#include "solver/logic_test_support.h"
#include "solver/solution_search.h"

using namespace logic;
using logic_test::CountPlainly;
using logic_test::SeededDraw;

namespace {

// True when no given can go without the techniques up to `hardest` losing the solution.
bool IsMinimal(Digits puzzle, Technique hardest) {
    for (int cell = 0; cell < CellCount; ++cell) {
        const int digit = puzzle[cell];
        if (digit == 0) {
            continue;
        }
        puzzle[cell] = 0;
        if (Grade(puzzle, hardest).outcome == Outcome::Solved) {
            return false;
        }
        puzzle[cell] = static_cast<std::uint8_t>(digit);
    }
    return true;
}

}  // namespace

class TestLogicGivens : public QObject {
    Q_OBJECT

  private slots:
    void promisesKept_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<int>("target");  // givens, or 0 for as few as the logic allows
        QTest::addColumn<bool>("beyondSingles");
        QTest::newRow("2") << 2 << 40 << false;
        QTest::newRow("3") << 3 << 27 << false;
        QTest::newRow("4") << 4 << 0 << false;
        QTest::newRow("5") << 5 << 0 << false;
        QTest::newRow("6") << 6 << 0 << false;
        QTest::newRow("7") << 7 << 0 << false;
        QTest::newRow("8") << 8 << 0 << true;
    }
    // Puzzles from 200 random solution grids at each difficulty: one solution, found by the
    // difficulty's techniques, with the givens it promises.
    void promisesKept() {
        QFETCH(int, difficulty);
        QFETCH(int, target);
        QFETCH(bool, beyondSingles);
        std::mt19937 random(difficulty);
        const DrawNumber draw = SeededDraw(random);
        const Level level = LevelOf(difficulty);
        int targetMissed = 0;
        for (int i = 0; i < 200; ++i) {
            const Digits solution = *RandomSolution(Digits{}, draw);
            const ChosenGivens chosen = ChooseGivens(solution, difficulty, draw);
            const Digits puzzle = PuzzleOf(solution, chosen.cells);
            // The solution holds the givens, so it is the one solution.
            QCOMPARE(CountPlainly(puzzle, 2), 1);

            const Grading grading = Grade(puzzle);
            QCOMPARE(chosen.grading.outcome, Outcome::Solved);
            QCOMPARE(chosen.grading.hardest, grading.hardest);
            QCOMPARE(chosen.grading.uses, grading.uses);
            QVERIFY(grading.hardest <= level.hardest);
            QCOMPARE(Grade(puzzle, level.hardest).outcome, Outcome::Solved);
            if (beyondSingles) {
                QVERIFY(grading.hardest > Technique::HiddenSingle);
                QCOMPARE(Grade(puzzle, Technique::HiddenSingle).outcome, Outcome::Stuck);
            }

            const int givens = static_cast<int>(chosen.cells.count());
            QVERIFY(givens >= target);
            if (givens > target) {
                // The target was out of reach: then no given can go.
                ++targetMissed;
                QVERIFY(IsMinimal(puzzle, level.hardest));
            }
        }
        if (target > 0) {
            QVERIFY(targetMissed <= 5);
        }
    }

    void sameDrawsSameGivens() {
        std::mt19937 random(1);
        const DrawNumber draw = SeededDraw(random);
        const Digits solution = *RandomSolution(Digits{}, draw);
        const std::mt19937 start = random;
        const ChosenGivens first = ChooseGivens(solution, 8, draw);
        random = start;
        QCOMPARE(ChooseGivens(solution, 8, draw).cells, first.cells);
        QVERIFY(ChooseGivens(solution, 8, draw).cells != first.cells);
    }

    void difficultyOutsideTheRange_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<int>("nearest");
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("9") << 9 << 8;
    }
    void difficultyOutsideTheRange() {
        QFETCH(int, difficulty);
        QFETCH(int, nearest);
        const Level level = LevelOf(difficulty), expected = LevelOf(nearest);
        QCOMPARE(level.targetGivens, expected.targetGivens);
        QCOMPARE(level.hardest, expected.hardest);
        QCOMPARE(level.beyondSingles, expected.beyondSingles);
    }
};

QTEST_APPLESS_MAIN(TestLogicGivens)
#include "test_logic_givens.moc"
