// The rules of play, without a window: what each move changes and what the game tells about it,
// in order.
#include "core/base_grids.h"
#include "core/game_model.h"
#include "core/statistics.h"

#include <QTest>

namespace {

// Rows 1..3 given, the rest open.
CellSet Band() {
    CellSet givens;
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 9; ++c) {
            givens.set(CellBit(c, r));
        }
    }
    return givens;
}

// Everything the model tells, as text.
struct Listener {
    explicit Listener(GameModel& model) {
        const auto at = [](QPoint cell) {
            return QStringLiteral(" %1,%2").arg(cell.x()).arg(cell.y());
        };
        QObject::connect(&model, &GameModel::cellChanged, [this, at, &model](QPoint cell) {
            QString marks;
            for (int digit = 1; digit <= 9; ++digit) {
                marks += model.Content(cell).marks.test(digit) ? QString::number(digit) : QString();
            }
            heard << QStringLiteral("cell") + at(cell) +
                         (marks.isEmpty() ? QString() : QStringLiteral(" marks ") + marks);
        });
        QObject::connect(&model, &GameModel::cursorMoved,
                         [this, at](QPoint cell) { heard << QStringLiteral("cursor") + at(cell); });
        QObject::connect(&model, &GameModel::moveJudged, [this](QPoint, bool right) {
            heard << (right ? QStringLiteral("right") : QStringLiteral("wrong"));
        });
        QObject::connect(&model, &GameModel::correctCountShown, [this, &model] {
            const std::optional<int> count = model.ShownCorrectCount();
            heard << QStringLiteral("count ") +
                         (count ? QString::number(*count) : QStringLiteral("-"));
        });
        QObject::connect(&model, &GameModel::completed,
                         [this] { heard << QStringLiteral("completed"); });
        QObject::connect(&model, &GameModel::pausedChanged, [this, &model] {
            heard << (model.Paused() ? QStringLiteral("paused") : QStringLiteral("going on"));
        });
    }
    QStringList heard;
};

// Plays moves written as "P c r +" (the solution's digit), "P c r -" (a wrong one), "X c r +"
// and "X c r -" (the same, replacing), "E c r", "M c r d", "F" (fill the candidates), "U", "R",
// "S" (pause), "G" (go on), "C c r" (the cursor), "H" (a hint), "N" (the next step) and "A" (the
// solution's number in every empty cell).
void Play(GameModel& model, const QStringList& moves) {
    for (const QString& move : moves) {
        const QStringList word = move.split(u' ');
        const QPoint cell = word.size() > 2 ? QPoint(word[1].toInt(), word[2].toInt()) : QPoint();
        const int right = cell.isNull() ? 0 : model.SolutionGrid()(cell.x(), cell.y());
        const int digit = word.size() > 3 && word[3] == u"+" ? right : right % 9 + 1;
        if (word[0] == u"P") {
            model.Place(cell, digit, {190, 0, 0});
        } else if (word[0] == u"X") {
            model.Replace(cell, digit, {190, 0, 0});
        } else if (word[0] == u"F") {
            model.FillCandidates({30, 80, 200});
        } else if (word[0] == u"S") {
            model.Pause(Stopwatch::Clock::now());
        } else if (word[0] == u"G") {
            model.Resume(Stopwatch::Clock::now());
        } else if (word[0] == u"E") {
            model.Empty(cell);
        } else if (word[0] == u"M") {
            model.ToggleMark(cell, word[3].toInt(), {30, 80, 200});
        } else if (word[0] == u"C") {
            model.MoveCursor(cell);
        } else if (word[0] == u"U") {
            model.Undo();
        } else if (word[0] == u"R") {
            model.Redo();
        } else if (word[0] == u"H") {
            model.UseHelp(Help::Hint);
        } else if (word[0] == u"N") {
            model.UseHelp(Help::NextStep);
        } else if (word[0] == u"A") {
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    model.Place({c, r}, model.SolutionGrid()(c, r), {190, 0, 0});
                }
            }
        }
    }
}

}  // namespace

class TestGameModel : public QObject {
    Q_OBJECT
  private slots:
    void layingOutGivesThePatternsCells() {
        GameModel model;
        model.LayOut(TransformedGrid(2, 3), Band());
        QCOMPARE(model.FilledCount(), 27);
        QCOMPARE(model.BoardGrid()(9, 3), TransformedGrid(2, 3)(9, 3));
        QCOMPARE(model.BoardGrid()(1, 4), 0);
        QVERIFY(model.IsGiven({9, 3}) && !model.IsGiven({1, 4}));
        QVERIFY(model.GameActive() && !model.Completed() && !model.CanUndo());
        // The correct-numbers line counts each new board at once.
        QCOMPARE(model.ShownCorrectCount(), 27);
        model.Place({1, 4}, model.SolutionGrid()(1, 4), {});
        model.LayOut(TransformedGrid(2, 3), CellSet());
        QCOMPARE(model.ShownCorrectCount(), 0);
    }

