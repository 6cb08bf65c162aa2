#include "platform/controls.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QLabel>
#include <QMenuBar>

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
        QVERIFY(!game.State().GameActive);
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

    void damagedSettingsFileIsReplacedWhole() {
        TestProgramFolder folder;
        folder.Write(QStringLiteral("Sudoku.ini"), "\"1\"\r\n\"x\"\r\n");
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        QCOMPARE(main.State().PatternRows[1], QStringLiteral("100000000"));
        const QByteArray ini = folder.Read(QStringLiteral("Sudoku.ini"));
        QCOMPARE(ini.count("\r\n"), 13);
        QVERIFY(ini.startsWith("\"100000000\"\r\n\"000000000\"\r\n"));
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
            QCOMPARE(main.State().Difficulty, 7);
            QCOMPARE(main.State().DigitColour, (Rgb{10, 20, 30}));
            QCOMPARE(main.Scores().Count(), 2);
            QCOMPARE(folder.Read(QStringLiteral("Sudoku.ini")), ini);
            main.close();
        }
        QCOMPARE(folder.Read(QStringLiteral("Sudoku.ini")), ini);
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")), scores);
    }

    void closingTheWindowSavesBothFiles_data() {
        QTest::addColumn<bool>("throughMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("Sluiten") << true;
    }
    void closingTheWindowSavesBothFiles() {
        QFETCH(bool, throughMenu);
        GameWindow game;
        game.State().Difficulty = 6;
        game.State().CheckMoves = true;
        game.main->Scores().Insert(QStringLiteral("0:03:21:0 - Els"));
        if (throughMenu) {
            Child<QAction>(*game.main, "FileExit")->trigger();
        } else {
            game.main->close();
        }
        QVERIFY(!game.main->isVisible());
        QVERIFY(game.folder.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n6\r\n"));
        QCOMPARE(game.folder.Read(QStringLiteral("Scorelijst.lst")),
                 QByteArray("\"0:03:21:0 - Els\"\r\n"));
        // The next start keeps the difficulty; the options start off.
        Main next;
        QCOMPARE(next.State().Difficulty, 6);
        QVERIFY(!next.State().CheckMoves);
        QVERIFY(!next.State().UsePattern);
        QCOMPARE(next.Scores().Count(), 1);
    }

    void unwritableFolderIsNoFailure() {
        TestProgramFolder folder;
        SetProgramFolder(folder.Path(QStringLiteral("missing/deeper")));
        QApplication::setQuitOnLastWindowClosed(false);
        Main main;
        main.Scores().Insert(QStringLiteral("0:00:01:0 - A"));
        main.close();
        QVERIFY(!QFile::exists(folder.Path(QStringLiteral("missing"))));
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
