#include "core/saved_game.h"
#include "platform/controls.h"
#include "support/full_disk.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QLabel>
#include <QMenuBar>

#include <optional>

#include <sys/stat.h>

namespace {

const QByteArray DefaultIni =
    "\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n"
    "\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n"
    "\"---------------------------\"\r\n190,0,0\r\n255,0,0\r\n3\r\n";

template <class T = QWidget>
T* Child(Main& main, const char* name) {
    return main.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void startsWithDefaultsAndWritesTheSettingsFile() {
        GameWindow game;
        QCOMPARE(game.folder.Read(QStringLiteral("Sudoku.ini")), DefaultIni);
        QCOMPARE(game.main->Scores().Count(), 0);
        QCOMPARE(Child<QLabel>(*game.main, "Label2")->text(), QStringLiteral("0:00:00:0"));
        QCOMPARE(Child<QLabel>(*game.main, "Label3")->text(), QStringLiteral("0 vakjes ingevuld"));
        QCOMPARE(Child<QLabel>(*game.main, "Label4")->text(), QStringLiteral("0"));
        QCOMPARE(Child<QLabel>(*game.main, "Label5")->text(), QStringLiteral("0 / 0"));
        QCOMPARE(Child<QLabel>(*game.main, "InfoBalk")->text(), QStringLiteral("Info"));
        QVERIFY(!game.Model().GameActive());
        QVERIFY(Child(*game.main, "Pic")->isVisible());
        QVERIFY(!Child(*game.main, "Pic2")->isVisible());
        QVERIFY(!Child(*game.main, "Shape1")->isVisible());
        QWidget* help = Child(*game.main, "WebBrowser");
        QVERIFY(!help || !help->isVisible());
        QVERIFY(!Child(*game.main, "Knoptext4")->isEnabled());
        // The clock has room for ten hours, inside its frame.
        auto* clock = Child<QLabel>(*game.main, "Label2");
        clock->setText(QStringLiteral("10:00:00:0"));
        QVERIFY(clock->sizeHint().width() <= clock->width());
        QVERIFY(Child(*game.main, "Frame3")->rect().contains(clock->geometry()));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Frame1") << "Frame1" << QRect(5, -4, 351, 357);
        QTest::newRow("Pic") << "Pic" << QRect(16, 24, 316, 316);
        QTest::newRow("InfoBalk") << "InfoBalk" << QRect(6, 10, 522, 17);
        QTest::newRow("GetalKnop1") << "GetalKnop1" << QRect(12, 19, 32, 32);
        QTest::newRow("GetalKnop9") << "GetalKnop9" << QRect(12, 19 + 8 * 37, 32, 32);
        QTest::newRow("Img5") << "Img5" << QRect(18, 20 + 4 * 46, 32, 32);
        QTest::newRow("Knoptext3") << "Knoptext3" << QRect(60, 26 + 2 * 46, 100, 20);
        QTest::newRow("Frame4") << "Frame4" << QRect(424, 296, 170, 57);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        GameWindow game;
        auto* control = game.main->findChild<QWidget*>(name);
        QVERIFY(control);
        QTEST(control->geometry(), "pixels");
    }

    // A damaged file is read as far as it goes and left as it is; the first change of a setting
    // writes it whole.
    void damagedSettingsFileIsReplacedWholeOnAChange() {
        TestProgramFolder folder;
        const QByteArray damaged = "\"1\"\r\n\"x\"\r\n";
        folder.Write(QStringLiteral("Sudoku.ini"), damaged);
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        QCOMPARE(main.Settings().PatternRows[1], QStringLiteral("100000000"));
        QCOMPARE(folder.Read(QStringLiteral("Sudoku.ini")), damaged);
        main.Settings().Difficulty = 4;
        main.SaveFiles();
        const QByteArray ini = folder.Read(QStringLiteral("Sudoku.ini"));
        QCOMPARE(ini.count("\r\n"), 13);
        QVERIFY(ini.startsWith("\"100000000\"\r\n\"000000000\"\r\n"));
        QVERIFY(ini.endsWith("\r\n4\r\n"));
    }

    void ownFilesAreReadBackUnchanged() {
        TestProgramFolder folder;
        const QByteArray ini =
            "\"100000001\"\r\n\"010000010\"\r\n\"001000100\"\r\n\"000101000\"\r\n\"000010000\"\r\n"
            "\"000101000\"\r\n\"001000100\"\r\n\"010000010\"\r\n\"100000001\"\r\n"
            "\"---------------------------\"\r\n10,20,30\r\n40,50,60\r\n7\r\n";
        const QByteArray scores = "\"0:01:00:0 - Anna\"\r\n\"0:02:00:0 - \"\"Bob\"\"\"\r\n";
        folder.Write(QStringLiteral("Sudoku.ini"), ini);
        folder.Write(QStringLiteral("Scorelijst.lst"), scores);
        QApplication::setQuitOnLastWindowClosed(false);
        {
            Main main;
            QCOMPARE(main.Settings().Difficulty, 7);
            QCOMPARE(main.Settings().DigitColour, (Rgb{10, 20, 30}));
            QCOMPARE(main.Scores().Count(), 2);
            QCOMPARE(folder.Read(QStringLiteral("Sudoku.ini")), ini);
            main.close();
        }
        QCOMPARE(folder.Read(QStringLiteral("Sudoku.ini")), ini);
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")), scores);
    }

    // A program folder that cannot be written leaves the files to the user's own data folder.
    void closingTheWindowSavesBothFiles_data() {
        QTest::addColumn<bool>("throughMenu");
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("close box") << false << false;
        QTest::newRow("Sluiten") << true << false;
        QTest::newRow("Sluiten, program folder not writable") << true << true;
    }
    void closingTheWindowSavesBothFiles() {
        QFETCH(bool, throughMenu);
        QFETCH(bool, userFolder);
        std::optional<TestUserFolder> user;
        if (userFolder) {
            user.emplace();
        }
        GameWindow game;
        const TestFolder& files = userFolder ? static_cast<TestFolder&>(*user) : game.folder;
        game.Settings().Difficulty = 6;
        game.Settings().CheckMoves = true;
        game.main->Scores().Insert(QStringLiteral("0:03:21:0 - Els"));
        if (throughMenu) {
            Child<QAction>(*game.main, "FileExit")->trigger();
        } else {
            game.main->close();
        }
        QVERIFY(!game.main->isVisible());
        QVERIFY(files.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n6\r\n"));
        QCOMPARE(files.Read(QStringLiteral("Scorelijst.lst")),
                 QByteArray("\"0:03:21:0 - Els\"\r\n"));
        QCOMPARE(QDir(game.folder.Path(QString())).entryList(QDir::Files).isEmpty(), userFolder);
        // The next start keeps the difficulty; the options start off.
        Main next;
        QCOMPARE(next.Settings().Difficulty, 6);
        QVERIFY(!next.Settings().CheckMoves);
        QVERIFY(!next.Settings().UsePattern);
        QCOMPARE(next.Scores().Count(), 1);
    }

    // The game in progress is kept as it goes, and the next start takes it up as it was left: the
    // board with its colours and marks, the cursor, the moves to take back, the clock and the
    // puzzle's name. A damaged one is passed over with a note.
    void theGameInProgressComesBack() {
        GameWindow game;
        game.LayOut({"111111111", "110111111"}, 5, 2);
        game.Model().SetOrigin(5, 2);
        const auto key = [&](int k, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(game.main->windowHandle(), Qt::Key(k), modifiers);
        };
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_0 + game.Model().SolutionGrid()(3, 2));
        key(Qt::Key_Down);
        key(Qt::Key_4, Qt::ControlModifier);
        key(Qt::Key_7, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(250);
        const QString clock = Child<QLabel>(*game.main, "Label2")->text();
        const GameModel& model = game.Model();
        game.main->close();

        Main next;
        QCOMPARE(next.Model().BoardGrid(), model.BoardGrid());
        QCOMPARE(next.Model().Content({3, 3}), model.Content({3, 3}));
        QCOMPARE(next.Model().Content({3, 2}).ink, (Rgb{190, 0, 0}));
        QCOMPARE(next.Model().Cursor(), QPoint(3, 3));
        QCOMPARE(Child<QLabel>(next, "Label5")->text(), QStringLiteral("5 / 2"));
        QVERIFY(Child<QLabel>(next, "Label2")->text() >= clock);
        QVERIFY(next.Model().CanUndo() && next.Model().CanRedo());
        QCOMPARE(next.PicSurface().Image(), game.main->PicSurface().Image());

        game.folder.Write(QStringLiteral("Spel.json"), "{\"sudoku\":1,\"solution\":\"1\"}");
        Main damaged;
        QVERIFY(!damaged.Model().GameActive());
        QCOMPARE(Child<QLabel>(damaged, "InfoBalk")->text(),
                 QStringLiteral("Het bewaarde spel kon niet worden gelezen en is overgeslagen."));
    }

    // A completed game is not taken up again, also where its file cannot be removed; a file over
    // 16 MB, passed over at the start, is neither written nor removed.
    void keptGameThatCannotBeReplaced_data() {
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("messages");
        QTest::newRow("a folder that takes no changes") << false << 0;
        QTest::newRow("a file over 16 MB") << true << 2;
    }
    void keptGameThatCannotBeReplaced() {
        QFETCH(bool, large);
        QFETCH(int, messages);
        TestProgramFolder folder;
        const QString path = folder.Path(QStringLiteral("Spel.json"));
        if (large) {
            folder.Write(QStringLiteral("Spel.json"), QByteArray(17 * 1024 * 1024, ' '));
        }
        const QFileInfo before(path);
        QApplication::setQuitOnLastWindowClosed(false);
        MessageWatch watch;
        {
            Main main;
            main.show();
            main.Settings().OnlyUniquePuzzles = false;
            main.Settings().UsePattern = true;
            for (int r = 1; r <= 9; ++r) {
                main.Settings().PatternRows[r] = r == 1 ? "011111111" : "111111111";
            }
            main.LayOutPuzzle(TransformedGrid(3, 2));
            main.SaveFiles();
            std::optional<FolderClosedToNewFiles> closed;
            if (!large) {
                QVERIFY(ReadSavedGame(folder.Read(QStringLiteral("Spel.json"))));
                closed.emplace(folder.Path(QString()));
            }
            // The name for the score list is not given.
            QTimer nameless;
            connect(&nameless, &QTimer::timeout, [] {
                if (auto* name = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    name->reject();
                }
            });
            nameless.start(10);
            main.Model().Place({1, 1}, main.Model().SolutionGrid()(1, 1), {190, 0, 0});
            QVERIFY(main.Model().Completed());
            main.SaveFiles();
            QTRY_COMPARE(watch.count, messages);
        }
        QVERIFY(QFile::exists(path));
        if (large) {
            QCOMPARE(watch.text, QStringLiteral("Spel.json kon niet worden opgeslagen; het "
                                                "bestand is gebleven zoals het was."));
            QCOMPARE(QFileInfo(path).size(), before.size());
            QCOMPARE(QFileInfo(path).lastModified(), before.lastModified());
            return;
        }
        Main next;
        QVERIFY(!next.Model().GameActive());
        QCOMPARE(Child<QLabel>(next, "InfoBalk")->text(), QStringLiteral("Info"));
    }

    // Scorelijst.lst is read as UTF-8 when it is valid UTF-8, else as Windows-1252, and written in
    // Windows-1252 unless a name needs UTF-8; a list the run leaves as it was keeps its bytes.
    void scoreFileKeepsItsNames_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QByteArray>("after");
        const QByteArray windows =
            "\"0:01:00:0 - Jos\xe9\"\r\n\"0:02:00:0 - \x8aimon\"\r\n\"0:03:00:0 - \x80\"\r\n";
        const QByteArray utf8 =
            "\"0:01:00:0 - Jos\xc3\xa9\"\r\n\"0:02:00:0 - \xc5\xa0imon\"\r\n"
            "\"0:03:00:0 - \xe2\x82\xac\"\r\n";
        QTest::newRow("Windows-1252, unchanged") << windows << QString() << windows;
        QTest::newRow("UTF-8, unchanged") << utf8 << QString() << utf8;
        QTest::newRow("UTF-8, one more")
            << utf8 << QStringLiteral("0:00:30:0 - Ana") << "\"0:00:30:0 - Ana\"\r\n" + windows;
        QTest::newRow("a name outside Windows-1252")
            << windows << QStringLiteral("0:00:30:0 - Łukasz")
            << "\"0:00:30:0 - \xc5\x81ukasz\"\r\n" + utf8;
    }
    void scoreFileKeepsItsNames() {
        QFETCH(QByteArray, before);
        QFETCH(QString, added);
        TestProgramFolder folder;
        folder.Write(QStringLiteral("Scorelijst.lst"), before);
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        QCOMPARE(main.Scores().Entries(), (QStringList{QStringLiteral("0:01:00:0 - José"),
                                                       QStringLiteral("0:02:00:0 - Šimon"),
                                                       QStringLiteral("0:03:00:0 - €")}));
        if (!added.isEmpty()) {
            main.Scores().Insert(added);
        }
        Child<QAction>(main, "FileExit")->trigger();
        QTEST(folder.Read(QStringLiteral("Scorelijst.lst")), "after");
    }

    // A folder that refuses the temporary file of a save, while its files may be written: the
    // files are written in place.
    void folderWithoutRoomForATemporaryFileTakesTheSaves() {
        TestProgramFolder folder;
        folder.Write(QStringLiteral("Scorelijst.lst"), "\"0:09:00:0 - Een oude, lange naam\"\r\n");
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        main.Settings().Difficulty = 5;
        main.Scores().Clear();
        main.Scores().Insert(QStringLiteral("0:00:42:0 - Nu"));
        {
            const FolderClosedToNewFiles closed(folder.Path(QString()));
            Child<QAction>(main, "FileExit")->trigger();
        }
        QVERIFY(folder.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n5\r\n"));
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")),
                 QByteArray("\"0:00:42:0 - Nu\"\r\n"));
    }

    // Each file that cannot be written is told about once, with its path and why, and each score
    // that cannot be kept; nothing is made in place of the missing folder.
    void unwritableFolderIsToldOnce() {
        TestProgramFolder folder;
        SetProgramFolder(folder.Path(QStringLiteral("missing/deeper")));
        QApplication::setQuitOnLastWindowClosed(false);
        QStringList told;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&told] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                told << MessageText(modal) + u'|' + MessageDetails(modal);
                Press(modal, QMessageBox::Ok);
            }
        });
        watch.start(10);
        {
            Main main;
            main.show();
            main.Scores().Insert(QStringLiteral("0:00:01:0 - A"));
            QTRY_COMPARE(told.size(), 2);
            main.Scores().Insert(QStringLiteral("0:00:02:0 - B"));
            main.Settings().Difficulty = 5;
            main.close();
            QTest::qWait(50);
        }
        const QString missing = folder.Path(QStringLiteral("missing/deeper/"));
        told.sort();
        const QString scores =
            "Scorelijst.lst kon niet worden opgeslagen; het bestand is gebleven "
            "zoals het was.|" +
            missing + "Scorelijst.lst\nDe map bestaat niet.";
        QCOMPARE(told, (QStringList{scores, scores,
                                    "Sudoku.ini kon niet worden opgeslagen; het bestand is "
                                    "gebleven zoals het was.|" +
                                        missing + "Sudoku.ini\nDe map bestaat niet."}));
        QVERIFY(!QFile::exists(folder.Path(QStringLiteral("missing"))));
    }

    // A write that fails for want of room keeps the old file whole and is told once; what it
    // should have written is written when there is room again.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("settings") << QStringLiteral("Sudoku.ini");
        QTest::newRow("scores") << QStringLiteral("Scorelijst.lst");
        QTest::newRow("switches") << QStringLiteral("Voorkeuren.ini");
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(QString, name);
        TestProgramFolder folder;
        folder.Write(QStringLiteral("Sudoku.ini"), DefaultIni);
        folder.Write(QStringLiteral("Voorkeuren.ini"), "[General]\nAlleenUniek=true\n");
        const QByteArray scores = "\"0:01:00:0 - Anna\"\r\n\"0:02:00:0 - Bob\"\r\n";
        folder.Write(QStringLiteral("Scorelijst.lst"), scores);
        const QByteArray old = folder.Read(name);
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        main.show();
        MessageWatch messages;
        {
            const FullDisk full;
            for (int difficulty : {5, 6}) {
                main.Settings().Difficulty = difficulty;
                main.Settings().ShowDuplicates = false;
                main.Scores().Insert(QStringLiteral("0:00:3%1:0 - Nieuw").arg(difficulty));
                main.Files().SettingsChanged();
                QTest::qWait(300);
            }
            main.SaveFiles();
        }
        QCOMPARE(folder.Read(name), old);
        // Each file of the settings once, each score entered.
        QCOMPARE(messages.count, 4);
        QVERIFY2(messages.details.contains(
                     QStringLiteral("Het bestand zou groter worden dan het systeem toestaat.")),
                 qPrintable(messages.details));
        QCOMPARE(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 3);
        main.SaveFiles();
        QVERIFY(folder.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n6\r\n"));
        QCOMPARE(folder.Read(QStringLiteral("Voorkeuren.ini")),
                 "[General]\nDubbeleGetallen=false\nAlleenUniek=true\n");
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")),
                 "\"0:00:35:0 - Nieuw\"\r\n\"0:00:36:0 - Nieuw\"\r\n" + scores);
        QCOMPARE(messages.count, 4);
    }

    // Two copies of the game on one folder: each writes what it changed into what the other
    // wrote, and neither undoes the other, whichever closes first.
    void twoCopiesKeepEachOthersChanges_data() {
        QTest::addColumn<bool>("firstClosesFirst");
        QTest::newRow("the first closes first") << true;
        QTest::newRow("the second closes first") << false;
    }
    void twoCopiesKeepEachOthersChanges() {
        QFETCH(bool, firstClosesFirst);
        TestProgramFolder folder;
        folder.Write(QStringLiteral("Scorelijst.lst"),
                     "\"0:01:00:0 - Anna\"\r\n\"0:02:00:0 - Bob\"\r\n");
        QApplication::setQuitOnLastWindowClosed(false);
        Main first;
        Main second;
        first.Scores().Insert(QStringLiteral("0:00:30:0 - Els"));
        first.Settings().Difficulty = 7;
        QVERIFY(second.Scores().RemoveFirst(QStringLiteral("0:02:00:0 - Bob")));
        second.Settings().DigitColour = {0, 0, 255};
        (firstClosesFirst ? first : second).close();
        QTest::qWait(300);
        (firstClosesFirst ? second : first).close();
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")),
                 QByteArray("\"0:00:30:0 - Els\"\r\n\"0:01:00:0 - Anna\"\r\n"));
        QVERIFY(
            folder.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n0,0,255\r\n255,0,0\r\n7\r\n"));
        // The score list shows what the other copy did.
        WhenModal([](QWidget* modal) { modal->close(); });
        second.Puntenlijst_Click();
        QCOMPARE(second.Scores().Count(), 2);
    }

    // What stands in the place of a file and is no plain file of a real size is passed over
    // without waiting for it, and stays as it is. The user is told once that it was passed over,
    // and that a change could not be kept: once for the settings, for each score entered.
    void filesThatAreNoPlainFilesArePassedOver_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("messages");
        for (const QString& name :
             {QStringLiteral("Sudoku.ini"), QStringLiteral("Voorkeuren.ini"),
              QStringLiteral("Scorelijst.lst"), QStringLiteral("Statistiek.json")}) {
            const QByteArray row = name.toLatin1();
            const int changes = name == QStringLiteral("Scorelijst.lst") ? 2 : 1;
            // Statistiek.json is not read at the start, so nothing there is passed over.
            const int read = name == QStringLiteral("Statistiek.json") ? 0 : 1;
            QTest::newRow(row + ", a FIFO") << name << "fifo" << changes;
            QTest::newRow(row + ", a link to /dev/zero") << name << "zero" << changes;
            QTest::newRow(row + ", a folder") << name << "folder" << changes;
            QTest::newRow(row + ", 17 MB") << name << "large" << changes + read;
        }
        // Never written over blindly: the games it holds may be ones this version cannot read.
        QTest::newRow("Statistiek.json, not one")
            << QStringLiteral("Statistiek.json") << "other" << 1;
    }
    void filesThatAreNoPlainFilesArePassedOver() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(int, messages);
        TestProgramFolder folder;
        const QString path = folder.Path(name);
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "zero") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "other") {
            folder.Write(name, "{\"spellen\": []}");
        } else {
            folder.Write(name,
                         "[General]\nAlleenUniek=false\n" + QByteArray(17 * 1024 * 1024, '\n'));
        }
        const QFileInfo before(path);
        QApplication::setQuitOnLastWindowClosed(false);
        MessageWatch watch;
        {
            Main main;
            QCOMPARE(main.Settings().Difficulty, 3);
            QVERIFY(main.Settings().OnlyUniquePuzzles);
            QCOMPARE(main.Scores().Count(), 0);
            // Games begun at once, each recorded for the statistics.
            main.Settings().OnlyUniquePuzzles = false;
            for (int difficulty : {5, 6}) {
                main.Settings().Difficulty = difficulty;
                main.Settings().ShowDuplicates = difficulty == 6;
                main.Scores().Insert(QStringLiteral("0:00:30:0 - Nieuw"));
                main.GeneratePuzzle();
                main.SaveFiles();
                QTest::qWait(50);
            }
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            QTRY_COMPARE(watch.count, messages);
            QTest::qWait(50);
        }
        QCOMPARE(watch.count, messages);
        QCOMPARE(watch.text, name + QStringLiteral(" kon niet worden opgeslagen; het bestand is "
                                                   "gebleven zoals het was."));
        QVERIFY(watch.details.startsWith(path + u'\n'));
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.lastModified(), before.lastModified());
    }

    // A settings file that is a link keeps pointing where it pointed: start-up leaves the file it
    // points at alone, and a change of a setting is written into that file.
    void linkedSettingsFileStaysALink() {
        TestProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.Path(QStringLiteral("elders"))));
        const QByteArray own = DefaultIni.left(DefaultIni.size() - 3) + "7\r\n\r\n";
        folder.Write(QStringLiteral("elders/mijn.ini"), own);
        QVERIFY(QFile::link(QStringLiteral("elders/mijn.ini"), folder.Path("Sudoku.ini")));
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        QCOMPARE(main.Settings().Difficulty, 7);
        QCOMPARE(folder.Read(QStringLiteral("elders/mijn.ini")), own);
        main.Settings().Difficulty = 2;
        main.SaveFiles();
        QCOMPARE(QFileInfo(folder.Path("Sudoku.ini")).symLinkTarget(),
                 folder.Path(QStringLiteral("elders/mijn.ini")));
        QVERIFY(folder.Read(QStringLiteral("elders/mijn.ini")).endsWith("\r\n255,0,0\r\n2\r\n"));
    }

    void closingDuringAPauseDoesNotCrash_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("hint") << 0;
        QTest::newRow("command press") << 1;
        QTest::newRow("number press") << 2;
    }
    void closingDuringAPauseDoesNotCrash() {
        QFETCH(int, action);
        GameWindow game;
        game.LayOut({"111111111"});
        game.main->Scores().Insert(QStringLiteral("0:00:09:0 - Tijdens"));
        QTimer::singleShot(100, game.main.get(), [&] { game.main->close(); });
        switch (action) {
            case 0:
                game.main->GameBoard().ShowHint();
                break;
            case 1:
                QTest::mouseClick(Child(*game.main, "Knoptext3"), Qt::LeftButton);
                break;
            default:
                QTest::mouseClick(Child(*game.main, "GetalKnop5"), Qt::LeftButton);
                break;
        }
        QVERIFY(!game.main->isVisible());
        QCOMPARE(game.folder.Read(QStringLiteral("Scorelijst.lst")),
                 QByteArray("\"0:00:09:0 - Tijdens\"\r\n"));
        // A window deleted right after its pause ends is no trouble either.
        QPointer<Main> doomed(game.main.release());
        doomed->setAttribute(Qt::WA_DeleteOnClose);
        doomed->show();
        QTimer::singleShot(50, doomed, [&] { doomed->close(); });
        doomed->Knoptext_Click(3);
        QTRY_VERIFY(doomed.isNull());
    }

    void boardIgnoresTheMouseBeforeTheFirstPuzzle() {
        GameWindow game;
        QWidget* pic = Child(*game.main, "Pic");
        bool modalSeen = false;
        WhenModal(
            [&](QWidget* modal) {
                modalSeen = true;
                modal->close();
            },
            300);
        QTest::mouseClick(pic, Qt::LeftButton, {}, FaceCentre(2, 2));
        QTest::mouseClick(pic, Qt::RightButton, {}, FaceCentre(5, 5));
        QTest::mouseMove(pic, FaceCentre(3, 3));
        QTest::qWait(400);
        QVERIFY(!modalSeen);
        QVERIFY(!Child(*game.main, "Shape1")->isVisible());
        QCOMPARE(game.main->PicSurface().Image().pixel(FaceCentre(2, 2)), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
