// The game window at many sizes and zoom steps, on a 4K screen: the board as the window shows it is
// read back from the window's own picture, and must be whole and regular, with every digit inside
// its cell, the cursor on its cell, and clicks landing in the cell under the pointer.
#include "support/game_window.h"

#include <QDir>
#include <QKeySequence>
#include <QScreen>

#include <unistd.h>

#include <cstdio>

#include <fstream>
#include <string>

namespace {

const QStringList Diagonals{"100000001", "010000010", "001000100", "000101000", "000010000",
                            "000101000", "001000100", "010000010", "100000001"};

bool IsLine(QRgb pixel) {
    const QColor colour(pixel);
    return colour == board::CellLine || colour == board::BlockLine;
}

// Where the lines of one direction are: the runs of device pixels that are line-coloured along
// most of the board, as [first, last] pairs.
QList<QPair<int, int>> Lines(const QImage& image, const QRect& area, bool vertical) {
    QList<QPair<int, int>> lines;
    const int from = vertical ? area.left() : area.top();
    const int to = vertical ? area.right() : area.bottom();
    for (int i = from; i <= to; ++i) {
        int count = 0;
        const int length = vertical ? area.height() : area.width();
        for (int j = 0; j < length; ++j) {
            const QPoint p = vertical ? QPoint(i, area.top() + j) : QPoint(area.left() + j, i);
            count += image.valid(p) && IsLine(image.pixel(p));
        }
        if (count < length * 8 / 10) {
            continue;
        }
        if (!lines.isEmpty() && lines.last().second == i - 1) {
            lines.last().second = i;
        } else {
            lines.append({i, i});
        }
    }
    return lines;
}

// The board as the window shows it, read from the window's picture in device pixels.
struct ShownBoard {
    QImage image;
    QList<QPair<int, int>> columns;  // the ten vertical lines
    QList<QPair<int, int>> rows;     // the ten horizontal lines

    explicit ShownBoard(Main& main) {
        image = main.grab().toImage();
        const double ratio = image.devicePixelRatio();
        const QWidget* pic = main.findChild<QWidget*>(QStringLiteral("Pic"));
        // A little more than the view, to see a picture that has slipped from it.
        const QRect view(pic->mapTo(&main, QPoint(0, 0)), pic->size());
        const QRect area = QRectF(QRectF(view).topLeft() * ratio, QSizeF(view.size()) * ratio)
                               .toAlignedRect()
                               .adjusted(-8, -8, 8, 8);
        columns = Lines(image, area, true);
        rows = Lines(image, area, false);
    }

    // The device pixels between the lines around cell (c, r).
    QRect Inside(int c, int r) const {
        return QRect(QPoint(columns[c - 1].second + 1, rows[r - 1].second + 1),
                     QPoint(columns[c].first - 1, rows[r].first - 1));
    }
    // The smallest box around the pixels of a colour inside cell (c, r).
    QRect Ink(int c, int r, QColor colour) const {
        QRect ink;
        const QRect inside = Inside(c, r);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (QColor(image.pixel(x, y)) == colour) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink;
    }
    // Where the centre of cell (c, r) is, in the view's own coordinates.
    QPoint Centre(Main& main, int c, int r) const {
        const QWidget* pic = main.findChild<QWidget*>(QStringLiteral("Pic"));
        const QPointF device = QRectF(Inside(c, r)).center();
        return (device / image.devicePixelRatio()).toPoint() - pic->mapTo(&main, QPoint(0, 0));
    }
};

// Where the ink lies in its cell: its centre's distance from the cell's centre, in cells.
QPointF Offset(const QRect& ink, const QRect& cell) {
    const QPointF d = QRectF(ink).center() - QRectF(cell).center();
    return {d.x() / cell.width(), d.y() / cell.height()};
}

void Keys(Main& main, const QString& keys) {
    for (const QChar key : keys) {
        const int code = key == u'+' ? Qt::Key_Plus : key == u'-' ? Qt::Key_Minus : Qt::Key_0;
        QTest::keyClick(main.windowHandle(), static_cast<Qt::Key>(code), Qt::ControlModifier);
    }
}

}  // namespace

