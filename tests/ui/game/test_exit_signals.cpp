// SIGTERM, SIGHUP and SIGINT end the game the way closing its window does: what was entered just
// before is on the disk, and the program ends normally. A second after the last move, not even
// SIGKILL loses anything.
#include "core/saved_game.h"
#include "support/program_folder.h"

#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

QString ProgramIn(const char* variable, const char* name) {
    return QString::fromLocal8Bit(qgetenv(variable)) + u'/' + QString::fromLatin1(name);
}

}  // namespace

class TestExitSignals : public QObject {
    Q_OBJECT
  private slots:
    void signalEndsTheGameAsClosingItDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("scoreEntered");
        QTest::newRow("SIGTERM after a score") << int(SIGTERM) << true;
        QTest::newRow("SIGHUP after a score") << int(SIGHUP) << true;
        QTest::newRow("SIGINT after a score") << int(SIGINT) << true;
        QTest::newRow("SIGKILL a second after a score") << int(SIGKILL) << true;
        QTest::newRow("SIGTERM to the game itself") << int(SIGTERM) << false;
    }
    void signalEndsTheGameAsClosingItDoes() {
        QFETCH(int, signal);
        QFETCH(bool, scoreEntered);
        // The game is copied out of the build folder, whose mark would have it keep its files
        // there, so that it keeps them in a data folder of the test's own.
        TestFolder home;
        QString program = ProgramIn("SUDOKU_TESTS", "score_then_wait");
        if (!scoreEntered) {
            QVERIFY(QFile::copy(ProgramIn("SUDOKU_PROGRAM", "sudoku"), home.Path("sudoku")));
            program = home.Path(QStringLiteral("sudoku"));
        }
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.Path(QString()));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.Path(QStringLiteral("data")));
        game.setProcessEnvironment(environment);
        game.start(program, {});
        QVERIFY2(game.waitForStarted(), qPrintable(program));
        const QString files = home.Path(QStringLiteral("data/sudoku/"));
        if (scoreEntered) {
            QVERIFY(game.waitForReadyRead(20000));
            QCOMPARE(game.readAllStandardOutput(), QByteArray("entered\n"));
            if (signal == SIGKILL) {
                QTest::qWait(1000);
            }
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(files + "Sudoku.ini"), 20000);
        }
        ::kill(static_cast<pid_t>(game.processId()), signal);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), signal == SIGKILL ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(game.exitCode(), signal == SIGKILL ? SIGKILL : 0);
        if (scoreEntered) {
            QCOMPARE(home.Read(QStringLiteral("data/sudoku/Scorelijst.lst")),
                     QByteArray("\"0:01:02:3 - Els\"\r\n"));
            QVERIFY(home.Read(QStringLiteral("data/sudoku/Sudoku.ini")).endsWith("\r\n7\r\n"));
            // The game in progress with its move.
            const std::optional<GameRecord> kept =
                ReadSavedGame(home.Read(QStringLiteral("data/sudoku/Spel.json")));
            QVERIFY(kept);
            QCOMPARE(kept->cells[CellBit(1, 1)].digit, 9);
        }
    }
};

QTEST_GUILESS_MAIN(TestExitSignals)
#include "test_exit_signals.moc"
