// The solver window driven through real keys and clicks: typing and checking digits, moving
// about the grid, solving and its colours, the answers after a failed solve, and the colours
// kept in the settings store.

#include "platform/settings_store.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/solver/editform.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString Store = QStringLiteral("SuDoku Solver");
const QString DuplicateText = QStringLiteral(
    "Dit getal staat reeds in dit\nvakje, horizontale of verticale rij,\n"
    "probeer het met een ander getal.");

// A qqwing puzzle of the easy kind that the logic solver gets stuck on after finding a few
// digits, grid row by grid row.
const QByteArray StuckPuzzle =
    "8...36.1.2.59....6.9..........8..6.........83....1.72...1..5....8...72316.......5";

// Line `index` of a section of a corpus file of tests/data/solver.
QByteArray CorpusLine(const QString& file, const QByteArray& section, int index) {
    QFile corpus(qEnvironmentVariable("SUDOKU_TEST_DATA") + "/solver/" + file);
    if (!corpus.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(corpus.fileName()));
    }
    const QList<QByteArray> lines = corpus.readAll().split('\n');
    const qsizetype start = lines.indexOf("# " + section);
    return lines.value(start + 1 + index);
}

// 81 characters in grid-row order, rearranged by cell number (character n - 1 for cell n).
QString CellOrder(const QByteArray& rows) {
    return QString::fromStdString(solver::GridRowsToCellOrder(rows.toStdString()));
}

QString SimplePuzzle() {
    return CellOrder(CorpusLine("puzzles.txt", "simple", 0));
}
QString SimpleSolution() {
    return CellOrder(CorpusLine("solutions.txt", "simple", 0));
}

bool IsDigit(QChar c) {
    return c >= u'1' && c <= u'9';
}

QColor ColourOf(std::uint32_t number) {
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

// Closes every modal dialog that comes up while it lives, and notes its text.
class Unexpected {
  public:
    Unexpected() : state_(std::make_shared<State>()) { Watch(state_); }
    ~Unexpected() { state_->watching = false; }
    const QStringList& Seen() const { return state_->seen; }

  private:
    struct State {
        QStringList seen;
        bool watching = true;
    };
    static void Watch(std::shared_ptr<State> state) {
        QTimer::singleShot(10, [state] {
            if (!state->watching) {
                return;
            }
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                state->seen << MessageText(modal);
                modal->close();
            }
            Watch(state);
        });
    }
    std::shared_ptr<State> state_;
};

// A message box as it was shown.
struct Shown {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Notes the next message box and answers it with `button`.
void AnswerMessage(Shown& shown, QMessageBox::StandardButton button) {
    WhenModal([&shown, button](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown = {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
        }
        Press(modal, button);
    });
}

// A shown solver window.
struct Window {
    Window() {
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the solver window did not become active");
        }
    }
    Editform form;

