#include "core/score_list.h"

#include <QTest>

namespace {

ScoreList Read(const QByteArray& text) {
    ScoreList scores;
    ReadScoreFile(text, scores);
    return scores;
}

}  // namespace

class TestScoreList : public QObject {
    Q_OBJECT
  private slots:
    void fileLoadsInOrder_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("two entries, faster last")
            << QByteArray("\"0:02:00:0 - Piet\"\r\n\"0:01:30:5 - Jan\"\r\n")
            << QStringList{"0:01:30:5 - Jan", "0:02:00:0 - Piet"};
        QTest::newRow("empty record between")
            << QByteArray("\"0:02:00:0 - Piet\"\r\n\"\"\r\n\"0:01:30:5 - Jan\"\r\n")
            << QStringList{"0:01:30:5 - Jan", "0:02:00:0 - Piet"};
        QTest::newRow("equal times by name, case ignored")
            << QByteArray("\"0:01:00:0 - piet\"\r\n\"0:01:00:0 - Anna\"\r\n\"0:01:00:0 - jan\"\r\n")
            << QStringList{"0:01:00:0 - Anna", "0:01:00:0 - jan", "0:01:00:0 - piet"};
        QTest::newRow("equal but for case, in the file's order")
            << QByteArray(
                   "\"0:01:00:0 - jan\"\r\n\"0:00:50:0 - Els\"\r\n\"0:01:00:0 - JAN\"\r\n"
                   "\"0:01:00:0 - Jan\"\r\n")
            << QStringList{"0:00:50:0 - Els", "0:01:00:0 - jan", "0:01:00:0 - JAN",
                           "0:01:00:0 - Jan"};
        QTest::newRow("ten hours after shorter times")
            << QByteArray(
                   "\"10:00:00:0 - Lang\"\r\n\"2:00:00:0 - Kort\"\r\n\"9:59:59:9 - Net\"\r\n")
            << QStringList{"2:00:00:0 - Kort", "9:59:59:9 - Net", "10:00:00:0 - Lang"};
        QTest::newRow("a comma inside quotes") << QByteArray("\"0:03:00:0 - Jansen, Piet\"\r\n")
                                               << QStringList{"0:03:00:0 - Jansen, Piet"};
        QTest::newRow("unquoted, no line end at the end")
            << QByteArray("0:03:00:0 - Klaas\r\n0:01:00:0 - Els")
            << QStringList{"0:01:00:0 - Els", "0:03:00:0 - Klaas"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n  \r\n") << QStringList{};
        QTest::newRow("entries without a time come last")
            << QByteArray("\"rommel\"\r\n\"0:00:10:0 - Snel\"\r\n")
            << QStringList{"0:00:10:0 - Snel", "rommel"};
        QTest::newRow("quote in a name") << QByteArray("\"0:01:00:0 - Jan \"\"de Snelle\"\"\"\r\n")
                                         << QStringList{"0:01:00:0 - Jan \"de Snelle\""};
        QTest::newRow("8-bit name") << QByteArray("\"0:01:00:0 - Jos\xe9\"\r\n")
                                    << QStringList{QStringLiteral("0:01:00:0 - José")};
        QTest::newRow("Windows-1252")
            << QByteArray("\"0:02:00:0 - \x8aimon\"\r\n\"0:03:00:0 - \x80 \x84\x9c\"\r\n")
            << QStringList{QStringLiteral("0:02:00:0 - Šimon"), QStringLiteral("0:03:00:0 - € „œ")};
        QTest::newRow("UTF-8")
            << QByteArray("\"0:02:00:0 - \xc5\xa0imon\"\r\n\"0:03:00:0 - \xe2\x82\xac\"\r\n")
            << QStringList{QStringLiteral("0:02:00:0 - Šimon"), QStringLiteral("0:03:00:0 - €")};
    }
    void fileLoadsInOrder() {
        QFETCH(QByteArray, file);
        QTEST(Read(file).Entries(), "entries");
    }

