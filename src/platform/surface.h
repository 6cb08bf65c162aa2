#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>

// A persistent drawing surface: an image that keeps what is drawn on it, addressed in twips.
// Lines and boxes cover every pixel from their first to their last corner, both included, as the
// classic picture box draws them. Text is drawn without antialiasing, so that every pixel holds
// exactly the colour it was drawn in.
class Surface {
  public:
    Surface(int widthTwips, int heightTwips, QColor background = Qt::white);

    void Line(QPointF from, QPointF to, QColor colour);
    void Box(QPointF corner1, QPointF corner2, QColor colour);
    void FillBox(QPointF corner1, QPointF corner2, QColor colour);
    // Text whose cell has its top-left corner at `at`.
    void Text(QPointF at, const QString& text, QColor colour, const QFont& font);
    QColor Pixel(QPointF at) const;
    bool Contains(QPointF at) const;

    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);
    // Saves the picture; the format follows from `format` ("BMP", "JPG", "PNG").
    bool Save(const QString& path, const char* format, int quality = -1) const;

    // Called with the pixels that changed after each drawing operation.
    void OnChanged(std::function<void(const QRect&)> changed) { changed_ = std::move(changed); }

  private:
    QRect PixelBox(QPointF corner1, QPointF corner2) const;
    void Fill(const QRect& pixels, QColor colour);
    void Changed(const QRect& pixels);
    QImage image_;
    std::function<void(const QRect&)> changed_;
};

// Shows a surface and reports mouse presses and moves in twips of the surface (pixel position x
// 15, kept as floating point, also on a high-DPI screen). Only the changed pixels are repainted.
class SurfaceView : public QWidget {
    Q_OBJECT
  public:
    SurfaceView(Surface& surface, QWidget* parent);

  signals:
    // button: 1 left, 2 right, 4 middle.
    void MouseDown(int button, QPointF twips);
    void MouseMove(int buttons, QPointF twips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Surface& surface_;
};

// The button code of a Qt mouse button: 1 left, 2 right, 4 middle, 0 any other.
int ButtonCode(Qt::MouseButton button);
