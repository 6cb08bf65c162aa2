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
                    QCOMPARE(game.Model().BoardGrid()(c, r),
                             given ? game.Model().SolutionGrid()(c, r) : 0);
                    QCOMPARE(QColor(pic.pixel(FacePixels(c, r).topLeft())),
                             given ? board::GivenFace : board::EmptyFace);
                }
            }
            QCOMPARE(game.Model().FilledCount(), marked);
            QCOMPARE(game.main->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                     QStringLiteral("%1 vakjes ingevuld waarvan er").arg(marked));
            QVERIFY(game.Model().GameActive());
            QCOMPARE(game.Model().SelectedNumber(), 0);
        }
    }

    void emptyPatternGivesNoGivensButTheWholeSolution() {
        GameWindow game;
        game.LayOut({});
        QCOMPARE(NonZero(game.Model().BoardGrid()), 0);
        QCOMPARE(game.Model().FilledCount(), 0);
        const QImage& solution = game.main->Pic2Surface().Image();
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                QVERIFY(Colours(solution, FacePixels(c, r)).contains(qRgb(0, 0, 0)));
            }
        }
    }

    void boardPaintsOnlyItsOwnColours() {
        GameWindow game;
        game.Settings().UsePattern = false;
        game.Settings().Difficulty = 2;
        game.main->LayOutPuzzle(TransformedGrid(5, 6));
        const QSet<QRgb> allowed{qRgb(255, 255, 255), qRgb(190, 190, 190), qRgb(0, 0, 0),
                                 qRgb(230, 230, 230)};
        const QImage& pic = game.main->PicSurface().Image();
        QVERIFY(Colours(pic, pic.rect()).subtract(allowed).isEmpty());
        QVERIFY(Colours(game.main->Pic2Surface().Image(), pic.rect()).subtract(allowed).isEmpty());
        // Every point of a given cell is closed: its face and its digit.
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const QSet<QRgb> face = Colours(pic, FacePixels(c, r));
                if (game.Model().BoardGrid()(c, r) != 0) {
                    QCOMPARE(face, (QSet<QRgb>{qRgb(230, 230, 230), qRgb(0, 0, 0)}));
                } else {
                    QCOMPARE(face, QSet<QRgb>{qRgb(255, 255, 255)});
                }
            }
        }
    }

    // Repeated numbers and the cells of the number in play are shown over the board on the
    // screen, from real keys, and never drawn into the board's picture, which the input reads
    // and the picture files and the printout are made of.
    void repeatsAndMatchesShowOnTheScreenOnly_data() {
        QTest::addColumn<bool>("repeats");
        QTest::addColumn<bool>("matches");
        QTest::newRow("both") << true << true;
        QTest::newRow("repeats") << true << false;
        QTest::newRow("matches") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void repeatsAndMatchesShowOnTheScreenOnly() {
        QFETCH(bool, repeats);
        QFETCH(bool, matches);
        GameWindow game;
        game.Settings().ShowDuplicates = repeats;
        game.Settings().HighlightMatches = matches;
        game.LayOut({"100000000"});
        QWidget* pic = game.main->findChild<QWidget*>(QStringLiteral("Pic"));
        const QImage& picture = game.main->PicSurface().Image();
        // A pixel of a cell's face beside and below its number.
        const auto face = [](int c, int r) { return FacePixels(c, r).topLeft() + QPoint(4, 29); };
        // The board as the screen shows it, without the controls on it.
        const auto screen = [pic, &picture] {
            QImage image(picture.size(), picture.format());
            pic->render(&image, {}, {}, {});
            return image;
        };
        const auto shown = [&](int c, int r) { return QColor(screen().pixel(face(c, r))); };
        const auto key = [&](int k) { QTest::keyClick(game.main->windowHandle(), Qt::Key(k)); };
        // The given's number once more beside it, with the cursor on it.
        key(Qt::Key_Right);
        key(Qt::Key_0 + game.Model().BoardGrid()(1, 1));
        QCOMPARE(shown(1, 1), repeats   ? board::RepeatGivenFace
                              : matches ? board::MatchGivenFace
                                        : board::GivenFace);
        QCOMPARE(shown(2, 1), repeats ? board::RepeatFace : matches ? board::MatchFace : Qt::white);
        QCOMPARE(shown(5, 5), QColor(Qt::white));
        QCOMPARE(QColor(picture.pixel(face(1, 1))), board::GivenFace);
        QCOMPARE(QColor(picture.pixel(face(2, 1))), board::EmptyFace);
        // Taken away: no repeat; the number chosen stays lit.
        key(Qt::Key_Delete);
        QCOMPARE(shown(1, 1), matches ? board::MatchGivenFace : board::GivenFace);
        QCOMPARE(shown(2, 1), QColor(Qt::white));
        if (!repeats && !matches) {
            QCOMPARE(screen(), picture);
        }
    }

    void hintBlinksTheFirstEmptyCellAndChangesNothing() {
        GameWindow game;
        game.LayOut({"111111111", "111011111"});
        const Grid before = game.Model().BoardGrid();
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
        QCOMPARE(label->text(), QString::number(game.Model().SolutionGrid()(4, 2)));
        QVERIFY(!label->isVisible());
        QCOMPARE(label->geometry().topLeft(), QPoint((3 * 525 + 45) / 15, (525 + 105) / 15));
        // Three separate showings.
        int showings = 0;
        for (int i = 0; i < seen.size(); ++i) {
            showings += seen[i] && (i == 0 || !seen[i - 1]);
        }
        QCOMPARE(showings, 3);
        QCOMPARE(game.Model().BoardGrid(), before);
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