    void saveAndLoadRoundTrip() {
        ScoreList scores;
        for (const QString& entry :
             {QStringLiteral("0:05:23:4 - Marieke"),
              QStringLiteral("0:01:02:3 - Jan \"Snel\" de Vries"),
              QStringLiteral("12:00:00:0 - Geduld"), QStringLiteral("0:05:23:4 - José, Ana")}) {
            scores.Insert(entry);
        }
        const QByteArray file = FormatScoreFile(scores);
        QCOMPARE(file.count("\r\n"), 4);
        QVERIFY(file.startsWith("\"0:01:02:3 - Jan \"\"Snel\"\" de Vries\"\r\n"));
        const ScoreList again = Read(file);
        QCOMPARE(again.Entries(), scores.Entries());
        QCOMPARE(FormatScoreFile(again), file);
    }

    // Windows-1252 whenever every name has its bytes there; otherwise UTF-8, so nothing is lost.
    void fileIsWrittenInTheWindowsCodePage_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("plain entry, quoted only")
            << QStringList{"Jan"} << QByteArray("\"0:01:23:4 - Jan\"\r\n");
        QTest::newRow("Windows-1252")
            << QStringList{QStringLiteral("José"), QStringLiteral("Šimon"), QStringLiteral("€")}
            << QByteArray(
                   "\"0:01:23:4 - Jos\xe9\"\r\n\"0:01:23:4 - \x8aimon\"\r\n\"0:01:23:4 - "
                   "\x80\"\r\n");
        QTest::newRow("a name outside Windows-1252")
            << QStringList{QStringLiteral("José"), QStringLiteral("Łukasz")}
            << QByteArray("\"0:01:23:4 - Jos\xc3\xa9\"\r\n\"0:01:23:4 - \xc5\x81ukasz\"\r\n");
        QTest::newRow("Windows-1252 bytes that read as UTF-8")
            << QStringList{QStringLiteral("Ã©")}
            << QByteArray("\"0:01:23:4 - \xc3\x83\xc2\xa9\"\r\n");
    }
    void fileIsWrittenInTheWindowsCodePage() {
        QFETCH(QStringList, names);
        ScoreList scores;
        for (const QString& name : names) {
            scores.Insert(ScoreEntry(QStringLiteral("0:01:23:4"), name));
        }
        QTEST(FormatScoreFile(scores), "file");
        QCOMPARE(Read(FormatScoreFile(scores)).Entries(), scores.Entries());
    }

    void loadingTwiceLeavesOneCopy() {
        ScoreList scores;
        const QByteArray file("\"0:02:00:0 - Piet\"\r\n\"0:01:30:5 - Jan\"\r\n");
        ReadScoreFile(file, scores);
        ReadScoreFile(file, scores);
        QCOMPARE(scores.Count(), 2);
    }

    void insertKeepsOrderAndDuplicates() {
        ScoreList scores;
        scores.Insert(QStringLiteral("0:03:00:0 - B"));
        scores.Insert(QStringLiteral("0:02:00:0 - A"));
        scores.Insert(QStringLiteral("0:02:00:0 - A"));
        scores.Insert(QStringLiteral("0:00:59:9 - Snelste"));
        QCOMPARE(scores.Entries(), (QStringList{"0:00:59:9 - Snelste", "0:02:00:0 - A",
                                                "0:02:00:0 - A", "0:03:00:0 - B"}));
        QVERIFY(scores.RemoveFirst(QStringLiteral("0:02:00:0 - A")));
        QCOMPARE(scores.Count(), 3);
        QVERIFY(!scores.RemoveFirst(QStringLiteral("0:09:00:0 - Niemand")));
    }

    void timeAndNameAreSplitAtTheSeparator_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("name");
        QTest::newRow("short time") << "0:01:23:4 - Jan"
                                    << "0:01:23:4"
                                    << "Jan";
        QTest::newRow("ten hours") << "10:00:00:0 - Piet"
                                   << "10:00:00:0"
                                   << "Piet";
        QTest::newRow("separator in the name") << "0:01:00:0 - A - B"
                                               << "0:01:00:0"
                                               << "A - B";
    }
    void timeAndNameAreSplitAtTheSeparator() {
        QFETCH(QString, entry);
        QTEST(ScoreTime(entry), "time");
        QTEST(ScoreName(entry), "name");
    }
};

QTEST_APPLESS_MAIN(TestScoreList)
#include "test_score_list.moc"
