#include "ui/game/board_painter.h"

#include "platform/fonts.h"
#include "platform/surface.h"
#include "ui/game/board_geometry.h"

namespace board {

QFont DigitFont() {
    return PointFont(QStringLiteral("Arial"), 15.75, true);
}

void DrawGrid(Surface& surface) {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            surface.Box({CellLeft(c), CellTop(r)},
                        {CellLeft(c) + CellPitch, CellTop(r) + CellPitch}, CellLine);
        }
    }
    for (int d = 0; d < 3; ++d) {
        for (int b = 0; b < 3; ++b) {
            surface.Box({1.0 * BlockPitch * b, 1.0 * BlockPitch * d},
                        {1.0 * BlockPitch * (b + 1), 1.0 * BlockPitch * (d + 1)}, BlockLine);
        }
    }
}

void PaintFace(Surface& surface, int c, int r, const QColor& colour) {
    const QPointF corner(CellLeft(c) + FaceInset, CellTop(r) + FaceInset);
    surface.FillBox(corner, corner + QPointF(FaceSize, FaceSize), colour);
}

void DrawDigit(Surface& surface, int c, int r, int digit, const QColor& colour) {
    surface.Text(DigitPoint(c, r), QStringLiteral(" %1 ").arg(digit), colour, DigitFont());
}

void DrawMarks(Surface& surface, int c, int r, const std::bitset<10>& marks, const QColor& colour) {
    // Small and plain, so that nine of them fit the face.
    const QFont font = PointFont(QStringLiteral("Arial"), 6.75);
    for (int digit = 1; digit <= 9; ++digit) {
        if (marks.test(digit)) {
            surface.Text(MarkPoint(c, r, digit), QString::number(digit), colour, font);
        }
    }
}

}  // namespace board
