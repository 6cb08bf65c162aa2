#include "core/clock.h"

#include <QTest>

#include <random>

using namespace std::chrono_literals;

class TestClock : public QObject {
    Q_OBJECT
  private slots:
    void clockText_data() {
        QTest::addColumn<long long>("ticks");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0LL << "0:00:00:0";
        QTest::newRow("one tenth") << 1LL << "0:00:00:1";
        QTest::newRow("a minute") << 600LL << "0:01:00:0";
        QTest::newRow("an hour") << 36000LL << "1:00:00:0";
        QTest::newRow("ten hours") << 360000LL << "10:00:00:0";
        QTest::newRow("mixed") << 1234LL << "0:02:03:4";
        QTest::newRow("all fields") << 45296789LL << "1258:14:38:9";
        QTest::newRow("just below an hour") << 35999LL << "0:59:59:9";
    }
    void clockText() {
        QFETCH(long long, ticks);
        QTEST(ClockText(ticks), "text");
    }

    void firstTicksFollowTheTickModel() {
        Stopwatch watch;
        const auto t0 = Stopwatch::Clock::time_point{} + 1h;
        watch.Start(t0);
        QCOMPARE(watch.Ticks(), -1LL);
        QCOMPARE(watch.Tick(t0 + 100ms), 0LL);  // the first tick shows the start once more
        QCOMPARE(watch.Tick(t0 + 200ms), 1LL);
        QCOMPARE(watch.Tick(t0 + 300ms), 2LL);
        watch.Start(t0 + 10s);
        QCOMPARE(watch.Ticks(), -1LL);
        QCOMPARE(watch.Tick(t0 + 10s + 100ms), 0LL);
    }

    void standsStillWhileStopped() {
        Stopwatch watch;
        const auto t0 = Stopwatch::Clock::time_point{} + 2h;
        watch.Start(t0);
        watch.Tick(t0 + 100ms);
        watch.Stop(t0 + 1s);
        watch.Stop(t0 + 3s);  // already standing: the first stop counts
        QCOMPARE(watch.Tick(t0 + 5s), 9LL);
        watch.Go(t0 + 5s);
        watch.Go(t0 + 6s);  // already running
        QCOMPARE(watch.Tick(t0 + 7s), 29LL);
        watch.Stop(t0 + 8s);
        watch.Start(t0 + 9s);  // a new start runs
        watch.Tick(t0 + 9s);
        QCOMPARE(watch.Tick(t0 + 10s), 9LL);
    }

    void followsRealTimeWhenTicksArriveLate() {
        // Ticks that arrive late, unevenly and in bursts over a game of three hours: the count
        // stays within a tenth of a second below the real time and never goes back.
        std::mt19937 random(7);
        std::uniform_int_distribution<int> delay(100, 190);
        Stopwatch watch;
        const auto t0 = Stopwatch::Clock::time_point{} + 5h;
        watch.Start(t0);
        auto now = t0;
        long long previous = -1;
        int ticks = 0;
        while (now - t0 < 3h) {
            now += std::chrono::milliseconds(ticks % 1000 == 999 ? 2500 : delay(random));
            const long long shown = watch.Tick(now);
            ++ticks;
            QVERIFY(shown >= previous);
            previous = shown;
            if (ticks == 1) {
                continue;
            }
            const double real = std::chrono::duration<double>(now - t0).count();
            QVERIFY2(shown / 10.0 <= real && real - shown / 10.0 <= 0.1 + 1e-9,
                     qPrintable(QStringLiteral("shown %1 at %2").arg(shown).arg(real)));
        }
        // A plain count of ticks would have fallen far behind.
        QVERIFY(previous > ticks + 10000);
    }
};

QTEST_APPLESS_MAIN(TestClock)
#include "test_clock.moc"
