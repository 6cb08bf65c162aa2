// One game on the user's files: a second start of the program brings the first copy's window to
// the front and ends, a lock left by a killed copy is taken over, and a copy that does not answer
// leaves the second one to play.
#include "support/program_folder.h"

#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>

namespace {

// The game, copied out of the build folder, whose mark would have it keep its files there, with
// a home, a data folder and a runtime folder of the test's own.
class Player {
  public:
    Player() {
        QFile::copy(QString::fromLocal8Bit(qgetenv("SUDOKU_PROGRAM")) + QStringLiteral("/sudoku"),
                    home_.Path(QStringLiteral("sudoku")));
        QDir().mkpath(home_.Path(QStringLiteral("run")));
        QFile::setPermissions(home_.Path(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    std::unique_ptr<QProcess> Start() const {
        auto game = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.Path(QString()));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.Path(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.Path(QStringLiteral("run")));
        game->setProcessEnvironment(environment);
        game->start(home_.Path(QStringLiteral("sudoku")), {});
        return game;
    }
    // The settings file a copy that plays makes at its start.
    QString Settings() const { return home_.Path(QStringLiteral("data/sudoku/Sudoku.ini")); }

  private:
    TestFolder home_;
};

void End(QProcess& game) {
    if (game.state() == QProcess::Running) {
        ::kill(static_cast<pid_t>(game.processId()), SIGCONT);
        game.terminate();
        game.waitForFinished(10000);
    }
}

}  // namespace

class TestSingleCopy : public QObject {
    Q_OBJECT
  private slots:
    // What becomes of the first copy before the second starts, and whether the second hands over
    // to a copy that is running and ends.
    void secondStart_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<bool>("handsOver");
        QTest::newRow("the first runs") << 0 << true;
        QTest::newRow("the first was killed") << int(SIGKILL) << false;
        QTest::newRow("the first does not answer") << int(SIGSTOP) << false;
    }
    void secondStart() {
        QFETCH(int, first);
        QFETCH(bool, handsOver);
        const Player player;
        const std::unique_ptr<QProcess> one = player.Start();
        QVERIFY(one->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(player.Settings()), 20000);
        if (first != 0) {
            ::kill(static_cast<pid_t>(one->processId()), first);
        }
        if (first == SIGKILL) {
            QVERIFY(one->waitForFinished(10000));
        }
        QFile::remove(player.Settings());
        const std::unique_ptr<QProcess> two = player.Start();
        QVERIFY(two->waitForStarted());
        if (handsOver) {
            QVERIFY(two->waitForFinished(8000));
            QCOMPARE(two->exitCode(), 0);
            QCOMPARE(one->state(), QProcess::Running);
            QVERIFY(!QFile::exists(player.Settings()));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(player.Settings()), 20000);
            QCOMPARE(two->state(), QProcess::Running);
        }
        if (first == SIGKILL) {
            // The second took the lock over: a third start hands over to it.
            const std::unique_ptr<QProcess> three = player.Start();
            QVERIFY(three->waitForFinished(8000));
            QCOMPARE(three->exitCode(), 0);
        }
        End(*two);
        End(*one);
    }
};

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "test_single_copy.moc"