    // The headless platform leaves no window active once a message box has gone; a desktop
    // gives the window back its activation, and with it the focus of its cell.
    void Reactivate() {
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* Cell(int n) const { return form.Cell(n); }
    QPushButton* Button(const char* name) const {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Click(const char* name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    // Types the digits of a puzzle in cell-number order; other characters stand for empty cells.
    void Type(const QString& cells, int skip = 0) const {
        for (int n = 1; n <= solver::CellCount; ++n) {
            if (n != skip && IsDigit(cells[n - 1])) {
                QTest::keyClicks(Cell(n), cells.mid(n - 1, 1));
            }
        }
    }
    QString Texts() const {
        QString texts;
        for (int n = 1; n <= solver::CellCount; ++n) {
            texts += Cell(n)->text().isEmpty() ? QStringLiteral(".") : Cell(n)->text();
        }
        return texts;
    }
};

QColor Back(const QLineEdit* cell) {
    return cell->palette().color(QPalette::Base);
}
QColor Fore(const QLineEdit* cell) {
    return cell->palette().color(QPalette::Text);
}

// Whether the drawn cell shows its background colour inside the frame and some pixel close to
// its text colour.
bool DrawnIn(QLineEdit* cell, const QColor& back, const QColor& text) {
    const QImage image = cell->grab().toImage();
    if (image.pixelColor(4, 4) != back) {
        return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) +
                    std::abs(c.blue() - text.blue()) <
                60) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class TestEditform : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(storeDir_.isValid());
        SetSettingsFile(StorePath());
    }
    void init() { QFile::remove(StorePath()); }
    void cleanupTestCase() { SetSettingsFile(QString()); }

    void layout_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QRect>("place");
        QTest::newRow("cell 1") << 1 << QRect(8, 8, 32, 32);
        QTest::newRow("cell 2, same row") << 2 << QRect(40, 8, 32, 32);
        QTest::newRow("cell 4, next row of the box") << 4 << QRect(8, 40, 32, 32);
        QTest::newRow("cell 10, next box") << 10 << QRect(112, 8, 32, 32);
        QTest::newRow("cell 28, box below") << 28 << QRect(8, 112, 32, 32);
        QTest::newRow("cell 41, centre") << 41 << QRect(144, 144, 32, 32);
        QTest::newRow("cell 81") << 81 << QRect(280, 280, 32, 32);
    }
    void layout() {
        QFETCH(int, cell);
        QFETCH(QRect, place);
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral(" Sudoku Oplosser"));
        QCOMPARE(w.Cell(cell)->objectName(), QStringLiteral("txtCELL%1").arg(cell));
        QCOMPARE(w.Cell(cell)->geometry(), place);
        QCOMPARE(w.Cell(cell)->maxLength(), 1);
        QCOMPARE(w.Button("cmdSOLVE")->geometry(), QRect(10, 322, 65, 24));
        QCOMPARE(w.Button("cmdEXIT")->geometry(), QRect(262, 322, 50, 24));
        QVERIFY(w.form.rect().contains(w.Button("cmdEXIT")->geometry()));
    }

    void tooltipsAndTabOrder() {
        Window w;
        QVERIFY(w.Cell(1)->toolTip().isEmpty());
        for (int n = 2; n <= solver::CellCount; ++n) {
            QCOMPARE(w.Cell(n)->toolTip(), QStringLiteral(" %1 ").arg(n));
        }
        QCOMPARE(w.Button("SaveKnop")->toolTip(), QStringLiteral(" Puzzel opslaan "));

        QCOMPARE(QApplication::focusWidget(), w.Cell(1));
        QStringList chain;
        for (QWidget* next = w.Cell(1)->nextInFocusChain(); next != w.Cell(1);
             next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus) {
                chain << next->objectName();
            }
        }
        QStringList expected;
        for (int n = 2; n <= solver::CellCount; ++n) {
            expected << QStringLiteral("txtCELL%1").arg(n);
        }
        expected << "cmdSOLVE"
                 << "cmdCLEAR"
                 << "SaveKnop"
                 << "cmdEXIT";
        QCOMPARE(chain, expected);
        // Tab from the last cell goes to "Oplossen" (the disabled "Clear" is passed over).
        w.Cell(81)->setFocus();
        QTest::keyClick(w.Cell(81), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Button("cmdSOLVE"));
        QVERIFY(!w.Button("cmdCLEAR")->isEnabled());
    }

    void notADigit_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << "0";
        QTest::newRow("letter") << "a";
        QTest::newRow("sign") << "+";
        QTest::newRow("point") << ".";
        QTest::newRow("blank") << " ";
        QTest::newRow("digit of another script") << QStringLiteral("\u0663");
    }
    void notADigit() {
        QFETCH(QString, typed);
        Window w;
        Unexpected messages;
        w.Cell(20)->setFocus();
        // As a keyboard of any layout would send it.
        QTest::sendKeyEvent(QTest::Click, w.Cell(20), Qt::Key_unknown, typed, Qt::NoModifier);
        QVERIFY(w.Cell(20)->text().isEmpty());
        QCOMPARE(w.form.Engine().Value(20), 0);
        QCOMPARE(w.form.Engine().Candidates(20), solver::AllCandidates);
        QCOMPARE(QApplication::focusWidget(), w.Cell(20));
        // A digit still goes in afterwards.
        QTest::keyClicks(w.Cell(20), "7");
        QCOMPARE(w.Cell(20)->text(), QStringLiteral("7"));
        QCOMPARE(w.form.Engine().Value(20), 7);
        QTest::qWait(30);
        QCOMPARE(messages.Seen(), QStringList());
    }

    void duplicate_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("same box") << 1 << 9;
        QTest::newRow("same row, other box") << 1 << 21;
        QTest::newRow("same column, other box") << 1 << 61;
        QTest::newRow("centre box") << 41 << 37;
        QTest::newRow("centre row") << 41 << 51;
        QTest::newRow("centre column") << 41 << 71;
    }
    void duplicate() {
        QFETCH(int, first);
        QFETCH(int, second);
        Window w;
        QTest::keyClicks(w.Cell(first), "4");
        Shown shown;
        AnswerMessage(shown, QMessageBox::Ok);
        w.Cell(second)->setFocus();
        QTest::keyClicks(w.Cell(second), "4");
        QCOMPARE(shown.text, DuplicateText);
        QCOMPARE(shown.title, QStringLiteral(" Sudoku oplosser"));
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(w.Cell(second)->text().isEmpty());
        QCOMPARE(w.form.Engine().Value(second), 0);
        QCOMPARE(w.Cell(first)->text(), QStringLiteral("4"));
        QCOMPARE(w.form.Engine().Value(first), 4);
        // The focus comes back to the cell once the window is active again.
        w.Reactivate();
        QCOMPARE(QApplication::focusWidget(), w.Cell(second));
        // Another digit is taken in the same cell.
        Unexpected messages;
        QTest::keyClicks(w.Cell(second), "5");
        QCOMPARE(w.form.Engine().Value(second), 5);
        QCOMPARE(messages.Seen(), QStringList());
    }

    void focusFollowsDigits() {
        Window w;
        w.Cell(9)->setFocus();
        QTest::keyClicks(w.Cell(9), "5");
        QCOMPARE(QApplication::focusWidget(), w.Cell(10));
        w.Cell(81)->setFocus();
        QTest::keyClicks(w.Cell(81), "5");
        QCOMPARE(QApplication::focusWidget(), w.Cell(81));
        QCOMPARE(w.form.Engine().Value(81), 5);
    }

    void arrows_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("target");
        QTest::newRow("left, leftmost column wraps") << 1 << int(Qt::Key_Left) << 21;
        QTest::newRow("left into the box before") << 10 << int(Qt::Key_Left) << 3;
        QTest::newRow("left in the box") << 5 << int(Qt::Key_Left) << 4;
        QTest::newRow("up, top row wraps") << 1 << int(Qt::Key_Up) << 61;
        QTest::newRow("up into the box above") << 28 << int(Qt::Key_Up) << 7;
        QTest::newRow("up in the box") << 5 << int(Qt::Key_Up) << 2;
        QTest::newRow("right, rightmost column wraps") << 21 << int(Qt::Key_Right) << 1;
        QTest::newRow("right into the next box") << 3 << int(Qt::Key_Right) << 10;
        QTest::newRow("right in the box") << 5 << int(Qt::Key_Right) << 6;
        QTest::newRow("down, bottom row wraps") << 61 << int(Qt::Key_Down) << 1;
        QTest::newRow("down, bottom right corner") << 81 << int(Qt::Key_Down) << 21;
        QTest::newRow("down into the box below") << 7 << int(Qt::Key_Down) << 28;
        QTest::newRow("down in the box") << 5 << int(Qt::Key_Down) << 8;
        QTest::newRow("right, centre") << 42 << int(Qt::Key_Right) << 49;
    }
    void arrows() {
        QFETCH(int, cell);
        QFETCH(int, key);
        QFETCH(int, target);
        Window w;
        w.Cell(cell)->setFocus();
        QTest::keyClick(w.Cell(cell), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), w.Cell(target));
    }

    void focusSelectsTheDigit() {
        Window w;
        QTest::keyClicks(w.Cell(2), "3");
        // By an arrow key.
        w.Cell(1)->setFocus();
        QTest::keyClick(w.Cell(1), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), w.Cell(2));
        QCOMPARE(w.Cell(2)->selectedText(), QStringLiteral("3"));
        QTest::keyClicks(w.Cell(2), "6");
        QCOMPARE(w.Cell(2)->text(), QStringLiteral("6"));
        QCOMPARE(w.form.Engine().Value(2), 6);
        // By the mouse.
        w.Cell(40)->setFocus();
        QTest::mouseClick(w.Cell(2), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.Cell(2));
        QCOMPARE(w.Cell(2)->selectedText(), QStringLiteral("6"));
        QTest::keyClicks(w.Cell(2), "8");
        QCOMPARE(w.form.Engine().Value(2), 8);
        // Backspace empties the cell.
        QTest::keyClick(w.Cell(2), Qt::Key_Backspace);
        QVERIFY(w.Cell(2)->text().isEmpty());
        QCOMPARE(w.form.Engine().Value(2), 0);
    }

    void solvedInTheirColours_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<std::uint32_t>("seedBack");
        QTest::addColumn<std::uint32_t>("seedText");
        QTest::addColumn<std::uint32_t>("solvedBack");
        QTest::addColumn<std::uint32_t>("solvedText");
        QTest::newRow("defaults, red and blue on white")
            << false << 16777215u << 255u << 16777215u << 16711680u;
        QTest::newRow("colours from the store")
            << true << 0xC0FFFFu << 0x008000u << 0xFFE0E0u << 0x800080u;
    }
    void solvedInTheirColours() {
        QFETCH(bool, stored);
        QFETCH(std::uint32_t, seedBack);
        QFETCH(std::uint32_t, seedText);
        QFETCH(std::uint32_t, solvedBack);
        QFETCH(std::uint32_t, solvedText);
        if (stored) {
            SaveSetting(Store, "Seed Cell", "Back Colour", QString::number(seedBack));
            SaveSetting(Store, "Seed Cell", "Text Colour", QString::number(seedText));
            SaveSetting(Store, "Solved Cell", "Back Colour", QString::number(solvedBack));
            SaveSetting(Store, "Solved Cell", "Text Colour", QString::number(solvedText));
        }
        const QString puzzle = SimplePuzzle();
        const QString solution = SimpleSolution();
        Window w;
        w.Type(puzzle);
        Unexpected messages;
        w.Click("cmdSOLVE");
        QCOMPARE(messages.Seen(), QStringList());
        QCOMPARE(w.Texts(), solution);
        QVERIFY(!w.Button("cmdSOLVE")->isEnabled());
        QVERIFY(w.Button("cmdCLEAR")->isEnabled());
        QCOMPARE(w.form.PuzzleBackup(), QString(puzzle).replace(u'.', u'0'));
        for (int n = 1; n <= solver::CellCount; ++n) {
            const bool typed = IsDigit(puzzle[n - 1]);
            QCOMPARE(Back(w.Cell(n)), ColourOf(typed ? seedBack : solvedBack));
            QCOMPARE(Fore(w.Cell(n)), ColourOf(typed ? seedText : solvedText));
        }
        const int seedCell = int(puzzle.indexOf(QRegularExpression("[1-9]"))) + 1;
        const int solvedCell = int(puzzle.indexOf(u'.')) + 1;
        QVERIFY(DrawnIn(w.Cell(seedCell), ColourOf(seedBack), ColourOf(seedText)));
        QVERIFY(DrawnIn(w.Cell(solvedCell), ColourOf(solvedBack), ColourOf(solvedText)));

        // "Clear" empties the grid for the next puzzle.
        w.Click("cmdCLEAR");
        QCOMPARE(w.Texts(), QString(81, u'.'));
        QVERIFY(w.Button("cmdSOLVE")->isEnabled());
        QVERIFY(!w.Button("cmdCLEAR")->isEnabled());
        QCOMPARE(w.form.Engine().CountSolved(), 0);
        QCOMPARE(Fore(w.Cell(solvedCell)), ColourOf(seedText));
    }

    void afterFailure_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes: change the puzzle") << int(QMessageBox::Yes);
        QTest::newRow("no: empty grid") << int(QMessageBox::No);
        QTest::newRow("cancel: keep the result") << int(QMessageBox::Cancel);
    }
    void afterFailure() {
        QFETCH(int, answer);
        const QString puzzle = CellOrder(StuckPuzzle);
        Window w;
        w.Type(puzzle);
        Shown shown;
        AnswerMessage(shown, QMessageBox::StandardButton(answer));
        w.Click("cmdSOLVE");
        QCOMPARE(shown.text, QStringLiteral("Kan deze puzzel niet oplossen. Wilt u de\n"
                                            "puzzel wijzigen en het opnieuw proberen?"));
        QCOMPARE(shown.title, QStringLiteral(" Sudoku oplosser"));
        QCOMPARE(shown.icon, QMessageBox::Information);
        QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        const QColor red = ColourOf(255);
        const QColor white = ColourOf(16777215);
        switch (answer) {
            case QMessageBox::Yes:
                QCOMPARE(w.Texts(), puzzle);
                for (int n = 1; n <= solver::CellCount; ++n) {
                    const int digit = IsDigit(puzzle[n - 1]) ? puzzle[n - 1].digitValue() : 0;
                    QCOMPARE(int(w.form.Engine().Value(n)), digit);
                    QCOMPARE(Back(w.Cell(n)), white);
                    QCOMPARE(Fore(w.Cell(n)), red);
                }
                QVERIFY(w.Button("cmdSOLVE")->isEnabled());
                QVERIFY(!w.Button("cmdCLEAR")->isEnabled());
                break;
            case QMessageBox::No:
                QCOMPARE(w.Texts(), QString(81, u'.'));
                QCOMPARE(w.form.Engine().CountSolved(), 0);
                QVERIFY(w.Button("cmdSOLVE")->isEnabled());
                QVERIFY(!w.Button("cmdCLEAR")->isEnabled());
                break;
            default: {
                // The typed digits and the few found stay; the rest is empty.
                int found = 0;
                int empty = 0;
                for (int n = 1; n <= solver::CellCount; ++n) {
                    const QString text = w.Cell(n)->text();
                    if (IsDigit(puzzle[n - 1])) {
                        QCOMPARE(text, puzzle.mid(n - 1, 1));
                        QCOMPARE(Fore(w.Cell(n)), red);
                    } else if (!text.isEmpty()) {
                        ++found;
                        QCOMPARE(Fore(w.Cell(n)), ColourOf(16711680));
                        QCOMPARE(text.toInt(), int(w.form.Engine().Value(n)));
                    } else {
                        ++empty;
                        QCOMPARE(Fore(w.Cell(n)), QColor(Qt::black));
                    }
                }
                QVERIFY(found > 0);
                QVERIFY(empty > 0);
                QVERIFY(!w.Button("cmdSOLVE")->isEnabled());
                QVERIFY(w.Button("cmdCLEAR")->isEnabled());
                // A digit typed now stays where it is typed, in black.
                const int cell = int(w.Texts().indexOf(u'.')) + 1;
                w.Reactivate();
                int digit = 1;
                while (w.form.Engine().IsDuplicate(cell, digit)) {
                    ++digit;
                }
                w.Cell(cell)->setFocus();
                QTest::keyClicks(w.Cell(cell), QString::number(digit));
                QCOMPARE(int(w.form.Engine().Value(cell)), digit);
                QCOMPARE(QApplication::focusWidget(), w.Cell(cell));
                QCOMPARE(Fore(w.Cell(cell)), QColor(Qt::black));
                break;
            }
        }
    }

    // Candidates struck by a digit that is then replaced or erased come back before solving.
    void changedDigitStillSolves_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("erased") << false;
        QTest::newRow("replaced") << true;
    }
    void changedDigitStillSolves() {
        QFETCH(bool, replace);
        const QString puzzle = SimplePuzzle();
        const QString solution = SimpleSolution();
        // A wrong digit in an empty cell that is the solution of another empty cell of its box.
        const int cell = int(puzzle.indexOf(u'.')) + 1;
        int peer = 0;
        for (int m = 9 * ((cell - 1) / 9) + 1; m <= 9 * ((cell - 1) / 9) + 9 && !peer; ++m) {
            if (m != cell && puzzle[m - 1] == u'.') {
                peer = m;
            }
        }
        QVERIFY(peer != 0);
        Window w;
        QTest::keyClicks(w.Cell(cell), solution.mid(peer - 1, 1));
        if (replace) {
            QTest::mouseClick(w.Cell(cell), Qt::LeftButton);
            QTest::keyClicks(w.Cell(cell), solution.mid(cell - 1, 1));
            QCOMPARE(w.Cell(cell)->text(), solution.mid(cell - 1, 1));
        } else {
            QTest::keyClick(w.Cell(cell), Qt::Key_Backspace);
            QVERIFY(w.Cell(cell)->text().isEmpty());
        }
        w.Type(puzzle, cell);
        Unexpected messages;
        w.Click("cmdSOLVE");
        QCOMPARE(messages.Seen(), QStringList());
        QCOMPARE(w.Texts(), solution);
        QCOMPARE(w.form.Engine().Status(), solver::SolveStatus::Solved);
    }

    void fullGridTypedIn() {
        TestProgramFolder folder;
        const QString solution = SimpleSolution();
        Window w;
        w.Cell(1)->setFocus();
        for (int n = 1; n <= solver::CellCount; ++n) {
            // Each digit moves the focus on, so the whole grid is typed into the focused cell.
            QTest::keyClicks(QApplication::focusWidget(), solution.mid(n - 1, 1));
        }
        QCOMPARE(QApplication::focusWidget(), w.Cell(81));
        {
            Unexpected messages;
            w.Click("cmdSOLVE");
            QTest::qWait(30);
            QCOMPARE(messages.Seen(), QStringList());
        }
        QCOMPARE(w.Texts(), solution);
        for (int n = 1; n <= solver::CellCount; ++n) {
            QCOMPARE(Fore(w.Cell(n)), ColourOf(255));
        }
        // "Save" writes the grid in grid-row order.
        WhenModal([](QWidget* modal) { AnswerInput(modal, QStringLiteral("Raster")); });
        w.Click("SaveKnop");
        QByteArray rows;
        for (int r = 0; r < 9; ++r) {
            rows += CorpusLine("solutions.txt", "simple", 0).mid(9 * r, 9) + "\r\n";
        }
        QCOMPARE(folder.Read("puzzels/Raster.puz"), rows);
    }

    void saveAsksForAFullGrid() {
        TestProgramFolder folder;
        Window w;
        QTest::keyClicks(w.Cell(1), "1");
        Shown shown;
        AnswerMessage(shown, QMessageBox::Ok);
        w.Click("SaveKnop");
        QCOMPARE(shown.text, QStringLiteral("Niet alle vakjes zijn gevuld!"));
        QCOMPARE(QDir(folder.Path("puzzels")).entryList(QDir::Files), QStringList());
        QCOMPARE(w.Cell(1)->text(), QStringLiteral("1"));
    }

    void enterAndEscapeLoseNothing() {
        Window w;
        QTest::keyClicks(w.Cell(1), "1");
        QTest::keyClick(w.Cell(2), Qt::Key_Return);
        QTest::keyClick(w.Cell(2), Qt::Key_Escape);
        QVERIFY(w.form.isVisible());
        QVERIFY(w.Button("cmdSOLVE")->isEnabled());
        QCOMPARE(w.Cell(1)->text(), QStringLiteral("1"));
    }

    void storedColour_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<std::uint32_t>("expected");
        QTest::newRow("number") << "Seed Cell"
                                << "Back Colour"
                                << "12632256" << 12632256u;
        QTest::newRow("blanks around") << "Seed Cell"
                                       << "Text Colour"
                                       << " 65280 " << 65280u;
        QTest::newRow("black") << "Solved Cell"
                               << "Back Colour"
                               << "0" << 0u;
        QTest::newRow("largest") << "Solved Cell"
                                 << "Text Colour"
                                 << "16777215" << 16777215u;
        QTest::newRow("a word") << "Solved Cell"
                                << "Text Colour"
                                << "blauw" << 16711680u;
        QTest::newRow("empty") << "Seed Cell"
                               << "Text Colour"
                               << "" << 255u;
        QTest::newRow("digits then junk") << "Seed Cell"
                                          << "Back Colour"
                                          << "255x" << 16777215u;
        QTest::newRow("negative") << "Seed Cell"
                                  << "Text Colour"
                                  << "-1" << 255u;
        QTest::newRow("too large") << "Solved Cell"
                                   << "Back Colour"
                                   << "16777216" << 16777215u;
        QTest::newRow("fraction") << "Seed Cell"
                                  << "Text Colour"
                                  << "2.5" << 255u;
    }
    void storedColour() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(std::uint32_t, expected);
        SaveSetting(Store, section, key, stored);
        {
            Window w;
            const bool seed = section == "Seed Cell";
            const bool back = key == "Back Colour";
            const std::uint32_t read =
                seed ? (back ? w.form.SeedBackColour() : w.form.SeedTextColour())
                     : (back ? w.form.SolvedBackColour() : w.form.SolvedTextColour());
            QCOMPARE(read, expected);
            if (seed) {
                QCOMPARE(back ? Back(w.Cell(1)) : Fore(w.Cell(1)), ColourOf(expected));
            }
            w.Click("cmdEXIT");
            QVERIFY(!w.form.isVisible());
        }
        // Closing writes the colour back as it was taken.
        QCOMPARE(GetSetting(Store, section, key), QString::number(expected));
    }

    void closingSavesTheColours_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void closingSavesTheColours() {
        QFETCH(bool, closeBox);
        {
            Window w;
            QVERIFY(GetSetting(Store, "Seed Cell", "Back Colour").isNull());
            if (closeBox) {
                w.form.close();
            } else {
                w.Click("cmdEXIT");
            }
            QVERIFY(!w.form.isVisible());
        }
        QCOMPARE(GetSetting(Store, "Seed Cell", "Back Colour"), QStringLiteral("16777215"));
        QCOMPARE(GetSetting(Store, "Seed Cell", "Text Colour"), QStringLiteral("255"));
        QCOMPARE(GetSetting(Store, "Solved Cell", "Back Colour"), QStringLiteral("16777215"));
        QCOMPARE(GetSetting(Store, "Solved Cell", "Text Colour"), QStringLiteral("16711680"));
    }

    void openedFromTheMenu() {
        GameWindow game;
        auto* action = game.main->findChild<QAction*>(QStringLiteral("EditOplosser"));
        QVERIFY(action);
        QStringList seen;
        for (int opening = 1; opening <= 2; ++opening) {
            WhenModal([&seen](QWidget* modal) {
                auto* cell = modal->findChild<QLineEdit*>(QStringLiteral("txtCELL1"));
                seen << modal->objectName() + u'|' + modal->windowTitle() + u'|' +
                            (cell ? cell->text() : QStringLiteral("?"));
                QTest::keyClicks(cell, "9");
                QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdEXIT")),
                                  Qt::LeftButton);
            });
            action->trigger();
        }
        QCOMPARE(seen, QStringList({"Editform| Sudoku Oplosser|", "Editform| Sudoku Oplosser|"}));
        QVERIFY(game.main->findChildren<Editform*>().isEmpty());
    }

  private:
    QString StorePath() const { return storeDir_.filePath(QStringLiteral("settings.ini")); }
    QTemporaryDir storeDir_;
};

QTEST_MAIN(TestEditform)
#include "test_editform.moc"
