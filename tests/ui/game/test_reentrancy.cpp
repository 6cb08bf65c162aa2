// Windows closed, or the game window deleted, in the middle of each pause of the program: nothing
// may crash, and the game's files must be saved.
#include "platform/printer.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QDialog>
#include <QPointer>

namespace {

enum class Ending { CloseGame, CloseDialog, DeleteGame };

// Starts `act` in the game window and, `afterMs` later, ends things the given way.
void EndDuring(GameWindow& game, Ending ending, int afterMs, const std::function<void()>& act) {
    QPointer<Main> main(game.main.get());
    if (ending == Ending::DeleteGame) {
        game.main.release()->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The timers end with this case: left over, they would close the next case's dialogs.
    QObject timers;
    QTimer::singleShot(afterMs, &timers, [main, ending] {
        QWidget* modal = QApplication::activeModalWidget();
        if (ending == Ending::CloseDialog && modal) {
            modal->close();
        } else if (main) {
            main->close();
        }
    });
    // A dialog that outlives the closed game window is closed by its user later on.
    QTimer::singleShot(afterMs + 2500, &timers, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    act();
    QTRY_VERIFY(ending != Ending::DeleteGame || main.isNull());
}

}  // namespace

class TestReentrancy : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetPrintToFile(QDir::tempPath() + QStringLiteral("/reentrancy.pdf")); }
    void cleanup() { SetPrintToFile(QString()); }

    void closedDuringAPause_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("ending");
        const QStringList actions{"hint",     "number press",     "number flash", "command press",
                                  "web page", "score list close", "print scan"};
        for (const QString& action : actions) {
            const bool dialog = action == u"score list close" || action == u"print scan";
            QTest::newRow(qPrintable(action + QStringLiteral(": game closed")))
                << action << static_cast<int>(Ending::CloseGame);
            QTest::newRow(qPrintable(action + QStringLiteral(": game deleted")))
                << action << static_cast<int>(Ending::DeleteGame);
            if (dialog) {
                QTest::newRow(qPrintable(action + QStringLiteral(": dialog closed")))
                    << action << static_cast<int>(Ending::CloseDialog);
            }
        }
    }
    void closedDuringAPause() {
        QFETCH(QString, action);
        QFETCH(int, ending);
        GameWindow game;
        game.LayOut({"111111111", "111111111"});
        game.main->Scores().Insert(QStringLiteral("0:04:00:0 - Halverwege"));
        Main* main = game.main.get();
        std::function<void()> act;
        int after = 100;
        if (action == u"hint") {
            act = [main] { main->GameBoard().ShowHint(); };
            after = 700;
        } else if (action == u"number press") {
            act = [main] { main->GetalKnop_Click(3); };
        } else if (action == u"number flash") {
            // Without a number: the message, then the flash of the nine buttons.
            WhenModal([](QWidget* box) { Press(box, QMessageBox::Ok); });
            act = [main] { main->Pic_MouseDown(1, {262 + 525 * 4, 262 + 525 * 4}); };
            after = 250;
        } else if (action == u"command press") {
            act = [main] { main->Knoptext_Click(3); };
        } else if (action == u"web page") {
            act = [main] { main->Knoptext_Click(2); };
            after = 300;
        } else if (action == u"score list close") {
            WhenModal([](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("ExitKnop")),
                                  Qt::LeftButton);
            });
            act = [main] { main->Puntenlijst_Click(); };
            after = 250;
        } else {
            WhenModal([](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("OkKnop")),
                                  Qt::LeftButton);
            });
            act = [main] { main->Knoptext_Click(5); };
            after = 600;
        }
        EndDuring(game, static_cast<Ending>(ending), after, act);
        QVERIFY(!QApplication::activeModalWidget());
        if (ending != static_cast<int>(Ending::CloseDialog)) {
            QCOMPARE(game.folder.Read(QStringLiteral("Scorelijst.lst")),
                     QByteArray("\"0:04:00:0 - Halverwege\"\r\n"));
            QVERIFY(game.folder.Read(QStringLiteral("Sudoku.ini")).endsWith("\r\n3\r\n"));
        }
        QApplication::processEvents();
    }
};

QTEST_MAIN(TestReentrancy)
#include "test_reentrancy.moc"
