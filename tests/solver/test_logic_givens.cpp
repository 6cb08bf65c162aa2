#include <QtTest>

#include <random>

#include "solver/logic_givens.h"
#include "solver/logic_test_support.h"
#include "solver/solution_search.h"

using namespace logic;
using logic_test::CountPlainly;
using logic_test::SeededDraw;

namespace {

// True when no given (or pair of givens, with the half turn) can go without the sound
// techniques up to `hardest` losing the solution.
bool IsMinimal(Digits puzzle, Technique hardest, bool symmetric) {
    for (int cell = 0; cell < CellCount; ++cell) {
        const int partner = symmetric ? HalfTurn(cell) : cell;
        const Digits before = puzzle;
        if (puzzle[cell] == 0) {
            continue;
        }
        puzzle[cell] = 0;
        puzzle[partner] = 0;
        if (Grade(puzzle, {hardest, false}).outcome == Outcome::Solved) {
            return false;
        }
        puzzle = before;
    }
    return true;
}

// A grader of the bands 4 to 7 written apart from the engine, plainly: every rule tried on every
// unit, set of places and set of digits, until none strikes anything more.
//   4: naked and hidden singles; 5: box/line reduction; 6: naked and hidden subsets of two and
//   three; 7: of four, and the fish of two to four lines.
class PlainGrader {
  public:
    explicit PlainGrader(const Digits& puzzle) {
        for (int i = 0; i < 9; ++i) {
            for (int k = 0; k < 9; ++k) {
                units_[i][k] = 9 * i + k;                                        // rows
                units_[9 + i][k] = 9 * k + i;                                    // columns
                units_[18 + i][k] = i / 3 * 27 + i % 3 * 3 + k / 3 * 9 + k % 3;  // blocks
            }
        }
        candidates_.fill(0x3FE);
        for (int cell = 0; cell < CellCount; ++cell) {
            if (puzzle[cell] != 0) {
                Place(cell, puzzle[cell]);
            }
        }
    }

    // Whether the rules up to the band fill every cell.
    bool Solves(int band) {
        while (!Full() && !broken_ && Round(band)) {
        }
        return Full() && !broken_;
    }

  private:
    bool Full() const {
        return std::all_of(digits_.begin(), digits_.end(), [](int d) { return d != 0; });
    }

    void Place(int cell, int digit) {
        broken_ = broken_ || (candidates_[cell] & (1 << digit)) == 0;
        digits_[cell] = digit;
        candidates_[cell] = 0;
        for (const auto& unit : units_) {
            if (std::find(unit.begin(), unit.end(), cell) != unit.end()) {
                for (const int other : unit) {
                    Strike(other, 1 << digit);
                }
            }
        }
    }

    bool Strike(int cell, int digits) {
        if ((candidates_[cell] & digits) == 0) {
            return false;
        }
        candidates_[cell] &= ~digits;
        broken_ = broken_ || (digits_[cell] == 0 && candidates_[cell] == 0);
        return true;
    }

    // The places (bits 0..8) of the digit in the unit.
    int Places(int unit, int digit) const {
        int places = 0;
        for (int k = 0; k < 9; ++k) {
            places |= (candidates_[units_[unit][k]] >> digit & 1) << k;
        }
        return places;
    }

