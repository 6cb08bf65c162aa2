// Every window that the game opens, from the keyboard: Tab reaches each control that takes a
// click or a key, in order, and a screen reader has a name for each.
#include "platform/settings_store.h"
#include "support/game_window.h"
#include "support/modal.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// The control that a widget takes the focus for, as a spin box's text field does for it.
QWidget* Outer(QWidget* widget) {
    auto* spinBox = qobject_cast<QAbstractSpinBox*>(widget->parentWidget());
    return spinBox && spinBox->focusProxy() == widget ? spinBox : widget;
}

// What a screen reader says a control is called.
QString SpokenName(QWidget* control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

}  // namespace

class TestDialogKeys : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        // The solver window keeps its colours in the user's settings store.
        QVERIFY(store_.isValid());
        SetSettingsFile(store_.filePath(QStringLiteral("store.ini")));
    }
    void cleanupTestCase() { SetSettingsFile(QString()); }

    void tabReachesEveryControlWithAName_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("chain");  // from the control that has the focus first
        QStringList settings{"HScroll1", "HScroll2",     "HScroll3",     "HScroll4", "CheckPatroon",
                             "CheckZet", "OplosKnopaan", "OplosKnopuit", "OkKnop"};
        for (const SettingSwitch& setting : SettingSwitches) {
            settings << QStringLiteral("Check") + QString::fromLatin1(setting.key);
        }
        QTest::newRow("settings") << "ToolsGonfig" << settings;
        QTest::newRow("pattern designer")
            << "ToolsPatroonOntwerpen" << QStringList{"Picture1", "CancelKnop", "OkKnop"};
        QTest::newRow("score list")
            << "Puntenlijst" << QStringList{"List1", "DelKnop", "PrintKnop", "ExitKnop"};
        QTest::newRow("printing") << "FileAfdrukken"
                                  << QStringList{"VScroll1", "Check1", "Check2",
                                                 "Text1",    "OkKnop", "ExitKnop"};
        QTest::newRow("loading") << "FileLaden" << QStringList{"File1", "CancelKnop", "OkKnop"};
        QTest::newRow("booklet") << "FilePuzzelboekje"
                                 << QStringList{"Aantal", "Niveau", "PerBladzijde", "Afdrukken",
                                                "Annuleren"};
        // "Clear" is disabled while a puzzle is typed in.
        QStringList solver;
        for (int n = 1; n <= 81; ++n) {
            solver << QStringLiteral("txtCELL%1").arg(n);
        }
        solver << "cmdSOLVE"
               << "SaveKnop"
               << "cmdEXIT";
        QTest::newRow("solver window") << "EditOplosser" << solver;
    }
    void tabReachesEveryControlWithAName() {
        QFETCH(QString, command);
        QFETCH(QStringList, chain);
        GameWindow game;
        QStringList reached;
        QStringList unnamed;
        QStringList takesTab;
        bool active = false;
        WhenModal([&](QWidget* modal) {
            active = QTest::qWaitFor(
                [modal] { return modal->isAncestorOf(QApplication::focusWidget()); });
            QWidget* first = QApplication::focusWidget();
            QWidget* at = first;
            do {
                reached << Outer(at)->objectName();
                if (SpokenName(Outer(at)).isEmpty()) {
                    unnamed << Outer(at)->objectName();
                }
                QTest::keyClick(at, Qt::Key_Tab);
                at = QApplication::focusWidget();
            } while (at && at != first && reached.size() <= chain.size());
            for (QWidget* control : modal->findChildren<QWidget*>()) {
                if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(modal) &&
                    control->isEnabled() && !control->focusProxy()) {
                    takesTab << Outer(control)->objectName();
                }
            }
            modal->close();
        });
        game.main->findChild<QAction*>(command)->trigger();
        QVERIFY(active);
        QCOMPARE(reached.join(u' '), chain.join(u' '));
        QCOMPARE(unnamed, QStringList());
        std::sort(takesTab.begin(), takesTab.end());
        std::sort(chain.begin(), chain.end());
        QCOMPARE(takesTab, chain);
    }

  private:
    QTemporaryDir store_;
};

QTEST_MAIN(TestDialogKeys)
#include "test_dialog_keys.moc"
