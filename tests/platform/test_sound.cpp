// Sounds are played through a module that is loaded with the first sound; a missing file, or a
// missing module, is silence and nothing else.
#include "platform/files.h"
#include "platform/sound.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool MultimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT
  private slots:
    void nothingOfMultimediaBeforeTheFirstSound() { QVERIFY(!MultimediaLoaded()); }

    void playsWithoutWaitingOrFailing_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        const QString program = QString::fromLocal8Bit(qgetenv("SUDOKU_PROGRAM"));
        QTest::newRow("the game's sound") << program << "sounds/goed.wav";
        QTest::newRow("the other sound, twice") << program << "sounds/fout.wav";
        QTest::newRow("a missing file") << program << "sounds/geen.wav";
        QTest::newRow("not a wave file") << program << "help/help.htm";
    }
    void playsWithoutWaitingOrFailing() {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        SetProgramFolder(folder);
        QElapsedTimer clock;
        clock.start();
        PlayWave(ProgramPath(file));
        PlayWave(ProgramPath(file));
        QTest::qWait(50);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        SetProgramFolder(QString());
    }

    void theModuleCameWithTheFirstSound() { QVERIFY(MultimediaLoaded()); }

    void listenerHearsWhatIsAskedFor() {
        QStringList heard;
        SetWaveListener([&](const QString& path) { heard << path; });
        PlayWave(QStringLiteral("/nergens/goed.wav"));
        SetWaveListener(nullptr);
        QCOMPARE(heard, QStringList{"/nergens/goed.wav"});
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"
