// Runs the built sudoku-solve the way a user would.

#include <QtTest>

namespace {

const QByteArray kSimple =
    "..9..621..13.9..644...3.....8.4...2..6.8.1.....4.7.......31.7.......4......72...9";
const QByteArray kSimpleSolved =
    "879546213513297864426138975987463521362851497154972638245319786791684352638725149 Solved\n";
// Needs the techniques beyond singles.
const QByteArray kEasy =
    "..1.9..7....3...1..324.....276.59.41...26.7....9......914................57.14...";

QByteArray Zeros(QByteArray puzzle) {
    return puzzle.replace('.', '0');
}

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run SudokuSolve(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(qEnvironmentVariable("SUDOKU_PROGRAM") + "/sudoku-solve", args);
    if (!process.waitForStarted()) {
        qFatal("cannot start sudoku-solve from SUDOKU_PROGRAM");
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

class TestSudokuSolve : public QObject {
    Q_OBJECT

  private slots:
    void answers_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("messages");  // each on standard error, in order

        QByteArray invalid = Zeros(kSimple);
        invalid[0] = '6';  // row 1 already holds a 6
        QTest::newRow("solved, failed, invalid")
            << kSimple + "\n" + QByteArray(81, '0') + "\n" + invalid + "\n" + kEasy + "\n"
            << kSimpleSolved + QByteArray(81, '0') + " Failed\n" + invalid + " Invalid\n" +
                   "461598273798326415532471968276859341145263789389147526914632857"
                   "623785194857914632 Solved\n"
            << 0 << QStringList{};
        QTest::newRow("dots and zeros") << Zeros(kSimple) + "\n" + kSimple
                                        << kSimpleSolved + kSimpleSolved << 0 << QStringList{};
        QTest::newRow("skipped lines and CR LF")
            << "# corpus\r\n\r\n   \n" + kSimple + "\r\n#" + kSimple + "\n"
            << kSimpleSolved << 0 << QStringList{};
        QTest::newRow("malformed lines")
            << kSimple.left(80) + "\n" + kSimple + "\n" + kSimple.left(40) + "x" + kSimple.mid(41) +
                   "\n\n" + kSimple + "9\n" + kSimple
            << kSimpleSolved + kSimpleSolved << 1
            << QStringList{"<stdin>:1: expected 81 cells, found 80",
                           "<stdin>:3: unexpected 'x' at column 41", "<stdin>:5: expected 81"};
    }
    void answers() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, messages);
        const Run run = SudokuSolve({}, input);
        QTEST(run.out, "output");
        QTEST(run.exitCode, "exitCode");
        const QList<QByteArray> lines = run.err.split('\n');
        QCOMPARE(lines.size(), messages.size() + 1);
        for (qsizetype i = 0; i < messages.size(); ++i) {
            QVERIFY2(lines[i].startsWith(messages[i].toUtf8()), lines[i].constData());
        }
    }

    void readsFilesInTurn() {
        QTemporaryDir dir;
        QFile good(dir.filePath("good.txt")), bad(dir.filePath("bad.txt"));
        QVERIFY(good.open(QIODevice::WriteOnly) && bad.open(QIODevice::WriteOnly));
        good.write(kSimple);  // no line feed after the last line
        bad.write("# two puzzles\n" + kSimple + "\nnot a puzzle\n");
        good.close();
        bad.close();
        const QString missing = dir.filePath("missing.txt");
        const Run run = SudokuSolve({bad.fileName(), missing, good.fileName()});
        QCOMPARE(run.out, kSimpleSolved + kSimpleSolved);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(bad.fileName().toUtf8() + ":3: expected 81 cells"),
                 run.err.constData());
        QVERIFY2(run.err.contains("cannot read " + missing.toUtf8()), run.err.constData());
        QCOMPARE(SudokuSolve({good.fileName(), "-"}, kSimple).out, kSimpleSolved + kSimpleSolved);
    }

    void options() {
        const Run help = SudokuSolve({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Usage: sudoku-solve [FILE]..."));
        QVERIFY(help.out.contains("Invalid"));
        const Run wrong = SudokuSolve({"--fast"});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY(wrong.err.contains("unknown option --fast"));
        QVERIFY(wrong.out.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSudokuSolve)
#include "test_sudoku_solve.moc"
