#include "platform/twips.h"
#include "support/game_window.h"
#include "support/modal.h"
#include "ui/dialogs/pattern_designer.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

namespace {

using Pattern = std::array<QString, 10>;
// Mouse clicks on the grid: button code (1 left, 2 right, 4 middle) and pixel.
using Clicks = QList<QPair<int, QPoint>>;

const QStringList Diagonal{"100000000", "010000000", "001000000", "000100000", "000010000",
                           "000001000", "000000100", "000000010", "000000001"};

Pattern MakePattern(const QStringList& rows) {
    Pattern pattern;
    for (int r = 1; r <= 9; ++r) {
        pattern[r] = rows.value(r - 1);
    }
    return pattern;
}

// Pixels of the grid: the face of cell (c, r) covers pixels 1 + 20 (c - 1) .. 19 + 20 (c - 1).
int FaceLeftPixel(int c) {
    return Patroonform::FaceLeft(c) / TwipsPerPixel;
}
int FaceTopPixel(int r) {
    return Patroonform::FaceTop(r) / TwipsPerPixel;
}
QPoint Centre(int c, int r) {
    return {FaceLeftPixel(c) + 9, FaceTopPixel(r) + 9};
}

// A designer on its own state, shown and ready for clicks.
struct Designer {
    explicit Designer(const QStringList& rows = {}) {
        QApplication::setQuitOnLastWindowClosed(false);
        for (int r = 1; r <= 9; ++r) {
            state.PatternRows[r] = rows.value(r - 1, QStringLiteral("000000000"));
        }
        dialog = std::make_unique<Patroonform>(state);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QWidget* Picture() const { return dialog->findChild<QWidget*>(QStringLiteral("Picture1")); }
    void Click(Qt::MouseButton button, QPoint pixel) const {
        QTest::mouseClick(Picture(), button, {}, pixel);
    }
    void Press(const char* name) const {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    // The grid as the screen shows it, and as its picture holds it.
    QImage Shown() const {
        return Picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage Drawn() const {
        return dialog->Picture1().ScreenImage().convertToFormat(QImage::Format_RGB32);
    }
    // The faces as the dialog shows them, row by row.
    QStringList Faces() const {
        QStringList rows;
        for (int r = 1; r <= 9; ++r) {
            QString row;
            for (int c = 1; c <= 9; ++c) {
                const QColor face = QColor(dialog->Picture1().Image().pixel(Centre(c, r)));
                row += face == Patroonform::SetFace     ? u'1'
                       : face == Patroonform::ClearFace ? u'0'
                                                        : u'?';
            }
            rows << row;
        }
        return rows;
    }
    GameSettings state;
    std::unique_ptr<Patroonform> dialog;
};

}  // namespace

class TestPatternDesigner : public QObject {
    Q_OBJECT
  private slots:
    void explanationAndPanel() {
        Designer designer;
        QCOMPARE(designer.dialog->windowTitle(), QStringLiteral(" Patroon ontwerper"));
        QCOMPARE(designer.dialog->size(), QSize(372, 219));
        auto* text = designer.dialog->findChild<QLabel*>(QStringLiteral("Label5"));
        QCOMPARE(text->text(),
                 QStringLiteral("Door op de vakjes te klikken met de linkermuistoets wordt deze "
                                "gevuld met een kleur. Met de rechtermuistoets wordt dit vakje "
                                "weer leeg gemaakt. \r\n\r\nOp de gekleurde vakjes wordt in de "
                                "puzzel de getallen weergegeven die zichtbaar blijven volgens "
                                "een vast patroon."));
        // The wrapped text stays within its place, and every control within the frame.
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        auto* frame = designer.dialog->findChild<QWidget*>(QStringLiteral("Frame1"));
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(frame->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
        }
        // The grid lies on the coloured panel, which shows around it.
        auto* panel = designer.dialog->findChild<QLabel*>(QStringLiteral("Label1"));
        const QRect grid = designer.Picture()->geometry();
        QCOMPARE(grid.size(), QSize(182, 182));
        QCOMPARE(grid.topLeft() - panel->geometry().topLeft(), QPoint(6, 6));
        QVERIFY(panel->geometry().contains(grid));
        const QImage shown = panel->grab().toImage();
        QCOMPARE(QColor(shown.pixel(2, 2)), QColor(200, 255, 255));
    }

    void gridLinesInTheirColours() {
        Designer designer;
        const QImage& image = designer.dialog->Picture1().Image();
        QCOMPARE(image.size(), QSize(182, 182));
        for (int k = 1; k <= 10; ++k) {
            const QColor expected = (k - 1) % 3 == 0 ? QColor(0, 0, 0) : QColor(200, 200, 200);
            const int at = 20 * (k - 1);
            QCOMPARE(QColor(image.pixel(at, 10)), expected);    // vertical line k
            QCOMPARE(QColor(image.pixel(10, at)), expected);    // horizontal line k
            QCOMPARE(QColor(image.pixel(at, 181)), Qt::white);  // nothing beyond the border
        }
        // The black border is whole: no grey line crosses it.
        for (int y = 0; y <= 180; ++y) {
            QCOMPARE(QColor(image.pixel(180, y)), QColor(0, 0, 0));
            QCOMPARE(QColor(image.pixel(0, y)), QColor(0, 0, 0));
        }
        // The faces fill the squares between the lines.
        QCOMPARE(QColor(image.pixel(1, 1)), Qt::white);
        QCOMPARE(QColor(image.pixel(19, 19)), Qt::white);
    }

    void showsThePatternAndWritesItBackWhole_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("shown");
        const QStringList empty(9, QStringLiteral("000000000"));
        QTest::newRow("empty") << empty << empty;
        QTest::newRow("diagonal") << Diagonal << Diagonal;
        QTest::newRow("full") << QStringList(9, QStringLiteral("111111111"))
                              << QStringList(9, QStringLiteral("111111111"));
        QStringList damaged = empty;
        damaged[0] = QStringLiteral("1");
        damaged[1] = QString();
        damaged[2] = QStringLiteral("11111111111");
        damaged[3] = QStringLiteral("x1x");
        damaged[4] = QStringLiteral("0000000001");
        QStringList repaired = empty;
        repaired[0] = QStringLiteral("100000000");
        repaired[2] = QStringLiteral("111111111");
        repaired[3] = QStringLiteral("010000000");
        QTest::newRow("damaged rows") << damaged << repaired;
    }
    void showsThePatternAndWritesItBackWhole() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, shown);
        Designer designer(rows);
        QCOMPARE(designer.Faces(), shown);
        designer.Press("OkKnop");
        QVERIFY(!designer.dialog->isVisible());
        QCOMPARE(designer.state.PatternRows, MakePattern(shown));
    }

