// The record of every game: written and read back, merged by two writers that keep each other's
// games and what they cannot read, and a file that is no such record left as it is.
#include "core/statistics.h"

#include <QTest>
#include <QTimeZone>

namespace {

PlayedGame Game(int minute, int level, std::optional<long long> tenths, HelpUsed help = {},
                PuzzleSource source = PuzzleSource::Drawn) {
    const QDateTime begun(QDate(2026, 5, 11), QTime(9, minute, 0, 125), QTimeZone::utc());
    return {{source, source == PuzzleSource::Daily ? begun.date() : QDate(), begun},
            level,
            tenths.has_value(),
            tenths.value_or(0),
            help};
}

}  // namespace

class TestStatistics : public QObject {
    Q_OBJECT
  private slots:
    void writtenAndReadBack() {
        const std::vector<PlayedGame> games{
            Game(1, 5, 3123), Game(2, 0, {}, Help::Hint | Help::Candidates, PuzzleSource::Loaded),
            Game(3, 2, 400, {}, PuzzleSource::Daily),
            Game(4, 8, 90000, Help::Solution | Help::NextStep, PuzzleSource::Pattern)};
        const std::optional<QByteArray> text = MergeStatisticsFile("", games);
        QVERIFY(text);
        QCOMPARE(ReadStatisticsFile(*text), std::optional(games));
    }

    // Two copies of the game write in turn, each its own games into what the file holds: the same
    // game written by both keeps the help and the completion of both, and an entry this version
    // cannot read stays where it was.
    void twoWritersKeepEachOthersGames() {
        QByteArray file =
            "{\"statistiek\": 1, \"games\": [\n"
            "{\"begun\":\"2026-05-11T09:00:00.000Z\",\"puzzle\":\"weekly\",\"help\":[]}]}";
        const auto write = [&file](const std::vector<PlayedGame>& entries) {
            const std::optional<QByteArray> merged = MergeStatisticsFile(file, entries);
            QVERIFY(merged);
            file = *merged;
        };
        write({Game(3, 4, {})});
        write({Game(1, 6, 900, Help::Hint)});
        write({Game(3, 4, {}, Help::NextStep)});
        write({Game(3, 4, 1500)});
        QCOMPARE(ReadStatisticsFile(file),
                 std::optional(std::vector<PlayedGame>{Game(1, 6, 900, Help::Hint),
                                                       Game(3, 4, 1500, Help::NextStep)}));
        QVERIFY(
            file.contains("\n{\"begun\":\"2026-05-11T09:00:00.000Z\",\"help\":[],\"puzzle\":"
                          "\"weekly\"},\n{\"begun\":\"2026-05-11T09:01:00.125Z\""));
    }

    void otherFilesAreLeftAlone_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("readable");
        QTest::newRow("not JSON") << QByteArray("{\"statistiek\": 1, \"games\": [") << false;
        QTest::newRow("another file's JSON") << QByteArray("{\"games\": []}") << false;
        QTest::newRow("a later version")
            << QByteArray("{\"statistiek\": 2, \"games\": []}") << true;
    }
    void otherFilesAreLeftAlone() {
        QFETCH(QByteArray, text);
        QTEST(ReadStatisticsFile(text).has_value(), "readable");
        QVERIFY(!MergeStatisticsFile(text, {Game(1, 3, 100)}));
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "test_statistics.moc"
