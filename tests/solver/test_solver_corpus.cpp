// Checks the solver against qqwing's solutions of the kept corpus, and against the answers
// that it gave before it was made faster (tests/data/solver).

#include <QtTest>

#include "solver/solve_lines.h"

using namespace solver;

namespace {

// The puzzle lines of a file, by difficulty (the "# <difficulty>" line above them).
QMap<QString, QList<QByteArray>> ReadSections(const QString& name) {
    QFile file(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/solver/" + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    QMap<QString, QList<QByteArray>> sections;
    QString difficulty;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("# ")) {
            difficulty = QString::fromLatin1(line.mid(2));
        } else if (!line.isEmpty()) {
            sections[difficulty].append(line);
        }
    }
    return sections;
}

GridDigits Parse(const QByteArray& line) {
    GridDigits grid{};
    std::string problem;
    if (ParsePuzzleLine(line.toStdString(), grid, problem) != LineKind::Puzzle) {
        qFatal("not a puzzle: %s", line.constData());
    }
    return grid;
}

// Every row, column and box holds each digit once.
bool IsValidGrid(const GridDigits& grid) {
    for (int unit = 0; unit < 9; ++unit) {
        int row = 0, column = 0, box = 0;
        for (int i = 0; i < 9; ++i) {
            const int boxCell = 27 * (unit / 3) + 3 * (unit % 3) + 9 * (i / 3) + i % 3;
            row |= 1 << grid[9 * unit + i];
            column |= 1 << grid[9 * i + unit];
            box |= 1 << grid[boxCell];
        }
        if (row != 0x3fe || column != 0x3fe || box != 0x3fe) {
            return false;
        }
    }
    return true;
}

}  // namespace

class TestSolverCorpus : public QObject {
    Q_OBJECT

  private slots:
    void agreesWithQqwing_data() {
        QTest::addColumn<QString>("difficulty");
        QTest::addColumn<int>("solved");  // how many of the 600 the techniques finish
        QTest::addColumn<int>("found");   // digits found in the grids left unfinished
        QTest::newRow("simple") << "simple" << 600 << 0;
        QTest::newRow("easy") << "easy" << 577 << 379;
        QTest::newRow("intermediate") << "intermediate" << 266 << 5599;
        QTest::newRow("expert") << "expert" << 0 << 12424;
    }
    void agreesWithQqwing() {
        QFETCH(QString, difficulty);
        static const auto puzzles = ReadSections("puzzles.txt");
        static const auto solutions = ReadSections("solutions.txt");
        const QList<QByteArray>& lines = puzzles[difficulty];
        QCOMPARE(lines.size(), 600);
        QCOMPARE(solutions[difficulty].size(), lines.size());
        SolverEngine engine;
        int solved = 0, failed = 0, found = 0;
        for (qsizetype p = 0; p < lines.size(); ++p) {
            const GridDigits puzzle = Parse(lines[p]);
            const GridDigits solution = Parse(solutions[difficulty][p]);
            GridDigits grid{};
            const PuzzleOutcome outcome = SolvePuzzle(engine, puzzle, grid);
            QVERIFY2(outcome != PuzzleOutcome::Invalid, lines[p].constData());
            for (int i = 0; i < CellCount; ++i) {
                QVERIFY2(puzzle[i] == 0 || grid[i] == puzzle[i], lines[p].constData());
                QVERIFY2(grid[i] == 0 || grid[i] == solution[i], lines[p].constData());
                found += outcome == PuzzleOutcome::Failed && puzzle[i] == 0 && grid[i] != 0;
            }
            if (outcome == PuzzleOutcome::Solved) {
                QVERIFY2(IsValidGrid(grid) && grid == solution, lines[p].constData());
                ++solved;
            } else {
                ++failed;
            }
        }
        qInfo("%s: %d Solved, %d Failed (%d digits found in the Failed grids, all right)",
              qPrintable(difficulty), solved, failed, found);
        // A change to the order of the scans shows up here first.
        QTEST(solved, "solved");
        QTEST(found, "found");
    }

    void answersAsFrozen_data() {
        QTest::addColumn<QByteArray>("puzzle");
        QTest::addColumn<QByteArray>("edits");   // typed in the window after the puzzle
        QTest::addColumn<QByteArray>("answer");  // grid and outcome
        QFile file(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/solver/frozen.txt");
        if (!file.open(QIODevice::ReadOnly)) {
            qFatal("cannot read %s", qPrintable(file.fileName()));
        }
        int number = 0;
        for (const QByteArray& line : file.readAll().split('\n')) {
            ++number;
            const QList<QByteArray> fields = line.split(' ');
            if (!line.startsWith('#') && fields.size() == 4) {
                QTest::newRow(qPrintable(QString("line %1").arg(number)))
                    << fields[0] << fields[1] << fields[2] + ' ' + fields[3];
            }
        }
    }
    void answersAsFrozen() {
        QFETCH(QByteArray, puzzle);
        QFETCH(QByteArray, edits);
        SolverEngine engine;
        GridDigits grid{};
        QByteArray outcome;
        if (edits == "-") {
            outcome = OutcomeName(SolvePuzzle(engine, Parse(puzzle), grid));
        } else {
            // As the window takes typed digits: 0 or a digit that its peers hold empties the
            // cell, and the candidates that the old digit struck stay struck.
            engine.EnterPuzzle(Parse(puzzle));
            for (const QByteArray& edit : edits.split(',')) {
                const auto n = static_cast<std::int16_t>(edit.left(edit.indexOf('=')).toInt());
                const int digit = edit.mid(edit.indexOf('=') + 1).toInt();
                if (digit == 0 || engine.IsDuplicate(n, digit)) {
                    engine.ResetCell(n);
                } else {
                    engine.PlaceDigit(n, digit);
                }
            }
            outcome = engine.Solve() == SolveStatus::Solved ? "Solved" : "Failed";
            grid = engine.Grid();
        }
        QByteArray digits(CellCount, '0');
        for (int i = 0; i < CellCount; ++i) {
            digits[i] = static_cast<char>('0' + grid[i]);
        }
        QTEST(digits + ' ' + outcome, "answer");
    }
};

QTEST_APPLESS_MAIN(TestSolverCorpus)
#include "test_solver_corpus.moc"