    void movesTellWhatChanged_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<int>("filled");
        QTest::newRow("a right number")
            << QStringList{"P 4 5 +"} << QStringList{"cell 4,5", "right", "count 28"} << 28;
        QTest::newRow("a filled cell keeps its number and is judged again")
            << QStringList{"P 4 5 -", "P 4 5 +"}
            << QStringList{"cell 4,5", "wrong", "count 27", "wrong", "count 27"} << 28;
        QTest::newRow("emptying an empty cell only recounts")
            << QStringList{"E 6 6"} << QStringList{"count 27"} << 27;
        QTest::newRow("emptying a number, which is not judged")
            << QStringList{"P 4 5 -", "E 4 5"}
            << QStringList{"cell 4,5", "wrong", "count 27", "cell 4,5", "count 27"} << 27;
        QTest::newRow("marks go on empty cells only")
            << QStringList{"M 4 5 3", "P 4 6 +", "M 4 6 2", "E 4 5"}
            << QStringList{"cell 4,5 marks 3", "cell 4,6", "right",
                           "count 28",         "cell 4,5", "count 28"}
            << 28;
        QTest::newRow("the cursor moves only to another cell")
            << QStringList{"C 4 5", "C 4 5", "C 5 5"} << QStringList{"cursor 4,5", "cursor 5,5"}
            << 27;
        QTest::newRow("undo gives back the cell, the count line and the cursor")
            << QStringList{"P 4 5 +", "U"}
            << QStringList{"cell 4,5", "right", "count 28", "cell 4,5", "count 27", "cursor 4,5"}
            << 27;
        QTest::newRow("redo shows the count line as it was taken back")
            << QStringList{"P 4 5 +", "P 5 5 -", "U", "U", "R"}
            << QStringList{"cell 4,5", "right",      "count 28", "cell 5,5",   "wrong",
                           "count 28", "cell 5,5",   "count 28", "cursor 5,5", "cell 4,5",
                           "count 27", "cursor 4,5", "cell 4,5", "count 28",   "cursor 4,5"}
            << 28;
        QTest::newRow("a new move drops what was taken back")
            << QStringList{"M 4 5 1", "U", "M 6 6 2", "R", "U", "U"}
            << QStringList{"cell 4,5 marks 1", "cell 4,5", "count 27", "cursor 4,5",
                           "cell 6,6 marks 2", "cell 6,6", "count 27", "cursor 6,6"}
            << 27;
        // The solution's 3 at (4, 5) strikes the 3s of its column, row and block, not the one
        // at (1, 6) nor the 2 beside it; undone, they come back.
        QTest::newRow("a number strikes its digit from the marks around it")
            << QStringList{"M 4 4 3", "M 9 5 3", "M 5 6 3", "M 5 6 2", "M 1 6 3", "P 4 5 +", "U"}
            << QStringList{"cell 4,4 marks 3", "cell 9,5 marks 3",
                           "cell 5,6 marks 3", "cell 5,6 marks 23",
                           "cell 1,6 marks 3", "cell 4,5",
                           "cell 4,4",         "cell 9,5",
                           "cell 5,6 marks 2", "right",
                           "count 28",         "cell 5,6 marks 23",
                           "cell 9,5 marks 3", "cell 4,4 marks 3",
                           "cell 4,5",         "count 27",
                           "cursor 4,5"}
            << 27;
        QTest::newRow("replacing puts another number in and strikes its marks")
            << QStringList{"P 4 5 -", "M 4 4 3", "X 4 5 +", "X 4 5 +", "X 1 1 -", "U"}
            << QStringList{"cell 4,5",
                           "wrong",
                           "count 27",
                           "cell 4,4 marks 3",
                           "cell 4,5",
                           "cell 4,4",
                           "right",
                           "count 28",
                           "right",
                           "count 28",
                           "right",
                           "count 28",
                           "cell 4,4 marks 3",
                           "cell 4,5",
                           "count 27",
                           "cursor 4,5"}
            << 28;
        QTest::newRow("a paused game takes no moves")
            << QStringList{"S", "P 4 5 +", "X 4 5 +", "M 4 5 1", "E 4 5", "F", "G", "P 4 5 +"}
            << QStringList{"paused", "going on", "cell 4,5", "right", "count 28"} << 28;
    }
    void movesTellWhatChanged() {
        QFETCH(QStringList, moves);
        GameModel model;
        model.LayOut(TransformedGrid(1, 1), Band());
        Listener listener(model);
        Play(model, moves);
        QTEST(listener.heard, "heard");
        QTEST(model.FilledCount(), "filled");
    }

    void candidatesAreTheDigitsNoNumberAroundRulesOut() {
        GameModel model;
        model.LayOut(TransformedGrid(3, 5), Band());
        Play(model, {"P 2 5 -", "M 2 6 2", "P 2 7 +"});
        const Grid board = model.BoardGrid();
        Play(model, {"F"});
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const CellContent content = model.Content({c, r});
                QCOMPARE(content.digit, board(c, r));
                // Exactly the digits that no number in the cell's row, column or block holds.
                for (int digit = 1; digit <= 9; ++digit) {
                    bool seen = false;
                    for (int k = 1; k <= 9; ++k) {
                        const int bc = (c - 1) / 3 * 3 + (k - 1) % 3 + 1;
                        const int br = (r - 1) / 3 * 3 + (k - 1) / 3 + 1;
                        seen |=
                            board(k, r) == digit || board(c, k) == digit || board(bc, br) == digit;
                    }
                    QCOMPARE(content.marks.test(digit), board(c, r) == 0 && !seen);
                }
            }
        }
        QCOMPARE(model.Content({2, 8}).ink, (Rgb{30, 80, 200}));
    }

    void aSolvedBoardCompletesOnceAndKeepsItsMoves() {
        GameModel model;
        CellSet givens;
        givens.set();
        givens.reset(CellBit(9, 9));
        model.LayOut(TransformedGrid(6, 2), givens);
        model.StartClock(Stopwatch::Clock::now());
        Listener listener(model);
        Play(model, {"P 9 9 +", "U", "P 9 9 +"});
        QCOMPARE(listener.heard,
                 (QStringList{"cell 9,9", "right", "count 81", "completed", "right", "count 81"}));
        QVERIFY(model.Completed() && !model.ClockRunning() && !model.CanUndo());
        QCOMPARE(model.FinalTime(), QStringLiteral("0:00:00:0"));
    }

    // What the statistics keep of a game, entered as it goes: the level as graded, the help had
    // before the completion (the candidates when filling them filled some) and the final time.
    void theLogFollowsTheGame_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("help");
        QTest::addColumn<bool>("completed");
        QTest::newRow("solved alone") << QStringList{"A"} << 0 << true;
        QTest::newRow("candidates filled, then solved")
            << QStringList{"F", "A"} << int(Help::Candidates) << true;
        QTest::newRow("help taken back is help had")
            << QStringList{"F", "U", "A"} << int(Help::Candidates) << true;
        QTest::newRow("a hint and the next step, left unsolved")
            << QStringList{"H", "N", "H"} << int(Help::Hint | Help::NextStep) << false;
        QTest::newRow("help after the completion is no help")
            << QStringList{"A", "H", "N", "F"} << 0 << true;
    }
    void theLogFollowsTheGame() {
        QFETCH(QStringList, moves);
        QFETCH(bool, completed);
        GameModel model;
        GameLog log(model);
        PuzzleGivens givens(Band());
        givens.graded = true;
        givens.level = 5;
        const GameStart start = BeginNow(PuzzleSource::Pattern);
        model.LayOut(TransformedGrid(1, 1), givens, start);
        const auto now = Stopwatch::Clock::now();
        model.StartClock(now);
        model.Tick(now + std::chrono::seconds(83));
        Play(model, moves);
        QCOMPARE(log.Unsaved().size(), std::size_t(1));
        const PlayedGame& game = log.Unsaved().front();
        QCOMPARE(game.start, start);
        QCOMPARE(game.level, 5);
        QTEST(int(game.help), "help");
        QCOMPARE(game.completed, completed);
        QCOMPARE(ClockText(game.tenths),
                 completed ? model.FinalTime() : QStringLiteral("0:00:00:0"));
        // A game without its moment of beginning is not counted.
        model.LayOut(TransformedGrid(1, 1), givens);
        Play(model, moves);
        QCOMPARE(log.Unsaved().size(), std::size_t(1));
    }

    void anyValidBoardIsSolved() {
        GameModel model;
        model.LayOut(TransformedGrid(4, 4), CellSet().set());
        QVERIFY(model.IsSolved());
        // Another complete valid grid counts too, though it is not the solution.
        model.LayOut(TransformedGrid(4, 4), CellSet());
        const Grid other = TransformedGrid(7, 3);
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                QVERIFY(!model.IsSolved());
                model.Place({c, r}, other(c, r), {});
            }
        }
        QVERIFY(model.Completed());
        QCOMPARE(model.SolutionGrid(), other);
    }
};

QTEST_APPLESS_MAIN(TestGameModel)
#include "test_game_model.moc"
