#pragma once

#include <QWidget>

// Shows a control of fixed size at the size of the room it is given: its controls placed, its
// fonts and, through zoomChanged, its pictures made larger by the same factor both ways, and
// centred, so that its lines, letters and pictures stay sharp. The control and its children
// remain ordinary widgets, for the keyboard and for assistive technology alike.
//
// The zoom never goes below 1: the original size is the smallest at which the control's smallest
// text can be read. It goes up in steps so that `grain` pixels of the original become a whole
// number of device pixels, so that a pattern repeating every `grain` pixels, a board's cells,
// stays regular at every zoom, also on a screen of a fractional number of device pixels to the
// pixel.
class ZoomStage : public QWidget {
    Q_OBJECT
  public:
    // The stage takes the control as its child; its size is the control's size at zoom one.
    ZoomStage(QWidget* content, int grain, QWidget* parent);

    double Zoom() const { return zoom_; }
    QSize ContentSize() const { return original_; }
    // The largest of the stage's zooms that is at most `zoom`; the smallest is the first step from
    // 1 up, which is 1 on a screen of a whole number of device pixels to the pixel.
    double Step(double zoom) const;
    // The size at the smallest zoom, which is also the smallest size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    void zoomChanged(double zoom);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();
    void Apply(double zoom);

    QWidget* content_;
    const QSize original_;
    const int grain_;
    double zoom_ = 1;
};
