// A game in progress kept and taken up again: whole and as it was, or not at all.
#include "core/base_grids.h"
#include "core/saved_game.h"

#include <QTest>

namespace {

const Stopwatch::Clock::time_point Start{};

// A game with numbers, marks, moves taken back and a running clock, paused as asked.
GameModel& Played(GameModel& model, bool paused) {
    CellSet givens;
    for (int c = 1; c <= 9; ++c) {
        givens.set(CellBit(c, 1));
        givens.set(CellBit(c, 9));
    }
    PuzzleGivens puzzle(givens);
    puzzle.graded = true;
    puzzle.solutions = 2;
    model.LayOut(TransformedGrid(4, 6), puzzle, BeginNow(PuzzleSource::Daily, QDate(2026, 5, 12)));
    model.SetOrigin(4, 6);
    model.StartClock(Start);
    model.Place({2, 2}, model.SolutionGrid()(2, 2), {190, 0, 0});
    model.Place({3, 3}, model.SolutionGrid()(3, 3) % 9 + 1, {1, 2, 3});
    model.ToggleMark({5, 5}, 7, {30, 80, 200});
    model.ToggleMark({5, 5}, 2, {30, 80, 200});
    model.Undo();
    model.SelectNumber(6);
    model.MoveCursor({8, 4});
    model.UseHelp(Help::NextStep);
    model.Tick(Start + std::chrono::seconds(83));
    if (paused) {
        model.Pause(Start + std::chrono::seconds(90));
    }
    return model;
}

}  // namespace

class TestSavedGame : public QObject {
    Q_OBJECT
  private slots:
    void takenUpAsItWasLeft_data() {
        QTest::addColumn<bool>("paused");
        QTest::newRow("running") << false;
        QTest::newRow("paused") << true;
    }
    void takenUpAsItWasLeft() {
        QFETCH(bool, paused);
        GameModel played;
        const auto left = Start + std::chrono::seconds(95);
        const GameRecord kept = *Played(played, paused).Record(left);
        const QByteArray text = SavedGameText(kept);
        const std::optional<GameRecord> record = ReadSavedGame(text);
        QVERIFY(record);
        // The last base grid under the last symmetry, and a puzzle from a file that names none.
        for (const char* origin : {"[11,8]", "[0,0]"}) {
            QByteArray other = text;
            QVERIFY(ReadSavedGame(other.replace("[4,6]", origin)));
        }
        GameModel next;
        const auto later = Start + std::chrono::hours(5);
        next.TakeUp(*record, later);
        QCOMPARE(SavedGameText(*next.Record(later)), text);
        QCOMPARE(next.BoardGrid(), played.BoardGrid());
        QCOMPARE(next.Content({5, 5}), played.Content({5, 5}));
        QCOMPARE(next.Paused(), paused);
        // The clock goes on from the time it had, unless the game stands paused.
        const long long ticks = kept.clockTicks;
        QCOMPARE(ticks, paused ? 899 : 949);
        QCOMPARE(next.Tick(later), ticks);
        QCOMPARE(next.Tick(later + std::chrono::seconds(2)), paused ? ticks : ticks + 20);
        // The moves taken back can be done again, and the others taken back.
        next.Resume(later);
        next.Redo();
        QCOMPARE(next.Content({5, 5}).marks.count(), 2u);
        for (int k = 0; k < 4; ++k) {
            next.Undo();
        }
        QCOMPARE(next.FilledCount(), 18);
        QVERIFY(!next.CanUndo());
    }

    void aCompletedGameIsNotKept() {
        GameModel model;
        QVERIFY(!model.Record(Start));
        model.LayOut(TransformedGrid(1, 1), CellSet().set().reset(0));
        model.Place({1, 1}, model.SolutionGrid()(1, 1), {});
        QVERIFY(model.Completed());
        QVERIFY(!model.Record(Start));
    }

    void damagedGamesAreNotTakenUp_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("not JSON") << QByteArray("{") << QByteArray("[");
        QTest::newRow("cut short") << QByteArray("\"moves\"") << QByteArray("");
        QTest::newRow("another version")
            << QByteArray("\"sudoku\":2") << QByteArray("\"sudoku\":3");
        QTest::newRow("a solution that is none")
            << QByteArray("\"solution\":\"") << QByteArray("\"solution\":\"1");
        QTest::newRow("no givens") << QByteArray("\"givens\"") << QByteArray("\"givenz\"");
        QTest::newRow("a cursor off the board")
            << QByteArray("\"cursor\":[8,4]") << QByteArray("\"cursor\":[8,10]");
        QTest::newRow("a number out of range")
            << QByteArray("\"selected\":6") << QByteArray("\"selected\":16");
        QTest::newRow("a clock before its start")
            << QByteArray("\"clock\":") << QByteArray("\"clock\":-7");
        QTest::newRow("more moves done than made")
            << QByteArray("\"done\":3") << QByteArray("\"done\":5");
        QTest::newRow("a base grid without its symmetry")
            << QByteArray("\"origin\":[4,6]") << QByteArray("\"origin\":[4,0]");
        QTest::newRow("a symmetry without its base grid")
            << QByteArray("\"origin\":[4,6]") << QByteArray("\"origin\":[0,6]");
        QTest::newRow("a base grid beyond the last")
            << QByteArray("\"origin\":[4,6]") << QByteArray("\"origin\":[12,6]");
        QTest::newRow("a move on a given") << QByteArray("[[2,2],") << QByteArray("[[2,1],");
        QTest::newRow("a given with another digit")
            << QByteArray("\"cells\":[[") << QByteArray("\"cells\":[[0,\"\",[0,0,0]],[");
        QTest::newRow("help of an unknown kind")
            << QByteArray("\"next-step\"") << QByteArray("\"peek\"");
        QTest::newRow("the puzzle of a day that is none")
            << QByteArray("2026-05-12") << QByteArray("2026-05-32");
    }
    void damagedGamesAreNotTakenUp() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        GameModel played;
        QByteArray text = SavedGameText(*Played(played, false).Record(Start));
        QVERIFY2(text.contains(from), text.constData());
        if (to.isEmpty()) {
            text.chop(text.size() - text.indexOf(from));
        } else {
            text.replace(text.indexOf(from), from.size(), to);
        }
        QVERIFY(!ReadSavedGame(text));
    }
};

QTEST_APPLESS_MAIN(TestSavedGame)
#include "test_saved_game.moc"
