#include "platform/controls.h"
#include "platform/pictures.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/game/board_geometry.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>

namespace {

template <class T = QWidget>
T* Child(Main& main, const QString& name) {
    return main.findChild<T*>(name);
}

QString LabelText(Main& main, const char* name) {
    return Child<QLabel>(main, QString::fromLatin1(name))->text();
}

// A key as the player presses it: to the window, which hands it to whichever control has the
// focus.
void Key(Main& main, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(main.windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

// The cell that the highlight square marks.
QPoint Cursor(Main& main) {
    const QPoint centre = Child(main, QStringLiteral("Shape1"))->geometry().center();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (FacePixels(c, r).contains(centre)) {
                return {c, r};
            }
        }
    }
    return {};
}

// The cursor to a cell with the arrow keys only: into the top left corner, whose edges stop it,
// and from there across.
void GoTo(Main& main, QPoint cell) {
    for (int k = 0; k < 8; ++k) {
        Key(main, Qt::Key_Up);
        Key(main, Qt::Key_Left);
    }
    for (int k = 1; k < cell.x(); ++k) {
        Key(main, Qt::Key_Right);
    }
    for (int k = 1; k < cell.y(); ++k) {
        Key(main, Qt::Key_Down);
    }
}

// What undo and redo must give back.
struct Snapshot {
    Grid grid;
    int filled;
    QString label3;
    QString label4;
    QImage board;
    bool operator==(const Snapshot&) const = default;
};
char* toString(const Snapshot& s) {
    QString grid;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            grid += QString::number(s.grid(c, r));
        }
        grid += u' ';
    }
    return qstrdup(qPrintable(QStringLiteral("%1| %2 | %3 | %4 | image %5")
                                  .arg(grid)
                                  .arg(s.filled)
                                  .arg(s.label3, s.label4)
                                  .arg(s.board.cacheKey())));
}
Snapshot Take(GameWindow& game) {
    return {game.Model().BoardGrid(), game.Model().FilledCount(), LabelText(*game.main, "Label3"),
            LabelText(*game.main, "Label4"), game.main->PicSurface().Image()};
}

