#include "core/base_grids.h"
#include "core/daily_puzzle.h"
#include "core/givens.h"
#include "core/puzzle_maker.h"
#include "core/random.h"
#include "solver/logic_grader.h"
#include "solver/logic_test_support.h"

#include <QSignalSpy>
#include <QTest>

namespace {

logic::Digits Puzzle(const Grid& solution, const CellSet& givens) {
    logic::Digits digits{};
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            digits[CellBit(c, r)] = givens[CellBit(c, r)] ? solution(c, r) : 0;
        }
    }
    return digits;
}

QString FirstRow(const Grid& grid) {
    QString row;
    for (int c = 1; c <= 9; ++c) {
        row += QString::number(grid(c, 1));
    }
    return row;
}

}  // namespace

class TestGenerator : public QObject {
    Q_OBJECT
  private slots:
    void baseGridsAreCompleteSolutions() {
        for (int n = 1; n <= BaseGridCount; ++n) {
            QVERIFY2(IsValidSolution(TransformedGrid(n, 1)), qPrintable(QString::number(n)));
        }
    }

    void firstRowOfGridOneUnderEachSymmetry_data() {
        QTest::addColumn<int>("t");
        QTest::addColumn<QString>("row");
        QTest::newRow("unchanged") << 1 << "643829571";
        QTest::newRow("left to right") << 2 << "175928346";
        QTest::newRow("top to bottom") << 3 << "935216748";
        QTest::newRow("half turn") << 4 << "847612539";
        QTest::newRow("main diagonal") << 5 << "625713489";
        QTest::newRow("clockwise") << 6 << "984317526";
        QTest::newRow("counter-clockwise") << 7 << "162497358";
        QTest::newRow("anti-diagonal") << 8 << "853794261";
    }
    void firstRowOfGridOneUnderEachSymmetry() {
        QFETCH(int, t);
        QTEST(FirstRow(TransformedGrid(1, t)), "row");
    }

    void eightyEightDifferentValidGrids() {
        QList<Grid> grids;
        for (int n = 1; n <= BaseGridCount; ++n) {
            for (int t = 1; t <= TransformationCount; ++t) {
                const Grid grid = TransformedGrid(n, t);
                QVERIFY(IsValidSolution(grid));
                QVERIFY(!grids.contains(grid));
                grids << grid;
            }
        }
    }

    // Grid and symmetry numbers and the given draw (1 in `count`) stay within 1..count up to the
    // largest number the generator returns.
    void drawsStayInRange_data() {
        QTest::addColumn<int>("count");
        for (const int count : {2, 3, 4, 5, 6, 7, 8, TransformationCount, BaseGridCount}) {
            QTest::addRow("%d", count) << count;
        }
    }
    void drawsStayInRange() {
        QFETCH(int, count);
        QCOMPARE(Random::Scale(Random::Largest, count), count);
        QCOMPARE(Random::Scale(0.0f, count), 1);
    }

