// Runs the built sudoku-make the way a user would.
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// The program, with files no larger than `limit` bytes where one is given: a full disk.
Run SudokuMake(const QStringList& args, rlim_t limit = RLIM_INFINITY) {
    QProcess process;
    process.setChildProcessModifier([limit] {
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    process.start(qEnvironmentVariable("SUDOKU_PROGRAM") + "/sudoku-make", args);
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        qFatal("cannot run sudoku-make from SUDOKU_PROGRAM");
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray Tool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished();
    return process.readAllStandardOutput();
}

}  // namespace

class TestSudokuMake : public QObject {
    Q_OBJECT

  private slots:
    // Each wrong argument gets one line on standard error and exit status 2, and leaves no file.
    void badArgumentsAreTold_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<rlim_t>("limit");
        QTest::addColumn<QString>("said");
        const rlim_t none = RLIM_INFINITY;
        QTest::newRow("level 9") << QStringList{"--level", "9"} << none << "--level must be";
        QTest::newRow("level 1") << QStringList{"--level", "1"} << none << "--level must be";
        QTest::newRow("count 0") << QStringList{"--count", "0"} << none << "--count must be";
        QTest::newRow("count in letters")
            << QStringList{"--count", "tien"} << none << "--count must be";
        QTest::newRow("count without value") << QStringList{"--count"} << none << "needs a value";
        QTest::newRow("seed below zero") << QStringList{"--seed", "-1"} << none << "--seed must be";
        QTest::newRow("per page 3")
            << QStringList{"--pdf", "@", "--per-page", "3"} << none << "--per-page must be";
        QTest::newRow("per page without a booklet")
            << QStringList{"--per-page", "2"} << none << "--per-page belongs with --pdf";
        QTest::newRow("unknown") << QStringList{"--moeilijk"} << none << "unknown argument";
        QTest::newRow("folder that does not exist")
            << QStringList{"--pdf", "@/nergens/boekje.pdf"} << none << "cannot write";
        QTest::newRow("full disk")
            << QStringList{"--count", "12", "--pdf", "@"} << rlim_t(4096) << "could not be written";
    }
    void badArgumentsAreTold() {
        QFETCH(QStringList, args);
        QFETCH(rlim_t, limit);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("boekje.pdf"));
        args.replaceInStrings(QStringLiteral("@"), pdf);
        const Run run = SudokuMake(args, limit);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("sudoku-make: ") && run.err.count('\n') == 1 &&
                     run.err.contains(said.toUtf8()),
                 run.err.constData());
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    // The same seed gives the same puzzles, on one thread or two; each line is the puzzle, its
    // level and its hardest technique, and the solution where asked, which agrees with the givens.
    void puzzlesAsLines() {
        const QStringList args{"--count", "30", "--level", "6", "--seed", "2026", "--solutions"};
        const Run one = SudokuMake(args + QStringList{"--threads", "1"});
        const Run two = SudokuMake(args + QStringList{"--threads", "2"});
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(one.out, two.out);
        const QList<QByteArray> lines = one.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 30);
        QSet<QByteArray> puzzles;
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 4);
            QCOMPARE(fields[0].size(), 81);
            QCOMPARE(fields[1], QByteArray("zeer moeilijk"));
            for (int i = 0; i < 81; ++i) {
                QVERIFY(fields[0][i] == '.' || fields[0][i] == fields[3][i]);
            }
            puzzles.insert(fields[0]);
        }
        QCOMPARE(puzzles.size(), 30);
        QVERIFY(SudokuMake({"--count", "30", "--level", "6", "--seed", "2027"}).out != one.out);
    }

    // A booklet of seven puzzles, six to a page: two pages of puzzles and one of solutions, as
    // text and lines that a PDF reader finds.
    void booklet() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("boekje.pdf"));
        const Run run = SudokuMake(
            {"--count", "7", "--level", "7", "--seed", "1", "--pdf", pdf, "--per-page", "6"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(Tool("pdfinfo", {pdf}).simplified().contains("Pages: 3"));
        const QByteArray text = Tool("pdftotext", {pdf, "-"});
        QVERIFY(text.contains("Puzzel 7") && text.contains("uiterst moeilijk"));
        QVERIFY(text.contains("Oplossing 7"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"boekje.pdf"});
    }
};

QTEST_GUILESS_MAIN(TestSudokuMake)
#include "test_sudoku_make.moc"
