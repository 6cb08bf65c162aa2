#include "support/game_window.h"

#include <QLabel>

namespace {

const QStringList Diagonal{"100000000", "010000000", "001000000", "000100000", "000010000",
                           "000001000", "000000100", "000000010", "000000001"};

int NonZero(const Grid& grid) {
    int count = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            count += grid(c, r) != 0;
        }
    }
    return count;
}

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT
  private slots:
    void emptyGridOnBothBoards() {
        GameWindow game;
        for (Surface* surface : {&game.main->PicSurface(), &game.main->Pic2Surface()}) {
            const QImage& image = surface->Image();
            QCOMPARE(image.size(), QSize(316, 316));
            // Block lines at 0, 105, 210, 315 pixels; cell lines between them.
            for (int k = 0; k <= 9; ++k) {
                const QColor expected = k % 3 == 0 ? board::BlockLine : board::CellLine;
                QCOMPARE(QColor(image.pixel(k * 35, 20)), expected);
                QCOMPARE(QColor(image.pixel(20, k * 35)), expected);
            }
            QCOMPARE(QColor(image.pixel(17, 17)), board::EmptyFace);
        }
    }

    void patternGivesExactlyTheMarkedGivens_data() {
        QTest::addColumn<QStringList>("pattern");
        QTest::newRow("diagonal") << Diagonal;
        QTest::newRow("corners and centre")
            << QStringList{"100000001", "000000000", "000000000", "000000000", "000010000",
                           "000000000", "000000000", "000000000", "100000001"};
        QTest::newRow("full") << QStringList(9, QStringLiteral("111111111"));
    }
    void patternGivesExactlyTheMarkedGivens() {
        QFETCH(QStringList, pattern);
        GameWindow game;
        for (int round = 0; round < 2; ++round) {  // the same for every new game
            game.LayOut(pattern, 3 + round, 2 + round);
            const QImage& pic = game.main->PicSurface().Image();
            int marked = 0;
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    const bool given = pattern[r - 1][c - 1] == u'1';
                    marked += given;
                    QCOMPARE(game.State().BoardGrid(c, r),
                             given ? game.State().SolutionGrid(c, r) : 0);
                    QCOMPARE(QColor(pic.pixel(FacePixels(c, r).topLeft())),
                             given ? board::GivenFace : board::EmptyFace);
                }
            }
            QCOMPARE(game.State().FilledCount, marked);
            QCOMPARE(game.main->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                     QStringLiteral("%1 vakjes ingevuld waarvan er").arg(marked));
            QVERIFY(game.State().GameActive);
            QCOMPARE(game.State().SelectedNumber, 0);
        }
    }

    void emptyPatternGivesNoGivensButTheWholeSolution() {
        GameWindow game;
        game.LayOut({});
        QCOMPARE(NonZero(game.State().BoardGrid), 0);
        QCOMPARE(game.State().FilledCount, 0);
        const QImage& solution = game.main->Pic2Surface().Image();
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                QVERIFY(Colours(solution, FacePixels(c, r)).contains(qRgb(0, 0, 0)));
            }
        }
    }

    void chanceGivesShareNearOneInDifficulty_data() {
        QTest::addColumn<int>("difficulty");
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("8") << 8;
    }
    void chanceGivesShareNearOneInDifficulty() {
        QFETCH(int, difficulty);
        GameWindow game;
        game.State().UsePattern = false;
        game.State().Difficulty = difficulty;
        constexpr int Layouts = 300;
        int givens = 0;
        std::array<int, 82> perCell{};
        for (int k = 0; k < Layouts; ++k) {
            const Grid solution = TransformedGrid(k % 11 + 1, k % 8 + 1);
            game.State().SolutionGrid = solution;
            game.State().BoardGrid = solution;
            game.main->GameBoard().ClearBoard();
            game.main->GameBoard().DrawPuzzle();
            QCOMPARE(game.State().FilledCount, NonZero(game.State().BoardGrid));
            givens += game.State().FilledCount;
            for (int i = 0; i < 81; ++i) {
                perCell[i] += game.State().BoardGrid(i % 9 + 1, i / 9 + 1) != 0;
            }
        }
        const double share = static_cast<double>(givens) / (Layouts * 81);
        QVERIFY2(std::abs(share - 1.0 / difficulty) < 0.01, qPrintable(QString::number(share)));
        // Every cell has its chance: none is always or never given.
        for (int i = 0; i < 81; ++i) {
            QVERIFY(perCell[i] > 0 && perCell[i] < Layouts);
        }
    }

    void boardPaintsOnlyItsOwnColours() {
        GameWindow game;
        game.State().UsePattern = false;
        game.State().Difficulty = 2;
        const Grid solution = TransformedGrid(5, 6);
        game.State().SolutionGrid = solution;
        game.State().BoardGrid = solution;
        game.main->GameBoard().ClearBoard();
        game.main->GameBoard().DrawPuzzle();
        const QSet<QRgb> allowed{qRgb(255, 255, 255), qRgb(190, 190, 190), qRgb(0, 0, 0),
                                 qRgb(230, 230, 230)};
        const QImage& pic = game.main->PicSurface().Image();
        QVERIFY(Colours(pic, pic.rect()).subtract(allowed).isEmpty());
        QVERIFY(Colours(game.main->Pic2Surface().Image(), pic.rect()).subtract(allowed).isEmpty());
        // Every point of a given cell is closed: its face and its digit.
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const QSet<QRgb> face = Colours(pic, FacePixels(c, r));
                if (game.State().BoardGrid(c, r) != 0) {
                    QCOMPARE(face, (QSet<QRgb>{qRgb(230, 230, 230), qRgb(0, 0, 0)}));
                } else {
                    QCOMPARE(face, QSet<QRgb>{qRgb(255, 255, 255)});
                }
            }
        }
    }

    void isSolvedJudgesTheRules() {
        GameWindow game;
        game.LayOut(Diagonal);
        Board& board = game.main->GameBoard();
        QVERIFY(!board.IsSolved());
        game.State().BoardGrid = game.State().SolutionGrid;
        QVERIFY(board.IsSolved());
        // Two digits swapped within a row break two columns.
        std::swap(game.State().BoardGrid(2, 1), game.State().BoardGrid(3, 1));
        QVERIFY(!board.IsSolved());
        std::swap(game.State().BoardGrid(2, 1), game.State().BoardGrid(3, 1));
        game.State().BoardGrid(9, 9) = 0;
        QVERIFY(!board.IsSolved());
        // Any complete valid board counts, also one that differs from the solution.
        game.State().BoardGrid = TransformedGrid(7, 3);
        QVERIFY(board.IsSolved());
    }

    void hintBlinksTheFirstEmptyCellAndChangesNothing() {
        GameWindow game;
        game.LayOut({"111111111", "111011111"});
        const Grid before = game.State().BoardGrid;
        const QImage image = game.main->PicSurface().Image();
        auto* label = game.main->findChild<QLabel*>(QStringLiteral("GetalLabel"));
        QList<bool> seen;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] { seen << label->isVisible(); });
        probe.start(50);
        QElapsedTimer clock;
        clock.start();
        game.main->GameBoard().ShowHint();
        const qint64 took = clock.elapsed();
        probe.stop();
        QVERIFY2(took >= 1500 && took < 2500, qPrintable(QString::number(took)));
        QCOMPARE(label->text(), QString::number(game.State().SolutionGrid(4, 2)));
        QVERIFY(!label->isVisible());
        QCOMPARE(label->geometry().topLeft(), QPoint((3 * 525 + 45) / 15, (525 + 105) / 15));
        // Three separate showings.
        int showings = 0;
        for (int i = 0; i < seen.size(); ++i) {
            showings += seen[i] && (i == 0 || !seen[i - 1]);
        }
        QCOMPARE(showings, 3);
        QCOMPARE(game.State().BoardGrid, before);
        QCOMPARE(game.main->PicSurface().Image(), image);
    }

    void hintDoesNothingBeforeAGameOrOnAFullBoard() {
        GameWindow game;
        auto* label = game.main->findChild<QLabel*>(QStringLiteral("GetalLabel"));
        QElapsedTimer clock;
        clock.start();
        game.main->GameBoard().ShowHint();
        game.LayOut(QStringList(9, QStringLiteral("111111111")));
        game.main->GameBoard().ShowHint();
        QVERIFY(clock.elapsed() < 500);
        QVERIFY(!label->isVisible());
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