    void clicksColourAndClearCells_data() {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<QStringList>("from");
        QTest::addColumn<QStringList>("to");
        const QStringList empty(9, QStringLiteral("000000000"));
        QStringList one = empty;
        one[1] = QStringLiteral("001000000");  // cell (3, 2)
        QTest::newRow("left colours") << Clicks{{1, Centre(3, 2)}} << empty << one;
        QTest::newRow("left twice stays coloured")
            << Clicks{{1, Centre(3, 2)}, {1, Centre(3, 2)}} << empty << one;
        QTest::newRow("left then right clears")
            << Clicks{{1, Centre(3, 2)}, {2, Centre(3, 2)}} << empty << empty;
        QTest::newRow("right on a clear cell") << Clicks{{2, Centre(3, 2)}} << empty << empty;
        QTest::newRow("right clears a given") << Clicks{{2, Centre(3, 2)}} << one << empty;
        QTest::newRow("middle does nothing")
            << Clicks{{4, Centre(3, 2)}, {4, Centre(5, 5)}} << one << one;
        const int left = FaceLeftPixel(3);
        const int top = FaceTopPixel(2);
        QTest::newRow("just inside the corners")
            << Clicks{{1, {left + 1, top + 1}}} << empty << one;
        QTest::newRow("just inside the far corner")
            << Clicks{{1, {left + 17, top + 17}}} << empty << one;
        // x = x0 and x = x0 + 270 are the face's edges, as are y = y0 and y = y0 + 270.
        QTest::newRow("left edge") << Clicks{{1, {left, top + 9}}} << empty << empty;
        QTest::newRow("right edge") << Clicks{{1, {left + 18, top + 9}}} << empty << empty;
        QTest::newRow("top edge") << Clicks{{1, {left + 9, top}}} << empty << empty;
        QTest::newRow("bottom edge") << Clicks{{1, {left + 9, top + 18}}} << empty << empty;
        QTest::newRow("right click on an edge")
            << Clicks{{2, {left, top + 9}}, {2, {left + 18, top + 9}}} << one << one;
        // (A click at pixel (0, 0) would land in the middle: QTest takes a null point for that.)
        QTest::newRow("grid lines") << Clicks{{1, {40, 30}}, {1, {30, 40}}, {1, {60, 70}},
                                              {1, {0, 90}},  {1, {90, 0}},  {1, {180, 180}}}
                                    << empty << empty;
        QStringList corners = empty;
        corners[0] = QStringLiteral("100000001");
        corners[8] = QStringLiteral("100000001");
        QTest::newRow("four corners")
            << Clicks{{1, Centre(1, 1)}, {1, Centre(9, 1)}, {1, Centre(1, 9)}, {1, Centre(9, 9)}}
            << empty << corners;
    }
    void clicksColourAndClearCells() {
        QFETCH(Clicks, clicks);
        QFETCH(QStringList, from);
        QFETCH(QStringList, to);
        Designer designer(from);
        for (const auto& [button, pixel] : clicks) {
            designer.Click(button == 1   ? Qt::LeftButton
                           : button == 2 ? Qt::RightButton
                                         : Qt::MiddleButton,
                           pixel);
        }
        QCOMPARE(designer.Faces(), to);
        // The mouse shows no cursor.
        QCOMPARE(designer.Shown(), designer.Drawn());
        // Nothing is stored before "Ok".
        QCOMPARE(designer.state.PatternRows, MakePattern(from));
        designer.Press("OkKnop");
        QCOMPARE(designer.state.PatternRows, MakePattern(to));
    }

