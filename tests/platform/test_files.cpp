// Writing that cannot destroy, and the choice of the folder that keeps the user's files.
#include "platform/files.h"
#include "support/full_disk.h"
#include "support/program_folder.h"

#include <QTest>

#include <optional>

#include <pwd.h>
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

    // Without a home folder of its own, the user's files get no folder at the root of the file
    // system: the user database names the home folder, and where it is the root nothing is kept.
    void noDataFolderAtTheRoot_data() {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("HOME is the root") << QByteArray("/") << false;
        QTest::newRow("no HOME, the user database's home") << QByteArray() << true;
    }
    void noDataFolderAtTheRoot() {
        QFETCH(QByteArray, home);
        QFETCH(bool, asNobody);
        const passwd* nobody = getpwnam("nobody");
        if (asNobody && (geteuid() != 0 || !nobody)) {
            QSKIP("needs root and the user nobody");
        }
        const QByteArray ownHome = qgetenv("HOME");
        const QString atRoot =
            QStringLiteral("/.local/share/") + QCoreApplication::applicationName();
        if (asNobody) {
            QCOMPARE(seteuid(nobody->pw_uid), 0);
        }
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", home);
        const QString failure = ChooseDataFolder(false);
        const QByteArray homeUsed = qgetenv("HOME");
        qputenv("HOME", ownHome);
        if (asNobody) {
            QCOMPARE(seteuid(0), 0);
        }
        QVERIFY(!QFileInfo::exists(atRoot));
        QVERIFY(!failure.isEmpty());
        QCOMPARE(homeUsed, asNobody ? QByteArray(nobody->pw_dir) : home);
        QCOMPARE(DataFolder(), QDir::cleanPath(QString::fromLocal8Bit(homeUsed) + atRoot));
        ChooseDataFolder(true);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
