#include "core/puzzle_file.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/dialogs/loadform.h"

#include <QLabel>
#include <QListWidget>

namespace {

template <class T = QWidget>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// What a load may change: the grids, the board's picture, the puzzle number and the clock.
struct GameSnapshot {
    explicit GameSnapshot(GameWindow& game)
        : solution(game.Model().SolutionGrid()),
          board(game.Model().BoardGrid()),
          picture(game.main->PicSurface().Image()),
          label5(Child<QLabel>(*game.main, "Label5")->text()),
          ticks(game.Model().ClockTicks()) {}
    Grid solution;
    Grid board;
    QImage picture;
    QString label5;
    long long ticks;
};

// The load dialog of a game window, shown beside it.
struct OpenForm {
    explicit OpenForm(GameWindow& game) : form(new Loadform(*game.main)) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    ~OpenForm() { delete form.data(); }

    QListWidget* List() { return Child<QListWidget>(*form, "File1"); }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < List()->count(); ++i) {
            names << List()->item(i)->text();
        }
        return names;
    }
    QPoint Centre(const QString& name) {
        const QList<QListWidgetItem*> items = List()->findItems(name, Qt::MatchExactly);
        return items.isEmpty() ? QPoint() : List()->visualItemRect(items.front()).center();
    }
    void Click(const QString& name) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(name));
    }
    void DoubleClick(const QString& name) {
        Click(name);
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, Centre(name));
    }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*form, button), Qt::LeftButton);
    }
    QPointer<Loadform> form;
};

// Notes the text, title and icon of the next message box and presses its Ok.
struct Message {
    Message() {
        WhenModal([this](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            ::Press(box, QMessageBox::Ok);
        });
    }
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

const Grid FileGrid = TransformedGrid(9, 6);
const QStringList Band{"000000000", "111111111", "000000000", "000000000", "100000001",
                       "000000000", "000000000", "000000000", "111000000"};

void StartGame(GameWindow& game) {
    game.main->GeneratePuzzle();
    // Let the clock run a little, so that a restart shows.
    QTRY_VERIFY(game.Model().ClockTicks() > 2);
}

}  // namespace

class TestLoadform : public QObject {
    Q_OBJECT
  private slots:
    void listShowsThePuzzleFilesInOrder() {
        GameWindow game;
        game.folder.Write("puzzels/zaterdag.puz", PuzzleFileBytes(FileGrid));
        game.folder.Write("puzzels/Maandag.puz", PuzzleFileBytes(FileGrid));
        game.folder.Write("puzzels/.verborgen.puz", PuzzleFileBytes(FileGrid));
        game.folder.Write("puzzels/notities.txt", "x");
        game.folder.Write("puzzels/Oud.PUZ", PuzzleFileBytes(FileGrid));
        QVERIFY(QDir().mkpath(game.folder.Path("puzzels/map.puz")));
        OpenForm open(game);
        QCOMPARE(open.form->windowTitle(), QStringLiteral(" Puzzel laden"));
        QCOMPARE(open.Names(),
                 (QStringList{".verborgen.puz", "Maandag.puz", "Oud.PUZ", "zaterdag.puz"}));
        QCOMPARE(open.List()->palette().color(QPalette::Base), QColor(190, 200, 210));
        QCOMPARE(Child<QLabel>(*open.form, "Label2")->text(), QStringLiteral("Naam puzzel"));
        QVERIFY(open.form->SelectedPuzzle().isEmpty());
        open.Click(QStringLiteral("Oud.PUZ"));
        QCOMPARE(open.form->SelectedPuzzle(), QStringLiteral("Oud.PUZ"));
        QCOMPARE(Child<QLabel>(*open.form, "Label2")->text(), QStringLiteral("Oud"));
        const Grid solution = game.Model().SolutionGrid();
        open.Press("CancelKnop");
        QVERIFY(!open.form->isVisible());
        QCOMPARE(game.Model().SolutionGrid(), solution);
    }

    // With the files in the user's own folder, the puzzles that came with the program are listed
    // beside the user's own; a name in both is the user's puzzle.
    void ownPuzzlesBesideThoseThatCameWithTheProgram() {
        TestUserFolder user;
        GameWindow game;
        const Grid shipped = TransformedGrid(2, 2);
        game.folder.Write("puzzels/Voorbeeld.puz", PuzzleFileBytes(shipped));
        game.folder.Write("puzzels/Zondag.puz", PuzzleFileBytes(shipped));
        QVERIFY(QDir().mkpath(user.Path("puzzels")));
        user.Write("puzzels/Voorbeeld.puz", PuzzleFileBytes(FileGrid));
        user.Write("puzzels/eigen.puz", PuzzleFileBytes(FileGrid));
        for (const char* name : {"Voorbeeld.puz", "Zondag.puz"}) {
            OpenForm open(game);
            QCOMPARE(open.Names(), (QStringList{"eigen.puz", "Voorbeeld.puz", "Zondag.puz"}));
            open.DoubleClick(QString::fromLatin1(name));
            QCOMPARE(game.Model().SolutionGrid(), qstrcmp(name, "Zondag.puz") ? FileGrid : shipped);
        }
    }

