// Kills a program that saves its files in a loop at random moments: each file must always hold
// one of its complete versions, never a torn or empty one.
#include "support/program_folder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>

class TestCrashSafeSaves : public QObject {
    Q_OBJECT
  private slots:
    void filesAreWholeAfterAKill() {
        const QString saver =
            QString::fromLocal8Bit(qgetenv("SUDOKU_TESTS")) + QStringLiteral("/save_loop");
        TestProgramFolder folder;
        QSet<QByteArray> ini, scores;
        for (int kill = 0; kill < 100; ++kill) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process.setProcessEnvironment(environment);
            process.start(saver, {folder.Path(QString())});
            QVERIFY2(process.waitForStarted(), qPrintable(saver));
            // A random number of saves, then a random moment in the next ones, however fast or
            // slow the build makes them.
            const int saves = QRandomGenerator::global()->bounded(2, 6);
            int seen = 0;
            while (seen < saves && process.waitForReadyRead(20000)) {
                seen += static_cast<int>(process.readAll().count('\n'));
            }
            QVERIFY(seen >= saves);
            QTest::qWait(QRandomGenerator::global()->bounded(0, 40));
            ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
            QVERIFY(process.waitForFinished(5000));
            const QByteArray iniNow = folder.Read(QStringLiteral("Sudoku.ini"));
            const QByteArray scoresNow = folder.Read(QStringLiteral("Scorelijst.lst"));
            QVERIFY(iniNow.endsWith("\r\n2\r\n") || iniNow.endsWith("\r\n8\r\n"));
            QCOMPARE(iniNow.count("\r\n"), 13);
            const qsizetype lines = scoresNow.count("\r\n");
            QVERIFY2(lines == 1 || lines == 3000, qPrintable(QString::number(lines)));
            QVERIFY(scoresNow.endsWith("\"\r\n"));
            ini << iniNow;
            scores << scoresNow;
        }
        // Both versions of each file were met, so the kills fell in the middle of the saving.
        QCOMPARE(ini.size(), 2);
        QCOMPARE(scores.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafeSaves)
#include "test_crash_safe_saves.moc"
