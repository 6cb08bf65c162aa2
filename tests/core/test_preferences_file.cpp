// Voorkeuren.ini is read and written by the game itself, and must stay what Qt's settings store
// reads and writes: each side reads the other's file to the same values.
#include "core/preferences_file.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// Every byte value, the hexadecimal digits right after those that are escaped, and blanks at
// both ends.
QByteArray AllBytes() {
    QByteArray bytes = " 0";
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
        bytes += "a7";
    }
    return bytes + ' ';
}

}  // namespace

class TestPreferencesFile : public QObject {
    Q_OBJECT
  private slots:
    // What the settings store wrote, with a line of the player's own, is read as the store reads
    // it; what the game then writes into it, the store reads as the game meant it, and the lines
    // the game did not write keep their bytes.
    void theSettingsStoreAndTheGameReadEachOther_data() {
        QTest::addColumn<QByteArray>("place");
        QTest::addColumn<QByteArray>("ownLine");
        QTest::newRow("nothing") << QByteArray() << QByteArray();
        QTest::newRow("every byte") << AllBytes() << QByteArray("; eigen regel\n");
        QTest::newRow("a quote, a comma and an equals sign")
            << QByteArray("a\"b,c=d;e\\") << QByteArray("[Ander]\nAlleenUniek=true\n");
    }
    void theSettingsStoreAndTheGameReadEachOther() {
        QFETCH(QByteArray, place);
        QFETCH(QByteArray, ownLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Voorkeuren.ini"));
        {
            QSettings store(path, QSettings::IniFormat);
            store.setValue(QStringLiteral("AlleenUniek"), false);
            store.setValue(QStringLiteral("Venster"), place);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Append));
        file.write(ownLine);
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        file.close();

        GameSettings settings;
        ReadPreferencesFile(stored, settings);
        QVERIFY(!settings.OnlyUniquePuzzles);
        QVERIFY(settings.ShowDuplicates);
        QCOMPARE(WindowPlaceIn(stored), place);

        GameSettings changed = settings;
        changed.OnlyUniquePuzzles = true;
        changed.ShowDuplicates = false;
        QByteArray reversed = place;
        std::reverse(reversed.begin(), reversed.end());
        const QByteArray written =
            WithWindowPlace(MergePreferencesFile(stored, settings, changed), reversed);
        QVERIFY(written.endsWith(ownLine));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(written);
        file.close();
        const QSettings store(path, QSettings::IniFormat);
        QCOMPARE(store.status(), QSettings::NoError);
        QCOMPARE(store.value(QStringLiteral("AlleenUniek")).toBool(), true);
        QCOMPARE(store.value(QStringLiteral("DubbeleGetallen")).toBool(), false);
        QCOMPARE(store.value(QStringLiteral("Venster")).toByteArray(), reversed);
        GameSettings again;
        ReadPreferencesFile(written, again);
        QVERIFY(again.OnlyUniquePuzzles && !again.ShowDuplicates);
        QCOMPARE(WindowPlaceIn(written), reversed);
    }

    // A file of the player's own hand: a switch is read as the settings store reads it, and one
    // the store holds as no single value is passed over (-1).
    void valuesAsTheSettingsStoreTakesThem_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("onlyUnique");
        QTest::newRow("no section, blanks") << QByteArray("  AlleenUniek =  false  \r\n") << 0;
        QTest::newRow("quoted") << QByteArray("[general]\nAlleenUniek=\"false\"") << 0;
        QTest::newRow("another section") << QByteArray("[Oud]\nAlleenUniek=false\n") << -1;
        QTest::newRow("a list") << QByteArray("AlleenUniek=false,false\n") << -1;
        QTest::newRow("zero") << QByteArray("AlleenUniek=0\n") << 0;
        QTest::newRow("another word") << QByteArray("AlleenUniek=nee\n") << 1;
    }
    void valuesAsTheSettingsStoreTakesThem() {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        QFile hand(dir.filePath(QStringLiteral("hand.ini")));
        QVERIFY(hand.open(QIODevice::WriteOnly));
        hand.write(file);
        hand.close();
        const QVariant stored =
            QSettings(hand.fileName(), QSettings::IniFormat).value(QStringLiteral("AlleenUniek"));
        QTEST(stored.typeId() == QMetaType::QString ? int(stored.toBool()) : -1, "onlyUnique");
        GameSettings on, off;
        on.OnlyUniquePuzzles = true;
        off.OnlyUniquePuzzles = false;
        ReadPreferencesFile(file, on);
        ReadPreferencesFile(file, off);
        QTEST(on.OnlyUniquePuzzles == off.OnlyUniquePuzzles ? int(on.OnlyUniquePuzzles) : -1,
              "onlyUnique");
    }
};

QTEST_APPLESS_MAIN(TestPreferencesFile)
#include "test_preferences_file.moc"
