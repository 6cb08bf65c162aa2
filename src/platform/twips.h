#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cmath>

// Positions and sizes of windows, boards and printouts are given in twips, 1440 to the inch; on
// the screen 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    // Whole pixels, rounded towards minus infinity, so that -60 twips is -4 pixels.
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}
inline QPoint TwipsToPixels(QPointF twips) {
    return {static_cast<int>(std::floor(twips.x() / TwipsPerPixel)),
            static_cast<int>(std::floor(twips.y() / TwipsPerPixel))};
}
inline QPointF PixelsToTwips(QPointF pixels) {
    return pixels * TwipsPerPixel;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
