// Runs the built sudoku-solve the way a user would.

#include <QtTest>

namespace {

const QByteArray kSimple =
    "..9..621..13.9..644...3.....8.4...2..6.8.1.....4.7.......31.7.......4......72...9";
const QByteArray kSimpleSolved =
    "879546213513297864426138975987463521362851497154972638245319786791684352638725149 Solved\n";
// Needs the techniques beyond singles.
// Beyond the game's techniques.
const QByteArray kHard =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
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
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("messages");  // each on standard error, in order

        QByteArray invalid = Zeros(kSimple);
        invalid[0] = '6';  // row 1 already holds a 6
        QTest::newRow("solved, failed, invalid")
            << QStringList{}
            << kSimple + "\n" + QByteArray(81, '0') + "\n" + invalid + "\n" + kEasy + "\n"
            << kSimpleSolved + QByteArray(81, '0') + " Failed\n" + invalid + " Invalid\n" +
                   "461598273798326415532471968276859341145263789389147526914632857"
                   "623785194857914632 Solved\n"
            << 0 << QStringList{};
        QTest::newRow("dots and zeros") << QStringList{} << Zeros(kSimple) + "\n" + kSimple
                                        << kSimpleSolved + kSimpleSolved << 0 << QStringList{};
        QTest::newRow("skipped lines and CR LF")
            << QStringList{} << "# corpus\r\n\r\n   \n" + kSimple + "\r\n#" + kSimple + "\n"
            << kSimpleSolved << 0 << QStringList{};
        QTest::newRow("malformed lines")
            << QStringList{}
            << kSimple.left(80) + "\n" + kSimple + "\n" + kSimple.left(40) + "x" + kSimple.mid(41) +
                   "\n\n" + kSimple + "9\n" + kSimple
            << kSimpleSolved + kSimpleSolved << 1
            << QStringList{"<stdin>:1: expected 81 cells, found 80",
                           "<stdin>:3: unexpected 'x' at column 41", "<stdin>:5: expected 81"};
        // Rated and explained: every line answered, bad ones in a clear line.
        const QByteArray hiddenPair =
            "4..7...98.7.....3.....24....8..7.....3..5...9..16....3......125.1..........4.8...";
        const QByteArray twoEmpty = kSimpleSolved.left(79) + "..";
        QTest::newRow("rate")
            << QStringList{"--rate"}
            << hiddenPair + "\n" + kSimple + "\n" + kSimple.left(80) + "\n" + twoEmpty + "\n" +
                   QByteArray(81, '.') + "\n" + "1" + QByteArray(8, '.') + "1" +
                   QByteArray(71, '.') + "\n" + "12345678." + QByteArray(8, '.') + "9" +
                   QByteArray(63, '.') + "\n" + kSimple.left(9) + "abc" + kSimple.mid(12) + "\n" +
                   kHard + "\n"
            << Zeros(hiddenPair) + " 1 6 zeer moeilijk: verborgen paar\n" + Zeros(kSimple) +
                   " 1 4 gemiddeld: enige kandidaat\n" + Zeros(twoEmpty) +
                   " 1 2 zeer makkelijk: enige kandidaat\n" + QByteArray(81, '0') +
                   " meer - meer dan \xc3\xa9\xc3\xa9n oplossing\n" + "1" + QByteArray(8, '0') +
                   "1" + QByteArray(71, '0') +
                   " 0 - geen oplossing: de 1 staat meer dan eens in blok 1\n" + "123456780" +
                   QByteArray(8, '0') + "9" + QByteArray(63, '0') + " 0 - geen oplossing\n" +
                   Zeros(kHard) + " 1 - te moeilijk: de technieken van het spel maken hem niet af\n"
            << 1
            << QStringList{"<stdin>:3: expected 81 cells, found 80",
                           "<stdin>:8: unexpected 'a' at column 10"};
        QTest::newRow("explain")
            << QStringList{"--explain"}
            << twoEmpty + "\n" + "55" + QByteArray(79, '.') + "\n" + "x\n"
            << Zeros(twoEmpty) +
                   "\nIn rij 9, kolom 8 past alleen nog de 4: de rest staat al in die rij, kolom "
                   "of dat blok.\nIn rij 9, kolom 9 past alleen nog de 9: de rest staat al in die "
                   "rij, kolom of dat blok.\nAlle vakjes zijn ingevuld.\n\n" +
                   "55" + QByteArray(79, '0') +
                   "\nGeen oplossing: de 5 staat meer dan eens in blok 1.\n\n"
            << 1 << QStringList{"<stdin>:3: expected 81 cells, found 1"};
    }
    void answers() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, messages);
        const Run run = SudokuSolve(options, input);
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
        QVERIFY(help.out.startsWith("Usage: sudoku-solve [--rate | --explain] [FILE]..."));
        QVERIFY(help.out.contains("Invalid"));
        const Run wrong = SudokuSolve({"--fast"});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY(wrong.err.contains("unknown option --fast"));
        QVERIFY(wrong.out.isEmpty());
        QCOMPARE(SudokuSolve({"--rate", "--explain"}).exitCode, 2);
    }
};

QTEST_APPLESS_MAIN(TestSudokuSolve)
#include "test_sudoku_solve.moc"
