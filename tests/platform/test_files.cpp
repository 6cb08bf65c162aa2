// Writing that cannot destroy, and the choice of the folder that keeps the user's files.
#include "platform/files.h"
#include "support/full_disk.h"
#include "support/program_folder.h"

#include <QTest>

#include <optional>

#include <unistd.h>

class TestFiles : public QObject {
    Q_OBJECT
  private slots:
    // A write that fails for want of room leaves the old bytes and no temporary file, also where
    // the folder takes no new file and the file is written in place.
    void failedWriteKeepsTheOldBytes_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray longer(5000, 'n');
        QTest::newRow("beside, disk full") << false << true << longer;
        QTest::newRow("in place, disk full") << true << true << longer;
        QTest::newRow("in place, longer") << true << false << longer;
        QTest::newRow("in place, shorter") << true << false << QByteArray("kort");
    }
    void failedWriteKeepsTheOldBytes() {
        QFETCH(bool, inPlace);
        QFETCH(bool, diskFull);
        QFETCH(QByteArray, bytes);
        TestFolder folder;
        const QByteArray old = "\"0:01:00:0 - Anna\"\r\n\"0:02:00:0 - Bob\"\r\n";
        folder.Write(QStringLiteral("Scorelijst.lst"), old);
        FileResult written;
        {
            std::optional<FolderClosedToNewFiles> closed;
            if (inPlace) {
                closed.emplace(folder.Path(QString()));
            }
            std::optional<FullDisk> full;
            if (diskFull) {
                full.emplace();
            }
            written = WriteFileAtomically(folder.Path(QStringLiteral("Scorelijst.lst")), bytes);
        }
        QCOMPARE(static_cast<bool>(written), !diskFull);
        QCOMPARE(written.failure, diskFull ? FailureText(EFBIG) : QString());
        QCOMPARE(folder.Read(QStringLiteral("Scorelijst.lst")), diskFull ? old : bytes);
        QCOMPARE(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Scorelijst.lst"});
    }

    // Only a portable copy that belongs to the user keeps the files beside itself; otherwise the
    // user's data folder does, and what keeps it from doing so is told.
    void dataFolderIsChosen_data() {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("othersFolder");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("failure");
        QTest::newRow("portable copy") << true << false << "" << true << "";
        QTest::newRow("system-wide install") << false << false << "" << false << "";
        QTest::newRow("another user's portable copy") << true << true << "" << false << "";
        QTest::newRow("data folder below a file")
            << false << false << "file/below" << false << FailureText(ENOTDIR);
        QTest::newRow("data folder closed")
            << false << false << "closed" << false << FailureText(EACCES);
        QTest::newRow("data folder closed, its files open")
            << false << false << "kept" << false << "";
    }
    void dataFolderIsChosen() {
        QFETCH(bool, marked);
        QFETCH(bool, othersFolder);
        QFETCH(QString, dataHome);
        QFETCH(bool, portable);
        TestProgramFolder program;
        if (marked) {
            program.Write(PortableMark, "");
        }
        const QString folder = program.Path(QString()).chopped(1);
        if (othersFolder) {
            QCOMPARE(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        }
        TestFolder user;
        // The user "nobody" that FolderClosedToNewFiles turns into may pass through.
        QFile::setPermissions(user.Path(QString()),
                              QFile::permissions(folder) | QFile::ExeGroup | QFile::ExeOther);
        user.Write(QStringLiteral("file"), "");
        const QString own =
            QDir::cleanPath(user.Path(dataHome) + u'/' + QCoreApplication::applicationName());
        QVERIFY(QDir().mkpath(user.Path(QStringLiteral("closed"))));
        QVERIFY(QDir().mkpath(user.Path(QStringLiteral("kept/")) +
                              QCoreApplication::applicationName()));
        user.Write(QStringLiteral("kept/") + QCoreApplication::applicationName() + "/Sudoku.ini",
                   "");
        qputenv("XDG_DATA_HOME", QFile::encodeName(user.Path(dataHome)));
        const QStringList names{QStringLiteral("Sudoku.ini")};
        QCOMPARE(IsPortableFolder(folder, names), portable);
        QString failure;
        {
            std::optional<FolderClosedToNewFiles> closed;
            if (dataHome == "closed" || dataHome == "kept") {
                closed.emplace(dataHome == "closed" ? user.Path(dataHome) : own);
            }
            failure = ChooseDataFolder(portable, names);
        }
        QTEST(failure, "failure");
        QCOMPARE(DataFolderFailure(), failure);
        QCOMPARE(DataFolder(), portable ? folder : own);
        QCOMPARE(QFileInfo(DataFolder()).isDir(), failure.isEmpty());
        ChooseDataFolder(true);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