class TestWindowSizes : public QObject {
    Q_OBJECT
  private slots:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }

    void boardIsWholeAndRegularAtEverySize_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QString>("zoomKeys");  // + Groter, - Kleiner, 0 Ware grootte
        QTest::newRow("original") << QSize() << false << "";
        for (const QSize size : {QSize(560, 380), QSize(700, 700), QSize(800, 500), QSize(900, 800),
                                 QSize(1000, 700), QSize(1400, 700), QSize(1920, 1000)}) {
            QTest::addRow("%dx%d", size.width(), size.height()) << size << false << "";
        }
        // On the whole screen: 3840 x 2160, or 1920 x 1080 at scale 2.
        QTest::newRow("maximized") << QSize() << true << "";
        QTest::newRow("Kleiner") << QSize() << false << "-";
        QTest::newRow("Kleiner twice") << QSize() << false << "--";
        QTest::newRow("Groter") << QSize() << false << "+";
        QTest::newRow("Groter twice") << QSize() << false << "++";
        QTest::newRow("Groter thrice, Kleiner") << QSize() << false << "+++-";
        QTest::newRow("1000x700, Kleiner twice") << QSize(1000, 700) << false << "--";
        QTest::newRow("maximized, Groter") << QSize() << true << "+";
        QTest::newRow("Groter, Ware grootte") << QSize() << false << "+0";
    }

    void boardIsWholeAndRegularAtEverySize() {
        QFETCH(QSize, size);
        QFETCH(bool, maximized);
        QFETCH(QString, zoomKeys);
        GameWindow game;
        Main& main = *game.main;
        game.LayOut(Diagonals);
        // Where the digits stand in their cells at the original size.
        const ShownBoard original(main);
        QCOMPARE(original.columns.size(), 10);
        QCOMPARE(original.rows.size(), 10);
        if (size.isValid()) {
            main.resize(size);
        }
        if (maximized) {
            main.showMaximized();
            QTRY_VERIFY(main.isMaximized() && main.size().width() > 1000);
        }
        Keys(main, zoomKeys);
        QApplication::processEvents();
        const QRect window(QPoint(0, 0), main.size());
        QVERIFY(window.contains(main.minimumSizeHint().width() - 1,
                                main.minimumSizeHint().height() - 1));

        const ShownBoard shown(main);
        // SHOTS=folder keeps the window of each row there, to be looked at.
        if (qEnvironmentVariableIsSet("SHOTS")) {
            shown.image.save(qEnvironmentVariable("SHOTS") +
                             QStringLiteral("/%1.png").arg(QTest::currentDataTag()));
        }
        QCOMPARE(shown.columns.size(), 10);
        QCOMPARE(shown.rows.size(), 10);
        const QRect inWindow(QPoint(0, 0), shown.image.size());
        QVERIFY(inWindow.contains(QPoint(shown.columns.last().second, shown.rows.last().second)));
        for (const auto* lines : {&shown.columns, &shown.rows}) {
            for (int i = 0; i < 10; ++i) {
                // Evenly spaced, all as wide, and the lines of the blocks black.
                const auto& line = lines->at(i);
                const auto& first = lines->at(0);
                QCOMPARE(line.first - first.first, i * (lines->at(1).first - first.first));
                QCOMPARE(line.second - line.first, first.second - first.first);
                // Halfway along the first cell.
                const QPoint on = lines == &shown.columns
                                      ? QPoint(line.first, shown.Inside(1, 1).center().y())
                                      : QPoint(shown.Inside(1, 1).center().x(), line.first);
                QCOMPARE(QColor(shown.image.pixel(on)) == board::BlockLine, i % 3 == 0);
            }
        }
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                if (!game.Model().IsGiven({c, r})) {
                    continue;
                }
                const QRect ink = shown.Ink(c, r, board::GivenDigit);
                QVERIFY2(shown.Inside(c, r).adjusted(1, 1, -1, -1).contains(ink),
                         qPrintable(QStringLiteral("cell %1, %2").arg(c).arg(r)));
                const QPointF was =
                    Offset(original.Ink(c, r, board::GivenDigit), original.Inside(c, r));
                const QPointF is = Offset(ink, shown.Inside(c, r));
                QVERIFY2(qAbs(was.x() - is.x()) < 0.04 && qAbs(was.y() - is.y()) < 0.04,
                         qPrintable(QStringLiteral("cell %1, %2").arg(c).arg(r)));
            }
        }

        // A number chosen with its button, and placed with a click in two cells far apart; the
        // cursor goes along.
        QWidget* pic = main.findChild<QWidget*>(QStringLiteral("Pic"));
        QWidget* knop = main.findChild<QWidget*>(QStringLiteral("GetalKnop5"));
        QTest::mouseClick(knop, Qt::LeftButton, {}, knop->rect().center());
        QCOMPARE(game.Model().SelectedNumber(), 5);
        for (const QPoint cell : {QPoint(2, 1), QPoint(8, 9)}) {
            const QPoint at = shown.Centre(main, cell.x(), cell.y());
            QTest::mouseMove(pic, at);
            QCOMPARE(game.Model().Cursor(), cell);
            QTest::mouseClick(pic, Qt::LeftButton, {}, at);
            QCOMPARE(game.Model().BoardGrid()(cell.x(), cell.y()), 5);
        }
        const ShownBoard played(main);
        const QRect cursor = played.Ink(8, 9, QColor(255, 0, 0));
        QVERIFY(!cursor.isEmpty());
        QVERIFY(played.Ink(7, 9, QColor(255, 0, 0)).isEmpty());
        QVERIFY(played.Ink(9, 9, QColor(255, 0, 0)).isEmpty());
        QVERIFY(!played.Ink(8, 9, QColor(190, 0, 0)).isEmpty());
    }

    // The zoom the player chose is the size of the window at the next start.
    void theNextRunOpensAtTheSizeLeft() {
        GameWindow game;
        Main& main = *game.main;
        const QSize original = main.size();
        Keys(main, QStringLiteral("+"));
        const QSize larger = main.size();
        QVERIFY(larger.width() > original.width() && larger.height() > original.height());
        main.close();
        Main next;
        QCOMPARE(next.size(), larger);
    }
};

// On a 4K screen, which the tests run again at scales 1.5 and 2.
int main(int argc, char** argv) {
    const std::string config =
        QDir::tempPath().toStdString() + "/test_window_sizes_" + std::to_string(getpid()) + ".json";
    std::ofstream(config) << R"({"screens": [{"name": "4K", "x": 0, "y": 0, "width": 3840,)"
                             R"( "height": 2160, "logicalDpi": 96}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindowSizes test;
    const int failed = QTest::qExec(&test, argc, argv);
    std::remove(config.c_str());
    return failed;
}

#include "test_window_sizes.moc"
