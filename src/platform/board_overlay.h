#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>

#include <optional>
#include <utility>
#include <vector>

class QPainter;
class Surface;

// What a board's view shows on the screen over the board's picture, and never in it: what the
// picture holds, what the input reads there, and what is printed or saved stay as they were. The
// painter's units are the device pixels of the screen's picture.

// A face of the picture, a box of its device pixels, shown with some of its colours replaced (its
// background, say, while its digits keep theirs), and framed two board pixels wide if asked.
void RecolourFace(QPainter& painter, const QImage& picture, const QRect& face,
                  const std::vector<std::pair<QRgb, QRgb>>& recolour, std::optional<QColor> frame);

// A box over the board in twips of the surface: outlined, tinted, or tinted and hatched with
// diagonal lines of its colour, so that marks of like colours still differ by their shape to an eye
// that cannot tell red from green.
enum class MarkStyle { Frame, Tint, Hatched };
struct OverlayMark {
    QRectF twips;
    QColor colour;
    MarkStyle style = MarkStyle::Frame;
};
void PaintMarks(QPainter& painter, const Surface& surface, const std::vector<OverlayMark>& marks);
