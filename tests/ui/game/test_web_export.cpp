#include "core/web_page.h"
#include "platform/shell.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QDir>
#include <QPointer>

#include <optional>

namespace {

const QString PagePath = QStringLiteral("website/sudoku.htm");

// What the desktop was asked to open.
struct Opened {
    Opened() {
        SetOpenListener([this](const QString& path) { paths << path; });
    }
    ~Opened() { SetOpenListener(nullptr); }
    QStringList paths;
};

}  // namespace

class TestWebExport : public QObject {
    Q_OBJECT
  private slots:
    // The old page is replaced whole, also by a shorter one, and each is opened once written.
    void eachExportLeavesExactlyItsPage() {
        GameWindow game;
        Opened opened;
        game.main->Knoptext_Click(2);
        QCOMPARE(game.folder.Read(PagePath), WebPage(Grid()));
        game.LayOut({QStringLiteral("111111111"), QStringLiteral("100000001")});
        game.Model().Place({5, 5}, 7, {});  // the player's digit
        game.main->Knoptext_Click(2);
        QCOMPARE(game.folder.Read(PagePath), WebPage(game.Model().BoardGrid()));
        QCOMPARE(opened.paths, QStringList(2, game.folder.Path(PagePath)));
        QCOMPARE(QDir(game.folder.Path("website")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"sudoku.htm"});
    }

    // Also in the user's own folder, where the files are kept when the program folder cannot be
    // written.
    void missingFolderIsMade_data() {
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("program folder") << false;
        QTest::newRow("user's folder") << true;
    }
    void missingFolderIsMade() {
        QFETCH(bool, userFolder);
        std::optional<TestUserFolder> user;
        if (userFolder) {
            user.emplace();
        }
        GameWindow game;
        QVERIFY(QDir(game.folder.Path("website")).removeRecursively());
        Opened opened;
        game.main->Knoptext_Click(2);
        const TestFolder& files = userFolder ? static_cast<TestFolder&>(*user) : game.folder;
        QCOMPARE(files.Read(PagePath), WebPage(Grid()));
        QCOMPARE(opened.paths, QStringList{files.Path(PagePath)});
        QCOMPARE(game.folder.Exists("website"), !userFolder);
    }

    void unwritablePageIsReportedAndNotOpened_data() {
        QTest::addColumn<QString>("blocker");
        QTest::newRow("the folder's name is a file") << QStringLiteral("website");
        QTest::newRow("the page's name is a folder") << PagePath;
    }
    void unwritablePageIsReportedAndNotOpened() {
        QFETCH(QString, blocker);
        GameWindow game;
        QVERIFY(QDir(game.folder.Path("website")).removeRecursively());
        if (blocker == PagePath) {
            QVERIFY(QDir().mkpath(game.folder.Path(blocker)));
        } else {
            game.folder.Write(blocker, "not a folder");
        }
        Opened opened;
        QString text, details, title;
        WhenModal([&](QWidget* modal) {
            text = MessageText(modal);
            details = MessageDetails(modal);
            title = modal->windowTitle();
            Press(modal, QMessageBox::Ok);
        });
        game.main->Knoptext_Click(2);
        QVERIFY2(text.startsWith("De webpagina kon niet worden opgeslagen"), qPrintable(text));
        QVERIFY(details.startsWith(QDir::toNativeSeparators(game.folder.Path(PagePath)) + u'\n'));
        QCOMPARE(title, QStringLiteral(" Error"));
        QVERIFY(opened.paths.isEmpty());
    }

    // The window may be closed while the command rests; then nothing is written or opened.
    void windowClosedDuringTheRestWritesNothing() {
        GameWindow game;
        Opened opened;
        QPointer<Main> main = game.main.get();
        QTimer::singleShot(300, [&game] { game.main.reset(); });
        main->Knoptext_Click(2);
        QVERIFY(main.isNull());
        QVERIFY(!game.folder.Exists(PagePath));
        QVERIFY(opened.paths.isEmpty());
    }

    void fileExistsOnlyForFiles() {
        GameWindow game;
        game.folder.Write(PagePath, "x");
        QVERIFY(FileExists(game.folder.Path(PagePath)));
        QVERIFY(!FileExists(game.folder.Path("website")));
        QVERIFY(!FileExists(game.folder.Path("no such folder/sudoku.htm")));
    }
};

QTEST_MAIN(TestWebExport)
#include "test_web_export.moc"