    // The file's grid becomes the solution; the givens follow the settings. What follows the
    // ninth line, or a line's ninth character, is not read.
    void chosenFileStartsAGame_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("pattern");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = PuzzleFileBytes(FileGrid);
        QTest::newRow("Ok, pattern") << false << true << good;
        QTest::newRow("double click, pattern, blank line at the end")
            << true << true << good + "\r\n";
        QTest::newRow("Ok, difficulty, long lines and a longer old file")
            << false << false << good.left(9) + "5" + good.mid(9) + QByteArray(5000, '1');
    }
    void chosenFileStartsAGame() {
        QFETCH(bool, doubleClick);
        QFETCH(bool, pattern);
        QFETCH(QByteArray, bytes);
        GameWindow game;
        StartGame(game);
        game.Settings().UsePattern = pattern;
        for (int r = 1; r <= 9; ++r) {
            game.Settings().PatternRows[r] = Band[r - 1];
        }
        game.Settings().Difficulty = 2;
        const GameSnapshot before(game);
        game.folder.Write("puzzels/Zondag.puz", bytes);
        OpenForm open(game);
        if (doubleClick) {
            open.DoubleClick(QStringLiteral("Zondag.puz"));
        } else {
            open.Click(QStringLiteral("Zondag.puz"));
            open.Press("OkKnop");
        }
        QVERIFY(!open.form->isVisible());
        const GameModel& model = game.Model();
        QCOMPARE(model.SolutionGrid(), FileGrid);
        QCOMPARE(model.ClockTicks(), -1LL);
        QCOMPARE(Child<QLabel>(*game.main, "Label2")->text(), QStringLiteral("0:00:00:0"));
        QCOMPARE(Child<QLabel>(*game.main, "Label5")->text(), before.label5);
        QVERIFY(model.GameActive());
        int givens = 0;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const bool given = model.BoardGrid()(c, r) != 0;
                givens += given;
                if (given) {
                    QCOMPARE(model.BoardGrid()(c, r), FileGrid(c, r));
                }
                if (pattern) {
                    QCOMPARE(given, Band[r - 1][c - 1] == u'1');
                }
            }
        }
        QCOMPARE(model.FilledCount(), givens);
        QVERIFY(game.main->PicSurface().Image() != before.picture);
    }

    // Ok without a choice asks for one; the dialog stays open for it.
    void okWithoutChoiceAsksForOne() {
        GameWindow game;
        StartGame(game);
        game.folder.Write("puzzels/Een.puz", PuzzleFileBytes(FileGrid));
        OpenForm open(game);
        {
            Message message;
            open.Press("OkKnop");
            QCOMPARE(message.text, QStringLiteral("Géén puzzel geselecteerd!"));
            QCOMPARE(message.title, QStringLiteral("Sudoku"));
        }
        QVERIFY(open.form->isVisible());
        open.Click(QStringLiteral("Een.puz"));
        open.Press("OkKnop");
        QVERIFY(!open.form->isVisible());
        QCOMPARE(game.Model().SolutionGrid(), FileGrid);
    }

    // A file that is not a whole, valid grid is refused and the game goes on as it was.
    void badFileIsRefusedAndTheGameStays_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = PuzzleFileBytes(FileGrid);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("eight lines") << good.left(88);
        QTest::newRow("eight lines and a blank one") << good.left(88) + "\r\n";
        QTest::newRow("short line") << good.left(8) + good.mid(9);
        QTest::newRow("letter") << "x" + good.mid(1);
        QTest::newRow("zero") << "0" + good.mid(1);
        QByteArray swapped = good;
        std::swap(swapped[0], swapped[1]);
        QTest::newRow("not a valid grid") << swapped;
        QTest::newRow("gone since listed") << QByteArray("gone");
    }
    void badFileIsRefusedAndTheGameStays() {
        QFETCH(QByteArray, bytes);
        GameWindow game;
        StartGame(game);
        game.folder.Write("puzzels/Slecht.puz", bytes);
        const GameSnapshot before(game);
        {
            OpenForm open(game);
            if (bytes == "gone") {
                QVERIFY(QFile::remove(game.folder.Path("puzzels/Slecht.puz")));
            }
            open.Click(QStringLiteral("Slecht.puz"));
            Message message;
            open.Press("OkKnop");
            QCOMPARE(message.text, QStringLiteral("Fout bij het laden!"));
            QCOMPARE(message.title, QStringLiteral("Error"));
            QCOMPARE(message.icon, QMessageBox::Warning);
            QVERIFY(!open.form->isVisible());
        }
        QCOMPARE(game.Model().SolutionGrid(), before.solution);
        QCOMPARE(game.Model().BoardGrid(), before.board);
        QCOMPARE(game.main->PicSurface().Image(), before.picture);
        QCOMPARE(Child<QLabel>(*game.main, "Label5")->text(), before.label5);
        QVERIFY(game.Model().ClockTicks() >= before.ticks);
        QTRY_VERIFY(game.Model().ClockTicks() > before.ticks);

        // A good file loads after the refused one.
        game.folder.Write("puzzels/Goed.puz", PuzzleFileBytes(FileGrid));
        OpenForm again(game);
        again.Click(QStringLiteral("Goed.puz"));
        again.Press("OkKnop");
        QCOMPARE(game.Model().SolutionGrid(), FileGrid);
        QCOMPARE(game.Model().ClockTicks(), -1LL);
    }

    // The "Load" command of the command column opens the dialog modally.
    void loadCommandOpensTheDialog() {
        GameWindow game;
        game.folder.Write("puzzels/Een.puz", PuzzleFileBytes(FileGrid));
        QString name;
        WhenModal([&name](QWidget* modal) {
            name = modal->objectName();
            auto* list = Child<QListWidget>(*modal, "File1");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            QTest::mouseClick(Child<QPushButton>(*modal, "OkKnop"), Qt::LeftButton);
        });
        game.main->Knoptext_Click(1);
        QCOMPARE(name, QStringLiteral("Loadform"));
        QCOMPARE(game.Model().SolutionGrid(), FileGrid);
        QVERIFY(game.main->findChildren<Loadform*>().isEmpty());
    }
};

QTEST_MAIN(TestLoadform)
#include "test_loadform.moc"