// A third of the face of cell (c, r): column i and row j, 0..2.
QRect FaceThird(int c, int r, int i, int j) {
    const QRect face = FacePixels(c, r);
    const int third = face.width() / 3;
    return {face.left() + i * third, face.top() + j * third, third, third};
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }

    void wholeGameFromTheKeyboard() {
        GameWindow game;
        Main& main = *game.main;
        Child<QAction>(main, QStringLiteral("FileNieuw"))->trigger();
        QCOMPARE(Cursor(main), QPoint(1, 1));
        // A new puzzle gives the board the focus.
        QCOMPARE(QApplication::focusWidget(), Child(main, QStringLiteral("Pic")));
        GameModel& model = game.Model();
        const Grid solution = model.SolutionGrid();
        const QList<QPoint> open = EmptyCells(model.BoardGrid());
        QVERIFY(!open.isEmpty());

        // A wrong number, placed and taken away again.
        const QPoint first = open.first();
        const int wrong = solution(first.x(), first.y()) % 9 + 1;
        GoTo(main, first);
        QCOMPARE(Cursor(main), first);
        Key(main, Qt::Key_0 + wrong);
        QCOMPARE(model.SelectedNumber(), wrong);
        Key(main, Qt::Key_Return);
        QCOMPARE(model.BoardGrid()(first.x(), first.y()), wrong);
        Key(main, Qt::Key_Backspace);
        QCOMPARE(model.BoardGrid()(first.x(), first.y()), 0);
        QCOMPARE(model.FilledCount(), 81 - static_cast<int>(open.size()));

        QString prompt;
        WhenModal([&](QWidget* modal) {
            prompt = qobject_cast<QInputDialog*>(modal)->labelText();
            AnswerInput(modal, QStringLiteral("Toetsenbord"));
        });
        for (int digit = 1; digit <= 9; ++digit) {
            Key(main, Qt::Key_0 + digit, digit % 2 ? Qt::KeypadModifier : Qt::NoModifier);
            for (const QPoint& cell : open) {
                if (solution(cell.x(), cell.y()) == digit) {
                    GoTo(main, cell);
                    Key(main, Qt::Key_Space);
                }
            }
        }
        QVERIFY(model.Completed());
        QCOMPARE(model.BoardGrid(), solution);
        QCOMPARE(model.FilledCount(), 81);
        QVERIFY(prompt.contains(model.FinalTime()));
        QCOMPARE(main.Scores().Entries(),
                 QStringList{model.FinalTime() + QStringLiteral(" - Toetsenbord")});
        // The completed game stays completed.
        Key(main, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model.BoardGrid(), solution);
    }

    void undoAndRedoGiveBackEveryState_data() {
        QTest::addColumn<int>("redoKey");
        QTest::addColumn<int>("redoModifiers");
        QTest::newRow("Ctrl+Y") << static_cast<int>(Qt::Key_Y)
                                << static_cast<int>(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+Z") << static_cast<int>(Qt::Key_Z)
                                      << static_cast<int>(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void undoAndRedoGiveBackEveryState() {
        QFETCH(int, redoKey);
        QFETCH(int, redoModifiers);
        GameWindow game;
        game.LayOut({"100000000"});
        Main& main = *game.main;
        const Grid& solution = game.Model().SolutionGrid();
        QList<Snapshot> states{Take(game)};
        const auto move = [&](const std::function<void()>& act) {
            act();
            states << Take(game);
        };
        // Changes nothing, so there is nothing to take back.
        const auto noMove = [&](const std::function<void()>& act) {
            act();
            QCOMPARE(Take(game), states.last());
        };
        const QColor marks = board::MarkColour(QColor(190, 0, 0));

        Key(main, Qt::Key_1 + solution(2, 1) - 1);
        Key(main, Qt::Key_Right);
        move([&] { Key(main, Qt::Key_Space); });    // (2, 1) in the first colour
        noMove([&] { Key(main, Qt::Key_Enter); });  // a number already there
        noMove([&] { Key(main, Qt::Key_4, Qt::ControlModifier); });
        Key(main, Qt::Key_Left);
        noMove([&] { Key(main, Qt::Key_Space); });  // the given
        noMove([&] { Key(main, Qt::Key_Delete); });
        game.Settings().DigitColour = {0, 0, 0};
        Key(main, Qt::Key_Down);
        noMove([&] { Key(main, Qt::Key_Delete); });  // an empty cell
        move([&] { Key(main, Qt::Key_1, Qt::ControlModifier); });
        move([&] { Key(main, Qt::Key_9, Qt::ControlModifier | Qt::KeypadModifier); });
        move([&] { Key(main, Qt::Key_5, Qt::ControlModifier); });
        move([&] { Key(main, Qt::Key_5, Qt::ControlModifier); });  // taken away again
        const QImage marked = game.main->PicSurface().Image();
        QVERIFY(Colours(marked, FaceThird(1, 2, 0, 0)).contains(marks.rgb()));
        QVERIFY(Colours(marked, FaceThird(1, 2, 2, 2)).contains(marks.rgb()));
        QVERIFY(!Colours(marked, FaceThird(1, 2, 1, 1)).contains(marks.rgb()));
        for (const QPoint cell : {QPoint(3, 3), QPoint(5, 5)}) {
            QTest::mouseClick(Child(main, QStringLiteral("Pic")), Qt::MiddleButton, {},
                              FaceCentre(cell.x(), cell.y()));
            states << Take(game);
            QVERIFY(Colours(game.main->PicSurface().Image(), FacePixels(cell.x(), cell.y()))
                        .contains(marks.rgb()));
        }
        GoTo(main, {1, 2});
        // In black over the marks, which go, and the same digit's mark in the block with them.
        move([&] { Key(main, Qt::Key_Space); });
        QCOMPARE(Colours(game.main->PicSurface().Image(), FacePixels(1, 2)),
                 (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}));
        QCOMPARE(Colours(game.main->PicSurface().Image(), FacePixels(3, 3)),
                 QSet<QRgb>{qRgb(255, 255, 255)});
        GoTo(main, {2, 1});
        move([&] { Key(main, Qt::Key_Delete); });                  // the number in the first colour
        move([&] { Key(main, Qt::Key_K, Qt::ControlModifier); });  // every cell's candidates
        GoTo(main, {5, 5});
        move([&] { Key(main, Qt::Key_Backspace); });  // the marks
        QCOMPARE(game.Model().FilledCount(), 2);

        const auto undo = [&] { Key(main, Qt::Key_Z, Qt::ControlModifier); };
        const auto redo = [&] { Key(main, redoKey, Qt::KeyboardModifiers(redoModifiers)); };
        for (qsizetype k = states.size() - 2; k >= 0; --k) {
            undo();
            QCOMPARE(Take(game), states[k]);
        }
        undo();
        QCOMPARE(Take(game), states.first());
        // The menu's commands are greyed out when there is nothing to take back or do again.
        auto* ongedaan = Child<QAction>(main, QStringLiteral("EditOngedaan"));
        auto* opnieuw = Child<QAction>(main, QStringLiteral("EditOpnieuw"));
        QVERIFY(!ongedaan->isEnabled() && opnieuw->isEnabled());
        for (qsizetype k = 1; k < states.size(); ++k) {
            redo();
            QCOMPARE(Take(game), states[k]);
        }
        QCOMPARE(Cursor(main), QPoint(5, 5));  // the cursor shows the cell given back
        QVERIFY(ongedaan->isEnabled() && !opnieuw->isEnabled());
        redo();
        QCOMPARE(Take(game), states.last());

        // A new move after an undo drops what could have been redone.
        undo();
        undo();
        GoTo(main, {4, 4});
        move([&] { Key(main, Qt::Key_Space); });
        redo();
        QCOMPARE(Take(game), states.last());
        // A new puzzle starts a new history.
        game.LayOut({"100000000"}, 2);
        const Snapshot laidOut = Take(game);
        undo();
        QCOMPARE(Take(game), laidOut);
    }

    // Keys queued faster than any of them is handled, as a fast typist's reach the window: each
    // is applied, in order; none is asked about, and the buttons show the number chosen.
    void typedKeysAreAllApplied_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("rows");  // rows 1 and 2 of the board after them
        QTest::addColumn<int>("chosen");
        QTest::newRow("a number, then Space over another") << "2 9 Space"
                                                           << "900000000 000000000" << 9;
        QTest::newRow("a burst")
            << "1 Right 2 Right 3 Down 4 Left 5 Left 6 Up 7 Space Right Backspace"
            << "703000000 654000000" << 7;
    }
    void typedKeysAreAllApplied() {
        QFETCH(QString, keys);
        QFETCH(int, chosen);
        GameWindow game;
        Main& main = *game.main;
        game.LayOut({});
        bool asked = false;
        WhenModal(
            [&](QWidget* modal) {
                asked = true;
                modal->close();
            },
            1000);
        QList<QRect> rest;
        for (int n = 1; n <= 9; ++n) {
            rest << Child(main, QStringLiteral("GetalKnop%1").arg(n))->geometry();
        }
        for (const QString& name : keys.split(u' ')) {
            const int key = QKeySequence::fromString(name)[0].key();
            const QString text = name.size() == 1 ? name : QString();
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QCoreApplication::postEvent(main.windowHandle(),
                                            new QKeyEvent(type, key, Qt::NoModifier, text));
            }
        }
        QTest::qWait(1100);
        QVERIFY(!asked);
        QString rows;
        for (int r = 1; r <= 2; ++r) {
            for (int c = 1; c <= 9; ++c) {
                rows += QString::number(game.Model().BoardGrid()(c, r));
            }
            rows += r == 1 ? QStringLiteral(" ") : QString();
        }
        QTEST(rows, "rows");
        QCOMPARE(game.Model().SelectedNumber(), chosen);
        for (int n = 1; n <= 9; ++n) {
            auto* knop = Child<PictureButton>(main, QStringLiteral("GetalKnop%1").arg(n));
            QCOMPARE(knop->Picture().cacheKey(), Plaatjes::Knop(n, n == chosen).cacheKey());
            QCOMPARE(knop->geometry(), rest[n - 1]);
        }
    }

    void keysDoNothing_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("before the first puzzle") << "before";
        QTest::newRow("solution shown") << "solution";
        QTest::newRow("help shown") << "help";
    }
    void keysDoNothing() {
        QFETCH(QString, when);
        GameWindow game;
        Main& main = *game.main;
        if (when != u"before") {
            game.LayOut({"100000000"});
        }
        auto* help = Child<QTextBrowser>(main, QStringLiteral("WebBrowser"));
        if (when == u"solution") {
            main.Knoptext(4)->setEnabled(true);
            QTest::mouseClick(main.Knoptext(4), Qt::LeftButton);
        } else if (when == u"help") {
            game.folder.Write(QStringLiteral("help/help.htm"),
                              QStringLiteral("<p>Regel</p>").repeated(200).toUtf8());
            main.HelpInleiding_Click();
            help = Child<QTextBrowser>(main, QStringLiteral("WebBrowser"));
        }
        const Snapshot before = Take(game);
        const QPoint cursor = Cursor(main);
        bool asked = false;
        WhenModal(
            [&](QWidget* modal) {
                asked = true;
                modal->close();
            },
            500);
        // With the focus where it is, then on a number button, which takes Space itself.
        for (bool onButton : {false, true}) {
            if (onButton) {
                Child(main, QStringLiteral("GetalKnop5"))->setFocus();
            }
            for (int key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_5, Qt::Key_Delete}) {
                Key(main, key);
            }
            if (!onButton) {
                Key(main, Qt::Key_Space);
            }
            Key(main, Qt::Key_3, Qt::ControlModifier);
            Key(main, Qt::Key_Z, Qt::ControlModifier);
        }
        QTest::qWait(550);
        QVERIFY(!asked);
        QCOMPARE(game.Model().SelectedNumber(), 0);
        QCOMPARE(Take(game), before);
        QCOMPARE(Cursor(main), cursor);
        if (help) {
            // The page keeps its own keys.
            QVERIFY(help->verticalScrollBar()->value() > 0);
        }
    }

    // A button with the focus takes Space and Return as a press of its own; the board's other keys
    // still reach the board.
    void aFocusedButtonTakesItsPress() {
        GameWindow game;
        Main& main = *game.main;
        game.LayOut({"100000000"});
        Child(main, QStringLiteral("GetalKnop5"))->setFocus();
        Key(main, Qt::Key_Right);
        QCOMPARE(Cursor(main), QPoint(2, 1));
        Key(main, Qt::Key_Space);
        QCOMPARE(game.Model().SelectedNumber(), 5);
        QCOMPARE(game.Model().BoardGrid()(2, 1), 0);
        Key(main, Qt::Key_7);
        QCOMPARE(game.Model().BoardGrid()(2, 1), 7);
        // The command "Hint" from the keyboard: it blinks the first empty cell's number.
        main.Knoptext(3)->setFocus();
        QWidget* hint = Child(main, QStringLiteral("GetalLabel"));
        bool shown = false;
        QTimer::singleShot(400, [&] { shown = hint->isVisible(); });
        Key(main, Qt::Key_Return);
        QVERIFY(shown);
        QCOMPARE(game.Model().BoardGrid()(3, 1), 0);
    }

    // An open menu takes the arrow keys: F10 and Right go from the first menu to the second, and
    // the board's cursor stays where it was.
    void anOpenMenuKeepsItsKeys() {
        GameWindow game;
        Main& main = *game.main;
        game.LayOut({"100000000"});
        const QPoint cursor = Cursor(main);
        Key(main, Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("File"));
        Key(main, Qt::Key_Right);
        QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("Edit"));
        // Also where the desktop hands the keys to the window's control with the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(Cursor(main), cursor);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
