#include "platform/surface.h"

#include "platform/controls.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The first device pixel of surface pixel p at a device pixel ratio. Neighbouring pixels share an
// edge, so that boxes drawn side by side leave no device pixel between them, also at a fractional
// ratio.
int DeviceEdge(int p, double ratio) {
    return static_cast<int>(std::lround(p * ratio));
}

// The device pixels of an image that make up a box of surface pixels.
QRect DevicePixels(const QRect& pixels, double ratio) {
    return {QPoint(DeviceEdge(pixels.left(), ratio), DeviceEdge(pixels.top(), ratio)),
            QPoint(DeviceEdge(pixels.right() + 1, ratio) - 1,
                   DeviceEdge(pixels.bottom() + 1, ratio) - 1)};
}

void Fill(QImage& image, const QRect& pixels, QColor colour) {
    // Boxes and straight lines are written into the image directly: the board is made of some
    // two hundred of them, and a painter for each would dominate the program's start.
    const QRect area = DevicePixels(pixels, image.devicePixelRatio()).intersected(image.rect());
    const QRgb value = colour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, value);
    }
}

// The four sides of a box: top, bottom, left, right.
std::array<QRect, 4> Sides(const QRect& box) {
    return {QRect(box.topLeft(), QPoint(box.right(), box.top())),
            QRect(QPoint(box.left(), box.bottom()), box.bottomRight()),
            QRect(box.topLeft(), QPoint(box.left(), box.bottom())),
            QRect(QPoint(box.right(), box.top()), box.bottomRight())};
}

}  // namespace

Drawing::Drawing(QSize pixels, QColor background) : size_(pixels), background_(background) {}

void Drawing::Add(Operation operation) {
    // A filled box hides whatever lies wholly under it: forgetting that keeps the list as short as
    // the picture, however long the game.
    if (operation.kind == Operation::Kind::Fill) {
        std::erase_if(operations_, [&](const Operation& earlier) {
            return operation.pixels.contains(earlier.extent);
        });
    }
    operations_.push_back(std::move(operation));
}

QImage Drawing::Render(double ratio) const {
    QImage image(DeviceEdge(size_.width(), ratio), DeviceEdge(size_.height(), ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background_);
    for (const Operation& operation : operations_) {
        Render(image, operation);
    }
    return image;
}

void Drawing::Render(QImage& image, const Operation& operation) {
    switch (operation.kind) {
        case Operation::Kind::Fill:
            Fill(image, operation.pixels, operation.colour);
            break;
        case Operation::Kind::Outline:
            for (const QRect& side : Sides(operation.pixels)) {
                Fill(image, side, operation.colour);
            }
            break;
        default: {
            // A slanted line is one device pixel wide on a plain screen, one pixel of the surface
            // wide on any other.
            QPainter painter(&image);
            Paint(painter, operation, image.devicePixelRatio() == 1 ? 0 : 1);
            break;
        }
    }
}

void Drawing::Paint(QPainter& painter, const Operation& operation, double slantedLineWidth) {
    switch (operation.kind) {
        case Operation::Kind::Fill:
            painter.fillRect(QRectF(operation.pixels), operation.colour);
            break;
        case Operation::Kind::Outline:
            for (const QRect& side : Sides(operation.pixels)) {
                painter.fillRect(QRectF(side), operation.colour);
            }
            break;
        case Operation::Kind::SlantedLine:
            painter.setPen(QPen(operation.colour, slantedLineWidth));
            painter.drawLine(operation.line);
            break;
        case Operation::Kind::Text:
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setFont(operation.font);
            painter.setPen(operation.colour);
            painter.drawText(operation.baseline, operation.text);
            break;
    }
}

void Drawing::Paint(QPainter& painter, const QRectF& target) const {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size_.width(), target.height() / size_.height());
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size_)), background_);
    for (const Operation& operation : operations_) {
        Paint(painter, operation, 1);
    }
    painter.restore();
}

Surface::Surface(int widthTwips, int heightTwips, QColor background)
    : drawing_(QSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)), background) {}

const QImage& Surface::Image() const {
    if (image_.isNull()) {
        image_ = drawing_.Render(1);
    }
    return image_;
}