    bool Round(int band) {
        for (int cell = 0; cell < CellCount; ++cell) {
            if (__builtin_popcount(candidates_[cell]) == 1) {
                Place(cell, __builtin_ctz(candidates_[cell]));
                return true;
            }
        }
        for (int unit = 0; unit < 27; ++unit) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (__builtin_popcount(Places(unit, digit)) == 1) {
                    Place(units_[unit][__builtin_ctz(Places(unit, digit))], digit);
                    return true;
                }
            }
        }
        return (band >= 5 && BoxLine()) || (band >= 6 && Subsets(band == 6 ? 3 : 4)) ||
               (band >= 7 && Fish());
    }

    // Strikes the digits from the unit's cells outside the places.
    bool StrikeOutside(int unit, int places, int digits) {
        bool struck = false;
        for (int k = 0; k < 9; ++k) {
            if ((places >> k & 1) == 0) {
                struck = Strike(units_[unit][k], digits) || struck;
            }
        }
        return struck;
    }

    bool BoxLine() {
        bool struck = false;
        for (int block = 18; block < 27; ++block) {
            for (int line = 0; line < 18; ++line) {
                int crossing = 0;  // places of the block that lie on the line, and of the line
                int lineCrossing = 0;
                for (int k = 0; k < 9; ++k) {
                    for (int j = 0; j < 9; ++j) {
                        if (units_[block][k] == units_[line][j]) {
                            crossing |= 1 << k;
                            lineCrossing |= 1 << j;
                        }
                    }
                }
                for (int digit = 1; digit <= 9 && crossing != 0; ++digit) {
                    const int inBlock = Places(block, digit), inLine = Places(line, digit);
                    if (inBlock != 0 && (inBlock & ~crossing) == 0) {
                        struck = StrikeOutside(line, lineCrossing, 1 << digit) || struck;
                    }
                    if (inLine != 0 && (inLine & ~lineCrossing) == 0) {
                        struck = StrikeOutside(block, crossing, 1 << digit) || struck;
                    }
                }
            }
        }
        return struck;
    }

    bool Subsets(int largest) {
        bool struck = false;
        for (int unit = 0; unit < 27; ++unit) {
            for (int set = 1; set < 512; ++set) {
                const int size = __builtin_popcount(set);
                if (size < 2 || size > largest) {
                    continue;
                }
                // Naked: `set` as places whose candidates together are `size` digits.
                int digits = 0;
                bool empty = true;
                for (int k = 0; k < 9; ++k) {
                    if (set >> k & 1) {
                        digits |= candidates_[units_[unit][k]];
                        empty = empty && digits_[units_[unit][k]] == 0;
                    }
                }
                if (empty && __builtin_popcount(digits) == size) {
                    struck = StrikeOutside(unit, set, digits) || struck;
                }
                // Hidden: `set` as digits (bits 0..8 for 1..9) whose places are `size` cells.
                int places = 0;
                bool present = true;
                for (int digit = 1; digit <= 9; ++digit) {
                    if (set >> (digit - 1) & 1) {
                        places |= Places(unit, digit);
                        present = present && Places(unit, digit) != 0;
                    }
                }
                if (present && __builtin_popcount(places) == size) {
                    for (int k = 0; k < 9; ++k) {
                        if (places >> k & 1) {
                            struck = Strike(units_[unit][k], 0x3FE & ~(set << 1)) || struck;
                        }
                    }
                }
            }
        }
        return struck;
    }

    bool Fish() {
        bool struck = false;
        for (int digit = 1; digit <= 9; ++digit) {
            for (const int first : {0, 9}) {
                const int cover = 9 - first;
                for (int set = 1; set < 512; ++set) {
                    const int size = __builtin_popcount(set);
                    int places = 0;
                    bool present = true;
                    for (int line = 0; line < 9; ++line) {
                        if (set >> line & 1) {
                            places |= Places(first + line, digit);
                            present = present && Places(first + line, digit) != 0;
                        }
                    }
                    if (size < 2 || size > 4 || !present || __builtin_popcount(places) != size) {
                        continue;
                    }
                    for (int line = 0; line < 9; ++line) {
                        if (places >> line & 1) {
                            struck = StrikeOutside(cover + line, set, 1 << digit) || struck;
                        }
                    }
                }
            }
        }
        return struck;
    }

    std::array<std::array<int, 9>, 27> units_{};
    std::array<int, CellCount> candidates_{};
    std::array<int, CellCount> digits_{};
    bool broken_ = false;
};

}  // namespace

class TestLogicGivens : public QObject {
    Q_OBJECT

