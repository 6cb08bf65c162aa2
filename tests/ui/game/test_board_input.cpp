#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/game/board_painter.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRandomGenerator>

namespace {

const QStringList Band{"111111111", "111111111", "111111111"};

template <class T = QWidget>
T* Child(Main& main, const QString& name) {
    return main.findChild<T*>(name);
}

QWidget* Pic(Main& main) {
    return Child(main, QStringLiteral("Pic"));
}
QWidget* Knop(Main& main, int n) {
    return Child(main, QStringLiteral("GetalKnop%1").arg(n));
}
QString LabelText(Main& main, const char* name) {
    return Child<QLabel>(main, QString::fromLatin1(name))->text();
}

int NonZero(const Grid& grid) {
    int count = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            count += grid(c, r) != 0;
        }
    }
    return count;
}

void Choose(Main& main, int n) {
    QTest::mouseClick(Knop(main, n), Qt::LeftButton);
}

void ClickCell(Main& main, int c, int r, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Pic(main), button, {}, FaceCentre(c, r));
}

// Four cells of a solution, two in each of two blocks, holding a, b / b, a: swapping them gives
// a second solution, so a puzzle that hides only these four cells has two.
struct Rectangle {
    int c1, c2, r1, r2;
};
std::optional<Rectangle> FindSwappableRectangle(const Grid& g) {
    for (int r1 = 1; r1 <= 9; ++r1) {
        for (int r2 = r1 + 1; r2 <= 9 && (r2 - 1) / 3 == (r1 - 1) / 3; ++r2) {
            for (int c1 = 1; c1 <= 9; ++c1) {
                for (int c2 = c1 + 1; c2 <= 9; ++c2) {
                    if ((c1 - 1) / 3 != (c2 - 1) / 3 && g(c1, r1) == g(c2, r2) &&
                        g(c2, r1) == g(c1, r2)) {
                        return Rectangle{c1, c2, r1, r2};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

class TestBoardInput : public QObject {
    Q_OBJECT
  private slots:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }

    void wholeGameThroughRealClicks() {
        GameWindow game;
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        GameModel& model = game.Model();
        const QList<QPoint> open = EmptyCells(model.BoardGrid());
        QVERIFY(!open.isEmpty());
        const int givens = 81 - static_cast<int>(open.size());

        // A wrong number, placed and taken away again.
        const QPoint first = open.first();
        const int right = model.SolutionGrid()(first.x(), first.y());
        const int wrong = right % 9 + 1;
        Choose(*game.main, wrong);
        QCOMPARE(Child<PictureButton>(*game.main, QStringLiteral("GetalKnop%1").arg(wrong))
                     ->Picture()
                     .cacheKey(),
                 Plaatjes::Knop(wrong, true).cacheKey());
        ClickCell(*game.main, first.x(), first.y());
        QCOMPARE(model.BoardGrid()(first.x(), first.y()), wrong);
        QCOMPARE(LabelText(*game.main, "Label3"),
                 QStringLiteral("%1 vakjes ingevuld waarvan er").arg(givens + 1));
        QCOMPARE(LabelText(*game.main, "Label4"),
                 QStringLiteral("%1 getallen goed geplaatst zijn.").arg(givens));
        ClickCell(*game.main, first.x(), first.y(), Qt::RightButton);
        QCOMPARE(model.BoardGrid()(first.x(), first.y()), 0);
        QCOMPARE(model.FilledCount(), givens);

        // Every open cell filled, number by number; the last one completes the game.
        QString prompt;
        WhenModal([&](QWidget* modal) {
            prompt = qobject_cast<QInputDialog*>(modal)->labelText();
            AnswerInput(modal, QStringLiteral("Tester"));
        });
        for (int digit = 1; digit <= 9; ++digit) {
            Choose(*game.main, digit);
            for (const QPoint& cell : open) {
                if (model.SolutionGrid()(cell.x(), cell.y()) == digit) {
                    ClickCell(*game.main, cell.x(), cell.y());
                }
            }
        }
        QCOMPARE(model.FilledCount(), 81);
        QVERIFY(model.Completed());
        const QString time = LabelText(*game.main, "Label2");
        QCOMPARE(model.FinalTime(), time);
        QCOMPARE(prompt, QStringLiteral("U hebt de puzzel foutloos ingevuld.\r\nDe tijd is %1\r\n"
                                        "Geef uw naam op voor de scorelijst.")
                             .arg(time));
        QCOMPARE(game.main->Scores().Entries(), QStringList{time + QStringLiteral(" - Tester")});
        // On the disk at once, not only when the game ends.
        QTRY_COMPARE(game.folder.Read(QStringLiteral("Scorelijst.lst")),
                     '"' + time.toLatin1() + " - Tester\"\r\n");
        QCOMPARE(LabelText(*game.main, "InfoBalk"), QStringLiteral("Info"));
        QCOMPARE(LabelText(*game.main, "Label4"),
                 QStringLiteral("81 getallen goed geplaatst zijn."));
        QTest::qWait(250);
        QCOMPARE(LabelText(*game.main, "Label2"), time);  // the clock has stopped

        // Later clicks on the solved board ask nothing and add nothing.
        bool asked = false;
        WhenModal(
            [&](QWidget* modal) {
                asked = true;
                modal->close();
            },
            300);
        ClickCell(*game.main, first.x(), first.y());
        QTest::qWait(350);
        QVERIFY(!asked);
        QCOMPARE(game.main->Scores().Count(), 1);
        // A new game can be completed again.
        game.main->GeneratePuzzle();
        QVERIFY(!model.Completed());
    }

    void anotherValidSolutionCompletesTheGame() {
        GameWindow game;
        std::optional<Rectangle> rect;
        int n = 0;
        while (!rect && n < 11) {
            rect = FindSwappableRectangle(TransformedGrid(++n, 1));
        }
        QVERIFY(rect);
        QStringList pattern(9, QStringLiteral("111111111"));
        for (int c : {rect->c1, rect->c2}) {
            for (int r : {rect->r1, rect->r2}) {
                pattern[r - 1][c - 1] = u'0';
            }
        }
        game.LayOut(pattern, n, 1);
        game.Settings().CheckMoves = true;
        const Grid solution = game.Model().SolutionGrid();
        WhenModal([](QWidget* modal) { AnswerInput(modal, QStringLiteral("Anders")); });
        // Each hidden cell gets the digit of its neighbour in the rectangle's row.
        const int a = solution(rect->c1, rect->r1);
        const int b = solution(rect->c2, rect->r1);
        const QImage bOnPic2 =
            game.main->Pic2Surface().Image().copy(FacePixels(rect->c1, rect->r2));
        Choose(*game.main, b);
        ClickCell(*game.main, rect->c1, rect->r1);
        ClickCell(*game.main, rect->c2, rect->r2);
        Choose(*game.main, a);
        ClickCell(*game.main, rect->c2, rect->r1);
        QVERIFY(!game.Model().Completed());
        QString lastSound;
        SetWaveListener([&](const QString& path) { lastSound = path.section(u'/', -2); });
        ClickCell(*game.main, rect->c1, rect->r2);
        SetWaveListener(nullptr);
        QVERIFY(game.Model().Completed());
        QCOMPARE(game.main->Scores().Count(), 1);
        QVERIFY(game.main->Scores().At(0).endsWith(QStringLiteral(" - Anders")));
        // The solution found is the solution now, for the sound, the counter and the solution
        // board alike.
        QCOMPARE(lastSound, QStringLiteral("sounds/goed.wav"));
        QCOMPARE(LabelText(*game.main, "Label4"),
                 QStringLiteral("81 getallen goed geplaatst zijn."));
        QVERIFY(game.Model().SolutionGrid() == game.Model().BoardGrid());
        QCOMPARE(game.main->Pic2Surface().Image().copy(FacePixels(rect->c1, rect->r1)), bOnPic2);
    }

    void hitSquaresLieFifteenTwipsRightAndBelow() {
        // The leftmost and topmost 15 twips of a drawn cell belong to the neighbour to the left
        // or above; in the first column and row to no cell at all.
        for (int k = 1; k <= 9; ++k) {
            const double edge = (k - 1) * 525.0;
            for (double inside : {0.0, 7.5, 14.9}) {
                QVERIFY(!board::Hits(k, 5, {edge + inside, 5 * 525.0 - 262}));
                QVERIFY(!board::Hits(5, k, {5 * 525.0 - 262, edge + inside}));
                if (k > 1) {
                    QVERIFY(board::Hits(k - 1, 5, {edge + inside, 5 * 525.0 - 262}));
                    QVERIFY(board::Hits(5, k - 1, {5 * 525.0 - 262, edge + inside}));
                }
            }
            // Exactly on the edge of a hit square: no cell.
            for (int c = 1; c <= 9; ++c) {
                QVERIFY(!board::Hits(c, 5, {edge + 15, 5 * 525.0 - 262}));
            }
            QVERIFY(board::Hits(k, 5, {edge + 15.5, 5 * 525.0 - 262}));
        }
    }

    void clickInTheFirstTwipsOfACellPlacesNothingThere() {
        GameWindow game;
        game.LayOut({});
        Choose(*game.main, 4);
        // The first pixel column and row of cell (5, 5): the grid line, then the first face pixel.
        for (QPoint pixel : {QPoint(4 * 35, 4 * 35 + 17), QPoint(4 * 35 + 17, 4 * 35),
                             QPoint(4 * 35 + 1, 4 * 35 + 17), QPoint(0, 17), QPoint(17, 0),
                             QPoint(1, 17), QPoint(17, 1)}) {
            QTest::mouseClick(Pic(*game.main), Qt::LeftButton, {}, pixel);
        }
        QCOMPARE(NonZero(game.Model().BoardGrid()), 0);
        // A click half a pixel into the face (a high-DPI screen) goes to the cell itself.
        game.main->Pic_MouseDown(1, {4 * 525.0 + 15.5, 4 * 525.0 + 262});
        QCOMPARE(game.Model().BoardGrid()(5, 5), 4);
    }

    void givensRefuseEveryPixel() {
        GameWindow game;
        game.LayOut(Band, 2, 5);
        const QImage before = game.main->PicSurface().Image();
        const QImage shown = game.main->PicSurface().ScreenImage();
        const Grid grid = game.Model().BoardGrid();
        Choose(*game.main, 7);
        // Every device pixel, at the position a screen of that density reports for it.
        // At a fractional density the board is shown a little larger, so that its cells are whole
        // device pixels.
        QWidget* pic = Pic(*game.main);
        const double density = pic->devicePixelRatioF();
        const double ratio = shown.devicePixelRatio();
        QVERIFY(ratio >= density && ratio < density * 1.03);
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            QCOMPARE(density, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        }
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const QRect cell(static_cast<int>(board::CellLeft(c)) / 15,
                                 static_cast<int>(board::CellTop(r)) / 15, 36, 36);
                for (int y = std::ceil(cell.top() * ratio); y < (cell.bottom() + 1) * ratio; ++y) {
                    for (int x = std::ceil(cell.left() * ratio); x < (cell.right() + 1) * ratio;
                         ++x) {
                        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                            const QPointF at(x / density, y / density);
                            QMouseEvent press(QEvent::MouseButtonPress, at, pic->mapToGlobal(at),
                                              button, button, Qt::NoModifier);
                            QApplication::sendEvent(pic, &press);
                        }
                    }
                }
            }
        }
        QCOMPARE(game.Model().BoardGrid(), grid);
        QCOMPARE(game.Model().FilledCount(), 27);
        QCOMPARE(game.main->PicSurface().Image(), before);
        QCOMPARE(game.main->PicSurface().ScreenImage(), shown);
    }

    void noSoundWithoutTheOption() {
        GameWindow game;
        game.LayOut(Band);
        int played = 0;
        SetWaveListener([&](const QString&) { ++played; });
        Choose(*game.main, 1);
        ClickCell(*game.main, 1, 9);
        SetWaveListener(nullptr);
        QCOMPARE(played, 0);
        QVERIFY(LabelText(*game.main, "Label4")
                    .endsWith(QStringLiteral(" getallen goed geplaatst zijn.")));
    }

    void filledCountFollowsTheBoard() {
        GameWindow game;
        game.LayOut({"101010101", "010101010", "100000001"});
        auto* random = QRandomGenerator::global();
        for (int k = 0; k < 300; ++k) {
            const int c = random->bounded(1, 10);
            const int r = random->bounded(1, 10);
            const int digit = random->bounded(1, 10);
            if (k % 25 == 0) {
                Choose(*game.main, digit);
            }
            game.main->Pic_MouseDown(random->bounded(2) ? 1 : 2,
                                     {board::CellLeft(c) + random->bounded(0, 525),
                                      board::CellTop(r) + random->bounded(0, 525)});
            QCOMPARE(game.Model().FilledCount(), NonZero(game.Model().BoardGrid()));
            QCOMPARE(
                LabelText(*game.main, "Label3"),
                QStringLiteral("%1 vakjes ingevuld waarvan er").arg(game.Model().FilledCount()));
        }
        // Drawn anew for a screen of another density and back, the board looks the same.
        Surface& pic = game.main->PicSurface();
        const QImage shown = pic.ScreenImage();
        pic.SetScreenRatio(shown.devicePixelRatio() + 1);
        pic.SetScreenRatio(shown.devicePixelRatio());
        QCOMPARE(pic.ScreenImage(), shown);
    }

    void fullBoardWithOneWrongNumberIsNotSolved() {
        GameWindow game;
        QStringList pattern(9, QStringLiteral("111111111"));
        pattern[8] = QStringLiteral("111111110");
        game.LayOut(pattern);
        const int right = game.Model().SolutionGrid()(9, 9);
        Choose(*game.main, right % 9 + 1);
        bool asked = false;
        WhenModal(
            [&](QWidget* modal) {
                asked = true;
                modal->close();
            },
            300);
        ClickCell(*game.main, 9, 9);
        QTest::qWait(350);
        QVERIFY(!asked);
        QCOMPARE(game.Model().FilledCount(), 81);
        const QString time = LabelText(*game.main, "Label2");
        QTRY_VERIFY(LabelText(*game.main, "Label2") != time);  // the clock runs on
        // Corrected with a right click and the right number, the puzzle is solved.
        ClickCell(*game.main, 9, 9, Qt::RightButton);
        Choose(*game.main, right);
        WhenModal([](QWidget* modal) { AnswerInput(modal, QString()); });
        ClickCell(*game.main, 9, 9);
        QVERIFY(game.Model().Completed());
        // Cancelled: the congratulation came and went, nothing is added, the info line rests.
        QCOMPARE(game.main->Scores().Count(), 0);
        QCOMPARE(LabelText(*game.main, "InfoBalk"), QStringLiteral("Info"));
    }

    void clickWithoutANumberAsksForOne_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");  // pressed on the window instead of a click
        QTest::newRow("left") << static_cast<int>(Qt::LeftButton) << 0;
        QTest::newRow("right") << static_cast<int>(Qt::RightButton) << 0;
        QTest::newRow("Space") << 0 << static_cast<int>(Qt::Key_Space);
        QTest::newRow("Return") << 0 << static_cast<int>(Qt::Key_Return);
    }
    void clickWithoutANumberAsksForOne() {
        QFETCH(int, button);
        QFETCH(int, key);
        GameWindow game;
        game.LayOut(Band);
        QString message;
        WhenModal([&](QWidget* modal) {
            message = MessageText(modal);
            Press(modal, QMessageBox::Ok);
        });
        QList<int> flashed;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            for (int n = 1; n <= 9; ++n) {
                auto* knop = Child<PictureButton>(*game.main, QStringLiteral("GetalKnop%1").arg(n));
                if (knop->Picture().cacheKey() == Plaatjes::Knop(n, true).cacheKey() &&
                    !flashed.contains(n)) {
                    flashed << n;
                }
            }
        });
        probe.start(5);
        if (key != 0) {
            QTest::keyClick(game.main->windowHandle(), static_cast<Qt::Key>(key));
        } else {
            ClickCell(*game.main, 5, 5, static_cast<Qt::MouseButton>(button));
        }
        probe.stop();
        QCOMPARE(message, QStringLiteral("Selecteer rechts een getal van 1..9"));
        QVERIFY2(flashed.size() >= 5, qPrintable(QString::number(flashed.size())));
        QVERIFY(std::is_sorted(flashed.begin(), flashed.end()));
        QCOMPARE(game.Model().BoardGrid()(5, 5), 0);
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(Child<PictureButton>(*game.main, QStringLiteral("GetalKnop%1").arg(n))
                         ->Picture()
                         .cacheKey(),
                     Plaatjes::Knop(n, false).cacheKey());
        }
    }

    void numberButtonPressMovesItAndBack() {
        GameWindow game;
        QWidget* knop = Knop(*game.main, 6);
        const QRect rest = knop->geometry();
        QRect pressed;
        QTimer::singleShot(100, [&] { pressed = knop->geometry(); });
        Choose(*game.main, 6);
        QCOMPARE(pressed, rest.translated(1, 1));
        QCOMPARE(knop->geometry(), rest);
        QCOMPARE(game.Model().SelectedNumber(), 6);
        Choose(*game.main, 2);
        QCOMPARE(game.Model().SelectedNumber(), 2);
        QCOMPARE(
            Child<PictureButton>(*game.main, QStringLiteral("GetalKnop6"))->Picture().cacheKey(),
            Plaatjes::Knop(6, false).cacheKey());
    }

    void highlightFollowsTheMouseOverOpenCells() {
        GameWindow game;
        game.LayOut({"100000000"});
        QWidget* square = Child(*game.main, QStringLiteral("Shape1"));
        QVERIFY(square->isVisible());
        QTest::mouseMove(Pic(*game.main), FaceCentre(4, 3));
        QCOMPARE(square->geometry(),
                 QRect((15 + 3 * 525 + 15) / 15, (15 + 2 * 525 + 15) / 15, 32, 32));
        QTest::mouseMove(Pic(*game.main), FaceCentre(1, 1));  // a given: the square stays
        QCOMPARE(square->pos(), QPoint((15 + 3 * 525 + 15) / 15, (15 + 2 * 525 + 15) / 15));
        QTest::mouseMove(Pic(*game.main), FaceCentre(9, 9));
        QCOMPARE(square->pos(), QPoint((15 + 8 * 525 + 15) / 15, (15 + 8 * 525 + 15) / 15));
        // The square shows the highlight colour of the settings.
        QCOMPARE(square->grab().toImage().pixelColor(0, 0), QColor(255, 0, 0));
    }

    void mousePositionsArriveAsFloatingTwips() {
        GameWindow game;
        QPointF received;
        connect(qobject_cast<SurfaceView*>(Pic(*game.main)), &SurfaceView::MouseDown,
                [&](int, QPointF at) { received = at; });
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(40.5, 81.25), QPointF(40.5, 81.25),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Pic(*game.main), &press);
        QCOMPARE(received, QPointF(607.5, 1218.75));
    }
};

QTEST_MAIN(TestBoardInput)
#include "test_board_input.moc"