QRect Surface::PixelBox(QPointF corner1, QPointF corner2) const {
    const QPoint a = TwipsToPixels(corner1);
    const QPoint b = TwipsToPixels(corner2);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void Surface::Add(Drawing::Operation operation, const QRect& changed) {
    for (QImage* picture : {&image_, &screen_}) {
        if (!picture->isNull()) {
            Drawing::Render(*picture, operation);
        }
    }
    drawing_.Add(std::move(operation));
    if (changed_) {
        changed_(changed.intersected(QRect(QPoint(0, 0), drawing_.size_)));
    }
}

void Surface::Line(QPointF from, QPointF to, QColor colour) {
    using Kind = Drawing::Operation::Kind;
    const QPoint a = TwipsToPixels(from);
    const QPoint b = TwipsToPixels(to);
    const QRect box = PixelBox(from, to);
    if (a.x() == b.x() || a.y() == b.y()) {
        Add({.kind = Kind::Fill, .colour = colour, .pixels = box, .extent = box}, box);
    } else {
        Add({.kind = Kind::SlantedLine,
             .colour = colour,
             .line = QLine(a, b),
             .extent = box.adjusted(-1, -1, 1, 1)},
            box);
    }
}

void Surface::Box(QPointF corner1, QPointF corner2, QColor colour) {
    const QRect box = PixelBox(corner1, corner2);
    Add({.kind = Drawing::Operation::Kind::Outline, .colour = colour, .pixels = box, .extent = box},
        box);
}

void Surface::FillBox(QPointF corner1, QPointF corner2, QColor colour) {
    const QRect box = PixelBox(corner1, corner2);
    Add({.kind = Drawing::Operation::Kind::Fill, .colour = colour, .pixels = box, .extent = box},
        box);
}

void Surface::Text(QPointF at, const QString& text, QColor colour, const QFont& font) {
    QFont plain = font;
    plain.setStyleStrategy(QFont::NoAntialias);
    const QPoint topLeft = TwipsToPixels(at);
    // Measured as on any picture: at the default resolution of an image.
    static const QImage measure(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(plain, &measure);
    const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
    const QRect cell(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    // The letters' ink, with a pixel to spare for a device that shapes them a little differently.
    const QRect ink = metrics.boundingRect(text).translated(baseline).adjusted(-1, -1, 1, 1);
    Add({.kind = Drawing::Operation::Kind::Text,
         .colour = colour,
         .baseline = baseline,
         .text = text,
         .font = plain,
         .extent = ink},
        cell.adjusted(-2, -2, 2, 2));
}

QColor Surface::Pixel(QPointF at) const {
    const QImage& shown = ScreenImage();
    const double ratio = shown.devicePixelRatio();
    // The screen reports a device pixel divided by the ratio; multiplied back, the rounding of
    // that division must not land a hair short of the pixel.
    const auto device = [&](double twips) {
        return static_cast<int>(std::floor(twips / TwipsPerPixel * ratio + 1e-6));
    };
    const QPoint p(device(at.x()), device(at.y()));
    return shown.valid(p) ? QColor(shown.pixel(p)) : QColor();
}

QRect Surface::DeviceBox(QPointF corner1, QPointF corner2) const {
    return DevicePixels(PixelBox(corner1, corner2), ScreenRatio());
}

void Surface::SetScreenRatio(double ratio) {
    if (ratio != ScreenRatio()) {
        screen_ = ratio == 1 ? QImage() : drawing_.Render(ratio);
    }
}

FileResult Surface::Save(const QString& path, const char* format, int quality) const {
    return WriteImageFile(path, Image(), format, quality);
}

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A pixel more on every side: at a fractional ratio the picture may lie a device pixel off the
    // view's own pixels.
    surface_.OnChanged([this](const QRect& pixels) {
        const double zoom = ZoomOf(this);
        const QRectF shown(QPointF(pixels.topLeft()) * zoom, QSizeF(pixels.size()) * zoom);
        update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
    });
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    // Moved to a screen of another density, or shown larger in a zoomed window, the view is
    // painted anew, and the picture is drawn anew for that scale before it is shown.
    surface_.SetScreenRatio(toDevice.m11() * ZoomOf(this));
    const QImage& picture = surface_.ScreenImage();
    // The picture is put on the screen device pixel for device pixel, from the first whole device
    // pixel of the view: at a fractional ratio the view may begin inside one, and a mouse
    // position there lies in the next.
    const QPointF origin = toDevice.map(QPointF(0, 0));
    painter.setWorldTransform(
        QTransform::fromTranslate(std::ceil(origin.x()), std::ceil(origin.y())) *
        toDevice.inverted());
    const QRectF pixels(picture.rect());
    painter.drawImage(pixels, picture, pixels);
    // Shown larger, the view may be a little larger than the picture.
    const QRect beyond =
        QRect(QPoint(0, 0), toDevice.mapRect(QRectF(rect())).size().toSize() + QSize(1, 1));
    for (const QRect& rest : QRegion(beyond).subtracted(picture.rect())) {
        painter.fillRect(rest, palette().window());
    }
    if (overlay_) {
        overlay_(painter, picture);
    }
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

QPointF SurfaceView::Twips(QPointF position) const {
    return PixelsToTwips(position / ZoomOf(this));
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(ButtonCode(event->button()), Twips(event->position()));
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(static_cast<int>(event->buttons()), Twips(event->position()));
}

FileResult WriteImageFile(const QString& path, const QImage& image, const char* format,
                          int quality) {
    // Made in memory first: the file is written only once the whole picture is there.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        return {writer.errorString()};
    }
    return WriteFileAtomically(path, bytes);
}