    // The arrows move the cursor, which stops at the edge, and Space colours or clears its cell;
    // the cursor shows only while the grid has the focus, over the picture and not in it. A
    // screen reader hears each cell by its row, its column and whether it is shown.
    void keysMoveTheCursorAndToggleCells() {
        Designer designer({"100000000"});
        QWidget* grid = designer.Picture();
        QCOMPARE(QApplication::focusWidget(), grid);
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(grid)->tableInterface();
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name),
                 QStringLiteral("rij 1, kolom 1, getoond"));
        QCOMPARE(designer.Shown(), designer.Drawn());
        for (const Qt::Key key :
             {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space, Qt::Key_Left, Qt::Key_Left,
              Qt::Key_Left, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space, Qt::Key_Space,
              // Return is no press of the dialog's first button, Cancel.
              Qt::Key_Return}) {
            QTest::keyClick(grid, key);
        }
        QCOMPARE(designer.dialog->Cursor(), QPoint(1, 1));
        QCOMPARE(designer.Faces().mid(0, 2), QStringList({"100000000", "101000000"}));
        QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name),
                 QStringLiteral("rij 2, kolom 3, getoond"));
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name),
                 QStringLiteral("rij 2, kolom 2, leeg"));
        QVERIFY(designer.Shown() != designer.Drawn());
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(designer.Shown(), designer.Drawn());
        designer.Press("OkKnop");
        QCOMPARE(designer.state.PatternRows[2], QStringLiteral("101000000"));
    }

    void onlyOkStoresThePattern_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void onlyOkStoresThePattern() {
        QFETCH(int, way);
        GameWindow game;
        for (int r = 1; r <= 9; ++r) {
            game.Settings().PatternRows[r] = Diagonal[r - 1];
        }
        const Pattern before = game.Settings().PatternRows;
        QStringList shownAgain;
        WhenModal([&](QWidget* modal) {
            auto* picture = modal->findChild<QWidget*>(QStringLiteral("Picture1"));
            QTest::mouseClick(picture, Qt::LeftButton, {}, Centre(9, 1));
            QTest::mouseClick(picture, Qt::RightButton, {}, Centre(1, 1));
            switch (way) {
                case 0:
                    QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                                      Qt::LeftButton);
                    break;
                case 1:
                    modal->close();
                    break;
                default:
                    QTest::keyClick(modal, Qt::Key_Escape);
                    break;
            }
        });
        game.main->findChild<QAction*>(QStringLiteral("ToolsPatroonOntwerpen"))->trigger();
        QCOMPARE(game.Settings().PatternRows, before);
        // The next opening shows the pattern as it was, not as it was drawn.
        WhenModal([&](QWidget* modal) {
            auto* dialog = static_cast<Patroonform*>(modal);
            for (int r = 1; r <= 9; ++r) {
                QString row;
                for (int c = 1; c <= 9; ++c) {
                    row += QColor(dialog->Picture1().Image().pixel(Centre(c, r))) ==
                                   Patroonform::SetFace
                               ? u'1'
                               : u'0';
                }
                shownAgain << row;
            }
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OkKnop")),
                              Qt::LeftButton);
        });
        game.main->findChild<QAction*>(QStringLiteral("ToolsPatroonOntwerpen"))->trigger();
        QCOMPARE(shownAgain, Diagonal);
        QCOMPARE(game.Settings().PatternRows, before);
        QVERIFY(game.main->findChildren<Patroonform*>().isEmpty());
    }

    void clearedPatternGivesAnEmptyPuzzle() {
        GameWindow game;
        for (int r = 1; r <= 9; ++r) {
            game.Settings().PatternRows[r] = QStringLiteral("111111111");
        }
        game.main->GeneratePuzzle();  // a game in progress is not touched by the designer
        const Grid board = game.Model().BoardGrid();
        WhenModal([](QWidget* modal) {
            auto* picture = modal->findChild<QWidget*>(QStringLiteral("Picture1"));
            for (int r = 1; r <= 9; ++r) {
                for (int c = 1; c <= 9; ++c) {
                    QTest::mouseClick(picture, Qt::RightButton, {}, Centre(c, r));
                }
            }
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OkKnop")),
                              Qt::LeftButton);
        });
        game.main->findChild<QAction*>(QStringLiteral("ToolsPatroonOntwerpen"))->trigger();
        QCOMPARE(game.Settings().PatternRows, MakePattern(QStringList(9, EmptyPatternRow)));
        QCOMPARE(game.Model().BoardGrid(), board);
        QVERIFY(!game.Settings().UsePattern);

        game.Settings().UsePattern = true;
        game.main->GeneratePuzzle();
        QCOMPARE(game.Model().BoardGrid(), Grid());
        QCOMPARE(game.Model().FilledCount(), 0);
        const QImage& pic = game.main->PicSurface().Image();
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                QCOMPARE(Colours(pic, FacePixels(c, r)), QSet<QRgb>{qRgb(255, 255, 255)});
            }
        }
    }
};

QTEST_MAIN(TestPatternDesigner)
#include "test_pattern_designer.moc"
