#include "core/settings_file.h"

#include <QTest>

namespace {

const QByteArray DefaultFile =
    "\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n"
    "\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n\"000000000\"\r\n"
    "\"---------------------------\"\r\n190,0,0\r\n255,0,0\r\n3\r\n";

GameSettings Read(const QByteArray& text) {
    GameSettings settings;
    ReadSettingsFile(text, settings);
    return settings;
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
  private slots:
    void defaultsWriteTheThirteenRecords() {
        QCOMPARE(FormatSettingsFile(GameSettings{}), DefaultFile);
        QCOMPARE(FormatSettingsFile(Read(QByteArray())), DefaultFile);
    }

    void ownFileRoundTripsByteForByte_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("defaults") << DefaultFile;
        QTest::newRow("changed") << QByteArray(
            "\"100000001\"\r\n\"010000010\"\r\n\"001000100\"\r\n\"000101000\"\r\n\"000010000\"\r\n"
            "\"000101000\"\r\n\"001000100\"\r\n\"010000010\"\r\n\"111111111\"\r\n"
            "\"---------------------------\"\r\n0,128,255\r\n12,34,56\r\n8\r\n");
    }
    void ownFileRoundTripsByteForByte() {
        QFETCH(QByteArray, file);
        QCOMPARE(FormatSettingsFile(Read(file)), file);
    }

    void onlyPatternRowsKeepsThemAndDefaultsTheRest() {
        QByteArray rows;
        for (int r = 1; r <= 9; ++r) {
            rows += "\"" + QByteArray(r, '1') + QByteArray(9 - r, '0') + "\"\r\n";
        }
        const GameSettings settings = Read(rows);
        for (int r = 1; r <= 9; ++r) {
            QCOMPARE(settings.PatternRows[r], QString(r, u'1') + QString(9 - r, u'0'));
        }
        QCOMPARE(settings.DigitColour, (Rgb{190, 0, 0}));
        QCOMPARE(settings.HighlightColour, (Rgb{255, 0, 0}));
        QCOMPARE(settings.Difficulty, 3);
        QVERIFY(FormatSettingsFile(settings).endsWith("190,0,0\r\n255,0,0\r\n3\r\n"));
    }

    void damagedValuesAreMadeSound_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<Rgb>("digit");
        QTest::addColumn<Rgb>("highlight");
        QTest::addColumn<int>("difficulty");
        QTest::newRow("difficulty too high")
            << QByteArray("1,2,3\r\n4,5,6\r\n200\r\n") << Rgb{1, 2, 3} << Rgb{4, 5, 6} << 8;
        QTest::newRow("difficulty too low")
            << QByteArray("1,2,3\r\n4,5,6\r\n0\r\n") << Rgb{1, 2, 3} << Rgb{4, 5, 6} << 2;
        QTest::newRow("negative difficulty")
            << QByteArray("1,2,3\r\n4,5,6\r\n-5\r\n") << Rgb{1, 2, 3} << Rgb{4, 5, 6} << 2;
        QTest::newRow("colours out of range") << QByteArray("-1,256,99999\r\n300,0,-300\r\n4\r\n")
                                              << Rgb{0, 255, 255} << Rgb{255, 0, 0} << 4;
        QTest::newRow("bad number stops reading")
            << QByteArray("10,20,30\r\n40,x,60\r\n5\r\n") << Rgb{10, 20, 30} << Rgb{40, 0, 0} << 3;
        QTest::newRow("difficulty not a number")
            << QByteArray("1,2,3\r\n4,5,6\r\nhard\r\n") << Rgb{1, 2, 3} << Rgb{4, 5, 6} << 3;
        QTest::newRow("file ends early")
            << QByteArray("7,8") << Rgb{7, 8, 0} << Rgb{255, 0, 0} << 3;
        QTest::newRow("huge number") << QByteArray("1,2,3\r\n4,5,6\r\n99999999999999999999\r\n")
                                     << Rgb{1, 2, 3} << Rgb{4, 5, 6} << 3;
    }
    void damagedValuesAreMadeSound() {
        QFETCH(QByteArray, tail);
        QByteArray file = DefaultFile.left(DefaultFile.indexOf("190"));
        const GameSettings settings = Read(file + tail);
        QTEST(settings.DigitColour, "digit");
        QTEST(settings.HighlightColour, "highlight");
        QTEST(settings.Difficulty, "difficulty");
        // Whatever was read, the rewritten file is complete and reads back the same.
        const QByteArray rewritten = FormatSettingsFile(settings);
        QCOMPARE(rewritten.count("\r\n"), 13);
        QCOMPARE(FormatSettingsFile(Read(rewritten)), rewritten);
    }

    void patternRowsBecomeNineZerosAndOnes_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("sound");
        QTest::newRow("short") << "101"
                               << "101000000";
        QTest::newRow("empty") << ""
                               << "000000000";
        QTest::newRow("long") << "11111111111"
                              << "111111111";
        QTest::newRow("other characters") << "1x2 1;1é1"
                                          << "100010101";
    }
    void patternRowsBecomeNineZerosAndOnes() {
        QFETCH(QString, row);
        QTEST(SoundPatternRow(row), "sound");
        const GameSettings settings = Read("\"" + row.toUtf8() + "\"\r\n");
        QTEST(settings.PatternRows[1], "sound");
        QCOMPARE(settings.PatternRows[2], QStringLiteral("000000000"));
    }

    void unquotedAndBlankPaddedValuesAreRead() {
        const GameSettings settings = Read(
            "010101010\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n"
            "sep\r\n 1 , 2 , 3 \r\n4,5,6\n7\n");
        QCOMPARE(settings.PatternRows[1], QStringLiteral("010101010"));
        QCOMPARE(settings.DigitColour, (Rgb{1, 2, 3}));
        QCOMPARE(settings.Difficulty, 7);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
