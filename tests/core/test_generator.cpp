#include "core/base_grids.h"
#include "core/givens.h"
#include "core/random.h"

#include <QTest>

namespace {

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
        Random random;
        constexpr int Layouts = 3000;
        std::array<int, 81> perCell{};
        std::size_t givens = 0;
        for (int k = 0; k < Layouts; ++k) {
            const CellSet chosen = ChooseGivens(settings, random);
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
};

QTEST_APPLESS_MAIN(TestGenerator)
#include "test_generator.moc"
