#include "ui/dialogs/booklet.h"

#include "core/givens.h"
#include "platform/printer.h"
#include "platform/surface.h"
#include "ui/game/board_geometry.h"
#include "ui/game/board_painter.h"

#include <QString>

#include <algorithm>

namespace {

// Columns and rows of boards on a page.
struct Layout {
    int columns;
    int rows;
};

Layout LayoutOf(int perPage) {
    switch (perPage) {
        case 1:
            return {1, 1};
        case 2:
            return {1, 2};
        case 4:
            return {2, 2};
        case 6:
            return {2, 3};
        default:
            return {3, 4};  // the solutions
    }
}

// The board of a puzzle, or of its solution: the givens on their grey faces.
Surface BoardOf(const MadePuzzle& puzzle, bool solution) {
    Surface surface(board::BoardTwips, board::BoardTwips);
    board::DrawGrid(surface);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const bool given = puzzle.givens.cells[CellBit(c, r)];
            if (given) {
                board::PaintFace(surface, c, r, board::GivenFace);
            }
            if (given || solution) {
                board::DrawDigit(surface, c, r, puzzle.solution(c, r), board::GivenDigit);
            }
        }
    }
    return surface;
}

// Pages of boards, each under its caption, in the order of the puzzles.
void PrintBoards(Printer& printer, const std::vector<MadePuzzle>& puzzles, int perPage,
                 bool solutions) {
    const Layout layout = LayoutOf(perPage);
    const int onPage = layout.columns * layout.rows;
    printer.SetFont(QStringLiteral("Arial"), solutions ? 9 : 12, true);
    const int caption = printer.TextHeight() * 3 / 2;
    const int slotWidth = printer.PageWidth() / layout.columns;
    const int slotHeight = printer.PageHeight() / layout.rows;
    // A little room between neighbouring boards.
    const int side = std::min(slotWidth, slotHeight - caption) * 92 / 100;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const int slot = static_cast<int>(i) % onPage;
        if (slot == 0 && (i > 0 || solutions)) {
            printer.NewPage();
        }
        const int left = slot % layout.columns * slotWidth + (slotWidth - side) / 2;
        const int top = slot / layout.columns * slotHeight + (slotHeight - caption - side) / 2;
        const MadePuzzle& puzzle = puzzles[i];
        const QString title =
            solutions
                ? QStringLiteral("Oplossing %1").arg(i + 1)
                : QStringLiteral("Puzzel %1 \u2013 %2").arg(i + 1).arg(LevelText(puzzle.givens));
        printer.SetCurrentX(left);
        printer.SetCurrentY(top);
        printer.PrintLine(title);
        printer.DrawSurface(BoardOf(puzzle, solutions), left, top + caption, side, side);
    }
}

}  // namespace

void PrintBooklet(Printer& printer, const std::vector<MadePuzzle>& puzzles, int perPage) {
    PrintBoards(printer, puzzles, perPage, false);
    PrintBoards(printer, puzzles, 0, true);
}
