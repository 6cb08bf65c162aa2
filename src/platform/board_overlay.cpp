#include "platform/board_overlay.h"

#include "platform/surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Two pixels of the board, in whole device pixels.
int FrameWidth(double ratio) {
    return std::max(1, static_cast<int>(std::lround(2 * ratio)));
}

void Frame(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    painter.fillRect(QRect(box.left(), box.top(), box.width(), width), colour);
    painter.fillRect(QRect(box.left(), box.bottom() - width + 1, box.width(), width), colour);
    painter.fillRect(QRect(box.left(), box.top(), width, box.height()), colour);
    painter.fillRect(QRect(box.right() - width + 1, box.top(), width, box.height()), colour);
}

// Lines across a box from its top left down to the right, about six to a cell's width, in the
// colour made less transparent: across the stroke that crosses out a struck digit, not along it.
void Hatch(QPainter& painter, const QRect& box, int width, QColor colour) {
    colour.setAlpha(std::min(255, colour.alpha() * 2));
    painter.save();
    painter.setClipRect(box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width / 2.0 + 0.5));
    const int step = std::max(3, box.width() / 6);
    for (int x = box.left() - box.height(); x < box.right(); x += step) {
        painter.drawLine(QPointF(x, box.top()), QPointF(x + box.height() + 1, box.bottom() + 1));
    }
    painter.restore();
}

}  // namespace

void RecolourFace(QPainter& painter, const QImage& picture, const QRect& face,
                  const std::vector<std::pair<QRgb, QRgb>>& recolour, std::optional<QColor> frame) {
    QImage shown = picture.copy(face);
    shown.setDevicePixelRatio(1);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            for (const auto& [from, to] : recolour) {
                if (line[x] == from) {
                    line[x] = to;
                    break;
                }
            }
        }
    }
    painter.drawImage(face.topLeft(), shown);
    if (frame) {
        Frame(painter, face, FrameWidth(picture.devicePixelRatio()), *frame);
    }
}

void PaintMarks(QPainter& painter, const Surface& surface, const std::vector<OverlayMark>& marks) {
    const int width = FrameWidth(surface.ScreenImage().devicePixelRatio());
    for (const OverlayMark& mark : marks) {
        const QRect box = surface.DeviceBox(mark.twips.topLeft(), mark.twips.bottomRight());
        switch (mark.style) {
            case MarkStyle::Frame:
                Frame(painter, box, width, mark.colour);
                break;
            case MarkStyle::Hatched:
                Hatch(painter, box, width, mark.colour);
                [[fallthrough]];
            case MarkStyle::Tint:
                painter.fillRect(box, mark.colour);
                break;
        }
    }
}
