#include "engine/web_page.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QDir>
#include <QPointer>

namespace {

const QString PagePath = QStringLiteral("website/sudoku.htm");

// What the desktop was asked to open while a listener is set.
struct Opened {
    Opened() {
        SetOpenListener([this](const QString& path) { paths << path; });
    }
    ~Opened() { SetOpenListener(nullptr); }
    QStringList paths;
};

// The "Website" command of the command column.
void ClickWebsite(GameWindow& game) {
    game.main->Knoptext_Click(2);
}

}  // namespace

class TestWebExport : public QObject {
    Q_OBJECT
  private slots:
    void exportWritesThePageOfTheBoardAndOpensIt() {
        GameWindow game;
        game.LayOut({QStringLiteral("100000001"), QStringLiteral("010000010")});
        game.State().BoardGrid(5, 5) = 7;  // the player's digit, right or wrong
        Opened opened;
        ClickWebsite(game);
        QCOMPARE(game.folder.Read(PagePath), WebPage(game.State().BoardGrid));
        QCOMPARE(opened.paths, QStringList{game.folder.Path(PagePath)});
    }

    // The old page is replaced whole, also by a shorter one.
    void secondExportLeavesExactlyTheSecondPage() {
        GameWindow game;
        Opened opened;
        ClickWebsite(game);
        const QByteArray empty = game.folder.Read(PagePath);
        QCOMPARE(empty, WebPage(Grid()));
        game.LayOut({QStringLiteral("111111111"), QStringLiteral("111111111")});
        ClickWebsite(game);
        const QByteArray second = game.folder.Read(PagePath);
        QVERIFY(second.size() < empty.size());
        QCOMPARE(second, WebPage(game.State().BoardGrid));
        QCOMPARE(opened.paths.size(), 2);
        QCOMPARE(QDir(game.folder.Path("website")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"sudoku.htm"});
    }

    void missingFolderIsMade() {
        GameWindow game;
        QVERIFY(QDir(game.folder.Path("website")).removeRecursively());
        Opened opened;
        ClickWebsite(game);
        QCOMPARE(game.folder.Read(PagePath), WebPage(Grid()));
        QCOMPARE(opened.paths.size(), 1);
    }

    // When the page cannot be written the player is told, and no page is opened.
    void unwritablePageIsReportedAndNotOpened_data() {
        QTest::addColumn<QString>("blocker");
        QTest::newRow("the folder's name is a file") << QStringLiteral("website");
        QTest::newRow("the page's name is a folder") << QStringLiteral("website/sudoku.htm");
    }
    void unwritablePageIsReportedAndNotOpened() {
        QFETCH(QString, blocker);
        GameWindow game;
        QVERIFY(QDir(game.folder.Path("website")).removeRecursively());
        if (blocker == u"website") {
            game.folder.Write(blocker, "not a folder");
        } else {
            QVERIFY(QDir().mkpath(game.folder.Path(blocker)));
        }
        Opened opened;
        QString text, title;
        WhenModal([&](QWidget* modal) {
            text = MessageText(modal);
            title = modal->windowTitle();
            Press(modal, QMessageBox::Ok);
        });
        ClickWebsite(game);
        QVERIFY2(text.startsWith(QStringLiteral("De webpagina kon niet worden opgeslagen")),
                 qPrintable(text));
        QVERIFY(text.contains(QDir::toNativeSeparators(game.folder.Path(PagePath))));
        QCOMPARE(title, QStringLiteral(" Error"));
        QVERIFY(opened.paths.isEmpty());
    }

    // The window may be closed while the command rests; nothing is written or opened then.
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
        game.folder.Write("website/sudoku.htm", "x");
        QVERIFY(FileExists(game.folder.Path("website/sudoku.htm")));
        QVERIFY(!FileExists(game.folder.Path("website")));
        QVERIFY(!FileExists(game.folder.Path("website/other.htm")));
        QVERIFY(!FileExists(game.folder.Path("no such folder/sudoku.htm")));
    }
};

QTEST_MAIN(TestWebExport)
#include "test_web_export.moc"
