#pragma once

#include "platform/files.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

// What has been drawn on a surface: its drawing operations in pixels of the surface (15 twips), in
// the order they were given, so that the same picture can be drawn again on any device at any
// resolution.
class Drawing {
  public:
    Drawing(QSize pixels, QColor background);

    // Draws the picture stretched into `target` on a painter of any device, a printer for one: its
    // boxes, lines and letters at the device's own resolution.
    void Paint(QPainter& painter, const QRectF& target) const;

  private:
    friend class Surface;
    struct Operation {
        enum class Kind { Fill, Outline, SlantedLine, Text };
        Kind kind;
        QColor colour;
        QRect pixels{};  // Fill, Outline: the box, both corners included
        QLine line{};    // SlantedLine
        QPoint baseline{};
        QString text{};
        QFont font{};
        QRect extent{};  // the pixels the operation may touch
    };

    void Add(Operation operation);
    // The picture in a new image at a device pixel ratio.
    QImage Render(double ratio) const;
    // Draws one operation into an image, at the image's device pixel ratio.
    static void Render(QImage& image, const Operation& operation);
    static void Paint(QPainter& painter, const Operation& operation, double slantedLineWidth);

    QSize size_;
    QColor background_;
    std::vector<Operation> operations_;
};

// A persistent drawing surface that keeps what is drawn on it, addressed in twips. Lines and boxes
// cover every pixel from their first to their last corner, both included, as the classic picture
// box draws them; on a high-density screen each pixel becomes a block of whole device pixels, so
// that the board has the same lines and faces at every scale. Text is drawn without antialiasing,
// so that every device pixel holds exactly the colour it was drawn in.
class Surface {
  public:
    Surface(int widthTwips, int heightTwips, QColor background = Qt::white);

    void Line(QPointF from, QPointF to, QColor colour);
    void Box(QPointF corner1, QPointF corner2, QColor colour);
    void FillBox(QPointF corner1, QPointF corner2, QColor colour);
    // Text whose cell has its top-left corner at `at`.
    void Text(QPointF at, const QString& text, QColor colour, const QFont& font);
    // The colour that the screen shows at `at`: the device pixel under that point.
    QColor Pixel(QPointF at) const;

    // The picture at one device pixel to the pixel, as the picture files hold it.
    const QImage& Image() const;
    // The picture as the screen shows it: an image with the screen's device pixel ratio.
    const QImage& ScreenImage() const { return screen_.isNull() ? Image() : screen_; }
    // Draws the screen's picture anew for a screen of another device pixel ratio; the view does
    // this before it paints.
    void SetScreenRatio(double ratio);
    // The device pixels of the screen's picture that a box drawn with FillBox covers.
    QRect DeviceBox(QPointF corner1, QPointF corner2) const;
    // Everything drawn so far, to be drawn again on another device.
    const Drawing& Recording() const { return drawing_; }
    // Saves the picture as a file of the format ("BMP", "JPG", "PNG"), whole or not at all.
    FileResult Save(const QString& path, const char* format, int quality = -1) const;

    // Called with the pixels that changed after each drawing operation.
    void OnChanged(std::function<void(const QRect&)> changed) { changed_ = std::move(changed); }

  private:
    QRect PixelBox(QPointF corner1, QPointF corner2) const;
    void Add(Drawing::Operation operation, const QRect& changed);

    double ScreenRatio() const { return screen_.isNull() ? 1 : screen_.devicePixelRatio(); }

    Drawing drawing_;
    // Made from the drawing when first asked for, and drawn on from then on: a picture that is
    // never shown or saved costs no pixels.
    mutable QImage image_;
    QImage screen_;  // null while the screen has one device pixel to the pixel
    std::function<void(const QRect&)> changed_;
};

// Shows a surface at the device pixel ratio of the screen it is on, also when its window is shown
// at a zoom (see ZoomOf), and reports mouse presses and moves in twips of the surface (pixel
// position x 15 at zoom one, kept as floating point, also on a high-DPI screen). Only the changed
// pixels are repainted.
class SurfaceView : public QWidget {
    Q_OBJECT
  public:
    SurfaceView(Surface& surface, QWidget* parent);

    // Draws on the screen over the surface's picture, and not into it: `paint` gets a painter
    // whose units are the device pixels of the screen's picture, and that picture.
    using Overlay = std::function<void(QPainter& painter, const QImage& picture)>;
    void SetOverlay(Overlay paint) { overlay_ = std::move(paint); }

  signals:
    // button: 1 left, 2 right, 4 middle.
    void MouseDown(int button, QPointF twips);
    void MouseMove(int buttons, QPointF twips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // A position on the view in twips of the surface.
    QPointF Twips(QPointF position) const;

    Surface& surface_;
    Overlay overlay_;
};

// The button code of a Qt mouse button: 1 left, 2 right, 4 middle, 0 any other.
int ButtonCode(Qt::MouseButton button);

// Writes a picture as a file of the format, whole or not at all (see WriteFileAtomically).
FileResult WriteImageFile(const QString& path, const QImage& image, const char* format,
                          int quality = -1);