  private slots:
    void promisesKept_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<bool>("symmetric");
        QTest::addColumn<int>("puzzles");
        QTest::addColumn<int>("target");  // givens, or 0 for as few as the logic allows
        QTest::addColumn<int>("band");    // the band the puzzle needs, or 0 for none
        QTest::newRow("2") << 2 << false << 200 << 40 << 0;
        QTest::newRow("3") << 3 << false << 200 << 27 << 0;
        QTest::newRow("4") << 4 << false << 200 << 0 << 0;
        QTest::newRow("5") << 5 << false << 100 << 0 << 5;
        QTest::newRow("6") << 6 << false << 60 << 0 << 6;
        QTest::newRow("7") << 7 << false << 20 << 0 << 7;
        QTest::newRow("8") << 8 << false << 60 << 0 << 8;
        QTest::newRow("2, symmetric") << 2 << true << 100 << 40 << 0;
        QTest::newRow("4, symmetric") << 4 << true << 100 << 0 << 0;
        QTest::newRow("7, symmetric") << 7 << true << 20 << 0 << 7;
        QTest::newRow("8, symmetric") << 8 << true << 60 << 0 << 8;
    }
    // Puzzles from random solution grids: one solution, found by the difficulty's techniques,
    // with the givens it promises; from 5 on they need their band, as a grader of the test's own
    // tells.
    void promisesKept() {
        QFETCH(int, difficulty);
        QFETCH(bool, symmetric);
        QFETCH(int, puzzles);
        QFETCH(int, target);
        QFETCH(int, band);
        std::mt19937 random(difficulty);
        const DrawNumber draw = SeededDraw(random);
        const Level level = LevelOf(difficulty);
        int targetMissed = 0;
        for (int i = 0; i < puzzles; ++i) {
            const Digits solution = *RandomSolution(Digits{}, draw);
            const ChosenGivens chosen = *ChooseGivens(solution, difficulty, symmetric, draw);
            const Digits puzzle = PuzzleOf(solution, chosen.cells);
            // The solution holds the givens, so it is the one solution.
            QCOMPARE(CountPlainly(puzzle, 2), 1);
            for (int cell = 0; cell < CellCount; ++cell) {
                QVERIFY(!symmetric || chosen.cells[cell] == chosen.cells[HalfTurn(cell)]);
            }

            const Grading grading = Grade(puzzle);
            QCOMPARE(chosen.grading.outcome, Outcome::Solved);
            QCOMPARE(chosen.grading.hardest, grading.hardest);
            QCOMPARE(chosen.grading.uses, grading.uses);
            QVERIFY(grading.hardest <= level.hardest);
            QCOMPARE(Grade(puzzle, {level.hardest}).outcome, Outcome::Solved);
            // The plain grader reaches no further than band 7.
            QVERIFY(band == 8 || PlainGrader(puzzle).Solves(std::max(band, 4)));
            if (band > 0) {
                QVERIFY(!PlainGrader(puzzle).Solves(band - 1));
                QCOMPARE(BandOf(grading.hardest), band);
            }

            const int givens = static_cast<int>(chosen.cells.count());
            QVERIFY(givens >= target);
            if (givens > target) {
                // The target was out of reach: then no given can go.
                ++targetMissed;
                QVERIFY(IsMinimal(puzzle, level.hardest, symmetric));
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
        const ChosenGivens first = *ChooseGivens(solution, 8, true, draw);
        random = start;
        QCOMPARE(ChooseGivens(solution, 8, true, draw)->cells, first.cells);
        QVERIFY(ChooseGivens(solution, 8, true, draw)->cells != first.cells);
    }

    // A search that is called off gives nothing, after the tries it was allowed.
    void searchEndsWhenAsked() {
        std::mt19937 random(2);
        const DrawNumber draw = SeededDraw(random);
        const Digits solution = *RandomSolution(Digits{}, draw);
        int asked = 0;
        const auto stop = [&asked](int tries) {
            asked = tries;
            return tries < 3;
        };
        QVERIFY(!ChooseGivens(solution, 7, false, draw, stop));
        QCOMPARE(asked, 3);
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
        QCOMPARE(level.tooEasy, expected.tooEasy);
        QCOMPARE(QString(LevelName(difficulty)), QString(LevelName(nearest)));
    }
};

QTEST_APPLESS_MAIN(TestLogicGivens)
#include "test_logic_givens.moc"
