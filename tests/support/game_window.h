#pragma once

#include "core/base_grids.h"
#include "support/program_folder.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSet>
#include <QTest>

#include <memory>

// A started game window in a program folder of its own.
struct GameWindow {
    GameWindow() {
        QApplication::setQuitOnLastWindowClosed(false);
        main = std::make_unique<Main>();
        // Puzzles are laid out as they always were, unless a test asks for one solution.
        main->Settings().OnlyUniquePuzzles = false;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    TestProgramFolder folder;
    std::unique_ptr<Main> main;

    GameModel& Model() { return main->Model(); }
    GameSettings& Settings() { return main->Settings(); }

    // Lays out grid n under symmetry t with givens from the pattern rows.
    void LayOut(const QStringList& pattern, int n = 1, int t = 1) {
        Settings().UsePattern = true;
        for (int r = 1; r <= 9; ++r) {
            Settings().PatternRows[r] = pattern.value(r - 1, QStringLiteral("000000000"));
        }
        main->LayOutPuzzle(TransformedGrid(n, t));
    }
};

// The empty cells of a grid, row by row.
inline QList<QPoint> EmptyCells(const Grid& grid) {
    QList<QPoint> cells;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            if (grid(c, r) == 0) {
                cells << QPoint(c, r);
            }
        }
    }
    return cells;
}

// The centre of the face of cell (c, r) in pixels of the board.
inline QPoint FaceCentre(int c, int r) {
    return {static_cast<int>(board::CellLeft(c) + 262) / 15,
            static_cast<int>(board::CellTop(r) + 262) / 15};
}

// The colours of the pixels of an image.
inline QSet<QRgb> Colours(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            colours.insert(image.pixel(x, y) | 0xff000000u);
        }
    }
    return colours;
}

// The pixels of the face of cell (c, r).
inline QRect FacePixels(int c, int r) {
    return QRect(static_cast<int>(board::CellLeft(c) + 15) / 15,
                 static_cast<int>(board::CellTop(r) + 15) / 15, 34, 34);
}
