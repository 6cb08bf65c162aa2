#include "core/daily_puzzle.h"
#include "core/maker.h"
#include "core/statistics.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/shell.h"
#include "solver/logic_test_support.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBrowser>

namespace {

template <class T = QWidget>
T* Child(Main& main, const QString& name) {
    return main.findChild<T*>(name);
}

// The captions as they read, without the marks of their Alt keys.
QString Caption(const QAction* action) {
    return action->isSeparator() ? QStringLiteral("-") : QString(action->text()).remove(u'&');
}
QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << Caption(action);
    }
    return captions;
}

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT
  private slots:
    void newPuzzlesUseEveryGridAndSymmetry() {
        GameWindow game;
        QSet<int> grids, symmetries;
        static const QRegularExpression caption(QStringLiteral("^(\\d+) / (\\d+)$"));
        for (int k = 0; k < 400; ++k) {
            game.main->GeneratePuzzle();
            const QRegularExpressionMatch match =
                caption.match(Child<QLabel>(*game.main, QStringLiteral("Label5"))->text());
            QVERIFY(match.hasMatch());
            const int n = match.captured(1).toInt();
            const int t = match.captured(2).toInt();
            QVERIFY(n >= 1 && n <= 11 && t >= 1 && t <= 8);
            grids << n;
            symmetries << t;
            const GameModel& model = game.Model();
            QCOMPARE(model.SolutionGrid(), TransformedGrid(n, t));
            int givens = 0;
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    const int value = model.BoardGrid()(c, r);
                    QVERIFY(value == 0 || value == model.SolutionGrid()(c, r));
                    givens += value != 0;
                }
            }
            QCOMPARE(model.FilledCount(), givens);
            QVERIFY(model.GameActive());
        }
        QCOMPARE(grids.size(), 11);
        QCOMPARE(symmetries.size(), 8);
    }

    void newPuzzleRestartsTheClock() {
        GameWindow game;
        auto* clock = Child<QLabel>(*game.main, QStringLiteral("Label2"));
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        QCOMPARE(clock->text(), QStringLiteral("0:00:00:0"));
        QTRY_VERIFY_WITH_TIMEOUT(clock->text() != QStringLiteral("0:00:00:0"), 3000);
        QCOMPARE(clock->text(), ClockText(game.Model().ClockTicks()));
        game.main->GeneratePuzzle();
        QCOMPARE(clock->text(), QStringLiteral("0:00:00:0"));
        QCOMPARE(game.Model().ClockTicks(), -1LL);
    }

    // "Nieuwe puzzel" asks first where it would throw the player's moves away; Escape keeps the
    // game, Return takes the new puzzle.
    void newPuzzleAsksBeforeMovesAreLost_data() {
        QTest::addColumn<int>("moves");  // cells filled by the player; 81 completes the puzzle
        QTest::addColumn<int>("key");    // the answer, where a question comes
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("kept");
        QTest::newRow("no moves") << 0 << 0 << false << false;
        QTest::newRow("moves, Escape") << 2 << int(Qt::Key_Escape) << true << true;
        QTest::newRow("moves, Return") << 2 << int(Qt::Key_Return) << true << false;
        QTest::newRow("completed") << 81 << 0 << false << false;
    }
    void newPuzzleAsksBeforeMovesAreLost() {
        QFETCH(int, moves);
        QFETCH(int, key);
        QFETCH(bool, asked);
        QFETCH(bool, kept);
        GameWindow game;
        game.LayOut({"111111111"});
        const QList<QPoint> empty = EmptyCells(game.Model().BoardGrid());
        // The completed game asks for the player's name, which is not given.
        bool named = moves < 81;
        if (!named) {
            WhenModal([&named](QWidget* prompt) {
                prompt->close();
                named = true;
            });
        }
        for (int i = 0; i < std::min<int>(moves, empty.size()); ++i) {
            const QPoint cell = empty[i];
            game.Model().Place(cell, game.Model().SolutionGrid()(cell.x(), cell.y()), {0, 0, 0});
        }
        QTRY_VERIFY(named);
        QCOMPARE(game.Model().Completed(), moves == 81);
        // A new puzzle may by chance have the old one's givens: whether one was laid out tells.
        QSignalSpy laidOut(&game.Model(), &GameModel::laidOut);
        QString question;
        WhenModal(
            [&](QWidget* box) {
                question = static_cast<QMessageBox*>(box)->text();
                QTest::keyClick(box, static_cast<Qt::Key>(key));
            },
            500);
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        QTest::qWait(asked ? 0 : 550);
        QCOMPARE(!question.isEmpty(), asked);
        QCOMPARE(laidOut.isEmpty(), kept);
    }

    // With one solution asked for, the player sees how hard each new puzzle is, and is told when
    // a pattern leaves more than one solution; without, nothing shows.
    void newPuzzleShowsItsLevel() {
        GameWindow game;
        auto* level = Child<QLabel>(*game.main, QStringLiteral("Niveau"));
        auto* info = Child<QLabel>(*game.main, QStringLiteral("InfoBalk"));
        game.Settings().OnlyUniquePuzzles = true;
        game.Settings().Difficulty = 8;
        QSignalSpy laidOut(&game.Model(), &GameModel::laidOut);
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        // While the puzzle is searched, the window goes on and says so.
        QVERIFY(laidOut.count() == 1 ||
                info->text().startsWith(QStringLiteral(
                    "Een puzzel van niveau buitengewoon moeilijk wordt gezocht... (poging ")));
        QTRY_COMPARE_WITH_TIMEOUT(laidOut.count(), 1, 20000);
        QVERIFY(level->isVisible());
        QCOMPARE(level->text(), QStringLiteral(" Niveau: buitengewoon moeilijk "));
        // A second one follows, made ahead or searched.
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(laidOut.count(), 2, 20000);
        game.LayOut(QStringList(3, QStringLiteral("111111111")));
        game.Settings().OnlyUniquePuzzles = true;
        game.main->LayOutPuzzle(TransformedGrid(1, 1));
        QVERIFY(info->text().startsWith(QStringLiteral("Deze puzzel heeft meer dan")));
        // Whole, after a shorter one.
        QApplication::processEvents();
        QVERIFY(level->width() >= level->sizeHint().width());
        game.Settings().OnlyUniquePuzzles = false;
        Child<QAction>(*game.main, QStringLiteral("FileNieuw"))->trigger();
        QVERIFY(!level->isVisible());
        QCOMPARE(info->text(),
                 QStringLiteral("Linkermuisknop is getal plaatsen, rechtermuisknop is "
                                "getal weer verwijderen."));
    }

    // F3 marks the next step over the board and explains it, part by part; a move or Escape takes
    // it away, and the board's own picture never shows it.
    void nextStepMarksAndExplains() {
        GameWindow game;
        // In block 2 the 1 must go in row 1, which leaves row 1, column 1 only the 6.
        const logic::Digits board = logic_test::Parse(
            "..4...39.93.4.6......3.9....8......97.....56..9.61..7.24.5.....5....4..18.9.3.2..");
        logic::Digits solution{};
        QCOMPARE(logic_test::CountPlainly(board, 2, &solution), 1);
        Grid grid;
        CellSet givens;
        for (int i = 0; i < logic::CellCount; ++i) {
            grid(i % 9 + 1, i / 9 + 1) = solution[i];
            givens[i] = board[i] != 0;
        }
        game.Settings().ShowDuplicates = false;
        game.Settings().HighlightMatches = false;
        game.Model().LayOut(grid, givens);
        auto* info = Child<QLabel>(*game.main, QStringLiteral("InfoBalk"));
        const QImage& picture = game.main->PicSurface().Image();
        const QImage before = picture;
        // Whether the screen shows anything over the board's picture.
        QWidget* pic = Child(*game.main, QStringLiteral("Pic"));
        const auto marked = [pic, &picture] {
            QImage screen(picture.size(), picture.format());
            pic->render(&screen, {}, {}, {});
            return screen != picture;
        };
        QVERIFY(!marked());
        QTest::keyClick(game.main.get(), Qt::Key_F3);
        QVERIFY(marked());
        QVERIFY(info->text().startsWith(QStringLiteral("Blok-lijnreductie: in blok 2")));
        QVERIFY(info->text().endsWith(QStringLiteral("Druk F3 voor het vervolg.")));
        QTest::keyClick(game.main.get(), Qt::Key_F3);
        QVERIFY(
            info->text().startsWith(QStringLiteral("In rij 1, kolom 1 past nu alleen nog de 6")));
        QCOMPARE(picture, before);
        QTest::keyClick(game.main.get(), Qt::Key_Escape);
        QVERIFY(!marked());
        QTest::keyClick(game.main.get(), Qt::Key_F3);
        QVERIFY(marked());
        game.Model().Place({9, 9}, game.Model().SolutionGrid()(9, 9), {});
        QVERIFY(!marked());
        QCOMPARE(info->text(), QStringLiteral("Info"));
    }

    void pauseStopsTheClockAndCoversTheBoard() {
        GameWindow game;
        Main& main = *game.main;
        game.LayOut({"111111111"});
        auto* clock = Child<QLabel>(main, QStringLiteral("Label2"));
        QWidget* cover = Child(main, QStringLiteral("PauzeScherm"));
        // The time shown after the clock stood still for a while.
        const auto standing = [clock] {
            QTest::qWait(150);
            const QString shown = clock->text();
            QTest::qWait(1000);
            return shown == clock->text() ? shown : QString();
        };
        QTRY_VERIFY(clock->text() != QStringLiteral("0:00:00:0"));
        QTest::keyClick(main.windowHandle(), Qt::Key_P);
        QVERIFY(cover->isVisible());
        const QString paused = standing();
        QVERIFY(!paused.isEmpty());
        const long long ticks = game.Model().ClockTicks();
        // The board takes no keys meanwhile.
        QTest::keyClick(main.windowHandle(), Qt::Key_Down);
        QTest::keyClick(main.windowHandle(), Qt::Key_4);
        QCOMPARE(game.Model().FilledCount(), 9);
        QTest::mouseClick(cover, Qt::LeftButton);
        QVERIFY(!cover->isVisible());
        QTRY_VERIFY(clock->text() != paused);
        // On from where it stood: the second it stood still does not count.
        QVERIFY(game.Model().ClockTicks() < ticks + 6);

        // Minimized, the clock stands still without pausing the game.
        main.showMinimized();
        QVERIFY(!standing().isEmpty());
        QVERIFY(!cover->isVisible() && !game.Model().Paused());
        main.showNormal();
        const QString shown = clock->text();
        QTRY_VERIFY(clock->text() != shown);
    }

    void menuTreeHasItsCaptionsAndShortcuts() {
        GameWindow game;
        QStringList titles;
        for (const QAction* action : game.main->menuBar()->actions()) {
            titles << Caption(action);
        }
        QCOMPARE(titles, (QStringList{"File", "Edit", "Score", "Tools", "Beeld", "Help"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("File"))),
                 (QStringList{"Nieuwe puzzel", "Puzzel van de dag", "Pauze", "-", "Puzzel laden...",
                              "Opslaan", "Afdrukken...", "Puzzelboekje...", "-", "Sluiten"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("FileSave"))),
                 (QStringList{"Als Jpg plaatje", "Als Bmp plaatje", "Als webpagina"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("Edit"))),
                 (QStringList{"Ongedaan maken", "Opnieuw", "-", "Kandidaten invullen", "-",
                              "Puzzel ontwerpen"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("Punten"))),
                 (QStringList{"Scorelijst", "Statistieken"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("Tools"))),
                 (QStringList{"Instellingen", "-", "Patroon ontwerpen"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("Beeld"))),
                 (QStringList{"Groter", "Kleiner", "Ware grootte"}));
        QCOMPARE(Captions(Child<QMenu>(*game.main, QStringLiteral("Help"))),
                 (QStringList{"Inleiding", "Uitleg programma", "Volgende stap", "Hint",
                              "Oplossing tonen", "-", "Rij voorlezen", "Kolom voorlezen",
                              "Blok voorlezen", "Mogelijke getallen voorlezen", "Tijd voorlezen",
                              "-", "Meer software"}));
        QCOMPARE(Child<QAction>(*game.main, QStringLiteral("HelpInleiding"))->shortcut(),
                 QKeySequence(Qt::Key_F1));
        QCOMPARE(Child<QAction>(*game.main, QStringLiteral("HelpUitleg"))->shortcut(),
                 QKeySequence(Qt::Key_F2));
        QCOMPARE(Child<QAction>(*game.main, QStringLiteral("HelpVolgendeStap"))->shortcut(),
                 QKeySequence(Qt::Key_F3));
        // Before the first puzzle there is nothing to take back, fill or pause.
        for (const char* name : {"EditOngedaan", "EditOpnieuw", "EditKandidaten", "FilePauze"}) {
            QVERIFY2(!Child<QAction>(*game.main, QString::fromLatin1(name))->isEnabled(), name);
        }
    }

    // The keys of the menus, pressed on the window.
    void keysOpenTheirCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << "new puzzle";
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << int(Qt::ControlModifier) << "of the day";
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "closed";
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "File";
        QTest::newRow("Alt+E") << int(Qt::Key_E) << int(Qt::AltModifier) << "Edit";
        QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier) << "Beeld";
    }
    void keysOpenTheirCommands() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        GameWindow game;
        game.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(game.main.get()));
        game.main->Scores().Insert(QStringLiteral("0:01:02:3 - Toets"));
        QTest::keyClick(game.main->windowHandle(), static_cast<Qt::Key>(key),
                        Qt::KeyboardModifiers(modifiers));
        if (effect == u"new puzzle") {
            QVERIFY(game.Model().GameActive());
            QCOMPARE(Child<QLabel>(*game.main, QStringLiteral("Label2"))->text(),
                     QStringLiteral("0:00:00:0"));
        } else if (effect == u"of the day") {
            // Made on a thread, and kept in the statistics once begun.
            QTRY_VERIFY(game.Model().Start().source == PuzzleSource::Daily);
            const QDate today = game.Model().Start().day;
            QCOMPARE(today, QDate::currentDate());
            QCOMPARE(game.Model().Puzzle().level, DailyLevel(today));
            QTRY_VERIFY(game.folder.Read(QStringLiteral("Statistiek.json")).contains("\"daily\""));
        } else if (effect == u"closed") {
            QTRY_VERIFY(!game.main->isVisible());
            QCOMPARE(game.folder.Read(QStringLiteral("Scorelijst.lst")),
                     QByteArray("\"0:01:02:3 - Toets\"\r\n"));
        } else {
            // The menu opens.
            QTRY_VERIFY(Child<QMenu>(*game.main, effect)->isVisible());
            QTest::keyClick(Child<QMenu>(*game.main, effect), Qt::Key_Escape);
        }
    }

    void helpKeysOpenAndCloseThePages() {
        GameWindow game;
        game.folder.Write(
            QStringLiteral("help/help.htm"),
            "<html><body><p>Inleiding</p><a name=\"001\"></a><p>Uitleg</p></body></html>");
        auto* info = Child<QLabel>(*game.main, QStringLiteral("InfoBalk"));
        QTest::keyClick(game.main.get(), Qt::Key_F1);
        auto* browser = Child<QTextBrowser>(*game.main, QStringLiteral("WebBrowser"));
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QVERIFY(browser->source().fragment().isEmpty());
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Inleiding")));
        QCOMPARE(info->text(),
                 QStringLiteral("Druk nogmaals op F1 om dit venster weer te sluiten..."));
        // The page covers the board, the number buttons and the commands; the info line stays.
        const QRect covered = browser->geometry();
        for (const char* name : {"Frame1", "Frame5", "Frame2"}) {
            QVERIFY(covered.intersects(Child(*game.main, QString::fromLatin1(name))->geometry()));
        }
        QVERIFY(info->isVisible());
        QVERIFY(!covered.intersects(Child(*game.main, QStringLiteral("Frame6"))->geometry()));
        QTest::keyClick(browser, Qt::Key_F2);  // closes, and does not open the explanation
        QVERIFY(!browser->isVisible());
        QCOMPARE(info->text(), QStringLiteral("Info"));
        QTest::keyClick(game.main.get(), Qt::Key_F2);
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->source().fragment(), QStringLiteral("001"));
        QCOMPARE(info->text(),
                 QStringLiteral("Druk nogmaals op F2 om dit venster weer te sluiten..."));
        QTest::keyClick(game.main.get(), Qt::Key_F1);
        QVERIFY(!browser->isVisible());
    }

    void missingHelpFileIsSaidSo() {
        GameWindow game;
        game.main->HelpInleiding_Click();
        auto* browser = Child<QTextBrowser>(*game.main, QStringLiteral("WebBrowser"));
        QVERIFY(browser->isVisible());
        QVERIFY(browser->toPlainText().contains(QStringLiteral("niet gevonden")));
    }

    void solutionCommandToggles() {
        GameWindow game;
        game.LayOut({"111000000"});
        QWidget* pic = Child(*game.main, QStringLiteral("Pic"));
        QWidget* pic2 = Child(*game.main, QStringLiteral("Pic2"));
        auto* text = Child<ClickLabel>(*game.main, QStringLiteral("Knoptext4"));
        auto* lock = Child<QLabel>(*game.main, QStringLiteral("Img4"));
        const QPoint rest = text->pos();
        // Disabled: no press effect, no toggle.
        QTimer::singleShot(100, [&] { QCOMPARE(text->pos(), rest); });
        QTest::mouseClick(text, Qt::LeftButton);
        QTest::qWait(250);
        QVERIFY(pic->isVisible() && !pic2->isVisible());
        text->setEnabled(true);
        QTest::mouseClick(text, Qt::LeftButton);
        QVERIFY(!pic->isVisible() && pic2->isVisible());
        QCOMPARE(lock->pixmap().cacheKey(), Plaatjes::SlotOpen().cacheKey());
        // A new game laid out in view of the solution shows its own.
        const QImage shown = pic2->grab().toImage();
        game.LayOut({"000000111"});
        QVERIFY(pic2->grab().toImage() != shown);
        QTest::mouseClick(text, Qt::LeftButton);
        QVERIFY(pic->isVisible() && !pic2->isVisible());
        QCOMPARE(lock->pixmap().cacheKey(), Plaatjes::SlotClose().cacheKey());
    }

    // Help had in a game is said in the congratulation and kept with the game in the statistics.
    void helpIsSaidAtTheEndAndKept_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("help");
        const QString helped = QStringLiteral(
            "Gefeliciteerd met het oplossen van de puzzel, met hulp opgelost (%1)...");
        QTest::newRow("none") << QString()
                              << QStringLiteral("Gefeliciteerd met het oplossen van de puzzel...")
                              << 0;
        QTest::newRow("hint") << "HelpHint" << helped.arg("Hint") << int(Help::Hint);
        QTest::newRow("solution") << "HelpOplossing" << helped.arg("Oplossing")
                                  << int(Help::Solution);
        QTest::newRow("next step")
            << "HelpVolgendeStap" << helped.arg("Volgende stap") << int(Help::NextStep);
    }
    void helpIsSaidAtTheEndAndKept() {
        QFETCH(QString, command);
        GameWindow game;
        game.main->Knoptext(4)->setEnabled(true);
        game.LayOut(QStringList(8, QStringLiteral("111111111")));
        if (!command.isEmpty()) {
            Child<QAction>(*game.main, command)->trigger();
        }
        QString said;
        WhenModal([&](QWidget* prompt) {
            said = Child<QLabel>(*game.main, QStringLiteral("InfoBalk"))->text();
            prompt->close();
        });
        for (const QPoint cell : EmptyCells(game.Model().BoardGrid())) {
            game.Model().Place(cell, game.Model().SolutionGrid()(cell.x(), cell.y()), {});
        }
        QTRY_VERIFY(!said.isEmpty());
        QTEST(said, "said");
        const std::optional<std::vector<PlayedGame>> games =
            ReadStatisticsFile(game.folder.Read(QStringLiteral("Statistiek.json")));
        QVERIFY(games && games->size() == 1 && games->front().completed);
        QTEST(int(games->front().help), "help");
    }

    void commandTextMovesAndComesBackExactly() {
        GameWindow game;
        auto* text = Child<ClickLabel>(*game.main, QStringLiteral("Knoptext3"));
        const QRect rest = text->geometry();
        for (int k = 0; k < 3; ++k) {
            QRect pressed;
            QColor colour;
            QTimer::singleShot(100, [&] {
                pressed = text->geometry();
                colour = text->palette().color(QPalette::Active, QPalette::WindowText);
            });
            QTest::mouseClick(text, Qt::LeftButton);
            QCOMPARE(pressed, rest.translated(2, 2));
            QCOMPARE(colour, QColor(Qt::red));
            QCOMPARE(text->geometry(), rest);
            QCOMPARE(text->palette().color(QPalette::Active, QPalette::WindowText),
                     QColor(Qt::black));
        }
    }

    void moreSoftwareOpensTheMakersPage() {
        GameWindow game;
        QString opened;
        SetOpenListener([&](const QString& what) { opened = what; });
        Child<QAction>(*game.main, QStringLiteral("HelpSoftware"))->trigger();
        SetOpenListener(nullptr);
        QCOMPARE(opened, MakerAddress);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
