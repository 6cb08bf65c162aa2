#include "platform/surface.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

Surface::Surface(int widthTwips, int heightTwips, QColor background)
    : image_(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips), QImage::Format_RGB32) {
    image_.fill(background);
}

QRect Surface::PixelBox(QPointF corner1, QPointF corner2) const {
    const QPoint a = TwipsToPixels(corner1);
    const QPoint b = TwipsToPixels(corner2);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void Surface::Changed(const QRect& pixels) {
    if (changed_) {
        changed_(pixels.intersected(image_.rect()));
    }
}

void Surface::Fill(const QRect& pixels, QColor colour) {
    // Boxes and straight lines are written into the image directly: the board is made of some
    // two hundred of them, and a painter for each would dominate the program's start.
    const QRect area = pixels.intersected(image_.rect());
    const QRgb value = colour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, value);
    }
}

void Surface::Line(QPointF from, QPointF to, QColor colour) {
    const QPoint a = TwipsToPixels(from);
    const QPoint b = TwipsToPixels(to);
    if (a.x() == b.x() || a.y() == b.y()) {
        Fill(PixelBox(from, to), colour);
    } else {
        QPainter painter(&image_);
        painter.setPen(QPen(colour, 0));
        painter.drawLine(a, b);
    }
    Changed(PixelBox(from, to));
}

void Surface::Box(QPointF corner1, QPointF corner2, QColor colour) {
    const QRect box = PixelBox(corner1, corner2);
    Fill(QRect(box.topLeft(), QPoint(box.right(), box.top())), colour);
    Fill(QRect(QPoint(box.left(), box.bottom()), box.bottomRight()), colour);
    Fill(QRect(box.topLeft(), QPoint(box.left(), box.bottom())), colour);
    Fill(QRect(QPoint(box.right(), box.top()), box.bottomRight()), colour);
    Changed(box);
}

void Surface::FillBox(QPointF corner1, QPointF corner2, QColor colour) {
    const QRect box = PixelBox(corner1, corner2);
    Fill(box, colour);
    Changed(box);
}

void Surface::Text(QPointF at, const QString& text, QColor colour, const QFont& font) {
    QFont plain = font;
    plain.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(plain);
    painter.setPen(colour);
    const QPoint topLeft = TwipsToPixels(at);
    const QFontMetrics metrics(plain, &image_);
    const QRect cell(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
    painter.end();
    Changed(cell.adjusted(-2, -2, 2, 2));
}

QColor Surface::Pixel(QPointF at) const {
    const QPoint p = TwipsToPixels(at);
    return image_.valid(p) ? QColor(image_.pixel(p)) : QColor();
}

bool Surface::Contains(QPointF at) const {
    return image_.valid(TwipsToPixels(at));
}

void Surface::SetImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_RGB32);
    Changed(image_.rect());
}

bool Surface::Save(const QString& path, const char* format, int quality) const {
    return image_.save(path, format, quality);
}

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    surface_.OnChanged([this](const QRect& pixels) { update(pixels); });
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.Image(), event->rect());
}

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(ButtonCode(event->button()), PixelsToTwips(event->position()));
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(static_cast<int>(event->buttons()), PixelsToTwips(event->position()));
}