    void validityCheckCatchesBrokenGrids_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("digit");
        QTest::newRow("empty cell") << 5 << 5 << 0;
        QTest::newRow("digit out of range") << 1 << 1 << 10;
        QTest::newRow("repeated in row and column") << 9 << 9 << 1;
    }
    void validityCheckCatchesBrokenGrids() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(int, digit);
        Grid grid = TransformedGrid(4, 4);
        grid(column, row) = static_cast<std::uint8_t>(digit);
        QVERIFY(!IsValidSolution(grid));
    }

    void blocksAreCheckedToo() {
        // A Latin square whose rows and columns are fine but whose blocks repeat digits.
        Grid grid;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                grid(c, r) = static_cast<std::uint8_t>((c + r - 2) % 9 + 1);
            }
        }
        QVERIFY(!IsValidSolution(grid));
    }

    void chanceGivesShareNearOneInDifficulty_data() {
        QTest::addColumn<int>("difficulty");
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("8") << 8;
    }
    void chanceGivesShareNearOneInDifficulty() {
        QFETCH(int, difficulty);
        GameSettings settings;
        settings.Difficulty = difficulty;
        settings.OnlyUniquePuzzles = false;
        Random random;
        constexpr int Layouts = 3000;
        std::array<int, 81> perCell{};
        std::size_t givens = 0;
        for (int k = 0; k < Layouts; ++k) {
            const CellSet chosen = ChooseGivens(TransformedGrid(1, 1), settings, random).cells;
            givens += chosen.count();
            for (std::size_t i = 0; i < 81; ++i) {
                perCell[i] += chosen[i] ? 1 : 0;
            }
        }
        const double share = static_cast<double>(givens) / (Layouts * 81);
        QVERIFY2(std::abs(share - 1.0 / difficulty) < 0.005, qPrintable(QString::number(share)));
        // Every cell has its chance: none is always or never given.
        for (const int count : perCell) {
            QVERIFY(count > 0 && count < Layouts);
        }
    }

    void chanceWithOneSolution_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<bool>("symmetric");
        QTest::addColumn<int>("puzzles");
        QTest::addColumn<double>("givens");  // on average
        QTest::newRow("2") << 2 << false << 200 << 40.0;
        QTest::newRow("3") << 3 << false << 200 << 27.0;
        QTest::newRow("4") << 4 << false << 200 << 0.0;
        QTest::newRow("5") << 5 << false << 50 << 0.0;
        QTest::newRow("8") << 8 << false << 50 << 0.0;
        QTest::newRow("2, symmetric") << 2 << true << 200 << 40.0;
        QTest::newRow("6, symmetric") << 6 << true << 50 << 0.0;
        QTest::newRow("7, symmetric") << 7 << true << 20 << 0.0;
    }
    // The game's own grids and symmetries: every puzzle has exactly one solution, the old share
    // of givens where the difficulty keeps it, the band the difficulty names, and the givens
    // symmetric when asked.
    void chanceWithOneSolution() {
        QFETCH(int, difficulty);
        QFETCH(bool, symmetric);
        QFETCH(int, puzzles);
        QFETCH(double, givens);
        GameSettings settings;
        settings.Difficulty = difficulty;
        settings.SymmetricGivens = symmetric;
        Random random(static_cast<std::uint64_t>(difficulty));
        std::size_t given = 0;
        for (int k = 0; k < puzzles; ++k) {
            const Grid solution =
                TransformedGrid(random.Draw(BaseGridCount), random.Draw(TransformationCount));
            const PuzzleGivens chosen = ChooseGivens(solution, settings, random);
            QCOMPARE(logic_test::CountPlainly(Puzzle(solution, chosen.cells), 2), 1);
            QVERIFY(chosen.graded && chosen.hardest);
            QCOMPARE(chosen.level, difficulty);
            if (difficulty >= 5) {
                QCOMPARE(logic::BandOf(*chosen.hardest), difficulty);
            }
            for (std::size_t i = 0; symmetric && i < chosen.cells.size(); ++i) {
                QCOMPARE(chosen.cells[i], chosen.cells[80 - i]);
            }
            given += chosen.cells.count();
        }
        if (givens > 0) {
            QVERIFY(std::abs(static_cast<double>(given) / puzzles - givens) < 0.5);
        }
    }

    // The maker makes the puzzle asked for last on a thread of its own, and gives it when it is
    // ready: of a grid and a symmetry drawn from the game's source, or of a solution brought in.
    void madeOnAThreadOfItsOwn() {
        Random random(9);
        PuzzleMaker maker(random);
        QSignalSpy ready(&maker, &PuzzleMaker::ready);
        GameSettings settings;
        settings.Difficulty = 7;
        maker.Prepare(settings);
        settings.Difficulty = 6;
        maker.Prepare(settings);
        maker.Prepare(settings);  // on its way already
        QVERIFY(ready.wait(20000));
        std::optional<MadePuzzle> made = maker.Take();
        QVERIFY(made && made->origin && !maker.Take());
        QCOMPARE(made->solution, TransformedGrid(made->origin->first, made->origin->second));
        QCOMPARE(made->givens.level, 6);
        QCOMPARE(logic::BandOf(*made->givens.hardest), 6);

        maker.Prepare(settings, TransformedGrid(3, 2));
        QVERIFY(ready.wait(20000));
        made = maker.Take();
        QVERIFY(made && !made->origin);
        QCOMPARE(made->solution, TransformedGrid(3, 2));
        QCOMPARE(logic_test::CountPlainly(Puzzle(made->solution, made->givens.cells), 2), 1);
        // The puzzle given up never came.
        QTest::qWait(50);
        QCOMPARE(ready.count(), 2);
    }

    // The puzzle of a day is the same whenever it is made, another the next day, and harder
    // through the week; asked for another day meanwhile, the maker gives that day's only.
    void puzzleOfTheDay() {
        DailyPuzzleMaker maker;
        std::vector<MadePuzzle> made;
        connect(&maker, &DailyPuzzleMaker::made,
                [&made](const MadePuzzle& puzzle) { made.push_back(puzzle); });
        const QDate monday(2026, 5, 11);
        maker.Make(monday);
        QTRY_COMPARE_WITH_TIMEOUT(made.size(), std::size_t(1), 20000);
        maker.Make(monday.addDays(1));
        maker.Make(monday);
        QTRY_COMPARE_WITH_TIMEOUT(made.size(), std::size_t(2), 20000);
        maker.Make(monday.addDays(1));
        QTRY_COMPARE_WITH_TIMEOUT(made.size(), std::size_t(3), 20000);
        QTest::qWait(50);
        QCOMPARE(made.size(), std::size_t(3));
        QCOMPARE(made[1].solution, made[0].solution);
        QCOMPARE(made[1].givens.cells, made[0].givens.cells);
        QVERIFY(made[2].solution != made[0].solution ||
                made[2].givens.cells != made[0].givens.cells);
        QCOMPARE(made[0].givens.level, 2);
        QCOMPARE(made[2].givens.level, 3);
        QCOMPARE(DailyLevel(monday.addDays(6)), 8);
    }

    void patternsAreGradedAsTheyStand_data() {
        QTest::addColumn<QStringList>("pattern");
        QTest::addColumn<int>("solutions");
        QTest::addColumn<QString>("level");
        QTest::newRow("all but a row")
            << QStringList(8, QStringLiteral("111111111")) << 1 << "zeer makkelijk";
        QTest::newRow("three rows") << QStringList(3, QStringLiteral("111111111")) << 2
                                    << QString::fromUtf8("meer dan \xc3\xa9\xc3\xa9n oplossing");
    }
    void patternsAreGradedAsTheyStand() {
        QFETCH(QStringList, pattern);
        GameSettings settings;
        settings.UsePattern = true;
        for (int r = 1; r <= 9; ++r) {
            settings.PatternRows[r] = pattern.value(r - 1, EmptyPatternRow);
        }
        Random random;
        const PuzzleGivens chosen = ChooseGivens(TransformedGrid(2, 5), settings, random);
        QCOMPARE(static_cast<int>(chosen.cells.count()), 9 * static_cast<int>(pattern.size()));
        QTEST(chosen.solutions, "solutions");
        QTEST(LevelText(chosen), "level");
        settings.OnlyUniquePuzzles = false;
        QVERIFY(LevelText(ChooseGivens(TransformedGrid(2, 5), settings, random)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
