#include "ui/game/board_painter.h"

#include "platform/fonts.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "ui/game/board_geometry.h"

#include <QFontMetricsF>

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
    // As large as nine of them fit the face, plain, each in the middle of its square.
    const QFont font = PointFont(QStringLiteral("Arial"), 9);
    const QFontMetricsF metrics(font);
    for (int digit = 1; digit <= 9; ++digit) {
        if (marks.test(digit)) {
            const QString text = QString::number(digit);
            const QRectF ink = metrics.tightBoundingRect(text);  // from the baseline
            const QPointF middle(ink.center().x(), metrics.ascent() + ink.center().y());
            surface.Text(MarkCentre(c, r, digit) - middle * TwipsPerPixel, text, colour, font);
        }
    }
}

}  // namespace board
